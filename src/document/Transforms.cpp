#include "document/Transforms.h"

#include <algorithm>
#include <cstring>

#include "document/ModLib.h"
#include "platform/Numbers.h"

namespace doc {

namespace {

// The glyph area as far as the grid holds it, so no transform can step outside it.
struct Area {
  int width;
  int height;
};
Area GlyphArea(const DesignGrid& g, int width, int height) {
  return {std::clamp(width, 0, std::max(g.HighX() + 1, 0)), std::clamp(height, 0, std::max(g.HighY() + 1, 0))};
}

// Loop bound of the mirrors: (n / 2) - 1 in floating point, rounded half to even.
int MirrorBound(int n) { return platform::RoundToInt32(n / 2.0 - 1.0); }

}  // namespace

void FlipGridHorizontal(DesignGrid& g, int width, int height) {
  const Area a = GlyphArea(g, width, height);
  const int last = MirrorBound(a.width);
  for (int y = 0; y < a.height; ++y) {
    uint8_t* row = g.Row(y) + DesignGrid::Margin;
    for (int x = 0; x <= last; ++x) SwapValues(row[x], row[a.width - 1 - x]);
  }
}

void FlipGridVertical(DesignGrid& g, int width, int height) {
  const Area a = GlyphArea(g, width, height);
  const int last = MirrorBound(a.height);
  for (int y = 0; y <= last; ++y) {
    uint8_t* top = g.Row(y) + DesignGrid::Margin;
    uint8_t* bottom = g.Row(a.height - 1 - y) + DesignGrid::Margin;
    for (int x = 0; x < a.width; ++x) SwapValues(top[x], bottom[x]);
  }
}

void InvertGrid(DesignGrid& g, int width, int height, uint8_t paint) {
  const Area a = GlyphArea(g, width, height);
  for (int y = 0; y < a.height; ++y) {
    uint8_t* row = g.Row(y) + DesignGrid::Margin;
    for (int x = 0; x < a.width; ++x) row[x] = row[x] != 0 ? 0 : paint;
  }
}

void ShiftGridLeft(DesignGrid& g) {
  const int n = g.Stride();
  if (n < 2) return;
  for (int y = g.LowY(); y <= g.HighY(); ++y) {
    uint8_t* row = g.Row(y);
    std::memmove(row, row + 1, static_cast<size_t>(n - 1));
  }
}

void ShiftGridRight(DesignGrid& g) {
  const int n = g.Stride();
  if (n < 2) return;
  for (int y = g.LowY(); y <= g.HighY(); ++y) {
    uint8_t* row = g.Row(y);
    std::memmove(row + 1, row, static_cast<size_t>(n - 1));
  }
}

void ShiftGridUp(DesignGrid& g) {
  const auto n = static_cast<size_t>(g.Stride());
  for (int y = g.LowY() + 1; y <= g.HighY(); ++y) std::memcpy(g.Row(y - 1), g.Row(y), n);
}

void ShiftGridDown(DesignGrid& g) {
  const auto n = static_cast<size_t>(g.Stride());
  for (int y = g.HighY() - 1; y >= g.LowY(); --y) std::memcpy(g.Row(y + 1), g.Row(y), n);
}

void ReplaceGridColor(DesignGrid& g, uint8_t source, uint8_t change) {
  for (int y = g.LowY(); y <= g.HighY(); ++y) {
    uint8_t* row = g.Row(y);
    for (int i = 0; i < g.Stride(); ++i)
      if (row[i] != 0 && row[i] == source) row[i] = change;
  }
}

}  // namespace doc
