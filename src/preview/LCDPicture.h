#pragma once
// The picture of the LCD preview: the module with its 128 x 64 dot display at twice its
// size, and glyphs painted onto it dot by dot from the font.
#include <QImage>
#include <QRgb>
#include <QRect>
#include <QString>
#include <array>
#include <string>
#include <vector>

#include "document/Font.h"

namespace preview {

constexpr int LCDPictureWidth = 274;
constexpr int LCDPictureHeight = 250;
// The blue display area, corners included.
inline const QRect LCDDisplayArea(QPoint(9, 29), QPoint(264, 156));
inline constexpr QRgb LCDDisplayColor = qRgb(121, 148, 217);
// Pen start: the left column, or with right-to-left the right column, of the first glyph.
constexpr int LCDPenLeft = 50;
constexpr int LCDPenRight = 250;
constexpr int LCDPenY = 50;

// The module as the window shows it before anything is drawn.
QImage LCDBackground();

// Paints the font's glyph of `code` with its left column at X, or with right-to-left its
// right column at X, and its top row at Y; each non-empty cell is one dot in its colour of
// `colors`, the editor's palette (the damaged-cell colour above 15). Returns the advance,
// width - 1, or 0 for a glyph without data or a code outside 0..511.
int DrawLCDChar(QImage& picture, const doc::Font& font, const std::array<QRgb, 16>& colors, int X, int Y, int code,
                bool rightToLeft);

// Clears the picture to the background and draws the glyph codes from the pen start,
// successive glyphs sharing one column.
void DrawLCDText(QImage& picture, const QImage& background, const doc::Font& font, const std::array<QRgb, 16>& colors,
                 const std::vector<int>& codes, bool rightToLeft);

}  // namespace preview
