// The grid picture, the zoom fit, the preview and the scroll ranges of the design window.
#include <gtest/gtest.h>

#include <QRect>
#include <cmath>
#include <vector>

#include "TestSupport.h"
#include "editor/Render.h"
#include "document/CellColors.h"
#include "platform/Numbers.h"

namespace {

using editor::CellSizeForZoom;
using editor::ComputeScrollRange;
using editor::FitZoomToScreen;
using testsupport::EditorFixture;
using testsupport::FakeDesignHost;

QRgb Rgb(const QImage& img, int x, int y) { return img.pixel(x, y) & 0xFFFFFFu; }
QRgb Rgb(QRgb c) { return c & 0xFFFFFFu; }

// The zoom lowering as the redraw describes it, one step at a time (a moderate start only).
editor::ZoomFit SteppedFit(int64_t zoom, int64_t w, int64_t h, int64_t sw, int64_t sh) {
  auto raw = [](int64_t z) { return platform::RoundHalfEven(static_cast<double>(z * 10) / 100.0); };
  int64_t cs = std::max<int64_t>(1, static_cast<int64_t>(raw(zoom)));
  while (w * cs > sw || h * cs > sh) {
    --zoom;
    const double r = raw(zoom);
    if (r < 1) {
      cs = 1;
      break;
    }
    cs = static_cast<int64_t>(r);
  }
  return {static_cast<int32_t>(zoom), static_cast<int32_t>(cs)};
}

struct RenderTest : ::testing::Test, EditorFixture {
  const QImage& Grid() { return ed.DesignPicture; }
  QRgb At(int x, int y) { return Rgb(ed.DesignPicture, x, y); }
  void Redraw(int zoom) {
    s.Zoom = zoom;
    ed.DrawAll();
  }
};

TEST(CellSize, FollowsZoomRoundedHalfToEvenAtLeastOne) {
  const std::pair<int32_t, int32_t> cases[] = {{100, 10},
                                               {105, 10},
                                               {115, 12},
                                               {125, 12},
                                               {135, 14},
                                               {15, 2},
                                               {14, 1},
                                               {5, 1},
                                               {54, 5},
                                               {55, 6},
                                               {0, 1},
                                               {-300, 1},
                                               {2147483647, 214748365}};
  for (auto [zoom, cs] : cases) EXPECT_EQ(CellSizeForZoom(zoom), cs) << zoom;
}

TEST(ZoomFit, MatchesOneStepLowering) {
  const std::vector<std::array<int32_t, 4>> glyphsAndScreens = {
      {8, 14, 1920, 1080}, {8, 14, 100, 100}, {32, 16, 300, 5000}, {7, 3, 33, 20},         {1, 1, 5, 5},
      {0, 14, 100, 100},   {8, 0, 100, 100},  {8, 14, 5, 5},       {20000, 1, 1920, 1080}, {-4, 14, 100, 100},
      {8, 14, 0, 0},       {8, 14, -1, -1},   {3, 3, 1920, 1080}};
  for (const auto& g : glyphsAndScreens)
    for (int32_t zoom = -12; zoom <= 1500; zoom += (zoom < 200 ? 1 : 37)) {
      const auto want = SteppedFit(zoom, g[0], g[1], std::max(g[2], 0), std::max(g[3], 0));
      const auto got = FitZoomToScreen(zoom, g[0], g[1], g[2], g[3]);
      ASSERT_EQ(got.zoom, want.zoom) << zoom << " " << g[0] << "x" << g[1] << " on " << g[2] << "x" << g[3];
      ASSERT_EQ(got.cellSize, want.cellSize) << zoom;
    }
}

TEST(ZoomFit, HugeZoomSettlesWhereSteppingWould) {
  // Stepping down from 100000 already passes every zoom that does not fit.
  const auto stepped = SteppedFit(100000, 8, 14, 1920, 1080);
  const int32_t huge[] = {2000000000, 2147483647, 214748365};
  for (int32_t zoom : huge) {
    const auto got = FitZoomToScreen(zoom, 8, 14, 1920, 1080);
    EXPECT_EQ(got.zoom, stepped.zoom);
    EXPECT_EQ(got.cellSize, stepped.cellSize);
  }
  EXPECT_EQ(stepped.zoom, 774);  // 1080 / 14 = 77 cells, the largest zoom that rounds to 77
  // The smallest zoom keeps the 32-bit range instead of wrapping.
  EXPECT_EQ(FitZoomToScreen(INT32_MIN, 8, 14, 1, 1).zoom, INT32_MIN);
}

TEST_F(RenderTest, HugeZoomRedrawsAtTheFittedZoom) {
  Redraw(2000000000);
  EXPECT_EQ(host.zoomShown, 774);
  EXPECT_EQ(ed.CellSize, 77);
  EXPECT_EQ(Grid().size(), QSize(12 * 77, 21 * 77));
}

TEST_F(RenderTest, FitLowersZoomAndShowsIt) {
  host.screen = QSize(100, 100);  // 14 rows fit at 7 pixels, not at 8
  Redraw(100);
  EXPECT_EQ(host.zoomShown, 74);
  EXPECT_EQ(s.Zoom, 74);
  EXPECT_EQ(ed.CellSize, 7);
  ed.DrawAll();  // the lowered zoom stays and fits
  EXPECT_EQ(host.zoomShown, 74);

  host.screen = QSize(5, 5);  // never fits: ends at zoom 5, then one more step each redraw
  Redraw(100);
  EXPECT_EQ(host.zoomShown, 5);
  EXPECT_EQ(ed.CellSize, 1);
  ed.DrawAll();
  EXPECT_EQ(host.zoomShown, 4);
}

TEST_F(RenderTest, DefaultGlyphAtZoom100) {
  Redraw(100);
  EXPECT_EQ(ed.CellSize, 10);
  EXPECT_DOUBLE_EQ(ed.PictureWidth, 120);
  EXPECT_DOUBLE_EQ(ed.PictureHeight, 210);
  EXPECT_EQ(Grid().size(), QSize(120, 210));
  EXPECT_EQ(Grid().format(), QImage::Format_RGB32);
  EXPECT_EQ(ed.PictureOrigin, QPoint(0, 0));
  EXPECT_EQ(host.zoomShown, 100);
  EXPECT_EQ(host.glyphSizeShown, QSize(8, 14));
  EXPECT_EQ(host.gridRedraws, 1);
  EXPECT_EQ(host.previewRedraws, 1);
  EXPECT_EQ(ed.PreviewPicture.size(), QSize(109, 133));
}

TEST_F(RenderTest, OddWidthAsksHalfPixelShownAsWholePixel) {
  ed.CharWidth = 7;
  Redraw(100);
  EXPECT_DOUBLE_EQ(ed.PictureWidth, 105);
  Redraw(110);
  EXPECT_EQ(ed.CellSize, 11);
  EXPECT_DOUBLE_EQ(ed.PictureWidth, 115.5);
  EXPECT_EQ(ed.PictureSize.width(), 116);
  EXPECT_EQ(Grid().width(), 116);
  EXPECT_EQ(At(115, 100), Rgb(s.OutsideColor));  // the half pixel is outside area
}

TEST_F(RenderTest, DrawAllClampsGlyphToMaxima) {
  ed.CharWidth = 40;
  ed.CharHeight = 99;
  Redraw(100);
  EXPECT_EQ(ed.CharWidth, 32);
  EXPECT_EQ(ed.CharHeight, 16);
  EXPECT_EQ(host.glyphSizeShown, QSize(32, 16));
}

TEST_F(RenderTest, GridLinesAtMultiplesOfCellSize) {
  Redraw(100);
  // Row 147 crosses the boxes of cell row 14, all outside the 8 x 14 glyph.
  for (int x = 0; x < 120; ++x) {
    const QRgb want = x == 80 ? s.BorderColor : x % 10 == 0 ? s.GridColor : s.OutsideColor;
    ASSERT_EQ(At(x, 147), Rgb(want)) << x;
  }
  // Column 103 runs through outside cells; horizontal lines every 10 rows.
  for (int y = 0; y < 210; ++y) {
    const QRgb want = y == 140 ? s.BorderColor : y % 10 == 0 ? s.GridColor : s.OutsideColor;
    ASSERT_EQ(At(103, y), Rgb(want)) << y;
  }
}

TEST_F(RenderTest, GridLinesOnlyAboveCellSizeFive) {
  Redraw(54);
  ASSERT_EQ(ed.CellSize, 5);
  EXPECT_EQ(At(5, 7), Rgb(s.BackgroundColor));  // between boxes, the glyph's paper
  EXPECT_EQ(At(45, 77), Rgb(s.OutsideColor));
  EXPECT_EQ(At(7, 7), Rgb(s.GridColor));  // centre dots are still drawn
  EXPECT_EQ(At(40, 3), Rgb(s.BorderColor));
  Redraw(55);
  ASSERT_EQ(ed.CellSize, 6);
  EXPECT_EQ(At(6, 8), Rgb(s.GridColor));
  EXPECT_EQ(At(54, 86), Rgb(s.GridColor));
}

TEST_F(RenderTest, CentreDotInPixelHoldingTheCellCentre) {
  // The real centre x*CS + CS/2 lies in pixel floor(x*CS + CS/2), pixels covering [p, p + 1).
  struct Case {
    int zoom, cs, offset;
  };
  for (const Case c : {Case{70, 7, 3}, Case{100, 10, 5}, Case{20, 2, 1}, Case{30, 3, 1}}) {
    Redraw(c.zoom);
    ASSERT_EQ(ed.CellSize, c.cs);
    for (int cx : {0, 2, 7})
      for (int cy : {0, 5}) {
        for (int dx = 1; dx < c.cs; ++dx)
          for (int dy = 1; dy < c.cs; ++dy) {
            const bool dot = dx == c.offset && dy == c.offset;
            ASSERT_EQ(At(cx * c.cs + dx, cy * c.cs + dy), Rgb(dot ? s.GridColor : s.BackgroundColor))
                << "cs " << c.cs << " cell " << cx << "," << cy << " +" << dx << "," << dy;
          }
      }
  }
}

TEST_F(RenderTest, InkBoxLeavesGridLinePixels) {
  s.DesignData.Set(2, 3, 2);
  Redraw(100);
  const QRgb red = Rgb(s.ColorTable[2]);
  EXPECT_EQ(At(21, 31), red);
  EXPECT_EQ(At(29, 39), red);
  EXPECT_EQ(At(25, 35), red);  // no centre dot on ink
  EXPECT_EQ(At(20, 35), Rgb(s.GridColor));
  EXPECT_EQ(At(25, 30), Rgb(s.GridColor));
  EXPECT_EQ(At(30, 35), Rgb(s.GridColor));
  EXPECT_EQ(At(25, 40), Rgb(s.GridColor));
}

TEST_F(RenderTest, CellSizeOneShowsEachCellAsItsPixel) {
  s.DesignData.Set(2, 3, 2);
  Redraw(5);
  ASSERT_EQ(ed.CellSize, 1);
  EXPECT_EQ(Grid().size(), QSize(12, 21));
  EXPECT_EQ(At(2, 3), Rgb(s.ColorTable[2]));
  EXPECT_EQ(At(3, 4), Rgb(s.GridColor));  // the empty neighbour keeps its dot
  EXPECT_EQ(At(1, 2), Rgb(s.GridColor));
  EXPECT_EQ(At(9, 3), Rgb(s.OutsideColor));
}

TEST_F(RenderTest, EmptyCellsOutsideGlyphShowOutsideColour) {
  Redraw(100);
  EXPECT_EQ(At(95, 25), Rgb(s.OutsideColor));   // cell (9, 2): right of the glyph, no dot
  EXPECT_EQ(At(25, 155), Rgb(s.OutsideColor));  // cell (2, 15): below it
  EXPECT_EQ(At(115, 205), Rgb(s.OutsideColor));
  EXPECT_EQ(At(5, 5), Rgb(s.GridColor));  // inside: the dot
}

TEST_F(RenderTest, WhiteInkDrawnLikeEmptyCell) {
  s.DesignData.Set(1, 1, 5);
  Redraw(100);
  EXPECT_EQ(At(15, 15), Rgb(s.GridColor));
  EXPECT_EQ(At(12, 12), Rgb(s.BackgroundColor));
  EXPECT_EQ(s.DesignData.Get(1, 1), 5);
}

TEST_F(RenderTest, InkRightOfGlyphShowsOnGridNotInPreview) {
  s.DesignData.Set(7, 0, 2);
  s.DesignData.Set(8, 0, 3);
  Redraw(100);
  EXPECT_EQ(At(85, 5), Rgb(s.ColorTable[3]));
  EXPECT_EQ(Rgb(ed.PreviewPicture, 7, 0), Rgb(s.ColorTable[2]));
  EXPECT_EQ(Rgb(ed.PreviewPicture, 8, 0), Rgb(s.BackgroundColor));
}

TEST_F(RenderTest, DamagedCellValuesShowInFixedColour) {
  s.DesignData.Set(1, 1, 16);
  s.DesignData.Set(2, 1, 255);
  Redraw(100);
  EXPECT_EQ(At(15, 13), Rgb(doc::DamagedCellColor));
  EXPECT_EQ(At(25, 13), Rgb(doc::DamagedCellColor));
  EXPECT_EQ(Rgb(ed.PreviewPicture, 1, 1), Rgb(doc::DamagedCellColor));
  EXPECT_EQ(Rgb(ed.PreviewPicture, 2, 1), Rgb(doc::DamagedCellColor));
}

TEST_F(RenderTest, GuidesInOrderAndBorderLast) {
  s.GuideLine[0][0] = 3;           // vertical, blue
  s.GuideLine[1][2] = 2;           // horizontal, dark green, drawn after guide 0
  s.GuideLine[0][4] = 8;           // at the glyph's width: under the border
  s.GuideLine[1][5] = 2000000000;  // far outside any picture
  s.GuideLine[0][1] = -4;
  Redraw(100);
  EXPECT_EQ(At(30, 5), Rgb(s.GuideColors[0]));
  EXPECT_EQ(At(30, 205), Rgb(s.GuideColors[0]));  // over the whole height
  EXPECT_EQ(At(5, 20), Rgb(s.GuideColors[2]));
  EXPECT_EQ(At(115, 20), Rgb(s.GuideColors[2]));
  EXPECT_EQ(At(30, 20), Rgb(s.GuideColors[2]));  // the later guide covers the crossing
  EXPECT_EQ(At(80, 50), Rgb(s.BorderColor));
  EXPECT_EQ(At(0, 5), Rgb(s.GridColor));  // no border on the picture's own edge
}

TEST_F(RenderTest, PreviewOfWideGlyphIsSampledAcrossOnly) {
  s.MaxWidth = 120;
  doc::ReDimDesignData(s);
  ed.CharWidth = 120;
  ed.CharHeight = 10;
  for (int x = 1; x < 120; x += 2) s.DesignData.Set(x, 3, 2);  // odd columns of row 3
  for (int x = 0; x < 120; ++x) s.DesignData.Set(x, 9, 4);     // the whole last row
  Redraw(100);
  const QImage& p = ed.PreviewPicture;
  const QRgb red = Rgb(s.ColorTable[2]), yellow = Rgb(s.ColorTable[4]), paper = Rgb(s.BackgroundColor);
  // Step 120 / 109: preview column 1 samples x 1.1 -> 1 (ink), column 5 samples x 5.5 -> 6.
  EXPECT_EQ(Rgb(p, 1, 3), red);
  EXPECT_EQ(Rgb(p, 5, 3), paper);
  EXPECT_EQ(Rgb(p, 0, 3), paper);
  // Rows are one per cell: row 3 alone holds the stripes, row 9 the full line, row 10 nothing.
  EXPECT_EQ(Rgb(p, 1, 2), paper);
  EXPECT_EQ(Rgb(p, 1, 4), paper);
  for (int px = 0; px < 109; ++px) ASSERT_EQ(Rgb(p, px, 9), yellow) << px;
  EXPECT_EQ(Rgb(p, 50, 10), paper);
}

TEST_F(RenderTest, PaintCellKeepsGridLineAndReportsItsBox) {
  struct Host : FakeDesignHost {
    std::vector<QRect> changed;
    void GridPictureChanged(const QRect& r) override { changed.push_back(r); }
  } recording;
  editor::DesignEditor editor(s, recording, recording, &recording);
  editor.DrawAll();
  editor.PaintCell(2, 3, s.ColorTable[2]);
  ASSERT_EQ(recording.changed.size(), 1u);
  EXPECT_EQ(recording.changed[0], QRect(QPoint(21, 31), QPoint(29, 39)));
  EXPECT_EQ(Rgb(editor.DesignPicture, 21, 31), Rgb(s.ColorTable[2]));
  EXPECT_EQ(Rgb(editor.DesignPicture, 20, 31), Rgb(s.GridColor));
  editor.PaintCell(5000, 2, s.ColorTable[2]);  // off the picture: nothing to show
  EXPECT_EQ(recording.changed.size(), 1u);
}

TEST_F(RenderTest, LargePictureIsHeldAsWindowRenderedLikeTheWhole) {
  // 40 x 30 cells on a 10 x 8 screen: cell size 1, a 60 x 45 picture.
  s.MaxWidth = 40;
  s.MaxHeight = 30;
  doc::ReDimDesignData(s);
  ed.CharWidth = 40;
  ed.CharHeight = 30;
  host.screen = QSize(10, 8);
  for (int i = 0; i < 40; ++i) s.DesignData.Set(i, (i * 7) % 31, static_cast<uint8_t>(1 + i % 15));
  s.GuideLine[0][0] = 11;
  s.GuideLine[1][3] = 9;

  EditorFixture whole;
  whole.s = s;
  whole.host.screen = host.screen;
  whole.ed.CharWidth = 40;
  whole.ed.CharHeight = 30;
  whole.ed.DrawAll();
  ASSERT_TRUE(whole.ed.HoldsWholePicture());
  ASSERT_EQ(whole.ed.DesignPicture.size(), QSize(60, 45));

  ed.MaxHeldPixels = 100;
  ed.DrawAll();
  ASSERT_FALSE(ed.HoldsWholePicture());
  EXPECT_EQ(ed.PictureSize, QSize(60, 45));
  EXPECT_EQ(ed.PictureOrigin, QPoint(0, 0));
  EXPECT_EQ(ed.DesignPicture.size(), QSize(15, 12));  // 1.5 screens

  for (const QRect visible : {QRect(0, 0, 10, 8), QRect(30, 20, 10, 8), QRect(50, 37, 10, 8), QRect(5, 30, 20, 15)}) {
    ed.RenderArea(visible);
    const QRect held(ed.PictureOrigin, ed.DesignPicture.size());
    ASSERT_TRUE(held.contains(visible)) << visible.x() << "," << visible.y();
    for (int y = held.top(); y <= held.bottom(); ++y)
      for (int x = held.left(); x <= held.right(); ++x)
        ASSERT_EQ(Rgb(ed.DesignPicture, x - held.x(), y - held.y()), Rgb(whole.ed.DesignPicture, x, y))
            << x << "," << y;
  }
  EXPECT_FALSE(ed.RenderArea(QRect(6, 31, 10, 8)));         // still inside the held window
  EXPECT_FALSE(whole.ed.RenderArea(QRect(30, 20, 10, 8)));  // whole pictures never re-render
}

TEST_F(RenderTest, HugeGlyphAtCellSizeOneKeepsMemoryToTheScreen) {
  s.MaxWidth = 4000;
  s.MaxHeight = 4000;
  doc::ReDimDesignData(s);
  ed.CharWidth = 4000;
  ed.CharHeight = 4000;
  s.DesignData.Set(3000, 3500, 2);
  Redraw(100);
  ASSERT_EQ(ed.CellSize, 1);
  EXPECT_EQ(ed.PictureSize, QSize(6000, 6000));
  EXPECT_LE(ed.DesignPicture.width(), 1920 * 3 / 2);
  EXPECT_LE(ed.DesignPicture.height(), 1080 * 3 / 2);
  EXPECT_TRUE(ed.RenderArea(QRect(2900, 3400, 800, 600)));
  const QPoint o = ed.PictureOrigin;
  EXPECT_EQ(Rgb(ed.DesignPicture, 3000 - o.x(), 3500 - o.y()), Rgb(s.ColorTable[2]));
  EXPECT_EQ(Rgb(ed.DesignPicture, 3001 - o.x(), 3500 - o.y()), Rgb(s.GridColor));
  ed.PaintCell(3001, 3500, s.ColorTable[3]);  // tools paint into the held window
  EXPECT_EQ(Rgb(ed.DesignPicture, 3001 - o.x(), 3500 - o.y()), Rgb(s.ColorTable[3]));
}

// The picture painted step by step, pixel by pixel, in the drawing order of a redraw.
QImage PaintedStepByStep(const doc::ModConst& s, int64_t w, int64_t h, int64_t cs, QSize size) {
  QImage img(size, QImage::Format_RGB32);
  img.fill(s.OutsideColor);
  const auto box = [&](int64_t x1, int64_t y1, int64_t x2, int64_t y2, QRgb c) {
    for (int64_t y = std::min(y1, y2); y <= std::max(y1, y2); ++y)
      for (int64_t x = std::min(x1, x2); x <= std::max(x1, x2); ++x)
        if (x >= 0 && y >= 0 && x < size.width() && y < size.height()) img.setPixel(int(x), int(y), c);
  };
  const int64_t lastX = size.width() - 1, lastY = size.height() - 1;
  box(0, 0, w * cs, h * cs, s.BackgroundColor);
  if (cs > 5) {
    for (int64_t x = 0; x <= lastX; x += cs) box(x, 0, x, lastY, s.GridColor);
    for (int64_t y = 0; y <= lastY; y += cs) box(0, y, lastX, y, s.GridColor);
  }
  for (int k = 0; k < 6; ++k) {
    if (s.GuideLine[0][k]) box(s.GuideLine[0][k] * cs, 0, s.GuideLine[0][k] * cs, lastY, s.GuideColors[k]);
    if (s.GuideLine[1][k]) box(0, s.GuideLine[1][k] * cs, lastX, s.GuideLine[1][k] * cs, s.GuideColors[k]);
  }
  box(w * cs, 0, w * cs, lastY, s.BorderColor);
  box(0, h * cs, lastX, h * cs, s.BorderColor);
  for (int64_t x = 0; x <= s.MaxWidth; ++x)
    for (int64_t y = 0; y <= s.MaxHeight; ++y) {
      const uint8_t v = s.DesignData.Get(int(x), int(y));
      const QRgb c = v ? doc::CellInkColor(s.ColorTable, v) : (x >= w || y >= h) ? s.OutsideColor : s.BackgroundColor;
      if (Rgb(c) == Rgb(s.BackgroundColor)) {
        const int64_t dx = static_cast<int64_t>(std::floor(x * cs + cs / 2.0));
        const int64_t dy = static_cast<int64_t>(std::floor(y * cs + cs / 2.0));
        box(dx, dy, dx, dy, s.GridColor);
      } else if (cs == 1) {
        box(x, y, x, y, c);
      } else {
        box(x * cs + 1, y * cs + 1, x * cs + cs - 1, y * cs + cs - 1, c);
      }
    }
  return img;
}

TEST_F(RenderTest, PictureMatchesStepByStepPainting) {
  for (int x = 0; x <= 32; ++x)
    for (int y = 0; y <= 16; ++y)
      if ((x * 5 + y * 3) % 4 == 0) s.DesignData.Set(x, y, static_cast<uint8_t>((x * 7 + y) % 18));
  s.DesignData.Set(3, 3, 200);
  s.GuideLine[0][1] = 2;
  s.GuideLine[1][1] = 4;
  s.GuideLine[0][5] = 9;
  s.GuideLine[1][0] = 4;  // same row as a later guide: the later one wins
  s.GuideLine[1][4] = 14;
  struct Case {
    int zoom, w, h;
  };
  for (const Case c : {Case{5, 32, 16}, Case{5, 9, 13}, Case{20, 9, 13}, Case{20, 9, 14}, Case{50, 8, 14},
                       Case{60, 7, 13}, Case{70, 32, 16}, Case{110, 7, 11}, Case{100, 0, 5}, Case{100, 8, 0}}) {
    ed.CharWidth = c.w;
    ed.CharHeight = c.h;
    Redraw(c.zoom);
    const QImage want = PaintedStepByStep(s, c.w, c.h, ed.CellSize, ed.PictureSize);
    ASSERT_EQ(Grid().size(), want.size()) << c.zoom;
    for (int y = 0; y < want.height(); ++y)
      for (int x = 0; x < want.width(); ++x)
        ASSERT_EQ(At(x, y), Rgb(want, x, y)) << "zoom " << c.zoom << " at " << x << "," << y;
  }
}

TEST(ScrollRange, EnabledOnlyWhenPictureExceedsViewport) {
  struct Case {
    double picture;
    int viewport;
    bool enabled;
    int max;
  };
  const Case cases[] = {{100, 100, false, 0},   {101, 100, true, 1},    {50, 100, false, 0},
                        {115.5, 100, true, 16}, {116.5, 100, true, 16}, {100.5, 100, true, 0}};
  for (const Case& c : cases) {
    const auto r = ComputeScrollRange(c.picture, c.viewport);
    EXPECT_EQ(r.enabled, c.enabled) << c.picture;
    if (c.enabled)
      EXPECT_EQ(r.max, c.max) << c.picture;
    else
      EXPECT_FALSE(r.max.has_value()) << c.picture;  // Max stays as it was
  }
}

}  // namespace
