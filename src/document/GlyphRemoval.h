#pragma once
// The rule of the Remove command on the document state, apart from the panel that
// offers it.
#include <cstdint>

#include "document/ModConst.h"

namespace doc {

// What a removal did, for the windows to follow.
struct RemoveResult {
  bool emptied = false;      // the glyph held data; it is gone and FontModified is set
  bool gridCleared = false;  // the glyph is the one on screen: its grid was emptied and must be redrawn
};

// Empties FontData(code) when it holds a glyph (a change of the font, so FontModified).
// When code is the glyph on screen (CurrentChar) its grid is emptied too, held data or
// not; another glyph's removal leaves the grid alone.
RemoveResult RemoveGlyph(ModConst& s, int32_t code);

}  // namespace doc
