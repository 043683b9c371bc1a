#include <gtest/gtest.h>

#include <functional>
#include <utility>
#include <vector>

#include "TestSupport.h"
#include "document/CharRecord.h"

namespace {

using testsupport::EditorFixture;

struct GlyphTransforms : ::testing::Test, EditorFixture {
  // Every cell of the grid, margins included, gets a non-zero colour that differs
  // from its neighbours in both directions.
  void FillGrid() {
    auto& g = s.DesignData;
    for (int y = g.LowY(); y <= g.HighY(); ++y)
      for (int x = g.LowX(); x <= g.HighX(); ++x) g.Set(x, y, static_cast<uint8_t>(Colour(x, y)));
  }
  static int Colour(int x, int y) { return 1 + ((x + 40) * 3 + (y + 40) * 5) % 15; }
  std::string Glyph() { return *doc::CharRecord::Encode(s.DesignData, ed.CharWidth, ed.CharHeight); }
  bool InGlyph(int x, int y) const { return x >= 0 && x < ed.CharWidth && y >= 0 && y < ed.CharHeight; }
};

struct FlipCase {
  bool horizontal;
  int size;  // width for a horizontal flip, height for a vertical one
};

class Mirrors : public GlyphTransforms, public ::testing::WithParamInterface<FlipCase> {};

TEST_P(Mirrors, ReverseTheGlyphAreaOnlyAndTwiceRestore) {
  const FlipCase c = GetParam();
  ed.CharWidth = c.horizontal ? c.size : 6;
  ed.CharHeight = c.horizontal ? 5 : c.size;
  FillGrid();
  const auto flip = [&] { c.horizontal ? ed.FlipHorizontal() : ed.FlipVertical(); };
  flip();
  const auto& g = s.DesignData;
  for (int y = g.LowY(); y <= g.HighY(); ++y)
    for (int x = g.LowX(); x <= g.HighX(); ++x) {
      int fromX = x, fromY = y;
      if (InGlyph(x, y)) (c.horizontal ? fromX : fromY) = c.size - 1 - (c.horizontal ? x : y);
      ASSERT_EQ(g.Get(x, y), Colour(fromX, fromY)) << x << "," << y;
    }
  flip();
  for (int y = g.LowY(); y <= g.HighY(); ++y)
    for (int x = g.LowX(); x <= g.HighX(); ++x) ASSERT_EQ(g.Get(x, y), Colour(x, y)) << x << "," << y;
}

INSTANTIATE_TEST_SUITE_P(Sizes, Mirrors,
                         ::testing::Values(FlipCase{true, 7}, FlipCase{true, 8}, FlipCase{true, 1}, FlipCase{true, 5},
                                           FlipCase{true, 32}, FlipCase{false, 7}, FlipCase{false, 8},
                                           FlipCase{false, 3}, FlipCase{false, 16}));

TEST_F(GlyphTransforms, FlipHorizontalReversesASevenWideRow) {
  ed.CharWidth = 7;
  ed.CharHeight = 1;
  for (int x = 0; x < 7; ++x) s.DesignData.Set(x, 0, static_cast<uint8_t>(x + 1));
  ed.FlipHorizontal();
  for (int x = 0; x < 7; ++x) EXPECT_EQ(s.DesignData.Get(x, 0), 7 - x);
}

TEST_F(GlyphTransforms, InvertTwicePaintsFormerColoursWithCurrentColour) {
  ed.CharWidth = 4;
  ed.CharHeight = 2;
  s.CurrentColor = 1;
  s.DesignData.Set(0, 0, 2);
  s.DesignData.Set(3, 1, 5);
  s.DesignData.Set(4, 0, 7);  // outside the glyph area
  ed.Invert();
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 4; ++x) EXPECT_EQ(s.DesignData.Get(x, y), (x == 0 && y == 0) || (x == 3 && y == 1) ? 0 : 1);
  ed.Invert();
  EXPECT_EQ(s.DesignData.Get(0, 0), 1);
  EXPECT_EQ(s.DesignData.Get(3, 1), 1);
  EXPECT_EQ(s.DesignData.Get(1, 0), 0);
  EXPECT_EQ(s.DesignData.Get(4, 0), 7);
  EXPECT_EQ(ed.CharWidth, 4);
}

TEST_F(GlyphTransforms, ShiftLeftThenRightKeepsColumnZeroInTheMargin) {
  ed.CharWidth = 5;
  ed.CharHeight = 3;
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) s.DesignData.Set(x, y, static_cast<uint8_t>(Colour(x, y)));
  const std::string before = Glyph();
  ed.ShiftDataLeft();
  EXPECT_EQ(s.DesignData.Get(-1, 1), Colour(0, 1));
  EXPECT_EQ(s.DesignData.Get(0, 1), Colour(1, 1));
  ed.ShiftDataRight();
  EXPECT_EQ(Glyph(), before);
  // A column shifted out to the right is not part of the glyph, but comes back.
  ed.ShiftDataRight();
  EXPECT_EQ(s.DesignData.Get(5, 2), Colour(4, 2));
  EXPECT_EQ(s.DesignData.Get(0, 2), 0);
  ed.ShiftDataLeft();
  EXPECT_EQ(Glyph(), before);
  EXPECT_EQ(ed.CharWidth, 5);
  EXPECT_EQ(ed.CharHeight, 3);
}

// Shifts that stay within the margin come back whole; one more pushes the edge line
// off the grid, and the way back fills its place with a copy of its neighbour. A
// full-size glyph has 20 margin cells before it and 21 after it.
struct ShiftCase {
  const char* name;
  void (editor::DesignEditor::*out)();
  void (editor::DesignEditor::*back)();
  int count;
  bool lost;
};

class Shifts : public GlyphTransforms, public ::testing::WithParamInterface<ShiftCase> {};

TEST_P(Shifts, RoundTripOverTheMargin) {
  const ShiftCase c = GetParam();
  ed.CharWidth = s.MaxWidth;
  ed.CharHeight = s.MaxHeight;
  for (int y = 0; y < ed.CharHeight; ++y)
    for (int x = 0; x < ed.CharWidth; ++x) s.DesignData.Set(x, y, static_cast<uint8_t>(Colour(x, y)));
  for (int i = 0; i < c.count; ++i) (ed.*c.out)();
  for (int i = 0; i < c.count; ++i) (ed.*c.back)();
  const std::string name = c.name;
  const int W = ed.CharWidth, H = ed.CharHeight;
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x) {
      int fx = x, fy = y;
      if (c.lost) {
        if (name == "Left" && x == 0) fx = 1;
        if (name == "Right" && x == W - 1) fx = W - 2;
        if (name == "Up" && y == 0) fy = 1;
        if (name == "Down" && y == H - 1) fy = H - 2;
      }
      ASSERT_EQ(s.DesignData.Get(x, y), Colour(fx, fy)) << x << "," << y;
    }
}

using E = editor::DesignEditor;
INSTANTIATE_TEST_SUITE_P(Counts, Shifts,
                         ::testing::Values(ShiftCase{"Left", &E::ShiftDataLeft, &E::ShiftDataRight, 20, false},
                                           ShiftCase{"Left", &E::ShiftDataLeft, &E::ShiftDataRight, 21, true},
                                           ShiftCase{"Right", &E::ShiftDataRight, &E::ShiftDataLeft, 20, false},
                                           ShiftCase{"Right", &E::ShiftDataRight, &E::ShiftDataLeft, 21, false},
                                           ShiftCase{"Right", &E::ShiftDataRight, &E::ShiftDataLeft, 22, true},
                                           ShiftCase{"Up", &E::ShiftDataUp, &E::ShiftDataDown, 20, false},
                                           ShiftCase{"Up", &E::ShiftDataUp, &E::ShiftDataDown, 21, true},
                                           ShiftCase{"Down", &E::ShiftDataDown, &E::ShiftDataUp, 20, false},
                                           ShiftCase{"Down", &E::ShiftDataDown, &E::ShiftDataUp, 21, false},
                                           ShiftCase{"Down", &E::ShiftDataDown, &E::ShiftDataUp, 22, true}),
                         [](const auto& info) {
                           return std::string(info.param.name) + std::to_string(info.param.count);
                         });

TEST_F(GlyphTransforms, ReplaceColourCoversMarginsAndIgnoresEmptySource) {
  auto& g = s.DesignData;
  g.Set(2, 2, 3);
  g.Set(g.LowX(), g.LowY(), 3);
  g.Set(g.HighX(), g.HighY(), 3);
  g.Set(4, 4, 6);
  ed.ReplcaeDataColor(0, 9);
  EXPECT_EQ(g.Get(0, 0), 0);
  EXPECT_EQ(g.Get(2, 2), 3);
  ed.ReplcaeDataColor(3, 0);
  EXPECT_EQ(g.Get(2, 2), 0);
  EXPECT_EQ(g.Get(g.LowX(), g.LowY()), 0);
  EXPECT_EQ(g.Get(g.HighX(), g.HighY()), 0);
  EXPECT_EQ(g.Get(4, 4), 6);
}

// Each transform is one undo step, and the mirrors and the inversion redraw by
// themselves while the shifts and the colour replacement leave it to the caller.
struct UndoCase {
  const char* name;
  std::function<void(editor::DesignEditor&)> run;
  bool redraws;
};

class OneUndoStep : public GlyphTransforms, public ::testing::WithParamInterface<UndoCase> {};

TEST_P(OneUndoStep, UndoRestoresTheGlyph) {
  s.FontData[3] = std::string("\0\x08\0\x0e", 4) + std::string(8 * 14, '\0');
  host.selected = 3;
  ed.DrawFont();
  for (int y = 0; y < ed.CharHeight; ++y)
    for (int x = 0; x < ed.CharWidth; ++x) s.DesignData.Set(x, y, static_cast<uint8_t>(Colour(x, y) % 4));
  const std::string before = Glyph();
  const int redraws = host.gridRedraws;
  GetParam().run(ed);
  EXPECT_NE(Glyph(), before);
  EXPECT_EQ(host.gridRedraws, redraws + (GetParam().redraws ? 1 : 0));
  ed.Undo();
  EXPECT_EQ(Glyph(), before);
}

INSTANTIATE_TEST_SUITE_P(Transforms, OneUndoStep,
                         ::testing::Values(UndoCase{"FlipHorizontal", [](E& e) { e.FlipHorizontal(); }, true},
                                           UndoCase{"FlipVertical", [](E& e) { e.FlipVertical(); }, true},
                                           UndoCase{"Invert", [](E& e) { e.Invert(); }, true},
                                           UndoCase{"ShiftLeft", [](E& e) { e.ShiftDataLeft(); }, false},
                                           UndoCase{"ShiftRight", [](E& e) { e.ShiftDataRight(); }, false},
                                           UndoCase{"ShiftUp", [](E& e) { e.ShiftDataUp(); }, false},
                                           UndoCase{"ShiftDown", [](E& e) { e.ShiftDataDown(); }, false},
                                           UndoCase{"ReplaceColour", [](E& e) { e.ReplcaeDataColor(2, 0); }, false}),
                         [](const auto& info) { return std::string(info.param.name); });

// A glyph 0 cells wide or high leaves the mirrors and the inversion nothing to
// change, yet each still records its undo state and redraws.
TEST_F(GlyphTransforms, ZeroSizedGlyphChangesNothingButRecordsAndRedraws) {
  FillGrid();
  const std::vector<uint8_t> cells(s.DesignData.Row(s.DesignData.LowY()),
                                   s.DesignData.Row(s.DesignData.HighY()) + s.DesignData.Stride());
  int step = 0;
  for (auto [w, h] : {std::pair{0, 5}, {6, 0}}) {
    ed.CharWidth = w;
    ed.CharHeight = h;
    for (auto run : {&E::FlipHorizontal, &E::FlipVertical, &E::Invert}) {
      const int redraws = host.gridRedraws;
      (ed.*run)();
      EXPECT_EQ(ed.History.Slot(step++), Glyph());
      EXPECT_EQ(host.gridRedraws, redraws + 1);
      EXPECT_EQ(std::vector<uint8_t>(s.DesignData.Row(s.DesignData.LowY()),
                                     s.DesignData.Row(s.DesignData.HighY()) + s.DesignData.Stride()),
                cells);
      EXPECT_EQ(ed.CharWidth, w);
      EXPECT_EQ(ed.CharHeight, h);
    }
  }
}

}  // namespace
