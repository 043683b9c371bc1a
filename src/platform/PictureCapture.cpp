#include "platform/PictureCapture.h"

#include <QPainter>

namespace platform {

QPixmap CapturePicture(const QImage& source, int x, int y, int w, int h) {
  if (w <= 0 || h <= 0) return QPixmap();
  const QRect area(x, y, w, h);
  if (source.rect().contains(area)) return QPixmap::fromImage(source.copy(area));
  QImage out(w, h, QImage::Format_RGB32);
  out.fill(Qt::white);
  QPainter p(&out);
  p.drawImage(QPoint(0, 0), source, area);
  p.end();
  return QPixmap::fromImage(out);
}

}  // namespace platform
