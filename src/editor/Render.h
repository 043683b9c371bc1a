#pragma once
// Pure pieces of the grid raster that the design window and the tests share: the
// cell size of a zoom, the fit of the zoom to the screen, the display colour of a
// cell value, and the viewport's scroll range.
#include <QRgb>
#include <cstdint>
#include <optional>

#include "document/ModConst.h"

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
ZoomFit FitZoomToScreen(int32_t zoom, int32_t width, int32_t height, int32_t screenWidth,
                        int32_t screenHeight);

// Display colour of cell values 16..255, which only damaged input holds and which have no
// palette entry: a fixed colour that the palette lacks, so that such cells stand out.
inline constexpr QRgb DamagedCellColor = qRgb(255, 0, 128);

// Display colour of a non-zero cell value: ColorTable(v) for 1..15, DamagedCellColor above.
inline QRgb InkColor(const doc::ModConst& s, uint8_t v) {
  return v < s.ColorTable.size() ? s.ColorTable[v] : DamagedCellColor;
}

// One scroll bar of the viewport after a redraw or a resize. `max` is empty when the
// bar is disabled: its Max is then left as it was.
struct ScrollRange {
  bool enabled = false;
  std::optional<int32_t> max;
};

// Picture extent against viewport extent, in pixels: wider than the viewport enables the
// bar with Max = extent - viewport rounded half to even; otherwise the bar is disabled.
ScrollRange ComputeScrollRange(double pictureExtent, int viewportExtent);

}  // namespace editor
