#pragma once
// The pictures of the character-list panel, free of widgets: glyph thumbnails drawn
// from a CharRecord into the preview raster, and the "Empty" icon.
#include <QImage>
#include <QRgb>
#include <array>
#include <string>

namespace charlists {

constexpr int ThumbnailSide = 47;
constexpr int EmptyIconSide = 48;

// Columns and rows of the picture that the sampling visited, within the 47 x 47 area.
struct ThumbnailExtent {
  int width = 0;
  int height = 0;
};

// Clears the whole picture white and samples the glyph into its top left so that the
// larger side spans 47 pixels. A picture smaller than 47 x 47 (or null) is made anew at
// least that large. A record with width or height 0, one shorter than its cells say,
// or one shorter than its header leaves the picture white (extent 0 x 0). Cell values
// of 16 and more, which the colour table does not cover, are drawn in the grid's colour for
// damaged cells.
ThumbnailExtent DrawThumbnail(const std::string& record, const std::array<QRgb, 16>& colors, QImage& picture);

// The 47 x 47 thumbnail of a record on a raster of its own.
QImage ThumbnailImage(const std::string& record, const std::array<QRgb, 16>& colors);

// 48 x 48, white, a light grey RGB(192, 192, 192) capital A with antialiased edges.
QImage MakeEmptyIcon();

}  // namespace charlists
