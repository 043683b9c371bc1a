#include <gtest/gtest.h>

#include <QImage>

#include "platform/PictureCapture.h"
#include "platform/Units.h"

using namespace platform;

TEST(UnitsTest, FifteenTwipsMakeOnePixel) {
  static_assert(TwipsToPixels(1965) == 131);
  EXPECT_DOUBLE_EQ(TwipsToPixels(255), 17);
  EXPECT_DOUBLE_EQ(TwipsToPixels(100), 100.0 / 15);
  EXPECT_DOUBLE_EQ(PixelsToTwips(TwipsToPixels(8670)), 8670);
}

TEST(PictureCaptureTest, CopiesTheTopLeftAreaExactly) {
  QImage preview(113, 137, QImage::Format_RGB32);
  preview.fill(Qt::white);
  preview.setPixel(0, 0, qRgb(1, 2, 3));
  preview.setPixel(46, 46, qRgb(4, 5, 6));
  preview.setPixel(47, 47, qRgb(7, 8, 9));
  const QImage thumb = CapturePicture(preview, 0, 0, 47, 47).toImage();
  ASSERT_EQ(thumb.size(), QSize(47, 47));
  EXPECT_EQ(thumb.pixel(0, 0), qRgb(1, 2, 3));
  EXPECT_EQ(thumb.pixel(46, 46), qRgb(4, 5, 6));
  EXPECT_EQ(thumb.pixel(20, 20), qRgb(255, 255, 255));
}

TEST(PictureCaptureTest, AreaBeyondTheSourceIsWhite) {
  QImage small(10, 10, QImage::Format_RGB32);
  small.fill(qRgb(0, 0, 0));
  const QImage thumb = CapturePicture(small, 0, 0, 47, 47).toImage();
  ASSERT_EQ(thumb.size(), QSize(47, 47));
  EXPECT_EQ(thumb.pixel(9, 9), qRgb(0, 0, 0));
  EXPECT_EQ(thumb.pixel(10, 10), qRgb(255, 255, 255));
  EXPECT_TRUE(CapturePicture(small, 0, 0, 0, 5).isNull());
  EXPECT_EQ(CapturePicture(QImage(), 0, 0, 3, 3).size(), QSize(3, 3));
}
