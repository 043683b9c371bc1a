#include <gtest/gtest.h>

#include <QDialog>
#include <QInputDialog>

#include "TestSupport.h"
#include "controls/Modal.h"
#include "shell/Selection.h"

namespace {

using testsupport::EditorFixture;

// The toolbar shows the chosen tool; a value that is no tool changes nothing.
TEST(Selection, ToolIsShownAndBecomesCurrent) {
  EditorFixture f;
  shell::SelectDrawTool(f.ed, doc::ToolLine);
  EXPECT_EQ(f.host.drawToolShown, doc::ToolLine);
  EXPECT_EQ(f.s.CurrentTool, doc::ToolLine);
  shell::SelectDrawTool(f.ed, doc::ToolReplaceColor);
  EXPECT_EQ(f.s.CurrentTool, doc::ToolReplaceColor);
  for (int32_t none : {-1, 5}) shell::SelectDrawTool(f.ed, none);  // no such tool
  EXPECT_EQ(f.s.CurrentTool, doc::ToolReplaceColor);
  EXPECT_EQ(f.host.drawToolShown, doc::ToolReplaceColor);
}

TEST(Selection, ColorIsShownAndBecomesCurrent) {
  EditorFixture f;
  shell::SelectColor(f.ed, 15);
  EXPECT_EQ(f.host.colorShown, 15);
  EXPECT_EQ(f.s.CurrentColor, 15);
  shell::SelectColor(f.ed, 12);
  EXPECT_EQ(f.s.CurrentColor, 12);
  for (int32_t bad : {0, 16, -1}) shell::SelectColor(f.ed, bad);
  EXPECT_EQ(f.s.CurrentColor, 12);
  EXPECT_EQ(f.host.colorShown, 12);
}

struct ZoomCase {
  const char* text;
  int32_t zoom;
};
void PrintTo(const ZoomCase& c, std::ostream* os) { *os << '"' << c.text << "\" -> " << c.zoom; }

class ZoomBox : public ::testing::TestWithParam<ZoomCase> {};

TEST_P(ZoomBox, EnterSetsZoomFromTheTextsNumber) {
  EditorFixture f;
  f.s.Zoom = 75;
  shell::ToolKeyDown(f.ed, "tlZoom", GetParam().text, 13);
  EXPECT_EQ(f.s.Zoom, GetParam().zoom);
  EXPECT_EQ(f.host.zoomShown, f.s.Zoom);
}

INSTANTIATE_TEST_SUITE_P(Texts, ZoomBox,
                         ::testing::Values(ZoomCase{"abc", 100}, ZoomCase{"", 100}, ZoomCase{"0", 100},
                                           ZoomCase{"12.5", 12}, ZoomCase{"13.5", 14}, ZoomCase{"150", 150},
                                           ZoomCase{" 5 0x", 50}));

TEST(Selection, ZoomChangeIgnoresOtherToolsAndLimitsHugeNumbers) {
  EditorFixture f;
  shell::ToolChange(f.ed, "tlSize", "300");
  EXPECT_EQ(f.s.Zoom, 100);
  shell::ToolKeyDown(f.ed, "tlZoom", "300", 65);  // not Enter
  EXPECT_EQ(f.s.Zoom, 100);
  shell::ToolChange(f.ed, "tlZoom", "1e30");
  EXPECT_LE(f.s.Zoom, shell::MaxZoom);
  EXPECT_GE(f.ed.CellSize, 1);
  shell::ToolChange(f.ed, "tlZoom", "-1e30");
  EXPECT_GE(f.s.Zoom, -shell::MaxZoom);
  EXPECT_EQ(f.ed.CellSize, 1);
}

TEST(Selection, EnterInSizeBoxesSetsGlyphSizeWithinLimits) {
  EditorFixture f;
  ASSERT_EQ(f.s.MaxWidth, 32);
  shell::ToolKeyDown(f.ed, "tlWidth", "40", 13);
  EXPECT_EQ(f.ed.CharWidth, 32);
  EXPECT_EQ(f.host.glyphSizeShown, QSize(32, f.ed.CharHeight));
  shell::ToolKeyDown(f.ed, "tlHeight", "9", 13);
  EXPECT_EQ(f.ed.CharHeight, 9);
  shell::ToolKeyDown(f.ed, "tlWidth", "-5", 13);
  EXPECT_EQ(f.ed.CharWidth, 0);
  shell::ToolKeyDown(f.ed, "tlHeight", "abc", 13);
  EXPECT_EQ(f.ed.CharHeight, 0);
  shell::ToolKeyDown(f.ed, "tlHeight", "1e40", 13);
  EXPECT_EQ(f.ed.CharHeight, f.s.MaxHeight);
  shell::ToolKeyDown(f.ed, "tlWidth", "7", 9);  // not Enter
  EXPECT_EQ(f.ed.CharWidth, 0);
  for (int i = 0; i < doc::UndoHistory::Slots; ++i) EXPECT_TRUE(f.ed.History.Slot(i).empty());
}

// At start-up (item 000 selected, no glyph loaded) a typed size is the first change:
// glyph 000 becomes current at the size it had, so one Undo brings that size back.
TEST(Selection, SizeTypedAtStartUpMakesTheSelectedGlyphCurrent) {
  EditorFixture f;
  f.host.selected = 0;
  shell::ToolKeyDown(f.ed, "tlHeight", "14", 13);  // the height it has: no change
  EXPECT_EQ(f.s.CurrentChar, -1);
  shell::ToolKeyDown(f.ed, "tlWidth", "12", 13);
  EXPECT_EQ(f.s.CurrentChar, 0);
  EXPECT_EQ(f.ed.CharWidth, 12);
  f.ed.Undo();
  EXPECT_EQ(f.ed.CharWidth, 8);
}

controls::Modal::Answer Type(const QString& text) {
  return [text](QDialog& d) {
    auto& box = dynamic_cast<QInputDialog&>(d);
    EXPECT_EQ(box.labelText(), "Enter Guide Line Position");
    EXPECT_EQ(box.windowTitle(), "Guide Line");
    box.setTextValue(text);
    return int(QDialog::Accepted);
  };
}

TEST(Selection, GuideAsksWhenOffAndSwitchesOffWithoutAsking) {
  EditorFixture f;
  controls::ScopedModalScript script({Type("5")});
  shell::ToggleGuideLine(f.ed, 0, 3);
  EXPECT_EQ(f.s.GuideLine[0][2], 5);
  shell::ToggleGuideLine(f.ed, 0, 3);
  EXPECT_EQ(f.s.GuideLine[0][2], 0);
  EXPECT_EQ(script.Shown(), 1);
  EXPECT_EQ(controls::Modal::UnansweredShowings(), 0);
  EXPECT_EQ(f.host.gridRedraws, 2);
}

TEST(Selection, GuideCancelledStaysOffAndHugeAnswerIsLimited) {
  EditorFixture f;
  controls::ScopedModalScript script({[](QDialog&) { return int(QDialog::Rejected); }, Type("1e12"), Type("x")});
  shell::ToggleGuideLine(f.ed, 1, 6);
  EXPECT_EQ(f.s.GuideLine[1][5], 0);
  shell::ToggleGuideLine(f.ed, 1, 6);
  EXPECT_EQ(f.s.GuideLine[1][5], shell::MaxGuidePosition);
  shell::ToggleGuideLine(f.ed, 1, 1);
  EXPECT_EQ(f.s.GuideLine[1][0], 0);
  shell::ToggleGuideLine(f.ed, 2, 1);  // no such orientation: nothing asked
  shell::ToggleGuideLine(f.ed, 0, 7);
  EXPECT_EQ(script.Shown(), 3);
  EXPECT_EQ(controls::Modal::UnansweredShowings(), 0);
}

}  // namespace
