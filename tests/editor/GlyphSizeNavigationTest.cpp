#include <gtest/gtest.h>

#include "TestSupport.h"
#include "document/CharRecord.h"

namespace {

using testsupport::EditorFixture;
using E = editor::DesignEditor;

struct GlyphSizeNavigation : ::testing::Test, EditorFixture {
  int SlotsInUse() const { return UndoSlotsInUse(); }
  // Every code the tests visit has a stored glyph, so no system font is involved.
  void StoreAll() {
    for (auto& r : s.FontData) r = std::string("\0\x08\0\x0e", 4) + std::string(8 * 14, '\0');
  }
  void Visit(int code) {
    host.selected = code;
    ed.DrawFont();
  }
};

struct SizeCase {
  const char* name;
  void (E::*step)();
  int width, height;  // size before the step
  int wantWidth, wantHeight;
};

class SizeSteps : public GlyphSizeNavigation, public ::testing::WithParamInterface<SizeCase> {};

// A step that changes the size records one undo state; a step at its limit records
// none and keeps the size; both redraw.
TEST_P(SizeSteps, ChangeWithinLimitsAndAlwaysRedraw) {
  const SizeCase c = GetParam();
  ed.CharWidth = c.width;
  ed.CharHeight = c.height;
  const int redraws = host.gridRedraws;
  (ed.*c.step)();
  EXPECT_EQ(ed.CharWidth, c.wantWidth);
  EXPECT_EQ(ed.CharHeight, c.wantHeight);
  const bool changed = c.wantWidth != c.width || c.wantHeight != c.height;
  EXPECT_EQ(SlotsInUse(), changed ? 1 : 0);
  EXPECT_EQ(host.gridRedraws, redraws + 1);
  EXPECT_EQ(host.glyphSizeShown, QSize(c.wantWidth, c.wantHeight));
}

INSTANTIATE_TEST_SUITE_P(Steps, SizeSteps,
                         ::testing::Values(SizeCase{"WidthIncAtMax", &E::WidthInc, 32, 16, 32, 16},
                                           SizeCase{"WidthInc", &E::WidthInc, 31, 16, 32, 16},
                                           SizeCase{"WidthDecAtOne", &E::WidthDec, 1, 5, 1, 5},
                                           SizeCase{"WidthDec", &E::WidthDec, 2, 5, 1, 5},
                                           SizeCase{"HeightIncAtMax", &E::HeightInc, 8, 16, 8, 16},
                                           SizeCase{"HeightInc", &E::HeightInc, 8, 15, 8, 16},
                                           SizeCase{"HeightDecAtOne", &E::HeightDec, 8, 1, 8, 1},
                                           SizeCase{"HeightDec", &E::HeightDec, 8, 2, 8, 1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(GlyphSizeNavigation, NarrowedColumnComesBackAndUndoRestoresSize) {
  StoreAll();
  Visit(4);
  for (int y = 0; y < ed.CharHeight; ++y) s.DesignData.Set(7, y, 3);
  const std::string before = *doc::CharRecord::Encode(s.DesignData, ed.CharWidth, ed.CharHeight);
  ed.WidthDec();
  EXPECT_EQ(ed.CharWidth, 7);
  ed.WidthInc();
  EXPECT_EQ(*doc::CharRecord::Encode(s.DesignData, ed.CharWidth, ed.CharHeight), before);
  ed.HeightDec();
  ed.Undo();
  EXPECT_EQ(ed.CharHeight, 14);
  EXPECT_EQ(*doc::CharRecord::Encode(s.DesignData, ed.CharWidth, ed.CharHeight), before);
}

TEST_F(GlyphSizeNavigation, NavigationStopsAtTheEnds) {
  StoreAll();
  Visit(511);
  ed.NextCharacter();
  EXPECT_EQ(s.CurrentChar, 511);
  Visit(0);
  ed.PreviousCharacter();
  EXPECT_EQ(s.CurrentChar, 0);
  EXPECT_TRUE(host.selections.empty());

  Visit(1);
  ed.PreviousCharacter();
  EXPECT_EQ(s.CurrentChar, 0);
  ed.NextCharacter();
  EXPECT_EQ(s.CurrentChar, 1);
  EXPECT_EQ(host.selections, (std::vector<int>{0, 1}));
}

TEST_F(GlyphSizeNavigation, NextStoresTheGlyphLeftBehind) {
  StoreAll();
  Visit(9);
  s.DesignData.Set(2, 2, 4);
  const std::string edited = *doc::CharRecord::Encode(s.DesignData, ed.CharWidth, ed.CharHeight);
  ed.NextCharacter();
  EXPECT_EQ(s.CurrentChar, 10);
  EXPECT_EQ(s.FontData[9], edited);
  EXPECT_EQ(SlotsInUse(), 1);
}

TEST_F(GlyphSizeNavigation, NoMoveWithoutCurrentGlyphOrList) {
  StoreAll();
  host.selected = 5;
  ed.NextCharacter();
  ed.PreviousCharacter();
  EXPECT_EQ(s.CurrentChar, -1);

  Visit(5);
  host.itemCount = 0;
  const int redraws = host.gridRedraws;
  ed.NextCharacter();
  ed.PreviousCharacter();
  EXPECT_EQ(s.CurrentChar, 5);
  EXPECT_TRUE(host.selections.empty());
  EXPECT_EQ(host.gridRedraws, redraws);
}

}  // namespace
