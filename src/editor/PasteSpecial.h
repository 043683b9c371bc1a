#pragma once
// A glyph from a picture (the clipboard's bitmap): the glyph is one cell narrower
// and lower than the picture, and every pixel that is not white becomes a cell.
#include <QImage>
#include <cstdint>

#include "document/ModConst.h"

namespace editor {

// The largest picture side taken: the glyph's size and the loops over it are 16-bit.
constexpr int MaxPastedPictureSide = 32766;

enum class PasteOutcome {
  Pasted,
  NoGlyph,    // no glyph in the editor: nothing changes
  NoPicture,  // no picture (a text, or nothing): nothing changes
  TooLarge,   // wider or higher than MaxPastedPictureSide, or more than memory holds
};

// What a paste of the picture would do, without changing anything.
PasteOutcome CheckPastedPicture(const doc::ModConst& s, const QImage& picture);

// The paste: charWidth and charHeight become the picture's size less one, the
// maxima are raised to them where smaller, the grid is made anew for the maxima,
// and each pixel (x, y) of the whole picture that is not white, seen over white,
// sets the cell (x, y) to CurrentColor; the last column and row fall just outside
// the glyph. Anything but Pasted leaves the state and the size as they were.
PasteOutcome PasteBitmap(doc::ModConst& s, const QImage& picture, int32_t& charWidth, int32_t& charHeight);

}  // namespace editor
