// A whole new font taking the session's font's place: opened from its file or taken in
// by an import, and what the session keeps of the old one in each case.
#include <gtest/gtest.h>

#include "DocumentTestSupport.h"
#include "document/ModConst.h"

using namespace doc;

namespace {

// A session of 32 x 16 on glyph 65 of a saved font, with cells drawn in the grid and in
// its margin.
void OldSession(ModConst& s) {
  InitDefaults(s);
  s.FontData[65] = testsupport::MakeRecord(2, 2, [](int, int) { return 1; });
  s.AuthorName = FixedAuthorField("Old");
  s.FontFileName = "/fonts/old.nft";
  s.CurrentChar = 65;
  s.DesignData.Set(1, 1, 5);
  s.DesignData.Set(-1, 3, 6);
}

// A font of the given maxima with one glyph of the given size.
Font NewFont(int32_t maxWidth, int32_t maxHeight, int glyphWidth, int glyphHeight) {
  Font font;
  font.MaxWidth = maxWidth;
  font.MaxHeight = maxHeight;
  font.DefaultWidth = 8;
  font.DefaultHeight = 12;
  font.AuthorName = FixedAuthorField("New");
  font.FontData[7] = testsupport::MakeRecord(glyphWidth, glyphHeight, [](int, int) { return 2; });
  return font;
}

// From its file, even with the same maxima, nothing of the old grid or glyph is kept,
// and the font stands as its file holds it.
TEST(ReplaceFont, FromItsFileTheSessionStartsAfreshOnIt) {
  ModConst s;
  OldSession(s);
  s.FontModified = true;
  const Font font = NewFont(32, 16, 3, 2);
  ReplaceFont(s, font, FontSource::File, "/fonts/new.nft");
  EXPECT_EQ(s.FontData, font.FontData);
  EXPECT_EQ(s.DefaultWidth, 8);
  EXPECT_EQ(s.DefaultHeight, 12);
  EXPECT_EQ(s.AuthorName, FixedAuthorField("New"));
  EXPECT_EQ(s.FontFileName, "/fonts/new.nft");
  EXPECT_FALSE(s.FontModified);
  EXPECT_EQ(s.CurrentChar, -1);
  EXPECT_EQ(s.DesignData.Get(1, 1), 0);
  EXPECT_EQ(s.DesignData.Get(-1, 3), 0);

  // Maxima within the limits are taken as the file says, glyphs larger or not.
  ReplaceFont(s, NewFont(40, 30, 60, 2), FontSource::File, "/fonts/wide.nft");
  EXPECT_EQ(s.MaxWidth, 40);
  EXPECT_EQ(s.MaxHeight, 30);
  EXPECT_EQ(s.DesignData.HighX(), 40 + DesignGrid::Margin);
  EXPECT_EQ(s.DesignData.HighY(), 30 + DesignGrid::Margin);
}

// An import stays in the open document: its file name and glyph stay, the font counts
// as changed, and the maxima rise to its largest glyph (beyond the settings' limits
// too). The grid is made anew only when they rose; else its margin keeps its cells.
TEST(ReplaceFont, ImportStaysInTheDocumentAndRaisesTheMaxima) {
  const struct {
    const char* what;
    int glyphWidth, glyphHeight;
    int32_t maxWidth, maxHeight;
    uint8_t margin;  // the cell at (-1, 3) afterwards
  } cases[] = {
      {"fits", 3, 2, 32, 16, 6},
      {"wider", 1030, 2, 1030, 16, 0},
      {"taller", 3, 40, 32, 40, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ModConst t;
    OldSession(t);
    const Font font = NewFont(t.MaxWidth, t.MaxHeight, c.glyphWidth, c.glyphHeight);
    ReplaceFont(t, font, FontSource::Import);
    EXPECT_EQ(t.FontData, font.FontData);
    EXPECT_EQ(t.MaxWidth, c.maxWidth);
    EXPECT_EQ(t.MaxHeight, c.maxHeight);
    EXPECT_EQ(t.DesignData.HighX(), c.maxWidth + DesignGrid::Margin);
    EXPECT_EQ(t.DesignData.HighY(), c.maxHeight + DesignGrid::Margin);
    EXPECT_EQ(t.DesignData.Get(1, 1), 0);
    EXPECT_EQ(t.DesignData.Get(-1, 3), c.margin);
    EXPECT_EQ(t.FontFileName, "/fonts/old.nft");
    EXPECT_TRUE(t.FontModified);
    EXPECT_EQ(t.CurrentChar, 65);
  }
}

}  // namespace
