#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

#include "document/LineCells.h"

namespace {

using Cell = std::pair<int64_t, int64_t>;

std::vector<Cell> Visited(const doc::DesignGrid& g, Cell from, Cell to) {
  std::vector<Cell> out;
  doc::LineCells(from.first, from.second, to.first, to.second, g, [&](int64_t x, int64_t y) { out.push_back({x, y}); });
  return out;
}

doc::DesignGrid Grid() {
  doc::DesignGrid g;
  g.ReDim(32, 16);
  return g;
}

// One cell per step along the longer axis, the same cells whichever end it starts at.
TEST(LineCells, OneCellPerStepAlongTheLongerAxisInBothDirections) {
  const struct {
    Cell from, to;
    std::set<Cell> cells;
  } cases[] = {
      {{2, 5}, {7, 5}, {{2, 5}, {3, 5}, {4, 5}, {5, 5}, {6, 5}, {7, 5}}},
      {{2, 2}, {2, 5}, {{2, 2}, {2, 3}, {2, 4}, {2, 5}}},
      {{7, 2}, {2, 6}, {{7, 2}, {6, 3}, {5, 4}, {4, 4}, {3, 5}, {2, 6}}},
      {{0, 0}, {7, 3}, {{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 2}, {5, 2}, {6, 3}, {7, 3}}},  // halves round upward
      {{2, 8}, {3, 2}, {{2, 8}, {2, 7}, {2, 6}, {3, 5}, {3, 4}, {3, 3}, {3, 2}}},
      {{-1, -1}, {-5, -1}, {{-1, -1}, {-2, -1}, {-3, -1}, {-4, -1}, {-5, -1}}},
      {{4, 4}, {4, 4}, {{4, 4}}},
  };
  const doc::DesignGrid g = Grid();
  for (const auto& c : cases) {
    const std::vector<Cell> forward = Visited(g, c.from, c.to), back = Visited(g, c.to, c.from);
    EXPECT_EQ(forward.size(), c.cells.size()) << c.from.first << "," << c.from.second;
    EXPECT_EQ(std::set<Cell>(forward.begin(), forward.end()), c.cells) << c.from.first << "," << c.from.second;
    EXPECT_EQ(std::set<Cell>(back.begin(), back.end()), c.cells) << c.from.first << "," << c.from.second;
  }
}

// Only the steps within the grid on the longer axis are visited, even for ends as far
// out as the cell limit allows (where the arithmetic must not overflow).
TEST(LineCells, VisitsOnlyTheGridsStepsOfAFarLine) {
  const doc::DesignGrid g = Grid();
  const int64_t far = doc::CellLimit;
  for (const auto& [from, to] : {std::pair<Cell, Cell>{{-far, 3}, {far, 3}}, {{-far, -far}, {far, far}}}) {
    const std::vector<Cell> cells = Visited(g, from, to);
    ASSERT_EQ(cells.size(), static_cast<size_t>(g.HighX() - g.LowX() + 1));
    for (const Cell& c : cells) {
      EXPECT_TRUE(c.first >= g.LowX() && c.first <= g.HighX()) << c.first;
      EXPECT_EQ(c.second, from.second == 3 ? 3 : c.first);
    }
  }
  const std::vector<Cell> steep = Visited(g, {5, far}, {5, -far});
  EXPECT_EQ(steep.size(), static_cast<size_t>(g.HighY() - g.LowY() + 1));
  EXPECT_TRUE(Visited(g, {g.HighX() + 1, 0}, {far, 1}).empty());
}

}  // namespace
