#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <utility>
#include <vector>

#include "TestSupport.h"

using editor::ButtonLeft;
using editor::ButtonMiddle;
using editor::ButtonRight;

namespace {

using Cell = std::pair<int, int>;
using Cells = std::set<Cell>;

struct ToolsFixture : testsupport::EditorFixture {
  ToolsFixture() {
    ed.DrawAll();  // CellSize 10 at Zoom 100
    EXPECT_EQ(ed.CellSize, 10);
  }
  void Drag(int tool, int button, float x1, float y1, float x2, float y2) {
    s.CurrentTool = tool;
    ed.picDesign_MouseDown(button, 0, x1, y1);
    ed.picDesign_MouseMove(button, 0, x2, y2);
    ed.picDesign_MouseUp(button, 0, x2, y2);
  }
  // Cells holding `value` anywhere in the grid, margins included.
  Cells CellsOf(uint8_t value) const {
    Cells out;
    const doc::DesignGrid& g = s.DesignData;
    for (int y = g.LowY(); y <= g.HighY(); ++y)
      for (int x = g.LowX(); x <= g.HighX(); ++x)
        if (g.Get(x, y) == value) out.insert({x, y});
    return out;
  }
  Cells Written() const { return CellsOf(static_cast<uint8_t>(s.CurrentColor)); }
  int UndoStates() const { return ed.History.InUse(); }
  void Fill(uint8_t v) {
    doc::DesignGrid& g = s.DesignData;
    for (int y = g.LowY(); y <= g.HighY(); ++y)
      for (int x = g.LowX(); x <= g.HighX(); ++x) g.Set(x, y, v);
  }
};

Cells Range(int x1, int x2, int y1, int y2) {
  Cells out;
  for (int y = y1; y <= y2; ++y)
    for (int x = x1; x <= x2; ++x) out.insert({x, y});
  return out;
}

// --- press and release in one cell ----------------------------------------

class ShortClick : public ::testing::TestWithParam<int> {};

TEST_P(ShortClick, WritesNothingButRecordsOneUndoState) {
  ToolsFixture f;
  f.Drag(GetParam(), ButtonLeft, 25, 25, 25, 25);
  EXPECT_TRUE(f.Written().empty());
  EXPECT_EQ(f.UndoStates(), 1);
  // Less than one cell size in both directions, whichever way.
  f.Drag(GetParam(), ButtonLeft, 25, 25, 16, 34);
  EXPECT_TRUE(f.Written().empty());
  EXPECT_EQ(f.UndoStates(), 2);
  EXPECT_FALSE(f.ed.DrawLine.Visible);
  EXPECT_FALSE(f.ed.DrawRect.Visible);
}

INSTANTIATE_TEST_SUITE_P(BandTools, ShortClick, ::testing::Values(doc::ToolLine, doc::ToolBorder, doc::ToolRectangle));

// --- line tool ---------------------------------------------------------------

struct LineCase {
  const char* name;
  float x1, y1, x2, y2;
  std::vector<Cell> cells;
};
void PrintTo(const LineCase& c, std::ostream* os) { *os << c.name; }

class LineTool : public ::testing::TestWithParam<LineCase> {};

TEST_P(LineTool, WritesTheSegmentsCellsInBothDirections) {
  const LineCase& c = GetParam();
  const Cells expected(c.cells.begin(), c.cells.end());
  for (bool reversed : {false, true}) {
    ToolsFixture f;
    if (reversed)
      f.Drag(doc::ToolLine, ButtonLeft, c.x2, c.y2, c.x1, c.y1);
    else
      f.Drag(doc::ToolLine, ButtonLeft, c.x1, c.y1, c.x2, c.y2);
    EXPECT_EQ(f.Written(), expected) << (reversed ? "reversed" : "forward");
    EXPECT_EQ(f.UndoStates(), 1);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Directions, LineTool,
    ::testing::Values(
        LineCase{"Horizontal", 25, 55, 78, 52, {{2, 5}, {3, 5}, {4, 5}, {5, 5}, {6, 5}, {7, 5}}},
        LineCase{"Vertical", 25, 20, 27, 75, {{2, 2}, {2, 3}, {2, 4}, {2, 5}, {2, 6}, {2, 7}}},
        LineCase{"DownLeft", 78, 20, 25, 60, {{7, 2}, {6, 3}, {5, 4}, {4, 4}, {3, 5}, {2, 6}}},
        LineCase{"UpLeft", 75, 65, 15, 15, {{7, 6}, {6, 5}, {5, 4}, {4, 4}, {3, 3}, {2, 2}, {1, 1}}},
        LineCase{"Diagonal", 5, 5, 75, 35, {{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 2}, {5, 2}, {6, 3}, {7, 3}}},
        LineCase{"SteepUpRight", 25, 80, 33, 20, {{2, 8}, {2, 7}, {2, 6}, {3, 5}, {3, 4}, {3, 3}, {3, 2}}},
        LineCase{"NegativeMargin", -5, -5, -45, -5, {{-1, -1}, {-2, -1}, {-3, -1}, {-4, -1}, {-5, -1}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LineToolExact, LongShallowLinesKeepBothEndRows) {
  // Long lines with a slope just below one row per glyph: each end row is exact.
  for (int dy = 1; dy <= 16; ++dy) {
    ToolsFixture f;
    f.s.MaxWidth = 1024;
    f.s.MaxHeight = 768;
    doc::ReDimDesignData(f.s);
    f.Drag(doc::ToolLine, ButtonLeft, 5, 5, 10235, 5 + 10.0f * dy);
    const Cells w = f.Written();
    EXPECT_TRUE(w.count({0, 0})) << dy;
    EXPECT_TRUE(w.count({1023, dy})) << dy;
    EXPECT_EQ(w.size(), 1024u) << dy;  // one cell per column, no gaps
    EXPECT_FALSE(w.count({1023, dy - 1}) || w.count({1023, dy + 1})) << dy;
  }
}

TEST(LineToolExact, ReleaseButtonDecidesAndMiddleWritesNothing) {
  ToolsFixture f;
  f.Fill(3);
  f.Drag(doc::ToolLine, ButtonRight, 25, 55, 78, 52);
  EXPECT_EQ(f.CellsOf(0), Range(2, 7, 5, 5));
  f.Drag(doc::ToolLine, ButtonMiddle, 5, 5, 75, 5);
  EXPECT_EQ(f.CellsOf(0), Range(2, 7, 5, 5));
  EXPECT_EQ(f.UndoStates(), 2);
}

// --- border and rectangle ----------------------------------------------------

TEST(RectTools, RectangleAndBorderCellsFromEveryCorner) {
  const Cells all = Range(2, 5, 2, 4);
  Cells edges = all;
  edges.erase({3, 3});
  edges.erase({4, 3});
  ASSERT_EQ(all.size(), 12u);
  ASSERT_EQ(edges.size(), 10u);
  // Down-right, up-left, up-right and down-left drags of the same box.
  const float corners[4][4] = {{25, 25, 54, 44}, {54, 44, 25, 25}, {25, 44, 54, 25}, {54, 25, 25, 44}};
  for (const auto& c : corners) {
    ToolsFixture r;
    r.Drag(doc::ToolRectangle, ButtonLeft, c[0], c[1], c[2], c[3]);
    EXPECT_EQ(r.Written(), all) << c[0] << "," << c[1];
    ToolsFixture b;
    b.Drag(doc::ToolBorder, ButtonLeft, c[0], c[1], c[2], c[3]);
    EXPECT_EQ(b.Written(), edges) << c[0] << "," << c[1];
    EXPECT_EQ(b.UndoStates(), 1);
  }
}

TEST(RectTools, BandStaysNormalisedAndFollowsThePointer) {
  ToolsFixture f;
  f.s.CurrentTool = doc::ToolRectangle;
  f.ed.picDesign_MouseDown(ButtonLeft, 0, 40, 40);
  EXPECT_TRUE(f.ed.DrawRect.Visible);
  f.ed.picDesign_MouseMove(ButtonLeft, 0, 80, 60);
  EXPECT_FLOAT_EQ(f.ed.DrawRect.Left, 40);
  EXPECT_FLOAT_EQ(f.ed.DrawRect.Width, 40);
  EXPECT_FLOAT_EQ(f.ed.DrawRect.Height, 20);
  f.ed.picDesign_MouseMove(ButtonLeft, 0, 15, 35);  // back past the press point
  EXPECT_FLOAT_EQ(f.ed.DrawRect.Left, 15);
  EXPECT_FLOAT_EQ(f.ed.DrawRect.Top, 35);
  EXPECT_FLOAT_EQ(f.ed.DrawRect.Width, 25);
  EXPECT_FLOAT_EQ(f.ed.DrawRect.Height, 5);
  f.ed.picDesign_MouseUp(ButtonLeft, 0, 15, 35);
  EXPECT_FALSE(f.ed.DrawRect.Visible);
  EXPECT_EQ(f.Written(), Range(1, 4, 3, 4));
}

TEST(RectTools, OneColumnStripPassesOnHeightAlone) {
  ToolsFixture f;
  f.Drag(doc::ToolRectangle, ButtonLeft, 21, 21, 26, 51);
  EXPECT_EQ(f.Written(), Range(2, 2, 2, 5));
}

TEST(RectTools, RightReleaseErasesMiddleWritesNothing) {
  for (int tool : {doc::ToolRectangle, doc::ToolBorder}) {
    ToolsFixture f;
    f.Fill(3);
    f.Drag(tool, ButtonMiddle, 25, 25, 54, 44);
    EXPECT_TRUE(f.CellsOf(0).empty());
    f.Drag(tool, ButtonRight, 25, 25, 54, 44);
    EXPECT_EQ(f.CellsOf(0).size(), tool == doc::ToolRectangle ? 12u : 10u);
    EXPECT_EQ(f.UndoStates(), 2);
  }
}

// --- point tool ---------------------------------------------------------------

TEST(PointTool, StrokeIsOneUndoStepAndPaintsUnderThePointer) {
  ToolsFixture f;
  f.s.CurrentTool = doc::ToolPoint;
  f.ed.picDesign_MouseDown(ButtonLeft, 0, 5, 5);
  f.ed.picDesign_MouseMove(ButtonLeft, 0, 15, 5);
  f.ed.picDesign_MouseMove(ButtonLeft, 0, 25, 15);
  f.ed.picDesign_MouseMove(ButtonLeft | ButtonRight, 0, 35, 15);  // two buttons: nothing
  f.ed.picDesign_MouseUp(ButtonLeft, 0, 35, 15);
  EXPECT_EQ(f.Written(), (Cells{{0, 0}, {1, 0}, {2, 1}}));
  EXPECT_EQ(f.UndoStates(), 1);
  f.ed.picDesign_MouseDown(ButtonRight, 0, 15, 5);
  f.ed.picDesign_MouseUp(ButtonRight, 0, 15, 5);
  EXPECT_EQ(f.Written(), (Cells{{0, 0}, {2, 1}}));
  EXPECT_EQ(f.UndoStates(), 2);
}

// A quick drag sends few moves: every cell between two of them is painted, at a
// high zoom and at one pixel per cell, straight and slanted, and the next stroke
// starts afresh where it is pressed.
TEST(PointTool, FastStrokePaintsEveryCellBetweenMoves) {
  struct Case {
    int zoom;
    float press[2];
    std::vector<std::pair<float, float>> moves;  // pixels
    Cells painted;
  };
  const Case cases[] = {
      {300, {15, 15}, {{285, 15}}, Range(0, 9, 0, 0)},  // 30 px per cell, ten cells in one move
      {10,
       {0.5f, 0.5f},
       {{9.5f, 0.5f}, {9.5f, 6.5f}},
       [] {  // one pixel per cell: an L, unbroken
         Cells c = Range(0, 9, 0, 0);
         for (const Cell& v : Range(9, 9, 0, 6)) c.insert(v);
         return c;
       }()},
      {100, {5, 5}, {{45, 25}}, Cells{{0, 0}, {1, 1}, {2, 1}, {3, 2}, {4, 2}}},  // slanted: the line tool's cells
  };
  for (const Case& c : cases) {
    ToolsFixture f;
    f.s.Zoom = c.zoom;
    f.ed.DrawAll();
    f.s.CurrentTool = doc::ToolPoint;
    f.ed.picDesign_MouseDown(ButtonLeft, 0, c.press[0], c.press[1]);
    for (const auto& [x, y] : c.moves) f.ed.picDesign_MouseMove(ButtonLeft, 0, x, y);
    f.ed.picDesign_MouseUp(ButtonLeft, 0, c.moves.back().first, c.moves.back().second);
    EXPECT_EQ(f.Written(), c.painted) << "zoom " << c.zoom;
    EXPECT_EQ(f.UndoStates(), 1);
  }
  // The right button erases the whole segment; a new press does not join the last stroke.
  ToolsFixture f;
  f.s.CurrentTool = doc::ToolPoint;
  f.ed.picDesign_MouseDown(ButtonLeft, 0, 5, 5);
  f.ed.picDesign_MouseMove(ButtonLeft, 0, 75, 5);
  f.ed.picDesign_MouseUp(ButtonLeft, 0, 75, 5);
  f.ed.picDesign_MouseDown(ButtonRight, 0, 15, 5);
  f.ed.picDesign_MouseMove(ButtonRight, 0, 55, 5);
  f.ed.picDesign_MouseUp(ButtonRight, 0, 55, 5);
  f.ed.picDesign_MouseDown(ButtonLeft, 0, 5, 35);
  f.ed.picDesign_MouseUp(ButtonLeft, 0, 5, 35);
  EXPECT_EQ(f.Written(), (Cells{{0, 0}, {6, 0}, {7, 0}, {0, 3}}));
}

TEST(PointTool, MiddlePressRecordsUndoAndChangesNothing) {
  ToolsFixture f;
  f.s.CurrentTool = doc::ToolPoint;
  f.ed.picDesign_MouseDown(ButtonMiddle, 0, 5, 5);
  f.ed.picDesign_MouseMove(ButtonMiddle, 0, 15, 5);
  f.ed.picDesign_MouseUp(ButtonMiddle, 0, 15, 5);
  EXPECT_EQ(f.CellsOf(0).size(), static_cast<size_t>(f.s.DesignData.Stride()) * (f.s.DesignData.HighY() + 21));
  EXPECT_EQ(f.UndoStates(), 1);
}

TEST(PointTool, EraseShowsBackgroundInsideAndOutsideColorOutside) {
  ToolsFixture f;
  if (f.ed.DesignPicture.isNull()) GTEST_SKIP() << "grid picture not rendered yet";
  f.s.CurrentTool = doc::ToolPoint;
  const int cells[2][2] = {{3, 3}, {9, 3}};  // inside the 8-wide glyph, and right of it
  for (const auto& c : cells) {
    const float x = c[0] * 10 + 5.0f, y = c[1] * 10 + 5.0f;
    f.ed.picDesign_MouseDown(ButtonLeft, 0, x, y);
    f.ed.picDesign_MouseUp(ButtonLeft, 0, x, y);
    EXPECT_EQ(f.ed.DesignPicture.pixel(c[0] * 10 + 3, c[1] * 10 + 3), f.s.ColorTable[1]);
    f.ed.picDesign_MouseDown(ButtonRight, 0, x, y);
    f.ed.picDesign_MouseUp(ButtonRight, 0, x, y);
  }
  EXPECT_EQ(f.ed.DesignPicture.pixel(33, 33), f.s.BackgroundColor);
  EXPECT_EQ(f.ed.DesignPicture.pixel(93, 33), f.s.OutsideColor);
}

// --- replace colour -------------------------------------------------------------

TEST(ReplaceColorTool, LeftRecoloursRightErasesEmptyCellChangesNothing) {
  const Cells threes{{0, 0}, {5, 5}, {-3, -3}, {40, 20}};
  auto setUp = [&](ToolsFixture& f) {
    for (const Cell& c : threes) f.s.DesignData.Set(c.first, c.second, 3);
    f.s.DesignData.Set(1, 1, 4);
    f.s.CurrentColor = 7;
    f.s.CurrentTool = doc::ToolReplaceColor;
  };
  {
    ToolsFixture f;
    setUp(f);
    f.ed.picDesign_MouseDown(ButtonLeft, 0, 55, 55);
    f.ed.picDesign_MouseUp(ButtonLeft, 0, 55, 55);
    EXPECT_EQ(f.CellsOf(7), threes);
    EXPECT_EQ(f.CellsOf(4), (Cells{{1, 1}}));
    EXPECT_EQ(f.UndoStates(), 1);
  }
  {
    ToolsFixture f;
    setUp(f);
    f.ed.picDesign_MouseDown(ButtonRight, 0, 5, 5);
    EXPECT_TRUE(f.CellsOf(3).empty());
    EXPECT_EQ(f.CellsOf(4), (Cells{{1, 1}}));
    EXPECT_EQ(f.UndoStates(), 1);
  }
  {
    ToolsFixture f;
    setUp(f);
    f.ed.picDesign_MouseDown(ButtonLeft, 0, 25, 25);  // empty cell
    EXPECT_EQ(f.CellsOf(3), threes);
    EXPECT_TRUE(f.CellsOf(7).empty());
    EXPECT_EQ(f.UndoStates(), 1);
  }
  {
    ToolsFixture f;
    setUp(f);
    f.ed.picDesign_MouseDown(ButtonLeft, 0, -5000, 5);  // off the grid: nothing at all
    f.ed.picDesign_MouseDown(ButtonLeft, 0, 5, 1e9f);
    EXPECT_EQ(f.CellsOf(3), threes);
    EXPECT_EQ(f.UndoStates(), 0);
  }
}

// --- far outside the grid -----------------------------------------------------------

TEST(ToolsOffGrid, DragsFarOutsideWriteOnlyCellsOfTheGrid) {
  ToolsFixture f;
  const doc::DesignGrid& g = f.s.DesignData;
  f.s.CurrentTool = doc::ToolPoint;
  f.ed.picDesign_MouseDown(ButtonLeft, 0, -1e6f, 5);
  f.ed.picDesign_MouseMove(ButtonLeft, 0, 5, 1e9f);
  f.ed.picDesign_MouseMove(ButtonLeft, 0, 3e38f, -3e38f);
  f.ed.picDesign_MouseMove(ButtonLeft, 0, 535, 375);  // just past the last cell (52, 36)
  f.ed.picDesign_MouseUp(ButtonLeft, 0, 535, 375);
  EXPECT_TRUE(f.Written().empty());

  f.Drag(doc::ToolLine, ButtonLeft, 25, 25, 1e7f, 25);
  EXPECT_EQ(f.Written(), Range(2, g.HighX(), 2, 2));

  ToolsFixture b;
  b.Drag(doc::ToolBorder, ButtonLeft, -1e6f, -1e6f, 1e6f, 1e6f);
  EXPECT_TRUE(b.Written().empty());  // every edge lies off the grid
  b.Drag(doc::ToolRectangle, ButtonLeft, -1e6f, -1e6f, 1e6f, 1e6f);
  EXPECT_TRUE(b.CellsOf(0).empty());  // every cell of the grid, nothing beyond
}

}  // namespace
