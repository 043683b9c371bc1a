#include <gtest/gtest.h>

#include "DocumentTestSupport.h"
#include "document/CharRecord.h"
#include "document/ModConst.h"

using namespace doc;

namespace {

struct SizeCase {
  int w, h;
  unsigned char b0, b1, b2, b3;
};

class CodecSizes : public ::testing::TestWithParam<SizeCase> {};

TEST_P(CodecSizes, EncodeDecodeRoundTrip) {
  const SizeCase c = GetParam();
  DesignGrid grid;
  grid.ReDim(1024, 768);
  for (int y = 0; y < c.h; ++y)
    for (int x = 0; x < c.w; ++x) grid.Set(x, y, static_cast<uint8_t>((x * 7 + y * 3) % 256));
  const auto rec = CharRecord::Encode(grid, c.w, c.h);
  ASSERT_TRUE(rec);
  ASSERT_EQ(rec->size(), 4u + static_cast<size_t>(c.w) * c.h);
  EXPECT_EQ(static_cast<unsigned char>((*rec)[0]), c.b0);
  EXPECT_EQ(static_cast<unsigned char>((*rec)[1]), c.b1);
  EXPECT_EQ(static_cast<unsigned char>((*rec)[2]), c.b2);
  EXPECT_EQ(static_cast<unsigned char>((*rec)[3]), c.b3);

  DesignGrid back;
  back.ReDim(1024, 768);
  const auto d = CharRecord::Decode(*rec, back);
  ASSERT_TRUE(d);
  EXPECT_EQ(d->width, c.w);
  EXPECT_EQ(d->height, c.h);
  for (int y = 0; y < c.h; ++y)
    for (int x = 0; x < c.w; ++x) ASSERT_EQ(back.Get(x, y), grid.Get(x, y)) << x << "," << y;
}

INSTANTIATE_TEST_SUITE_P(Sizes, CodecSizes,
                         ::testing::Values(SizeCase{254, 3, 0, 254, 0, 3}, SizeCase{255, 2, 1, 0, 0, 2},
                                           SizeCase{300, 1, 1, 45, 0, 1}, SizeCase{1024, 768, 4, 4, 3, 3},
                                           SizeCase{0, 16, 0, 0, 0, 16}));

TEST(CharRecordCodec, ZeroWideGlyphIsHeaderOnlyAndWritesNoCell) {
  DesignGrid grid;
  grid.ReDim(8, 8);
  grid.Set(0, 0, 9);
  const auto rec = CharRecord::Encode(grid, 0, 5);
  ASSERT_TRUE(rec);
  EXPECT_EQ(rec->size(), 4u);
  const auto d = CharRecord::Decode(*rec, grid);
  ASSERT_TRUE(d);
  EXPECT_EQ(d->width, 0);
  EXPECT_EQ(d->height, 5);
  EXPECT_EQ(grid.Get(0, 0), 9);
}

TEST(CharRecordCodec, EncodeRefusesSizesTheFormatCannotHold) {
  DesignGrid grid;
  grid.ReDim(8, 8);
  EXPECT_FALSE(CharRecord::Encode(grid, -1, 3));
  EXPECT_FALSE(CharRecord::Encode(grid, 3, CharRecord::MaxSide + 1));
}

// Two base-255 digits carry up to 255 x 255 + 254; the top of that range is a size too.
TEST(CharRecordCodec, SidesUpTo65279RoundTrip) {
  DesignGrid grid;
  grid.ReDim(CharRecord::MaxSide, 1);
  for (const int w : {65025, 65279}) {
    grid.Set(w - 1, 0, 3);
    const auto rec = CharRecord::Encode(grid, w, 1);
    ASSERT_TRUE(rec) << w;
    EXPECT_EQ(rec->substr(0, 4), (std::string{char(255), char(w % 255), 0, 1})) << w;
    DesignGrid back;
    back.ReDim(CharRecord::MaxSide, 1);
    const auto d = CharRecord::Decode(*rec, back);
    ASSERT_TRUE(d);
    EXPECT_EQ(d->width, w);
    EXPECT_EQ(back.Get(w - 1, 0), 3);
  }
  EXPECT_EQ(CharRecord::MaxSide, 65279);
  EXPECT_FALSE(CharRecord::Encode(grid, 65280, 1));
}

TEST(CharRecordCodec, CellValuesAbove15AreKeptByteForByte) {
  std::string rec = {0, 2, 0, 1, static_cast<char>(16), static_cast<char>(255)};
  DesignGrid grid;
  grid.ReDim(4, 4);
  ASSERT_TRUE(CharRecord::Decode(rec, grid));
  EXPECT_EQ(grid.Get(0, 0), 16);
  EXPECT_EQ(grid.Get(1, 0), 255);
  EXPECT_EQ(*CharRecord::Encode(grid, 2, 1), rec);
}

TEST(CharRecordCodec, ShortRecordNeverReadsPastItsEnd) {
  // 3 x 2 glyph that carries only 4 of its 6 cells.
  std::string rec = {0, 3, 0, 2, 1, 2, 3, 4};
  DesignGrid grid;
  grid.ReDim(4, 4);
  grid.Set(1, 1, 7);
  grid.Set(2, 1, 7);
  const auto d = CharRecord::Decode(rec, grid);
  ASSERT_TRUE(d);
  EXPECT_EQ(d->width, 3);
  EXPECT_EQ(grid.Get(0, 1), 4);
  EXPECT_EQ(grid.Get(1, 1), 7);  // not in the record: left as it was
  EXPECT_EQ(grid.Get(2, 1), 7);
  EXPECT_FALSE(CharRecord::Decode(std::string(3, '\0'), grid));
}

TEST(CharRecordCodec, OversizedGlyphIsClippedToTheGrid) {
  DesignGrid big;
  big.ReDim(100, 100);
  for (int y = 0; y < 80; ++y)
    for (int x = 0; x < 90; ++x) big.Set(x, y, static_cast<uint8_t>(1 + (x + y) % 15));
  const auto rec = CharRecord::Encode(big, 90, 80);
  DesignGrid small;
  small.ReDim(32, 16);  // holds x 0..52, y 0..36
  const auto d = CharRecord::Decode(*rec, small);
  ASSERT_TRUE(d);
  EXPECT_EQ(d->width, 53);
  EXPECT_EQ(d->height, 37);
  EXPECT_EQ(small.Get(52, 36), big.Get(52, 36));
  EXPECT_EQ(small.Get(10, 5), big.Get(10, 5));
}

TEST(ModConstDefaults, InitDefaultsSetsHeaderColoursAndGrid) {
  ModConst s;
  InitDefaults(s);
  EXPECT_EQ(s.FontData.size(), 512u);
  EXPECT_EQ(s.MaxWidth, 32);
  EXPECT_EQ(s.MaxHeight, 16);
  EXPECT_EQ(s.DefaultWidth, 10);
  EXPECT_EQ(s.DefaultHeight, 16);
  EXPECT_EQ(s.CurrentColor, 1);
  EXPECT_EQ(s.CurrentChar, -1);
  EXPECT_EQ(s.DesignData.LowX(), -20);
  EXPECT_EQ(s.DesignData.HighX(), 52);
  EXPECT_EQ(s.DesignData.HighY(), 36);
  EXPECT_EQ(s.ColorTable[0], 0u);
  EXPECT_EQ(s.ColorTable[2], qRgb(255, 0, 0));
  EXPECT_EQ(s.ColorTable[15], qRgb(125, 125, 0));
  EXPECT_EQ(s.GuideColors[5], qRgb(0, 255, 255));
  EXPECT_EQ(s.OutsideColor, qRgb(230, 230, 230));
  EXPECT_EQ(s.BorderColor, qRgb(200, 100, 50));
  EXPECT_EQ(s.AuthorName, QString(50, QChar(0)));
}

TEST(ModConstDefaults, ClearDesignDataKeepsTheNegativeMargin) {
  ModConst s;
  InitDefaults(s);
  s.DesignData.Set(-1, 3, 5);
  s.DesignData.Set(3, -20, 6);
  s.DesignData.Set(0, 0, 7);
  s.DesignData.Set(52, 36, 8);
  ClearDesignData(s);
  EXPECT_EQ(s.DesignData.Get(-1, 3), 5);
  EXPECT_EQ(s.DesignData.Get(3, -20), 6);
  EXPECT_EQ(s.DesignData.Get(0, 0), 0);
  EXPECT_EQ(s.DesignData.Get(52, 36), 0);
  ReDimDesignData(s);
  EXPECT_EQ(s.DesignData.Get(-1, 3), 0);
}

TEST(ModConstDefaults, AuthorFieldIsPaddedAndCut) {
  EXPECT_EQ(FixedAuthorField("abc"), "abc" + QString(47, ' '));
  EXPECT_EQ(FixedAuthorField(QString(60, 'x')), QString(50, 'x'));
}

}  // namespace

// The font file's record check, which an import through a plug-in shares: a header
// with sides the codec can write, and at least its cells.
TEST(CharRecordCheck, IsWellFormedAsksForAWritableHeaderAndAtLeastTheCells) {
  const std::string threeByTwo = testsupport::MakeRecord(3, 2, [](int, int) { return uint8_t{1}; });
  const struct {
    std::string record;
    bool holds;
  } cases[] = {
      {threeByTwo, true},
      {threeByTwo + "kept", true},  // bytes beyond the cells are allowed
      {threeByTwo.substr(0, threeByTwo.size() - 1), false},
      {std::string("\0\0\0\0", 4), true},  // 0 x 0
      {std::string("\0\3", 2), false},     // shorter than its header
      {std::string(), false},
      {std::string("\xFF\xFE\0\0", 4), true},   // 65,279 x 0: the widest the codec writes
      {std::string("\xFF\xFF\0\0", 4), false},  // 65,280 x 0: one past it
      {std::string("\0\0\xFF\xFF", 4), false},
  };
  for (const auto& c : cases) EXPECT_EQ(doc::CharRecord::IsWellFormed(c.record), c.holds) << c.record.size();
}

// Every reader of records sees them through the view: the size as stated, a short
// record's missing cells as 0, and never a byte past the record's end.
TEST(CharRecordView, StatedSizeAndNoCellPastTheRecordsEnd) {
  const std::string full = testsupport::MakeRecord(3, 2, [](int x, int y) { return uint8_t(1 + x + 3 * y); });
  const std::string cut = full.substr(0, full.size() - 2);  // cells (1, 1) and (2, 1) missing
  for (const std::string* r : {&full, &cut}) {
    const auto v = doc::CharRecord::View::Of(*r);
    ASSERT_TRUE(v);
    EXPECT_EQ(v->Width(), 3);
    EXPECT_EQ(v->Height(), 2);
    EXPECT_EQ(v->StatedLength(), 10u);
    EXPECT_EQ(v->HoldsAllCells(), r == &full);
    EXPECT_EQ(v->At(2, 0), 3);
    EXPECT_EQ(v->At(0, 1), 4);
    EXPECT_EQ(v->At(2, 1), r == &full ? 6 : 0);
  }
  EXPECT_EQ(doc::CharRecord::View::Of(full)->Row(1)[1], 5);
  // The largest size on a header alone: its length is stated without overflow, no cell is there.
  const std::string largest{char(255), char(254), char(255), char(254)};
  const auto v = doc::CharRecord::View::Of(largest);
  ASSERT_TRUE(v);
  EXPECT_EQ(v->StatedLength(), 4 + uint64_t{65279} * 65279);
  EXPECT_FALSE(v->HoldsAllCells());
  EXPECT_EQ(v->At(65278, 65278), 0);
  EXPECT_FALSE(doc::CharRecord::View::Of(std::string_view("\0\3\0", 3)));
  EXPECT_FALSE(doc::CharRecord::View::Of(std::string_view()));
}

namespace {

TEST(CharRecordCheck, UnchangedClipIsTheTopLeftOfALargerGlyph) {
  const auto cell = [](int x, int y) { return uint8_t((x + 2 * y) % 15 + 1); };
  const std::string tall = testsupport::MakeRecord(3, 5, cell);
  struct Case {
    const char* name;
    std::string shown;
    std::string stored;
    bool clip;
  };
  std::string edited = testsupport::MakeRecord(3, 4, cell);
  edited[4 + 3 * 3 + 2] = 0;  // a cell of the last row shown, erased
  for (const Case& c : {
           Case{"top rows of a taller glyph", testsupport::MakeRecord(3, 4, cell), tall, true},
           Case{"an edited clip", edited, tall, false},
           Case{"a glyph that fits is no clip", tall, tall, false},
           Case{"a smaller size than the grid shows", testsupport::MakeRecord(2, 4, cell), tall, false},
           Case{"a stored glyph short of its cells", testsupport::MakeRecord(3, 4, cell), tall.substr(0, 10), false},
       }) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(doc::CharRecord::IsUnchangedClipOf(c.shown, c.stored, 10, 4), c.clip);
  }
}

}  // namespace
