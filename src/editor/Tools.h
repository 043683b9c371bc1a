#pragma once
// The geometry of the drawing tools on picDesign: pointer positions to cells (the cells
// of a line are doc::LineCells). Every cell a tool writes goes through the editor's
// WriteCell, which skips cells outside DesignData, so no pointer position (even far off
// the picture) writes out of bounds.
#include <cstdint>

#include "document/LineCells.h"

namespace editor {

// The cell under a pointer coordinate (picture pixels) at a cell size, within
// +-doc::CellLimit; NaN lands far outside.
int64_t CellOf(float v, int32_t cellSize);

// True when the pointer moved at least one cell size between d1 and d2.
bool BeyondOneCell(double d1, double d2, int32_t cellSize);

}  // namespace editor
