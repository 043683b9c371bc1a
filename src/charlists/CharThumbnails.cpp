#include "charlists/CharThumbnails.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "document/CellColors.h"
#include "document/CharRecord.h"
#include "platform/Numbers.h"

namespace charlists {

namespace {

bool IsDirect32(QImage::Format f) {
  return f == QImage::Format_RGB32 || f == QImage::Format_ARGB32 || f == QImage::Format_ARGB32_Premultiplied;
}

// A raster we can write 32-bit pixels into, at least 47 x 47.
void PrepareRaster(QImage& picture) {
  if (picture.width() < ThumbnailSide || picture.height() < ThumbnailSide) {
    picture = QImage(std::max(picture.width(), ThumbnailSide), std::max(picture.height(), ThumbnailSide),
                     QImage::Format_RGB32);
  } else if (!IsDirect32(picture.format())) {
    picture = picture.convertToFormat(QImage::Format_RGB32);
  }
}

}  // namespace

ThumbnailExtent DrawThumbnail(const std::string& record, const std::array<QRgb, 16>& colors, QImage& picture) {
  PrepareRaster(picture);
  picture.fill(qRgb(255, 255, 255));
  const auto glyph = doc::CharRecord::View::Of(record);
  if (!glyph) return {};
  const int w = glyph->Width();
  const int h = glyph->Height();
  // A zero side gives no step to sample with; a short record is damaged throughout.
  if (w == 0 || h == 0 || !glyph->HoldsAllCells()) return {};

  const double s = std::max(w / 47.0, h / 47.0);
  const int maxX = std::min(picture.width(), ThumbnailSide + 1);
  const int maxY = std::min(picture.height(), ThumbnailSide + 1);
  // The sample positions are running sums of the step, rounded half to even; the extra
  // column x = W and row y = H read as empty. The columns are the same in every row, so
  // they are rounded once.
  std::array<int, ThumbnailSide + 1> columns{};
  int columnCount = 0;
  for (double fx = 0; fx <= w && columnCount < maxX; fx += s)
    columns[columnCount++] = static_cast<int>(platform::RoundHalfEven(fx));
  ThumbnailExtent extent;
  extent.width = std::min(columnCount, ThumbnailSide);
  int py = 0;
  for (double fy = 0; fy <= h && py < maxY; fy += s, ++py) {
    const int y = static_cast<int>(platform::RoundHalfEven(fy));
    if (y >= h) continue;
    const uint8_t* row = glyph->Row(y);
    auto* line = reinterpret_cast<QRgb*>(picture.scanLine(py));
    for (int px = 0; px < columnCount; ++px) {
      const int x = columns[px];
      if (x >= w || row[x] == 0) continue;
      line[px] = doc::CellInkColor(colors, row[x]) | 0xff000000u;
    }
  }
  extent.height = std::min(py, ThumbnailSide);
  return extent;
}

QImage ThumbnailImage(const std::string& record, const std::array<QRgb, 16>& colors) {
  QImage picture(ThumbnailSide, ThumbnailSide, QImage::Format_RGB32);
  DrawThumbnail(record, colors, picture);
  return picture;
}

QImage MakeEmptyIcon() {
  QImage icon(EmptyIconSide, EmptyIconSide, QImage::Format_RGB32);
  icon.fill(qRgb(255, 255, 255));
  QPainter p(&icon);
  p.setRenderHint(QPainter::Antialiasing, true);
  // Drawn as strokes rather than text, so it looks the same whatever fonts are installed.
  QPainterPath a;
  a.moveTo(11, 40);
  a.lineTo(24, 8);
  a.lineTo(37, 40);
  a.moveTo(16.5, 29);
  a.lineTo(31.5, 29);
  QPen pen(QColor(192, 192, 192), 5.0, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
  p.strokePath(a, pen);
  p.end();
  return icon;
}

}  // namespace charlists
