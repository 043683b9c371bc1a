#pragma once
// Glyph import from an installed system font: the glyph's list text is drawn on the
// hidden surface picFont and sampled cell by cell into the grid. The ink/paper rule
// is shared with the paste of a clipboard bitmap.
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QRgb>
#include <QString>
#include <cstdint>

#include "document/DesignGrid.h"
#include "editor/Ports.h"

namespace editor {

constexpr int32_t SampledPaperColor = 0xFFFFFF;
constexpr int32_t SampledInkColor = 0;

// SampledPaperColor for a point outside the picture, of its background colour or pure
// white; SampledInkColor for every other colour, grey edges of smoothed text included.
// A translucent pixel is seen as it shows over the background.
int32_t GetPointColor(int x, int y, const QImage& picture, QRgb backColor = qRgb(255, 255, 255));

// The row counters and sampled rows were 16-bit; values beyond are held at its ends.
double Clamp16(double v);

// The font chosen in the toolbar's font band, without smoothing. A size that is not a
// positive number falls back to the toolbar's default; an unknown name lets Qt substitute.
QFont ToolbarFont(const FontImportSettings& settings);

// Right-to-left when the list marked it ("\rtl", held as U+200F) or when its
// first strong character is right-to-left.
bool IsRightToLeftText(const QString& t);

// A list value may hold millions of characters, but only what lands on the surface
// can reach the glyph, and laying out the rest froze the switch for seconds: the part
// of t that can appear on a surface this wide (t itself for any ordinary text).
QString VisiblePart(const QString& t, bool rtl, const QFontMetricsF& metrics, int surfaceWidth);

// Clears the surface and draws t in black, unsmoothed, with its top-left corner at (0, 0),
// in the direction given (the whole text's, as its marker may stand at the end).
void DrawOnSurface(QImage& surface, const QFont& font, const QString& t, bool rtl);

// Cell (x, y) of columns 0..lastColumn and rows 0..lastRow takes `ink` where the
// surface pixel (x, y - shift rounded half to even) is ink; cells the grid or the
// surface does not reach are left alone.
void SampleSurface(const QImage& surface, doc::DesignGrid& grid, int lastColumn, int lastRow, double shift,
                   uint8_t ink);

}  // namespace editor
