#pragma once
// The grid raster and the preview raster, free of editor state: each writes a picture
// from an input of cells, sizes and colours. Beside them the pure pieces the design
// window and the tests share: the cell size of a zoom, the fit of the zoom to the
// screen, the picture's layout, the display colour of a cell value, and the
// viewport's scroll range.
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRgb>
#include <QSize>
#include <array>
#include <cstdint>
#include <optional>

#include "document/DesignGrid.h"

namespace editor {

// Pixels per cell: Zoom x 10 / 100 rounded half to even, at least 1. The product is
// taken in 64 bits, so every 32-bit zoom has a cell size (at most 214748365).
int32_t CellSizeForZoom(int32_t zoom);

struct ZoomFit {
  int32_t zoom = 0;
  int32_t cellSize = 1;
};

// The zoom and cell size a redraw settles on: starting from `zoom`, the zoom is lowered
// one step at a time while width x cell size exceeds the screen width or height x cell
// size the screen height, and the lowering stops at the first zoom whose rounded cell
// size is below 1 (cell size 1 then). Computed in closed form, so a zoom of two billion
// costs no more than one of 100; the zoom never wraps below the 32-bit minimum. A
// negative screen extent counts as 0.
ZoomFit FitZoomToScreen(int32_t zoom, int32_t width, int32_t height, int32_t screenWidth, int32_t screenHeight);

// One scroll bar of the viewport after a redraw or a resize. `max` is empty when the
// bar is disabled: its Max is then left as it was.
struct ScrollRange {
  bool enabled = false;
  std::optional<int32_t> max;
};

// Picture extent against viewport extent, in pixels: wider than the viewport enables the
// bar with Max = extent - viewport rounded half to even; otherwise the bar is disabled.
ScrollRange ComputeScrollRange(double pictureExtent, int viewportExtent);

// Outer size of picDesign for a glyph at a cell size: half the glyph again on the right
// and below, as outside area. `width` and `height` may hold half pixels; `size` rounds
// a half pixel up (it shows as outside area).
struct PictureLayout {
  double width = 0;
  double height = 0;
  QSize size;
};
PictureLayout LayoutPicture(int32_t width, int32_t height, int32_t cellSize);

// Extent of the window held of a picture too large to hold whole: one and a half times
// the larger of the screen (1024 when unknown) and the viewport, so short scrolls stay
// inside it; never more than the picture.
int HeldExtent(int picture, int screen, int visible);

// What the grid picture is drawn from.
struct GridRasterInput {
  const doc::DesignGrid* cells = nullptr;
  // Glyph size in cells, and the maxima: cells beyond the maxima are not drawn.
  int32_t width = 0;
  int32_t height = 0;
  int32_t maxWidth = 0;
  int32_t maxHeight = 0;
  // Pixels per cell (grid lines from 6 on).
  int32_t cellSize = 1;
  std::array<QRgb, 16> palette{};
  QRgb background = 0;
  QRgb outside = 0;
  QRgb grid = 0;
  QRgb border = 0;
  // Guide positions (0 = off) of the vertical [0] and horizontal [1] guides, and their colours.
  std::array<std::array<int32_t, 6>, 2> guides{};
  std::array<QRgb, 6> guideColors{};
  // Picture pixel of the picture's top-left pixel (a window held of a huge picture).
  QPoint origin;
};

// Paper, the glyph's box, grid lines, guides and border of the whole picture.
void RasterGridLayer(const GridRasterInput& in, QImage& picture);
// The cells over it: a box inside the grid lines in the cell's colour, or the centre
// dot where that colour is the background's.
void RasterCellLayer(const GridRasterInput& in, QImage& picture);
// Both layers.
void RasterGrid(const GridRasterInput& in, QImage& picture);

// Paints one cell at once as a box that leaves its grid-line pixels; returns the part
// of the picture written (empty off the picture).
QRect PaintCellBox(QImage& picture, QPoint origin, int column, int row, int32_t cellSize, QRgb color);

// Inner size of picPreview in pixels.
inline constexpr int PreviewRasterWidth = 109;
inline constexpr int PreviewRasterHeight = 133;

// What the actual-size preview is drawn from.
struct PreviewRasterInput {
  const doc::DesignGrid* cells = nullptr;
  int32_t width = 0;
  int32_t height = 0;
  std::array<QRgb, 16> palette{};
  QRgb background = 0;
};

// The glyph at one pixel per cell on the background; a direction in which it does not
// fit is sampled. The picture is made PreviewRasterWidth x PreviewRasterHeight.
void RasterPreview(const PreviewRasterInput& in, QImage& picture);

}  // namespace editor
