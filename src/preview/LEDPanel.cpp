#include "preview/LEDPanel.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstring>

#include "platform/Numbers.h"
#include "preview/GlyphCells.h"

namespace preview {

namespace {

// One lamp as a picture plus, per row, the span of its opaque pixels; a lamp is copied
// onto the surface span by span, so that overlapping lamps cover each other only where
// they are round.
struct Lamp {
  QImage picture;                      // RGB32
  std::vector<std::pair<int, int>> spans;  // per row: [first, last + 1) of opaque pixels
};

Lamp MakeLamp(int w, int h, QRgb fill) {
  Lamp lamp;
  QImage a(w, h, QImage::Format_ARGB32);
  a.fill(Qt::transparent);
  {
    QPainter p(&a);
    p.setPen(QColor(LEDOutlineColor));
    p.setBrush(QColor(fill));
    if (w <= 2 || h <= 2) p.fillRect(0, 0, w, h, QColor(fill));
    else p.drawEllipse(0, 0, w - 1, h - 1);
  }
  lamp.spans.resize(static_cast<size_t>(h));
  for (int y = 0; y < h; ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(a.constScanLine(y));
    int first = 0, last = w;
    while (first < w && qAlpha(line[first]) == 0) ++first;
    while (last > first && qAlpha(line[last - 1]) == 0) --last;
    lamp.spans[static_cast<size_t>(y)] = {first, last};
  }
  lamp.picture = a.convertToFormat(QImage::Format_RGB32);
  return lamp;
}

// A position in millimetres as a pixel, kept within a range that cannot overflow.
int ToPixel(double mm, double dotsPerMm) {
  const double px = std::floor(mm * dotsPerMm + 0.5);
  if (!(px > -1e8)) return -100000000;  // also NaN
  return px > 1e8 ? 100000000 : static_cast<int>(px);
}

}  // namespace

void LEDPanel::Rebuild(int columns, int rows, double sizeMm, double pitchMm, QRgb on, QRgb off) {
  rows_ = std::max(1, rows);
  columns_ = std::clamp(columns, 0, MaxLEDs / rows_);
  sizeMm_ = sizeMm;
  on_ = on;
  off_ = off;
  // The layout's counters are whole millimetres, rounded after every step.
  columnX_.assign(static_cast<size_t>(std::max(1, columns_)), 0.0);
  for (size_t c = 1; c < columnX_.size(); ++c) columnX_[c] = platform::RoundHalfEven(columnX_[c - 1] + pitchMm);
  rowY_.assign(static_cast<size_t>(rows_), 0.0);
  for (size_t r = 1; r < rowY_.size(); ++r) rowY_[r] = platform::RoundHalfEven(rowY_[r - 1] + pitchMm);
  lit_.assign(static_cast<size_t>(std::max(1, columns_ * rows_)), 0);
}

void LEDPanel::Render(QImage& surface, double dotsPerMmX, double dotsPerMmY) const {
  if (surface.format() != QImage::Format_RGB32) surface = surface.convertToFormat(QImage::Format_RGB32);
  surface.fill(Qt::black);
  const int sw = surface.width(), sh = surface.height();
  // A lamp larger than the surface shows no more than the surface.
  const int lw = std::min(ToPixel(sizeMm_, dotsPerMmX), 2 * std::max(sw, sh) + 2);
  const int lh = std::min(ToPixel(sizeMm_, dotsPerMmY), 2 * std::max(sw, sh) + 2);
  if (lw <= 0 || lh <= 0 || sw == 0 || sh == 0) return;
  const Lamp lamps[2] = {MakeLamp(lw, lh, off_), MakeLamp(lw, lh, on_)};

  std::vector<int> rowPx(rowY_.size());
  for (size_t r = 0; r < rowY_.size(); ++r) rowPx[r] = ToPixel(rowY_[r], dotsPerMmY);
  const int count = Elements();
  for (int i = 0; i < count; ++i) {
    const int c = i / rows_, r = i % rows_;
    const int x0 = ToPixel(columnX_[static_cast<size_t>(c)], dotsPerMmX);
    if (x0 >= sw || x0 + lw <= 0) {
      i += rows_ - 1 - r;  // the whole column misses the surface
      continue;
    }
    const int y0 = rowPx[static_cast<size_t>(r)];
    if (y0 >= sh || y0 + lh <= 0) continue;
    const Lamp& lamp = lamps[lit_[static_cast<size_t>(i)] ? 1 : 0];
    const int ya = std::max(0, -y0), yb = std::min(lh, sh - y0);
    for (int y = ya; y < yb; ++y) {
      auto [first, last] = lamp.spans[static_cast<size_t>(y)];
      first = std::max(first, -x0);
      last = std::min(last, sw - x0);
      if (first >= last) continue;
      const auto* src = reinterpret_cast<const QRgb*>(lamp.picture.constScanLine(y));
      auto* dst = reinterpret_cast<QRgb*>(surface.scanLine(y0 + y));
      std::memcpy(dst + x0 + first, src + first, static_cast<size_t>(last - first) * sizeof(QRgb));
    }
  }
}

int DrawLEDChar(LEDPanel& panel, const std::string& record, int64_t X, bool rightToLeft) {
  const auto g = GlyphCells::Of(record);
  if (!g) return 0;
  const int w = g->Width();
  if (rightToLeft) X -= w - 1;
  const int rows = std::min(g->Height(), panel.Rows());
  // Only the columns that fall on the panel are visited.
  const int64_t xa = std::max<int64_t>(0, -X);
  const int64_t xb = std::min<int64_t>(w, panel.Columns() - X);
  for (int64_t x = xa; x < xb; ++x)
    for (int y = 0; y < rows; ++y)
      panel.SetLit(static_cast<int>(X + x), y, g->At(static_cast<int>(x), y) != 0);
  return w - 1;
}

int LEDColumnsOf(const QString& widthText, int rows, bool* limited) {
  const std::optional<double> v = platform::WholeNumber(widthText);
  const int most = MaxLEDs / std::max(1, rows);
  const double r = v ? platform::RoundHalfEven(*v) : 0.0;
  if (limited) *limited = r > most;
  if (!(r > 0)) return 0;
  return r > most ? most : static_cast<int>(r);
}

void ShowLEDSample(LEDPanel& panel, const LEDShowInputs& in, int ledRows,
                   const std::vector<std::string>& fontData, const CharTables& tables) {
  const auto& pair = LEDColors[static_cast<size_t>(
      in.colorIndex >= 0 && in.colorIndex < static_cast<int>(LEDColors.size()) ? in.colorIndex : 0)];
  panel.Rebuild(in.columns, ledRows, in.ledSizeMm, in.pitchMm, pair.on, pair.off);

  std::vector<int> codes = GlyphCodes(ShapeText(tables, in.sample));
  for (int& c : codes) {
    if (in.numEn && c >= 128 && c <= 137) c -= 80;
    if (in.numFa && c >= 48 && c <= 57) c += 80;
  }
  // The run starts at the last column with right-to-left, so that the first glyph shows.
  int64_t x = in.rightToLeft ? panel.Columns() - 1 : 0;
  for (int c : codes) {
    // Past the panel's edge every further glyph lands outside it.
    if (x < 0 || x >= panel.Columns()) break;
    const int r = c >= 0 && c < static_cast<int>(fontData.size())
                      ? DrawLEDChar(panel, fontData[static_cast<size_t>(c)], x, in.rightToLeft)
                      : 0;
    x = in.rightToLeft ? x - r - 1 : x + r + 1;
  }
}

}  // namespace preview
