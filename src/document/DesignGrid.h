#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace doc {

// The editing grid: bytes indexed (x, y) from -Margin to MaxWidth + Margin and
// from -Margin to MaxHeight + Margin. 0 is empty, 1..15 index the colour table;
// larger values that came from outside are kept as they are.
class DesignGrid {
 public:
  static constexpr int Margin = 20;

  // Makes the grid anew for the given maxima; every cell becomes 0.
  void ReDim(int maxWidth, int maxHeight);

  int LowX() const { return -Margin; }
  int LowY() const { return -Margin; }
  int HighX() const { return highX_; }
  int HighY() const { return highY_; }
  bool Contains(int x, int y) const { return x >= -Margin && x <= highX_ && y >= -Margin && y <= highY_; }

  // Unchecked in release builds; callers test Contains() where input can stray.
  uint8_t Get(int x, int y) const { return cells_[Index(x, y)]; }
  void Set(int x, int y, uint8_t v) { cells_[Index(x, y)] = v; }
  // Reads 0 outside the grid, writes nothing outside it.
  uint8_t GetOr0(int x, int y) const { return Contains(x, y) ? Get(x, y) : 0; }
  void SetIfInside(int x, int y, uint8_t v) {
    if (Contains(x, y)) Set(x, y, v);
  }

  // Sets every cell with x >= 0 and y >= 0 to 0: the negative margin keeps its cells.
  void ClearFromOrigin();

  // Row of cells y from x = LowX() to HighX(), for fast loops.
  uint8_t* Row(int y) { return cells_.data() + static_cast<size_t>(y + Margin) * Stride(); }
  const uint8_t* Row(int y) const { return cells_.data() + static_cast<size_t>(y + Margin) * Stride(); }
  int Stride() const { return highX_ + Margin + 1; }

 private:
  size_t Index(int x, int y) const {
    return static_cast<size_t>(y + Margin) * static_cast<size_t>(Stride()) + static_cast<size_t>(x + Margin);
  }
  int highX_ = -Margin - 1;
  int highY_ = -Margin - 1;
  std::vector<uint8_t> cells_;
};

}  // namespace doc
