#include "shell/ToolIcons.h"

#include <QApplication>
#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <functional>

#include "controls/ToolBarControl.h"

namespace shell {

namespace {

QIcon Drawn(const std::function<void(QPainter&)>& paint) {
  return controls::PaintedIcon([&paint](QPainter& p, int size) {
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 16.0, size / 16.0);
    paint(p);
  });
}

const QColor kInk(40, 40, 40);
const QColor kAccent(30, 100, 200);

QPen Pen(const QColor& c, double width = 1.2) { return QPen(c, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

// A letter drawn in ink, centred in the box.
void DrawLetter(QPainter& p, const QRectF& box, const QString& text, const char* family, int pixels, bool bold = false,
                bool italic = false, bool underline = false) {
  QFont f(QString::fromLatin1(family));
  f.setPixelSize(pixels);
  f.setBold(bold);
  f.setItalic(italic);
  f.setUnderline(underline);
  p.setFont(f);
  p.setPen(kInk);
  p.drawText(box, Qt::AlignCenter, text);
}

QIcon Letter(const QString& text, bool bold, bool italic, bool underline) {
  return Drawn(
      [=](QPainter& p) { DrawLetter(p, QRectF(0, 0, 16, 16), text, "DejaVu Serif", 13, bold, italic, underline); });
}

// A filled arrow head at (x, y) pointing by the angle in degrees (0 = right).
void ArrowHead(QPainter& p, QPointF tip, double degrees, const QColor& c) {
  p.save();
  p.translate(tip);
  p.rotate(degrees);
  QPainterPath head;
  head.moveTo(0, 0);
  head.lineTo(-4.5, -3.5);
  head.lineTo(-4.5, 3.5);
  head.closeSubpath();
  p.fillPath(head, c);
  p.restore();
}

QIcon Arrow(double degrees) {
  return Drawn([=](QPainter& p) {
    p.translate(8, 8);
    p.rotate(degrees);
    p.setPen(Pen(kAccent, 2.2));
    p.drawLine(QPointF(-6, 0), QPointF(2, 0));
    ArrowHead(p, QPointF(7, 0), 0, kAccent);
  });
}

// Width or height change: a double arrow along the axis and a plus or minus.
QIcon Resize(bool horizontal, bool grow) {
  return Drawn([=](QPainter& p) {
    p.save();
    if (!horizontal) {
      p.translate(16, 0);
      p.rotate(90);
    }
    p.setPen(Pen(kInk, 1.4));
    p.drawLine(QPointF(2.5, 11), QPointF(13.5, 11));
    ArrowHead(p, QPointF(15, 11), 0, kInk);
    ArrowHead(p, QPointF(1, 11), 180, kInk);
    p.restore();
    const QPointF c = horizontal ? QPointF(8, 4.5) : QPointF(4.5, 8);
    p.setPen(Pen(grow ? QColor(0, 140, 0) : QColor(200, 0, 0), 2));
    p.drawLine(c + QPointF(-3, 0), c + QPointF(3, 0));
    if (grow) p.drawLine(c + QPointF(0, -3), c + QPointF(0, 3));
  });
}

QIcon Flip(bool horizontal) {
  return Drawn([=](QPainter& p) {
    if (!horizontal) {
      p.translate(16, 0);
      p.rotate(90);
    }
    QPainterPath left, right;
    left.moveTo(6.5, 3);
    left.lineTo(6.5, 13);
    left.lineTo(1, 13);
    left.closeSubpath();
    right.moveTo(9.5, 3);
    right.lineTo(9.5, 13);
    right.lineTo(15, 13);
    right.closeSubpath();
    p.fillPath(left, kInk);
    p.setPen(Pen(kInk, 1));
    p.drawPath(right);
    p.setPen(QPen(kAccent, 1, Qt::DashLine));
    p.drawLine(QPointF(8, 0.5), QPointF(8, 15.5));
  });
}

QIcon Guide(bool vertical) {
  return Drawn([=](QPainter& p) {
    p.setPen(Pen(QColor(150, 150, 150), 1));
    p.drawRect(QRectF(1.5, 1.5, 13, 13));
    p.setPen(QPen(QColor(0, 0, 255), 1.6, Qt::DashLine));
    if (vertical)
      p.drawLine(QPointF(8, 1.5), QPointF(8, 14.5));
    else
      p.drawLine(QPointF(1.5, 8), QPointF(14.5, 8));
  });
}

// Previous or next character: a letter with a pointer beside it.
QIcon StepChar(bool next) {
  return Drawn([=](QPainter& p) {
    DrawLetter(p, QRectF(next ? 0 : 6, 0, 10, 16), QStringLiteral("A"), "DejaVu Sans", 11, true);
    ArrowHead(p, next ? QPointF(15.5, 8) : QPointF(0.5, 8), next ? 0 : 180, kAccent);
  });
}

QIcon Curved(bool forward) {
  return Drawn([=](QPainter& p) {
    if (!forward) {
      p.translate(16, 0);
      p.scale(-1, 1);
    }
    p.setPen(Pen(kAccent, 1.8));
    p.drawArc(QRectF(2, 4, 11, 10), 180 * 16, -200 * 16);
    ArrowHead(p, QPointF(13.5, 9), 100, kAccent);
  });
}

QIcon Standard(QStyle::StandardPixmap which) { return QApplication::style()->standardIcon(which); }

}  // namespace

QIcon NewIcon() { return Standard(QStyle::SP_FileIcon); }

QIcon OpenIcon() { return Standard(QStyle::SP_DialogOpenButton); }

QIcon SaveIcon() { return Standard(QStyle::SP_DialogSaveButton); }

QIcon UndoIcon() { return Curved(false); }

QIcon RedoIcon() { return Curved(true); }

QIcon CopyIcon() {
  return Drawn([](QPainter& p) {
    p.setPen(Pen(kInk, 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(1.5, 1.5, 8, 10));
    p.drawRect(QRectF(6.5, 4.5, 8, 10));
  });
}

QIcon PasteIcon() {
  return Drawn([](QPainter& p) {
    p.setPen(Pen(QColor(120, 80, 30), 1));
    p.setBrush(QColor(200, 160, 90));
    p.drawRoundedRect(QRectF(1.5, 2.5, 10, 12.5), 1, 1);
    p.setBrush(QColor(90, 90, 90));
    p.drawRect(QRectF(4.5, 1, 4, 3));
    p.setPen(Pen(kInk, 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(7.5, 6.5, 7, 8.5));
  });
}

QIcon ClearIcon() {
  return Drawn([](QPainter& p) {
    p.setPen(Pen(QColor(150, 150, 150), 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(1.5, 1.5, 13, 13));
    p.setPen(Pen(QColor(200, 0, 0), 2));
    p.drawLine(QPointF(4.5, 4.5), QPointF(11.5, 11.5));
    p.drawLine(QPointF(11.5, 4.5), QPointF(4.5, 11.5));
  });
}

QIcon ShiftLeftIcon() { return Arrow(180); }

QIcon ShiftRightIcon() { return Arrow(0); }

QIcon ShiftUpIcon() { return Arrow(270); }

QIcon ShiftDownIcon() { return Arrow(90); }

QIcon WidthIncIcon() { return Resize(true, true); }

QIcon WidthDecIcon() { return Resize(true, false); }

QIcon HeightIncIcon() { return Resize(false, true); }

QIcon HeightDecIcon() { return Resize(false, false); }

QIcon PreviousCharIcon() { return StepChar(false); }

QIcon NextCharIcon() { return StepChar(true); }

QIcon ReadFontIcon() {
  return Drawn([](QPainter& p) {
    DrawLetter(p, QRectF(0, 0, 11, 12), QStringLiteral("A"), "DejaVu Serif", 12);
    for (int i = 0; i < 3; ++i) p.fillRect(QRectF(9 + 2.2 * i, 11, 1.8, 1.8), kAccent);
    for (int i = 0; i < 3; ++i) p.fillRect(QRectF(9 + 2.2 * i, 13.4, 1.8, 1.8), kAccent);
  });
}

QIcon ResetDataIcon() { return Standard(QStyle::SP_BrowserReload); }

QIcon PointIcon() {
  return Drawn([](QPainter& p) {
    p.setPen(Pen(QColor(170, 170, 170), 0.8));
    for (double v = 2; v <= 14; v += 4) {
      p.drawLine(QPointF(v, 2), QPointF(v, 14));
      p.drawLine(QPointF(2, v), QPointF(14, v));
    }
    p.fillRect(QRectF(6, 6, 4, 4), kInk);
  });
}

QIcon LineIcon() {
  return Drawn([](QPainter& p) {
    p.setPen(Pen(kInk, 2));
    p.drawLine(QPointF(2.5, 13.5), QPointF(13.5, 2.5));
  });
}

QIcon BorderIcon() {
  return Drawn([](QPainter& p) {
    p.setPen(Pen(kInk, 1.6));
    p.drawRect(QRectF(2.5, 3.5, 11, 9));
  });
}

QIcon RectangleIcon() {
  return Drawn([](QPainter& p) { p.fillRect(QRectF(2, 3, 12, 10), kInk); });
}

QIcon ReplaceColorIcon() {
  return Drawn([](QPainter& p) {
    p.fillRect(QRectF(1, 1, 7, 7), QColor(220, 0, 0));
    p.fillRect(QRectF(8, 8, 7, 7), QColor(0, 0, 220));
    p.setPen(Pen(kInk, 1.2));
    p.drawArc(QRectF(5, 3, 9, 9), 90 * 16, -90 * 16);
    ArrowHead(p, QPointF(13.5, 8.5), 90, kInk);
  });
}

QIcon TextIcon() { return Letter(QStringLiteral("T"), true, false, false); }

QIcon FlipHorizontalIcon() { return Flip(true); }

QIcon FlipVerticalIcon() { return Flip(false); }

QIcon InvertIcon() {
  return Drawn([](QPainter& p) {
    p.setPen(Pen(kInk, 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(1.5, 1.5, 13, 13));
    QPainterPath half;
    half.moveTo(1.5, 1.5);
    half.lineTo(14.5, 1.5);
    half.lineTo(1.5, 14.5);
    half.closeSubpath();
    p.fillPath(half, kInk);
  });
}

QIcon BoldIcon() { return Letter(QStringLiteral("B"), true, false, false); }

QIcon ItalicIcon() { return Letter(QStringLiteral("I"), false, true, false); }

QIcon UnderlineIcon() { return Letter(QStringLiteral("U"), false, false, true); }

QIcon VerticalGuideIcon() { return Guide(true); }

QIcon HorizontalGuideIcon() { return Guide(false); }

}  // namespace shell
