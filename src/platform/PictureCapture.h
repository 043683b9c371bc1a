#pragma once
// The picture of an area of a drawn raster (the glyph thumbnails take 0, 0, 47, 47
// of the preview).
#include <QImage>
#include <QPixmap>

namespace platform {

// A copy of the w x h area at (x, y) of source; parts of the area outside the
// source are white, like the preview's background. An empty area gives a null pixmap.
QPixmap CapturePicture(const QImage& source, int x, int y, int w, int h);

}  // namespace platform
