#include "preview/LEDPanel.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstring>

#include "document/CharRecord.h"
#include "platform/Numbers.h"
#include "preview/TextOrder.h"

namespace preview {

namespace {

// One lamp as a picture plus, per row, the span of its opaque pixels; a lamp is copied
// onto the surface span by span, so that overlapping lamps cover each other only where
// they are round.
struct Lamp {
  QImage picture;                          // RGB32
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
    if (w <= 2 || h <= 2)
      p.fillRect(0, 0, w, h, QColor(fill));
    else
      p.drawEllipse(0, 0, w - 1, h - 1);
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

// The spans of a lamp are a few pixels long: fixed-size moves that the compiler keeps
// inline beat a library call per span.
inline void CopySpan(QRgb* dst, const QRgb* src, int first, int last) {
  int k = first;
  for (; k + 4 <= last; k += 4) std::memcpy(dst + k, src + k, 4 * sizeof(QRgb));
  if (k + 2 <= last) {
    std::memcpy(dst + k, src + k, 2 * sizeof(QRgb));
    k += 2;
  }
  if (k < last) dst[k] = src[k];
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
  // A whole pitch needs no rounding: the steps are exact multiples.
  const bool whole = std::abs(pitchMm) < 1e15 && pitchMm == std::floor(pitchMm);
  auto step = [&](std::vector<double>& at, size_t n) {
    at.assign(n, 0.0);
    for (size_t i = 1; i < n; ++i)
      at[i] = whole ? static_cast<double>(i) * pitchMm : platform::RoundHalfEven(at[i - 1] + pitchMm);
  };
  step(columnX_, static_cast<size_t>(std::max(1, columns_)));
  step(rowY_, static_cast<size_t>(rows_));
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
  uchar* const bits = surface.bits();
  const qsizetype stride = surface.bytesPerLine();
  const uchar* const lampBits[2] = {lamps[0].picture.constBits(), lamps[1].picture.constBits()};
  const qsizetype lampStride = lamps[0].picture.bytesPerLine();
  const int count = Elements();
  const int columns = (count + rows_ - 1) / rows_;
  for (int c = 0; c < columns; ++c) {
    const int x0 = ToPixel(columnX_[static_cast<size_t>(c)], dotsPerMmX);
    if (x0 >= sw || x0 + lw <= 0) continue;  // the whole column misses the surface
    for (int r = 0; r < rows_ && c * rows_ + r < count; ++r) {
      const int y0 = rowPx[static_cast<size_t>(r)];
      if (y0 >= sh || y0 + lh <= 0) continue;
      const int on = lit_[static_cast<size_t>(c) * rows_ + r] ? 1 : 0;
      const Lamp& lamp = lamps[on];
      const int ya = std::max(0, -y0), yb = std::min(lh, sh - y0);
      for (int y = ya; y < yb; ++y) {
        auto [first, last] = lamp.spans[static_cast<size_t>(y)];
        first = std::max(first, -x0);
        last = std::min(last, sw - x0);
        if (first >= last) continue;
        const auto* src = reinterpret_cast<const QRgb*>(lampBits[on] + y * lampStride);
        auto* dst = reinterpret_cast<QRgb*>(bits + (y0 + y) * stride) + x0;
        CopySpan(dst, src, first, last);
      }
    }
  }
}

int DrawLEDChar(LEDPanel& panel, const std::string& record, int64_t X, bool rightToLeft) {
  const auto g = doc::CharRecord::View::Of(record);
  if (!g) return 0;
  const int w = g->Width();
  if (rightToLeft) X -= w - 1;
  const int rows = std::min(g->Height(), panel.Rows());
  // Only the columns that fall on the panel are visited.
  const int xa = static_cast<int>(std::max<int64_t>(0, -X));
  const int xb = static_cast<int>(std::min<int64_t>(w, panel.Columns() - X));
  const bool whole = g->HoldsAllCells();
  for (int x = xa; x < xb; ++x) {
    uint8_t* column = panel.ColumnState(static_cast<int>(X + x));
    if (whole) {
      for (int y = 0; y < rows; ++y) column[y] = g->Row(y)[x] != 0;
    } else {
      for (int y = 0; y < rows; ++y) column[y] = g->At(x, y) != 0;
    }
  }
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

void ShowLEDSample(LEDPanel& panel, const LEDShowInputs& in, int ledRows, const std::vector<std::string>& fontData,
                   const CharTables& tables) {
  const auto& pair = LEDColors[static_cast<size_t>(
      in.colorIndex >= 0 && in.colorIndex < static_cast<int>(LEDColors.size()) ? in.colorIndex : 0)];
  panel.Rebuild(in.columns, ledRows, in.ledSizeMm, in.pitchMm, pair.on, pair.off);

  std::vector<ShapedCode> shaped = Shape(tables, in.sample);
  for (ShapedCode& s : shaped) {
    int& c = s.code;
    if (in.numEn && c >= 128 && c <= 137) c -= 80;
    if (in.numFa && c >= 48 && c <= 57) c += 80;
  }
  const std::vector<int> codes = DrawOrder(tables, in.sample, shaped, in.rightToLeft);
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
