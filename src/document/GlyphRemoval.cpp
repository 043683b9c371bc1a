#include "document/GlyphRemoval.h"

namespace doc {

RemoveResult RemoveGlyph(ModConst& s, int32_t code) {
  RemoveResult result;
  if (code >= 0 && static_cast<size_t>(code) < s.FontData.size() && !s.FontData[code].empty()) {
    s.FontData[code].clear();
    // A removal is a change of the font: the save prompt must offer to keep it.
    s.FontModified = true;
    result.emptied = true;
  }
  // Only the glyph on screen lives in the grid; another glyph's removal must not wipe it.
  if (code == s.CurrentChar) {
    ClearDesignData(s);
    result.gridCleared = true;
  }
  return result;
}

}  // namespace doc
