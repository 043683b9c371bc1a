#include <gtest/gtest.h>

#include "document/Transforms.h"

namespace {

// The transforms on a grid alone: a 3 x 2 glyph in a 4 x 3 grid, the cell outside the
// glyph area untouched by the flips and the invert, reached by the shifts.
TEST(GridTransforms, WorkOnAGridWithoutAnEditor) {
  doc::DesignGrid g;
  g.ReDim(4, 3);
  g.Set(0, 0, 1);
  g.Set(1, 1, 2);
  g.Set(3, 0, 7);  // outside the glyph area
  doc::FlipGridHorizontal(g, 3, 2);
  EXPECT_EQ(g.Get(2, 0), 1);
  EXPECT_EQ(g.Get(1, 1), 2);
  EXPECT_EQ(g.Get(3, 0), 7);
  doc::FlipGridVertical(g, 3, 2);
  EXPECT_EQ(g.Get(2, 1), 1);
  EXPECT_EQ(g.Get(1, 0), 2);
  doc::InvertGrid(g, 3, 2, 5);
  EXPECT_EQ(g.Get(2, 1), 0);
  EXPECT_EQ(g.Get(0, 0), 5);
  EXPECT_EQ(g.Get(3, 0), 7);
  doc::ReplaceGridColor(g, 5, 9);
  EXPECT_EQ(g.Get(0, 0), 9);
  doc::ReplaceGridColor(g, 0, 9);  // empty cells are never replaced
  EXPECT_EQ(g.Get(2, 1), 0);
  doc::ShiftGridLeft(g);
  EXPECT_EQ(g.Get(2, 0), 7);
  EXPECT_EQ(g.Get(g.HighX(), 0), g.Get(g.HighX() - 1, 0));  // the trailing edge keeps its value
  doc::ShiftGridDown(g);
  EXPECT_EQ(g.Get(2, 1), 7);
  doc::ShiftGridUp(g);
  doc::ShiftGridRight(g);
  EXPECT_EQ(g.Get(3, 0), 7);
}

}  // namespace
