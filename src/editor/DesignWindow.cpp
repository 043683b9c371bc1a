#include "editor/DesignWindow.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QPainter>
#include <QScreen>
#include <algorithm>

#include "editor/Render.h"
#include "platform/Numbers.h"
#include "platform/Units.h"

namespace editor {

namespace {

int ButtonBits(Qt::MouseButtons b) {
  int bits = 0;
  if (b & Qt::LeftButton) bits |= ButtonLeft;
  if (b & Qt::RightButton) bits |= ButtonRight;
  if (b & Qt::MiddleButton) bits |= ButtonMiddle;
  return bits;
}

int ShiftBits(Qt::KeyboardModifiers m) {
  int bits = 0;
  if (m & Qt::ShiftModifier) bits |= 1;
  if (m & Qt::ControlModifier) bits |= 2;
  if (m & Qt::AltModifier) bits |= 4;
  return bits;
}

// Sizes never go below zero, however small the window gets.
int NonNegative(int v) { return std::max(v, 0); }

}  // namespace

DesignPicture::DesignPicture(DesignEditor& ed, QWidget* parent) : QWidget(parent), ed_(ed) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(false);
}

void DesignPicture::paintEvent(QPaintEvent* e) {
  QPainter p(this);
  p.fillRect(e->rect(), QColor::fromRgb(ed_.S.OutsideColor));
  // A huge picture is held only around the viewport, from PictureOrigin on.
  if (!ed_.DesignPicture.isNull()) p.drawImage(ed_.PictureOrigin, ed_.DesignPicture);
  // Rubber bands: every pixel they cover shows the inverse of the picture.
  if (ed_.DrawLine.Visible || ed_.DrawRect.Visible) {
    p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    p.setPen(QPen(Qt::white, 1));
    p.setBrush(Qt::NoBrush);
    if (ed_.DrawLine.Visible)
      p.drawLine(QPointF(ed_.DrawLine.X1, ed_.DrawLine.Y1), QPointF(ed_.DrawLine.X2, ed_.DrawLine.Y2));
    if (ed_.DrawRect.Visible)
      p.drawRect(QRectF(ed_.DrawRect.Left, ed_.DrawRect.Top, ed_.DrawRect.Width, ed_.DrawRect.Height));
  }
}

void DesignPicture::mousePressEvent(QMouseEvent* e) {
  const QPointF pos = e->position();
  ed_.picDesign_MouseDown(ButtonBits(e->button()), ShiftBits(e->modifiers()), static_cast<float>(pos.x()),
                          static_cast<float>(pos.y()));
  update();
}

void DesignPicture::mouseMoveEvent(QMouseEvent* e) {
  const int held = ButtonBits(e->buttons());
  if (held == 0) return;
  const QPointF pos = e->position();
  ed_.picDesign_MouseMove(held, ShiftBits(e->modifiers()), static_cast<float>(pos.x()), static_cast<float>(pos.y()));
  if (ed_.DrawLine.Visible || ed_.DrawRect.Visible) update();
}

void DesignPicture::mouseReleaseEvent(QMouseEvent* e) {
  const QPointF pos = e->position();
  ed_.picDesign_MouseUp(ButtonBits(e->button()), ShiftBits(e->modifiers()), static_cast<float>(pos.x()),
                        static_cast<float>(pos.y()));
  update();
}

PreviewPicture::PreviewPicture(DesignEditor& ed, QWidget* parent) : QWidget(parent), ed_(ed) {}

void PreviewPicture::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const int fx = (width() - DesignEditor::PreviewWidth) / 2;
  const int fy = (height() - DesignEditor::PreviewHeight) / 2;
  p.fillRect(QRect(fx, fy, DesignEditor::PreviewWidth, DesignEditor::PreviewHeight),
             QColor::fromRgb(ed_.S.BackgroundColor));
  if (!ed_.PreviewPicture.isNull()) p.drawImage(QPoint(fx, fy), ed_.PreviewPicture);
  p.setPen(palette().color(QPalette::Mid));
  p.drawRect(rect().adjusted(0, 0, -1, -1));
}

frmDesign::frmDesign(DesignEditor& ed, QWidget* parent) : QMdiSubWindow(parent), ed_(ed) {
  setWindowTitle(QStringLiteral("Design Font"));
  setAttribute(Qt::WA_DeleteOnClose, false);
  body_ = new QWidget(this);
  setWidget(body_);

  picToolBarLeft = new QWidget(body_);
  picPreview = new PreviewPicture(ed_, picToolBarLeft);
  picPreview->setGeometry(8, 8, 113, 137);

  picWindow = new QWidget(body_);
  picWindow1 = new QWidget(picWindow);
  picWindow1->setAutoFillBackground(true);
  picDesign = new DesignPicture(ed_, picWindow1);
  HScrollBar = new controls::ScrollBar(Qt::Horizontal, picWindow);
  VScrollBar = new controls::ScrollBar(Qt::Vertical, picWindow);
  HScrollBar->SetEnabled(false);
  VScrollBar->SetEnabled(false);
  // A cell of the default zoom per arrow click, a viewport per page.
  HScrollBar->setSingleStep(10);
  VScrollBar->setSingleStep(10);
  connect(HScrollBar, &controls::ScrollBar::Change, this, [this] { HScrollBar_Change(); });
  connect(VScrollBar, &controls::ScrollBar::Change, this, [this] { VScrollBar_Change(); });

  body_->installEventFilter(this);
  picWindow->installEventFilter(this);
  picWindow1->installEventFilter(this);
  picDesign->installEventFilter(this);
}

void frmDesign::Form_Load() { ed_.FormLoad(); }

void frmDesign::Form_QueryUnload(int& cancel, int unloadMode) {
  // The editor stays open for the whole run: only the main window's close ends it.
  if (unloadMode == 0) cancel = 1;
}

void frmDesign::closeEvent(QCloseEvent* e) {
  int cancel = 0;
  Form_QueryUnload(cancel, 0);
  if (cancel)
    e->ignore();
  else
    QMdiSubWindow::closeEvent(e);
}

void frmDesign::changeEvent(QEvent* e) {
  QMdiSubWindow::changeEvent(e);
  if (e->type() == QEvent::WindowStateChange && !(windowState() & Qt::WindowMaximized) && mdiArea())
    QMetaObject::invokeMethod(
        this, [this] { showMaximized(); }, Qt::QueuedConnection);
}

bool frmDesign::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Wheel && (watched == picWindow1 || watched == picDesign)) {
    // The wheel over the grid scrolls it: across with Shift or a sideways wheel.
    const auto* wheel = static_cast<QWheelEvent*>(event);
    const QPoint d = wheel->angleDelta();
    const bool across = d.x() != 0 || (wheel->modifiers() & Qt::ShiftModifier);
    controls::ScrollBar* bar = across ? HScrollBar : VScrollBar;
    const int notches = (d.x() != 0 ? d.x() : d.y()) / 120;
    if (bar->isEnabled() && notches != 0) bar->SetValue(bar->Value() - notches * 3 * bar->singleStep());
    return true;
  }
  if (event->type() == QEvent::Resize) {
    if (watched == body_)
      Form_Resize();
    else if (watched == picWindow)
      picWindow_Resize();
    else if (watched == picWindow1)
      picWindow1_Resize();
  }
  return QMdiSubWindow::eventFilter(watched, event);
}

void frmDesign::Form_Resize() {
  const int t = ToolBarLeftWidth;
  const int gap = platform::RoundToInt32(platform::TwipsToPixels(50));
  const int sw = body_->width();
  const int sh = body_->height();
  picToolBarLeft->setGeometry(0, 0, t, sh);
  picWindow->setGeometry(t + gap, 0, NonNegative(sw - t - gap), NonNegative(sh - gap));
}

void frmDesign::picWindow_Resize() {
  const int sw = picWindow->width();
  const int sh = picWindow->height();
  const int vw = ScrollBarThickness;
  const int hh = ScrollBarThickness;
  VScrollBar->setGeometry(NonNegative(sw - vw), 0, vw, NonNegative(sh - hh));
  HScrollBar->setGeometry(0, NonNegative(sh - hh), NonNegative(sw - vw), hh);
  picWindow1->setGeometry(0, 0, NonNegative(sw - vw), NonNegative(sh - hh));
}

void frmDesign::picWindow1_Resize() {
  // A disabled bar keeps its Max.
  const auto apply = [](controls::ScrollBar* bar, const ScrollRange& r) {
    if (r.max) bar->SetMax(*r.max);
    bar->SetEnabled(r.enabled);
  };
  apply(HScrollBar, ComputeScrollRange(ed_.PictureSize.width(), picWindow1->width()));
  apply(VScrollBar, ComputeScrollRange(ed_.PictureSize.height(), picWindow1->height()));
  RenderVisibleArea();
}

void frmDesign::HScrollBar_Change() {
  picDesign->move(-HScrollBar->Value(), picDesign->y());
  RenderVisibleArea();
}

void frmDesign::VScrollBar_Change() {
  picDesign->move(picDesign->x(), -VScrollBar->Value());
  RenderVisibleArea();
}

void frmDesign::RenderVisibleArea() {
  if (ed_.RenderArea(QRect(HScrollBar->Value(), VScrollBar->Value(), picWindow1->width(), picWindow1->height())))
    picDesign->update();
}

QSize frmDesign::ScreenSize() {
  const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
  return screen ? screen->size() : QSize(1024, 768);
}

void frmDesign::GridRedrawn() {
  picDesign->resize(ed_.PictureSize);
  // An arrow click moves a cell, a page click a viewport.
  HScrollBar->setSingleStep(std::max(ed_.CellSize, 10));
  VScrollBar->setSingleStep(std::max(ed_.CellSize, 10));
  HScrollBar->setPageStep(std::max(picWindow1->width(), 1));
  VScrollBar->setPageStep(std::max(picWindow1->height(), 1));
  HScrollBar->SetValue(0);
  VScrollBar->SetValue(0);
  picWindow1_Resize();
  picDesign->update();
}

void frmDesign::GridPictureChanged(const QRect& area) { picDesign->update(area); }

void frmDesign::PreviewRedrawn() { picPreview->update(); }

}  // namespace editor
