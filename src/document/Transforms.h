#pragma once
// Whole-glyph transforms and shifts on the editing grid alone. The flips and the
// invert work on the glyph area of width x height cells (clipped to what the grid
// holds); the shifts and the colour replacement on the whole grid, margins included.
#include <cstdint>

#include "document/DesignGrid.h"

namespace doc {

// Mirrors the glyph area left to right / top to bottom.
void FlipGridHorizontal(DesignGrid& g, int width, int height);
void FlipGridVertical(DesignGrid& g, int width, int height);
// Empty cells of the glyph area take `paint`, all others become empty.
void InvertGrid(DesignGrid& g, int width, int height, uint8_t paint);

// The whole grid one cell over. The cell line at the leading edge is overwritten; the
// one at the trailing edge keeps its value.
void ShiftGridLeft(DesignGrid& g);
void ShiftGridRight(DesignGrid& g);
void ShiftGridUp(DesignGrid& g);
void ShiftGridDown(DesignGrid& g);

// Every non-empty cell of value `source` takes `change` (an empty source changes nothing).
void ReplaceGridColor(DesignGrid& g, uint8_t source, uint8_t change);

}  // namespace doc
