#pragma once
// The cells of a straight line on the design grid: what the line tool sets, and what
// the point tool fills in between two pointer moves.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <utility>

#include "document/DesignGrid.h"

namespace doc {

// Cell coordinates are kept within this range so that the line arithmetic below
// cannot overflow; anything this far out lies outside the grid anyway.
inline constexpr int64_t CellLimit = int64_t{1} << 28;

// floor(a / b) for b > 0.
inline int64_t FloorDiv(int64_t a, int64_t b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

// The cells of the segment between two cells (each within +-CellLimit), both ends
// included: one cell per step along the longer axis, the other coordinate rounded
// exactly (halves upward). The ends are ordered first, so a line drawn either way
// covers the same cells. Only the steps that fall inside [lo, hi] on the longer axis
// are visited.
template <typename Visit>
void LineCells(int64_t x1, int64_t y1, int64_t x2, int64_t y2, const DesignGrid& g, Visit visit) {
  const bool xMajor = std::llabs(x2 - x1) >= std::llabs(y2 - y1);
  int64_t a1 = xMajor ? x1 : y1, b1 = xMajor ? y1 : x1;
  int64_t a2 = xMajor ? x2 : y2, b2 = xMajor ? y2 : x2;
  if (a2 < a1) {
    std::swap(a1, a2);
    std::swap(b1, b2);
  }
  const int64_t n = a2 - a1, db = b2 - b1;
  const int64_t lo = xMajor ? g.LowX() : g.LowY(), hi = xMajor ? g.HighX() : g.HighY();
  const int64_t first = std::max<int64_t>(0, lo - a1), last = std::min<int64_t>(n, hi - a1);
  for (int64_t t = first; t <= last; ++t) {
    const int64_t a = a1 + t;
    const int64_t b = n == 0 ? b1 : b1 + FloorDiv(2 * t * db + n, 2 * n);
    if (xMajor)
      visit(a, b);
    else
      visit(b, a);
  }
}

}  // namespace doc
