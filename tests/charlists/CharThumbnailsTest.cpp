#include <QImage>
#include <gtest/gtest.h>

#include "DocumentTestSupport.h"
#include "document/CellColors.h"
#include "document/ModConst.h"
#include "charlists/CharThumbnails.h"

namespace {

using charlists::ThumbnailImage;

using testsupport::MakeRecord;

std::array<QRgb, 16> Colors() {
  doc::ModConst s;
  doc::InitDefaults(s);
  return s.ColorTable;
}

// Bounding box of the pixels that are not white.
QRect Ink(const QImage& img) {
  QRect box;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x)
      if ((img.pixel(x, y) & 0xffffff) != 0xffffff) box |= QRect(x, y, 1, 1);
  return box;
}

bool AllWhite(const QImage& img) { return Ink(img).isNull(); }

struct Geometry {
  int w, h;
  QSize extent;  // columns and rows the sampling visits
  QSize ink;     // a solid glyph: the extra empty column and row take the last samples
};

class ThumbnailGeometry : public ::testing::TestWithParam<Geometry> {};

TEST_P(ThumbnailGeometry, LargerSideSpansTheThumbnail) {
  const Geometry g = GetParam();
  const std::string rec = MakeRecord(g.w, g.h, [](int, int) { return 2; });
  QImage picture(109, 133, QImage::Format_RGB32);
  picture.fill(Qt::blue);
  const charlists::ThumbnailExtent e = charlists::DrawThumbnail(rec, Colors(), picture);
  EXPECT_EQ(QSize(e.width, e.height), g.extent);
  EXPECT_EQ(picture.size(), QSize(109, 133));
  EXPECT_EQ(Ink(picture), QRect(QPoint(0, 0), g.ink));
  EXPECT_EQ(picture.pixel(0, 0), qRgb(255, 0, 0));
  EXPECT_EQ(picture.pixel(108, 132), qRgb(255, 255, 255));  // the whole picture is cleared
}

INSTANTIATE_TEST_SUITE_P(Sizes, ThumbnailGeometry,
                         ::testing::Values(Geometry{10, 16, {30, 47}, {28, 46}}, Geometry{94, 47, {47, 24}, {47, 24}},
                                           Geometry{47, 47, {47, 47}, {47, 47}},
                                           Geometry{1024, 768, {47, 36}, {47, 36}}));

TEST(Thumbnail, SamplesEverySecondCellOfEverySecondRowAtStepTwo) {
  // Ink only where x or y is odd: the sampling at step 2 never meets it.
  const auto colors = Colors();
  EXPECT_TRUE(AllWhite(ThumbnailImage(MakeRecord(94, 47, [](int x, int y) { return (x | y) & 1 ? 1 : 0; }), colors)));
  const QImage even = ThumbnailImage(MakeRecord(94, 47, [](int x, int y) { return (x | y) & 1 ? 0 : 1; }), colors);
  EXPECT_EQ(Ink(even), QRect(0, 0, 47, 24));
}

TEST(Thumbnail, CellsTakeTheirColourTableEntry) {
  const QImage img = ThumbnailImage(MakeRecord(2, 1, [](int x, int) { return x == 0 ? 10 : 15; }), Colors());
  EXPECT_EQ(img.pixel(0, 0), qRgb(0, 0, 255));
  EXPECT_EQ(img.pixel(30, 0), qRgb(125, 125, 0));    // 30 / 23.5 rounds to column 1
  EXPECT_EQ(img.pixel(46, 0), qRgb(255, 255, 255));  // the empty extra column
}

TEST(Thumbnail, GlyphWithoutInkIsWhite) {
  EXPECT_TRUE(AllWhite(ThumbnailImage(MakeRecord(10, 16, [](int, int) { return 0; }), Colors())));
}

TEST(Thumbnail, DamagedRecordsGiveAWhiteThumbnail) {
  const auto colors = Colors();
  std::string shortByOne = MakeRecord(10, 16, [](int, int) { return 1; });
  shortByOne.pop_back();
  const std::string cases[] = {std::string("\x01", 1),
                               std::string(3, '\x05'),
                               MakeRecord(0, 0, nullptr),
                               MakeRecord(0, 16, nullptr),
                               MakeRecord(16, 0, nullptr),
                               shortByOne,
                               std::string("\x04\x04\x03\x03", 4)};  // 1024 x 768 with no cells
  for (const std::string& rec : cases) {
    QImage picture(109, 133, QImage::Format_RGB32);
    picture.fill(Qt::green);
    const auto e = charlists::DrawThumbnail(rec, colors, picture);
    EXPECT_TRUE(AllWhite(picture)) << rec.size();
    EXPECT_EQ(e.width, 0);
  }
}

TEST(Thumbnail, CellValuesBeyondTheColourTableShowAsOnTheGrid) {
  const QImage img = ThumbnailImage(MakeRecord(1, 1, [](int, int) { return 200; }), Colors());
  EXPECT_EQ(img.pixel(0, 0), doc::DamagedCellColor);
}

TEST(Thumbnail, NullPictureIsMadeLargeEnough) {
  QImage picture;
  charlists::DrawThumbnail(MakeRecord(3, 3, [](int, int) { return 1; }), Colors(), picture);
  EXPECT_GE(picture.width(), 47);
  EXPECT_GE(picture.height(), 47);
  EXPECT_EQ(picture.pixel(0, 0), qRgb(0, 0, 0));
}

TEST(EmptyIcon, LightGreyAntialiasedAOnWhite) {
  const QImage icon = charlists::MakeEmptyIcon();
  ASSERT_EQ(icon.size(), QSize(48, 48));
  int grey = 0, soft = 0;
  for (int y = 0; y < 48; ++y)
    for (int x = 0; x < 48; ++x) {
      const QRgb p = icon.pixel(x, y);
      ASSERT_TRUE(qRed(p) == qGreen(p) && qGreen(p) == qBlue(p)) << x << "," << y;
      ASSERT_GE(qRed(p), 192);
      grey += qRed(p) == 192;
      soft += qRed(p) > 192 && qRed(p) < 255;
    }
  EXPECT_GT(grey, 100);
  EXPECT_GT(soft, 20);
  for (QPoint corner : {QPoint(0, 0), QPoint(47, 0), QPoint(0, 47), QPoint(47, 47)})
    EXPECT_EQ(icon.pixel(corner), qRgb(255, 255, 255));
  // Centred: the ink box is as far from the left edge as from the right.
  const QRect box = Ink(icon);
  EXPECT_LE(std::abs(box.left() - (47 - box.right())), 1);
}

}  // namespace
