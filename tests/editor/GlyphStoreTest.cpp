// Storing and loading the glyph being edited: what SaveFontData writes, when it
// marks the font changed, and what LoadFontData makes of an empty element.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <functional>

#include "TestSupport.h"
#include "document/CharRecord.h"

namespace {

struct GlyphStore : ::testing::Test, testsupport::EditorFixture {
  std::string Screen() { return *doc::CharRecord::Encode(s.DesignData, ed.CharWidth, ed.CharHeight); }
  void Visit(int code) {
    host.selected = code;
    ed.DrawFont();
  }
};

TEST_F(GlyphStore, WithoutACurrentGlyphNothingIsStoredMarkedOrRedrawn) {
  ASSERT_EQ(s.CurrentChar, -1);
  s.DesignData.Set(1, 1, 4);
  const std::vector<std::string> before = s.FontData;
  ed.SaveFontData();
  EXPECT_EQ(s.FontData, before);
  EXPECT_FALSE(s.FontModified);
  EXPECT_TRUE(host.refreshed.empty());
}

// Storing never clears FontModified, sets it only when the record differs, and
// refreshes the thumbnail of the stored code every time.
TEST_F(GlyphStore, OnlyADifferentRecordMarksTheFontChangedButEveryStoreRefreshes) {
  s.CurrentChar = 7;
  s.DesignData.Set(2, 3, 5);
  s.FontData[7] = Screen();

  ed.SaveFontData();  // equal record
  EXPECT_FALSE(s.FontModified);
  EXPECT_EQ(host.refreshed, (std::vector<int>{7}));

  s.DesignData.Set(2, 3, 6);
  const std::string changed = Screen();
  ed.SaveFontData();
  EXPECT_TRUE(s.FontModified);
  EXPECT_EQ(s.FontData[7], changed);

  ed.SaveFontData();  // equal again: the mark stays
  EXPECT_TRUE(s.FontModified);
  EXPECT_EQ(host.refreshed, (std::vector<int>{7, 7, 7}));

  // A size change alone is a different record.
  s.FontModified = false;
  ed.CharWidth = 9;
  ed.SaveFontData();
  EXPECT_TRUE(s.FontModified);
  EXPECT_EQ(doc::CharRecord::ReadSize(s.FontData[7])->width, 9);
}

// A glyph visited without data is pre-drawn (here from an empty list text: a blank
// default-size glyph); leaving it stores that drawing, so it counts as designed.
TEST_F(GlyphStore, LeavingAGlyphVisitedWithoutDataStoresItAndMarksTheFontChanged) {
  Visit(66);
  EXPECT_EQ(ed.CharWidth, s.DefaultWidth);
  EXPECT_EQ(ed.CharHeight, s.DefaultHeight);
  const std::string shown = Screen();
  EXPECT_TRUE(s.FontData[66].empty());
  EXPECT_FALSE(s.FontModified);
  Visit(67);
  EXPECT_EQ(s.FontData[66], shown);
  EXPECT_TRUE(s.FontModified);
  EXPECT_EQ(host.refreshed.front(), 66);
}

// An empty element loads as an empty DefaultWidth x DefaultHeight grid; the
// negative margin keeps its cells across the load; a stored record gives its size.
TEST_F(GlyphStore, LoadFontDataTakesTheSelectedCodeAndItsRecordOrTheDefaultSize) {
  s.DesignData.Set(3, 3, 2);
  s.DesignData.Set(-1, -1, 9);
  ed.CharWidth = 4;
  host.selected = 300;
  ed.LoadFontData();
  EXPECT_EQ(s.CurrentChar, 300);
  EXPECT_EQ(ed.CharWidth, 10);
  EXPECT_EQ(ed.CharHeight, 16);
  EXPECT_EQ(s.DesignData.Get(3, 3), 0);
  EXPECT_EQ(s.DesignData.Get(-1, -1), 9);
  EXPECT_EQ(host.gridRedraws, 0);  // the caller redraws

  doc::DesignGrid g;
  g.ReDim(32, 16);
  g.Set(11, 4, 3);
  s.FontData[301] = *doc::CharRecord::Encode(g, 12, 5);
  host.selected = 301;
  ed.LoadFontData();
  EXPECT_EQ(ed.CharWidth, 12);
  EXPECT_EQ(ed.CharHeight, 5);
  EXPECT_EQ(Screen(), s.FontData[301]);
  EXPECT_EQ(s.DesignData.Get(-1, -1), 9);

  host.selected.reset();  // no selected item: nothing loads
  ed.LoadFontData();
  EXPECT_EQ(s.CurrentChar, 301);
  EXPECT_EQ(ed.CharWidth, 12);
}

// A drawing made before any glyph is chosen (the list's first item is selected at
// start-up) must never be dropped: its first change makes the selected glyph current,
// with the grid as it stood as the loaded state.
struct FirstChange {
  const char* name;
  std::function<void(editor::DesignEditor&)> change;
  friend void PrintTo(const FirstChange& c, std::ostream* os) { *os << c.name; }
};
class FirstChangeAtStartUp : public GlyphStore, public ::testing::WithParamInterface<FirstChange> {
 protected:
  FirstChangeAtStartUp() {
    ed.FormLoad();
    host.selected = 0;
    s.DesignData.Set(1, 2, 3);  // what the grid holds before the change
    s.ClipData = *doc::CharRecord::Encode(s.DesignData, 4, 4);
    ed.History.SetRedoData("stale");
  }
};

TEST_P(FirstChangeAtStartUp, MakesTheSelectedGlyphCurrentAndOneUndoTakesItBack) {
  const std::string asItStood = Screen();
  GetParam().change(ed);
  ASSERT_NE(Screen(), asItStood);
  EXPECT_EQ(s.CurrentChar, 0);
  EXPECT_TRUE(s.FontData[0].empty());  // stored, as every glyph, by SaveFontData
  EXPECT_EQ(ed.History.RedoData(), "") << "the redo step of no glyph";
  EXPECT_EQ(host.redoEnabled, false);
  const std::string drawn = Screen();

  ed.Undo();
  EXPECT_EQ(Screen(), asItStood);
  ed.Undo();  // nothing older: the grid as it stood is the glyph's first state
  EXPECT_EQ(Screen(), asItStood);
  ed.Redo();
  EXPECT_EQ(Screen(), drawn);

  ed.SaveFontData();
  EXPECT_EQ(s.FontData[0], drawn);
  EXPECT_TRUE(s.FontModified);
}

void Press(editor::DesignEditor& ed, int tool, int button, float x0, float y0, float x1, float y1) {
  ed.S.CurrentTool = tool;
  ed.picDesign_MouseDown(button, 0, x0, y0);
  ed.picDesign_MouseMove(button, 0, x1, y1);
  ed.picDesign_MouseUp(button, 0, x1, y1);
}

INSTANTIATE_TEST_SUITE_P(
    , FirstChangeAtStartUp,
    ::testing::Values(
        FirstChange{"Point", [](auto& ed) { Press(ed, doc::ToolPoint, editor::ButtonLeft, 55, 55, 75, 55); }},
        // Pressed off the grid, the stroke's first change is a move.
        FirstChange{"PointFromOffTheGrid",
                    [](auto& ed) { Press(ed, doc::ToolPoint, editor::ButtonLeft, -900, 55, 55, 55); }},
        FirstChange{"EraseWithPoint", [](auto& ed) { Press(ed, doc::ToolPoint, editor::ButtonRight, 15, 25, 15, 25); }},
        FirstChange{"Line", [](auto& ed) { Press(ed, doc::ToolLine, editor::ButtonLeft, 25, 55, 78, 52); }},
        FirstChange{"Border", [](auto& ed) { Press(ed, doc::ToolBorder, editor::ButtonLeft, 25, 25, 54, 44); }},
        FirstChange{"Rectangle", [](auto& ed) { Press(ed, doc::ToolRectangle, editor::ButtonLeft, 25, 25, 54, 44); }},
        FirstChange{"ReplaceColor",
                    [](auto& ed) { Press(ed, doc::ToolReplaceColor, editor::ButtonLeft, 15, 25, 15, 25); }},
        FirstChange{"FlipHorizontal", [](auto& ed) { ed.FlipHorizontal(); }},
        FirstChange{"FlipVertical", [](auto& ed) { ed.FlipVertical(); }},
        FirstChange{"Invert", [](auto& ed) { ed.Invert(); }},
        FirstChange{"ShiftRight", [](auto& ed) { ed.ShiftDataRight(); }},
        FirstChange{"ShiftUp", [](auto& ed) { ed.ShiftDataUp(); }},
        FirstChange{"Paste", [](auto& ed) { ed.PasteData(); }},
        FirstChange{"WidthInc", [](auto& ed) { ed.WidthInc(); }},
        FirstChange{"HeightDec", [](auto& ed) { ed.HeightDec(); }}),
    [](const auto& info) { return std::string(info.param.name); });

// What changes nothing on the grid leaves no glyph current, so closing asks nothing.
TEST_F(GlyphStore, AtStartUpWhatLeavesTheGridAsItIsMakesNoGlyphCurrent) {
  ed.FormLoad();
  host.selected = 0;
  s.CharText[0] = "A";
  QImage picture(8, 8, QImage::Format_RGB32);
  picture.fill(Qt::black);
  QGuiApplication::clipboard()->setImage(picture);
  const std::vector<std::function<void()>> unchanged = {
      [&] { Press(ed, doc::ToolPoint, editor::ButtonMiddle, 15, 15, 25, 15); },
      [&] { Press(ed, doc::ToolLine, editor::ButtonLeft, 15, 15, 15, 15); },  // a click, no line
      [&] { ed.FlipHorizontal(); },                                           // of an empty grid
      [&] { ed.ShiftDataLeft(); },
      [&] { ed.PasteData(); },  // nothing copied
      [&] { ed.Undo(); },
      [&] { ed.Redo(); },
      // These two need a current glyph, as before.
      [&] { ed.ReadFromFont(); },
      [&] { ed.PasteSpecial(); },
  };
  for (size_t i = 0; i < unchanged.size(); ++i) {
    unchanged[i]();
    EXPECT_EQ(s.CurrentChar, -1) << i;
  }
  EXPECT_EQ(ed.CharWidth, 8);
  EXPECT_TRUE(s.FontData[0].empty());
  EXPECT_EQ(s.DesignData.Get(1, 1), 0);
  QGuiApplication::clipboard()->clear();
}

// Without a selected item (no list loaded) the tools draw on the grid as before.
TEST_F(GlyphStore, WithoutASelectedItemDrawingMakesNoGlyphCurrent) {
  ed.FormLoad();
  Press(ed, doc::ToolPoint, editor::ButtonLeft, 15, 15, 15, 15);
  EXPECT_EQ(s.DesignData.Get(1, 1), 1);
  EXPECT_EQ(s.CurrentChar, -1);
  ed.SaveFontData();
  EXPECT_EQ(s.FontData, std::vector<std::string>(doc::GlyphCount));
}

}  // namespace
