#include <gtest/gtest.h>

#include <ostream>

#include "document/GlyphRemoval.h"

namespace {

struct RemoveCase {
  const char* what;
  int32_t code;
  bool held;            // FontData(code) holds a glyph before
  int32_t currentChar;  // the glyph on screen
  bool emptied;
  bool gridCleared;
};
void PrintTo(const RemoveCase& c, std::ostream* os) { *os << c.what; }

class GlyphRemoval : public ::testing::TestWithParam<RemoveCase> {};

// Which glyph is emptied, when the font counts as changed, and whether the grid on
// screen is emptied; nothing else of the state moves.
TEST_P(GlyphRemoval, EmptiesTheGlyphAndOnlyTheGridOnScreen) {
  const RemoveCase c = GetParam();
  doc::ModConst s;
  doc::InitDefaults(s);
  const std::string glyph("\x02\x00\x01\x00\x05\x05", 6);
  for (int code : {0, 65, 66, 511}) s.FontData[code] = glyph;
  if (c.code >= 0 && c.code < doc::GlyphCount && !c.held) s.FontData[c.code].clear();
  s.CurrentChar = c.currentChar;
  s.DesignData.Set(1, 0, 4);
  const auto before = s.FontData;

  const doc::RemoveResult r = doc::RemoveGlyph(s, c.code);

  EXPECT_EQ(r.emptied, c.emptied);
  EXPECT_EQ(r.gridCleared, c.gridCleared);
  EXPECT_EQ(s.FontModified, c.emptied);
  EXPECT_EQ(s.DesignData.Get(1, 0), c.gridCleared ? 0 : 4);
  EXPECT_EQ(s.CurrentChar, c.currentChar);
  for (int code = 0; code < doc::GlyphCount; ++code)
    EXPECT_EQ(s.FontData[code], code == c.code ? std::string() : before[code]) << code;
}

INSTANTIATE_TEST_SUITE_P(Cases, GlyphRemoval,
                         ::testing::Values(RemoveCase{"the glyph on screen", 65, true, 65, true, true},
                                           RemoveCase{"another glyph", 66, true, 65, true, false},
                                           RemoveCase{"no glyph on screen", 511, true, -1, true, false},
                                           RemoveCase{"the first code", 0, true, 0, true, true},
                                           RemoveCase{"nothing stored, on screen", 65, false, 65, false, true},
                                           RemoveCase{"nothing stored, elsewhere", 66, false, 65, false, false},
                                           RemoveCase{"beyond the font", 512, false, 65, false, false}));

// A removal of nothing leaves an earlier change of the font marked.
TEST(GlyphRemovalMark, EmptyGlyphKeepsAnEarlierChange) {
  doc::ModConst s;
  doc::InitDefaults(s);
  s.FontModified = true;
  EXPECT_FALSE(doc::RemoveGlyph(s, 70).emptied);
  EXPECT_TRUE(s.FontModified);
}

}  // namespace
