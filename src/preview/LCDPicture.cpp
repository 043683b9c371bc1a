#include "preview/LCDPicture.h"

#include <QFont>
#include <QPainter>
#include <algorithm>

#include "document/CellColors.h"
#include "document/CharRecord.h"

namespace preview {

QImage LCDBackground() {
  QImage img(LCDPictureWidth, LCDPictureHeight, QImage::Format_RGB32);
  img.fill(qRgb(192, 192, 192));  // the frame that carries the controls
  QPainter p(&img);
  // Title strip of the module's board.
  p.fillRect(QRect(0, 0, LCDPictureWidth, 22), QColor(40, 72, 56));
  QFont f(QStringLiteral("Tahoma"));
  f.setPixelSize(11);
  f.setBold(true);
  p.setFont(f);
  p.setPen(QColor(230, 230, 210));
  p.drawText(QRect(8, 0, LCDPictureWidth - 16, 22), Qt::AlignVCenter | Qt::AlignLeft,
             QStringLiteral("Graphic LCD 128 x 64"));
  // Bezel around the glass, then the glass itself.
  p.fillRect(QRect(5, 25, 264, 136), QColor(56, 56, 56));
  p.fillRect(LCDDisplayArea, QColor(LCDDisplayColor));
  // A ridge between the module and the control area.
  p.setPen(QColor(128, 128, 128));
  p.drawLine(0, 162, LCDPictureWidth - 1, 162);
  p.setPen(QColor(240, 240, 240));
  p.drawLine(0, 163, LCDPictureWidth - 1, 163);
  return img;
}

int DrawLCDChar(QImage& picture, const doc::Font& font, const std::array<QRgb, 16>& colors, int X, int Y, int code,
                bool rightToLeft) {
  if (code < 0 || code >= static_cast<int>(font.FontData.size())) return 0;
  const auto g = doc::CharRecord::View::Of(font.FontData[code]);
  if (!g) return 0;
  const int w = g->Width(), h = g->Height();
  const int left = rightToLeft ? X - w + 1 : X;
  // Only the cells that land on the picture are visited, so a huge glyph costs no more
  // than the picture.
  const int x0 = std::max(0, -left), x1 = std::min(w, picture.width() - left);
  const int y0 = std::max(0, -Y), y1 = std::min(h, picture.height() - Y);
  for (int y = y0; y < y1; ++y) {
    auto* line = reinterpret_cast<QRgb*>(picture.scanLine(Y + y));
    for (int x = x0; x < x1; ++x)
      if (const uint8_t v = g->At(x, y)) line[left + x] = 0xFF000000u | doc::CellInkColor(colors, v);
  }
  return w - 1;
}

void DrawLCDText(QImage& picture, const QImage& background, const doc::Font& font, const std::array<QRgb, 16>& colors,
                 const std::vector<int>& codes, bool rightToLeft) {
  picture = background.convertToFormat(QImage::Format_RGB32);
  // The pen runs in 64 bits: a long text of wide glyphs walks far off the picture, where
  // every position draws the same nothing.
  int64_t x = rightToLeft ? LCDPenRight : LCDPenLeft;
  for (int code : codes) {
    const int at = static_cast<int>(std::clamp<int64_t>(x, -1000000, 1000000));
    const int a = DrawLCDChar(picture, font, colors, at, LCDPenY, code, rightToLeft);
    x = rightToLeft ? x - a : x + a;
  }
}

}  // namespace preview
