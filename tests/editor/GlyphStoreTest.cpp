// Storing and loading the glyph being edited: what SaveFontData writes, when it
// marks the font changed, and what LoadFontData makes of an empty element.
#include <gtest/gtest.h>

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

}  // namespace
