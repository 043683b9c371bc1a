#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QMdiArea>
#include <QApplication>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QTest>

#include "TestSupport.h"
#include "editor/DesignWindow.h"

namespace {

// A host that hands the view calls to the window, as the main window does.
class WindowHost : public testsupport::FakeDesignHost {
 public:
  editor::frmDesign* window = nullptr;
  void GridRedrawn() override {
    FakeDesignHost::GridRedrawn();
    if (window) window->GridRedrawn();
  }
};

struct DesignWindowFixture {
  doc::ModConst s;
  WindowHost host;
  editor::DesignEditor ed{s, host, host, &host};
  QMdiArea area;
  editor::frmDesign* win = nullptr;
  DesignWindowFixture() {
    doc::InitDefaults(s);
    s.Zoom = 100;
    area.resize(800, 600);
    win = new editor::frmDesign(ed);
    host.window = win;
    area.addSubWindow(win);
    win->showMaximized();
    area.show();
    win->Form_Load();
  }
};

TEST(DesignWindow, RefusesACloseFromItsOwnCloseBox) {
  DesignWindowFixture f;
  EXPECT_FALSE(f.win->close());
  EXPECT_TRUE(f.win->isVisible());
  int cancel = 0;
  f.win->Form_QueryUnload(cancel, 1);  // closing with the main window
  EXPECT_EQ(cancel, 0);
}

TEST(DesignWindow, RestoredOrMinimisedComesBackMaximised) {
  DesignWindowFixture f;
  for (const auto show : {&QWidget::showNormal, &QWidget::showMinimized}) {
    (f.win->*show)();
    QApplication::processEvents();
    EXPECT_EQ(f.win->windowState() & (Qt::WindowMaximized | Qt::WindowMinimized), Qt::WindowMaximized);
  }
}

TEST(DesignWindow, ZoomingPastTheViewportEnablesBothBarsAndBackDisablesThem) {
  DesignWindowFixture f;
  f.s.Zoom = 1000;
  f.ed.DrawAll();
  EXPECT_TRUE(f.win->HScrollBar->isEnabled());
  EXPECT_TRUE(f.win->VScrollBar->isEnabled());
  f.s.Zoom = 50;
  f.ed.DrawAll();
  EXPECT_FALSE(f.win->HScrollBar->isEnabled());
  EXPECT_FALSE(f.win->VScrollBar->isEnabled());
}

TEST(DesignWindow, LoadDrawsTheEmpty8x14GlyphAt120x210) {
  DesignWindowFixture f;
  EXPECT_EQ(f.ed.CharWidth, 8);
  EXPECT_EQ(f.ed.CharHeight, 14);
  EXPECT_EQ(f.s.CurrentChar, -1);
  EXPECT_EQ(f.win->picDesign->size(), QSize(120, 210));
  EXPECT_EQ(f.win->picDesign->pos(), QPoint(0, 0));
}

TEST(DesignWindow, ScrollBarEnablesOnlyWhenTheGridOutgrowsTheViewport) {
  DesignWindowFixture f;
  const int vw1 = f.win->picWindow1->width();
  ASSERT_GT(vw1, 0);
  f.ed.PictureSize.setWidth(vw1);
  f.win->picWindow1_Resize();
  EXPECT_FALSE(f.win->HScrollBar->isEnabled());
  f.ed.PictureSize.setWidth(vw1 + 1);
  f.win->picWindow1_Resize();
  EXPECT_TRUE(f.win->HScrollBar->isEnabled());
  EXPECT_EQ(f.win->HScrollBar->maximum(), 1);
  f.ed.PictureSize.setWidth(10);
  f.win->picWindow1_Resize();
  EXPECT_FALSE(f.win->HScrollBar->isEnabled());
  EXPECT_EQ(f.win->HScrollBar->maximum(), 1);  // a disabled bar keeps its Max
}

TEST(DesignWindow, ScrollingMovesTheGridAndARedrawBringsItHome) {
  DesignWindowFixture f;
  f.s.Zoom = 300;
  f.ed.CharWidth = 32;
  f.ed.CharHeight = 16;
  f.ed.DrawAll();
  ASSERT_TRUE(f.win->HScrollBar->isEnabled());
  f.win->HScrollBar->setValue(40);
  EXPECT_EQ(f.win->picDesign->x(), -40);
  f.ed.DrawAll();
  EXPECT_EQ(f.win->HScrollBar->value(), 0);
  EXPECT_EQ(f.win->picDesign->pos(), QPoint(0, 0));
}

TEST(DesignWindow, AHugePictureIsHeldAroundTheViewportAndFollowsTheScroll) {
  DesignWindowFixture f;
  f.ed.MaxHeldPixels = 200 * 200;
  f.s.MaxWidth = f.s.MaxHeight = 2000;
  doc::ReDimDesignData(f.s);
  f.ed.CharWidth = f.ed.CharHeight = 2000;
  f.s.DesignData.Set(1990, 1990, 2);
  f.host.screen = QSize(500, 450);
  f.ed.DrawAll();
  ASSERT_FALSE(f.ed.HoldsWholePicture());
  EXPECT_LE(f.ed.DesignPicture.width(), 750);  // held: 1.5 screens at most
  EXPECT_LE(f.ed.DesignPicture.height(), 675);
  f.win->HScrollBar->SetValue(1900);
  f.win->VScrollBar->SetValue(1900);
  // The cell at (1990, 1990) now lies inside the held part, drawn in its colour.
  ASSERT_EQ(f.ed.CellSize, 1);
  const QPoint cellPixel(1990, 1990);
  const QPoint inHeld = cellPixel - f.ed.PictureOrigin;
  ASSERT_TRUE(f.ed.DesignPicture.rect().contains(inHeld));
  EXPECT_EQ(f.ed.DesignPicture.pixel(inHeld), f.s.ColorTable[2]);
}

TEST(DesignWindow, TheWheelOverTheGridScrollsIt) {
  DesignWindowFixture f;
  f.s.Zoom = 300;
  f.ed.CharWidth = 32;
  f.ed.CharHeight = 16;
  f.ed.DrawAll();
  ASSERT_TRUE(f.win->VScrollBar->isEnabled());
  QWidget* grid = f.win->picDesign;
  QWheelEvent down(QPointF(5, 5), grid->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120), Qt::NoButton,
                   Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(grid, &down);
  EXPECT_GT(f.win->VScrollBar->Value(), 0);
  EXPECT_EQ(grid->y(), -f.win->VScrollBar->Value());
}

TEST(DesignWindow, TinyMainWindowGivesNoNegativeSizes) {
  DesignWindowFixture f;
  f.area.resize(20, 10);
  f.win->Form_Resize();
  f.win->picWindow_Resize();
  EXPECT_GE(f.win->picWindow->width(), 0);
  EXPECT_GE(f.win->picWindow1->width(), 0);
  EXPECT_GE(f.win->picWindow1->height(), 0);
  EXPECT_GE(f.win->HScrollBar->width(), 0);
}

}  // namespace

namespace {

// The mouse arrives on the real picDesign widget through Qt's own event path.
TEST(DesignWindowMouse, LeftDragPaintsRightDragErasesOnTheRealWidget) {
  DesignWindowFixture f;
  QWidget* grid = f.win->picDesign;
  ASSERT_EQ(f.ed.CellSize, 10);
  QTest::mousePress(grid, Qt::LeftButton, Qt::NoModifier, QPoint(15, 15));
  QTest::mouseMove(grid, QPoint(35, 15));
  {
    // QTest's move carries no buttons; send a real drag move.
    QMouseEvent move(QEvent::MouseMove, QPointF(35, 15), grid->mapToGlobal(QPointF(35, 15)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(grid, &move);
  }
  QTest::mouseRelease(grid, Qt::LeftButton, Qt::NoModifier, QPoint(35, 15));
  EXPECT_EQ(f.s.DesignData.Get(1, 1), 1);
  EXPECT_EQ(f.s.DesignData.Get(3, 1), 1);
  EXPECT_EQ(f.s.DesignData.Get(2, 2), 0);

  QTest::mousePress(grid, Qt::RightButton, Qt::NoModifier, QPoint(15, 15));
  QTest::mouseRelease(grid, Qt::RightButton, Qt::NoModifier, QPoint(15, 15));
  EXPECT_EQ(f.s.DesignData.Get(1, 1), 0);
}

TEST(DesignWindowMouse, RectangleToolCommitsOnReleaseFromTheBand) {
  DesignWindowFixture f;
  f.s.CurrentTool = doc::ToolRectangle;
  QWidget* grid = f.win->picDesign;
  QTest::mousePress(grid, Qt::LeftButton, Qt::NoModifier, QPoint(25, 25));
  QMouseEvent move(QEvent::MouseMove, QPointF(54, 44), grid->mapToGlobal(QPointF(54, 44)), Qt::NoButton, Qt::LeftButton,
                   Qt::NoModifier);
  QApplication::sendEvent(grid, &move);
  EXPECT_TRUE(f.ed.DrawRect.Visible);
  QTest::mouseRelease(grid, Qt::LeftButton, Qt::NoModifier, QPoint(54, 44));
  EXPECT_FALSE(f.ed.DrawRect.Visible);
  int cells = 0;
  for (int y = 0; y < 14; ++y)
    for (int x = 0; x < 8; ++x) cells += f.s.DesignData.Get(x, y) != 0;
  EXPECT_EQ(cells, 12);
}

}  // namespace
