// Glyph import from an installed system font: the glyph's list text is drawn on
// the hidden surface picFont and sampled cell by cell into the grid.
#include "editor/FontImport.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>
#include <QTextOption>
#include <algorithm>
#include <cmath>

#include "platform/Numbers.h"

namespace editor {

int32_t GetPointColor(int x, int y, const QImage& picture, QRgb backColor) {
  if (x < 0 || y < 0 || x >= picture.width() || y >= picture.height()) return SampledPaperColor;
  QRgb c = picture.pixel(x, y);
  if (qAlpha(c) != 255) {
    // Seen over the background, as a picture box shows a translucent picture.
    const int a = qAlpha(c);
    auto mix = [a](int fg, int bg) { return (fg * a + bg * (255 - a) + 127) / 255; };
    c = qRgb(mix(qRed(c), qRed(backColor)), mix(qGreen(c), qGreen(backColor)), mix(qBlue(c), qBlue(backColor)));
  }
  const QRgb rgb = c & 0xFFFFFFu;
  if (rgb == (backColor & 0xFFFFFFu) || rgb == 0xFFFFFFu) return SampledPaperColor;
  return SampledInkColor;
}

namespace {

constexpr double ToolbarDefaultSize = 16;  // the size the toolbar's size box starts with

}  // namespace

bool IsRightToLeftText(const QString& t) { return t.contains(QChar(0x200F)) || t.isRightToLeft(); }

// A text of up to ShortText characters (far more than any list entry) is drawn whole.
// Of a longer one only the part drawn at the surface's left edge is kept (the start of
// a left-to-right text, the end of a right-to-left one), doubled from ShortText until
// it reaches past twice the surface width, so the cut lies well off the surface. Past
// LongestPart characters every character would have to be narrower than 1/500 pixel:
// zero-width marks, which stack where their base is.
QString VisiblePart(const QString& t, bool rtl, const QFontMetricsF& metrics, int surfaceWidth) {
  constexpr qsizetype ShortText = 4096;
  constexpr qsizetype LongestPart = qsizetype{1} << 20;
  if (t.size() <= ShortText) return t;
  for (qsizetype n = ShortText;; n *= 2) {
    if (n >= t.size()) return t;
    qsizetype from = rtl ? t.size() - n : 0;
    qsizetype to = rtl ? t.size() : n;
    // Never half of a surrogate pair.
    if (from > 0 && t[from].isLowSurrogate()) --from;
    if (to < t.size() && t[to - 1].isHighSurrogate()) ++to;
    QString part = t.sliced(from, to - from);
    if (n >= LongestPart || metrics.horizontalAdvance(part) > 2.0 * surfaceWidth) return part;
  }
}

double Clamp16(double v) { return std::clamp(v, -32768.0, 32767.0); }

QFont ToolbarFont(const FontImportSettings& settings) {
  QFont font(settings.family);
  const auto size = platform::WholeNumber(settings.sizeText);
  font.setPointSizeF(size && std::isfinite(*size) && *size > 0 ? *size : ToolbarDefaultSize);
  font.setBold(settings.bold);
  font.setItalic(settings.italic);
  font.setUnderline(settings.underline);
  // Drawn unsmoothed, so a glyph is seeded as the font draws it at this size: every grey
  // edge pixel counts as ink, and smoothing fattened each stroke by a cell on each side.
  font.setStyleStrategy(QFont::NoAntialias);
  return font;
}

void DrawOnSurface(QImage& surface, const QFont& font, const QString& t, bool rtl) {
  surface.fill(qRgb(255, 255, 255));
  QTextLayout layout(t, font, &surface);
  QTextOption option;
  option.setWrapMode(QTextOption::NoWrap);
  option.setTextDirection(rtl ? Qt::RightToLeft : Qt::LeftToRight);
  option.setAlignment(Qt::AlignLeft | Qt::AlignAbsolute);
  layout.setTextOption(option);
  layout.beginLayout();
  QTextLine line = layout.createLine();
  if (line.isValid()) {
    line.setLineWidth(surface.width());
    // Baseline at the font's ascent, as a text drawn at (0, 0) sits.
    line.setPosition(QPointF(0, QFontMetricsF(font, &surface).ascent() - line.ascent()));
  }
  layout.endLayout();
  QPainter painter(&surface);
  painter.setRenderHint(QPainter::TextAntialiasing, false);
  painter.setPen(Qt::black);
  layout.draw(&painter, QPointF(0, 0));
}

void SampleSurface(const QImage& surface, doc::DesignGrid& grid, int lastColumn, int lastRow, double shift,
                   uint8_t ink) {
  lastRow = std::min(lastRow, grid.HighY());
  // Columns beyond the surface read as paper: nothing to sample there.
  lastColumn = std::min(lastColumn, surface.width() - 1);
  for (int x = 0; x <= lastColumn; ++x) {
    for (int y = 0; y <= lastRow; ++y) {
      const int py = static_cast<int>(platform::RoundHalfEven(y - shift));
      if (GetPointColor(x, py, surface) == SampledInkColor) grid.SetIfInside(x, y, ink);
    }
  }
}

}  // namespace editor
