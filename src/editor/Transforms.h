#pragma once
// Whole-glyph transforms and shifts on the editing grid alone. The flips and the
// invert work on the glyph area of width x height cells (clipped to what the grid
// holds); the shifts and the colour replacement on the whole grid, margins included.
#include <cstdint>

#include "document/DesignGrid.h"

namespace editor {

// Mirrors the glyph area left to right / top to bottom.
void FlipGridHorizontal(doc::DesignGrid& g, int width, int height);
void FlipGridVertical(doc::DesignGrid& g, int width, int height);
// Empty cells of the glyph area take `paint`, all others become empty.
void InvertGrid(doc::DesignGrid& g, int width, int height, uint8_t paint);

// The whole grid one cell over. The cell line at the leading edge is overwritten; the
// one at the trailing edge keeps its value.
void ShiftGridLeft(doc::DesignGrid& g);
void ShiftGridRight(doc::DesignGrid& g);
void ShiftGridUp(doc::DesignGrid& g);
void ShiftGridDown(doc::DesignGrid& g);

// Every non-empty cell of value `source` takes `change` (an empty source changes nothing).
void ReplaceGridColor(doc::DesignGrid& g, uint8_t source, uint8_t change);

}  // namespace editor
