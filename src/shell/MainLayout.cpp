#include "shell/MainLayout.h"

#include <QApplication>
#include <QFont>
#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <functional>
#include <initializer_list>
#include <stdexcept>
#include <utility>

#include "document/ModConst.h"

namespace shell {

using controls::BandKind;
using controls::BandLayout;
using controls::StatusClock;
using controls::ToolKind;
using controls::ToolLayout;

namespace {

// ---- icons: drawn on a 16-unit square, at 16 and 32 pixels ----

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

QMap<QString, QIcon> Icons() {
  QMap<QString, QIcon> icons;
  icons["mnuNew"] = Standard(QStyle::SP_FileIcon);
  icons["mnuOpen"] = Standard(QStyle::SP_DialogOpenButton);
  icons["mnuSave"] = Standard(QStyle::SP_DialogSaveButton);
  icons["mnuUndo"] = Curved(false);
  icons["mnuRedo"] = Curved(true);
  icons["mnuCopy"] = Drawn([](QPainter& p) {
    p.setPen(Pen(kInk, 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(1.5, 1.5, 8, 10));
    p.drawRect(QRectF(6.5, 4.5, 8, 10));
  });
  icons["mnuPaste"] = Drawn([](QPainter& p) {
    p.setPen(Pen(QColor(120, 80, 30), 1));
    p.setBrush(QColor(200, 160, 90));
    p.drawRoundedRect(QRectF(1.5, 2.5, 10, 12.5), 1, 1);
    p.setBrush(QColor(90, 90, 90));
    p.drawRect(QRectF(4.5, 1, 4, 3));
    p.setPen(Pen(kInk, 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(7.5, 6.5, 7, 8.5));
  });
  icons["mnuClear"] = Drawn([](QPainter& p) {
    p.setPen(Pen(QColor(150, 150, 150), 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(1.5, 1.5, 13, 13));
    p.setPen(Pen(QColor(200, 0, 0), 2));
    p.drawLine(QPointF(4.5, 4.5), QPointF(11.5, 11.5));
    p.drawLine(QPointF(11.5, 4.5), QPointF(4.5, 11.5));
  });
  icons["mnuShiftLeft"] = Arrow(180);
  icons["mnuShiftRight"] = Arrow(0);
  icons["mnuShiftUp"] = Arrow(270);
  icons["mnuShiftDown"] = Arrow(90);
  icons["mnuWidthI"] = Resize(true, true);
  icons["mnuWidthD"] = Resize(true, false);
  icons["mnuHeightI"] = Resize(false, true);
  icons["mnuHeightD"] = Resize(false, false);
  icons["mnuPreviousChar"] = StepChar(false);
  icons["mnuNextChar"] = StepChar(true);
  icons["mnuReadFont"] = Drawn([](QPainter& p) {
    DrawLetter(p, QRectF(0, 0, 11, 12), QStringLiteral("A"), "DejaVu Serif", 12);
    for (int i = 0; i < 3; ++i) p.fillRect(QRectF(9 + 2.2 * i, 11, 1.8, 1.8), kAccent);
    for (int i = 0; i < 3; ++i) p.fillRect(QRectF(9 + 2.2 * i, 13.4, 1.8, 1.8), kAccent);
  });
  icons["mnuResetData"] = Standard(QStyle::SP_BrowserReload);
  icons["tlPoint"] = Drawn([](QPainter& p) {
    p.setPen(Pen(QColor(170, 170, 170), 0.8));
    for (double v = 2; v <= 14; v += 4) {
      p.drawLine(QPointF(v, 2), QPointF(v, 14));
      p.drawLine(QPointF(2, v), QPointF(14, v));
    }
    p.fillRect(QRectF(6, 6, 4, 4), kInk);
  });
  icons["tlLine"] = Drawn([](QPainter& p) {
    p.setPen(Pen(kInk, 2));
    p.drawLine(QPointF(2.5, 13.5), QPointF(13.5, 2.5));
  });
  icons["tlBorder"] = Drawn([](QPainter& p) {
    p.setPen(Pen(kInk, 1.6));
    p.drawRect(QRectF(2.5, 3.5, 11, 9));
  });
  icons["tlRectangle"] = Drawn([](QPainter& p) { p.fillRect(QRectF(2, 3, 12, 10), kInk); });
  icons["tlReplaceColor"] = Drawn([](QPainter& p) {
    p.fillRect(QRectF(1, 1, 7, 7), QColor(220, 0, 0));
    p.fillRect(QRectF(8, 8, 7, 7), QColor(0, 0, 220));
    p.setPen(Pen(kInk, 1.2));
    p.drawArc(QRectF(5, 3, 9, 9), 90 * 16, -90 * 16);
    ArrowHead(p, QPointF(13.5, 8.5), 90, kInk);
  });
  icons["tlText"] = Letter(QStringLiteral("T"), true, false, false);
  icons["tlFlipHorizontal"] = Flip(true);
  icons["tlFlipVertical"] = Flip(false);
  icons["tlInvert"] = Drawn([](QPainter& p) {
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
  icons["tlBold"] = Letter(QStringLiteral("B"), true, false, false);
  icons["tlItalic"] = Letter(QStringLiteral("I"), false, true, false);
  icons["tlUnderline"] = Letter(QStringLiteral("U"), false, false, true);
  icons["tlVerticalGuide"] = Guide(true);
  icons["tlHorizonatlGuide"] = Guide(false);
  return icons;
}

// ---- tools ----

class Tools {
 public:
  Tools() : icons_(Icons()) {}

  void Add(ToolLayout t) {
    if (t.icon.isNull()) t.icon = icons_.value(t.key);
    byKey_.insert(t.key, std::move(t));
  }
  void Command(const QString& key, const QString& caption) { Add({.key = key, .caption = caption}); }
  void Opener(const QString& key, const QString& caption, const QString& band) {
    Add({.key = key, .caption = caption, .kind = ToolKind::SubBandOpener, .subBand = band});
  }

  // A band of tools already defined; "tlSpr" gives a separator.
  BandLayout Band(const QString& key, const QString& caption, BandKind kind, std::initializer_list<QString> keys,
                  Qt::ToolBarArea area = Qt::TopToolBarArea, int row = 0) const {
    BandLayout band{.key = key, .caption = caption, .kind = kind, .tools = {}, .area = area, .row = row};
    for (const QString& k : keys) {
      if (k == QLatin1String("tlSpr"))
        band.tools.push_back({.key = k, .kind = ToolKind::Separator});
      else if (byKey_.contains(k))
        band.tools.push_back(byKey_.value(k));
      else
        throw std::logic_error(("MainLayout: tool \"" + k + "\" is not defined").toStdString());
    }
    return band;
  }

 private:
  QMap<QString, QIcon> icons_;
  QHash<QString, ToolLayout> byKey_;
};

QStringList Numbers(std::initializer_list<int> values) {
  QStringList list;
  for (int v : values) list << QString::number(v);
  return list;
}

}  // namespace

// Toolbars: file and design commands in the first row, font and colours in the
// second, the drawing tools down the left edge as in paint programs.
controls::ToolBarLayout MainLayout() {
  Tools t;

  t.Opener("mnuFile", "&File", "bndFile");
  t.Opener("mnuEdit", "&Edit", "bndEdit");
  t.Opener("mnuView", "&View", "bndView");
  t.Opener("mnuDevice", "Device", "bndDevice");
  t.Opener("mnuTools", "Tools", "bndTools");

  t.Command("mnuNew", "&New");
  t.Command("mnuOpen", "&Open");
  t.Command("mnuSave", "&Save");
  t.Command("mnuSaveAs", "Save &As");
  t.Command("mnuExport", "Export");
  t.Command("mnuImport", "Import");

  t.Command("mnuUndo", "Undo");
  t.Command("mnuRedo", "Redo");
  t.Command("mnuCopy", "Copy");
  t.Command("mnuPaste", "Paste");
  t.Command("mnuClear", "Clear");
  t.Command("mnuRemove", "Remove");
  t.Command("mnuPasteSpecial", "Paste Special");
  t.Command("mnuWidthI", "Width +");
  t.Command("mnuWidthD", "Width -");
  t.Command("mnuHeightI", "Height +");
  t.Command("mnuHeightD", "Height -");
  t.Command("mnuShiftLeft", "Shift Left");
  t.Command("mnuShiftRight", "Shift Right");
  t.Command("mnuShiftDown", "Shift Dwon");
  t.Command("mnuShiftUp", "Shift Up");

  auto panel = [&](const QString& key, const QString& caption, StatusClock clock = StatusClock::None) {
    t.Add({.key = key,
           .caption = caption,
           .kind = ToolKind::StatusPanel,
           .stretch = key == "tlFileName",
           .clock = clock});
  };
  panel("tlFileName", "File Name");
  panel("Tool92", "Insert");
  panel("Tool94", "Caps Lock");
  panel("Tool96", "Num Lock");
  panel("Tool97", "Scroll Lock");
  panel("Tool98", QString(), StatusClock::Date);
  panel("Tool99", QString(), StatusClock::Time);

  t.Add({.key = "tlFont", .caption = "Font Name:", .kind = ToolKind::EditableCombo, .boxChars = 22});
  const std::pair<const char*, const char*> styles[] = {
      {"tlBold", "Bold"}, {"tlItalic", "Italic"}, {"tlUnderline", "Underline"}};
  for (auto [key, caption] : styles) t.Add({.key = key, .caption = caption, .kind = ToolKind::CheckButton});
  t.Add({.key = "tlSize",
         .caption = "Size:",
         .kind = ToolKind::EditableCombo,
         .text = "16",
         .list = Numbers({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 14, 16, 18, 20, 24, 28, 34, 42, 64, 72, 100}),
         .boxChars = 3});
  t.Add({.key = "tlShift",
         .caption = "Shift Font:",
         .kind = ToolKind::EditableCombo,
         .text = "0",
         .list = Numbers({-5, -4, -3, -2, -1, 0, 1, 2, 3, 4, 5}),
         .boxChars = 3});

  t.Command("mnuFontPreview", "Font Preview");
  t.Command("mnuLEDPreview", "LED Preview");
  t.Command("muuLCDPreview", "LCD Preview");
  t.Command("mnuNextChar", "Next Character");
  t.Command("mnuPreviousChar", "Previous Character");
  t.Command("mnuDeviceLCD", "Send To LCD Device");
  t.Command("mnuFontSetting", "Font Setting");
  t.Command("mnuCharList", "Character List");
  t.Command("mnuOption", "&Option");

  t.Add({.key = "tlZoom",
         .caption = "Zoom:",
         .kind = ToolKind::EditableCombo,
         .text = "100",
         .list = Numbers({25, 50, 75, 100, 125, 150, 175, 200, 225, 250, 275, 300}),
         .boxChars = 4});
  t.Add({.key = "tlWidth", .caption = "Width:", .kind = ToolKind::EditBox, .boxChars = 4});
  t.Add({.key = "tlHeight", .caption = "Height:", .kind = ToolKind::EditBox, .boxChars = 4});
  t.Opener("tlVerticalGuide", "Vertical Guide", "bndVerticalGuide");
  t.Opener("tlHorizonatlGuide", "Horizontal Guide", "bndHorizontalGuide");

  t.Add({.key = "tlCharList", .caption = "CharList", .kind = ToolKind::ControlHost});

  // The colour buttons show the colours the editor draws with.
  doc::ModConst defaults;
  doc::InitDefaults(defaults);
  const char* colorNames[] = {"Black",      "Red",       "Green",        "Yellow",     "White",
                              "Light Gray", "Dark Gray", "Cyan",         "Dark Cyan",  "Blue",
                              "Dark Blue",  "Magenta",   "Dark Magenta", "Dark Green", "Dark Yellow"};
  for (int n = 1; n <= 15; ++n)
    t.Add({.key = QStringLiteral("tlColor%1").arg(n),
           .caption = colorNames[n - 1],
           .iconColor = QColor(defaults.ColorTable[static_cast<size_t>(n)]),
           .checked = n == 1});

  // The marks match the start state: CurrentTool 0 (point) and CurrentColor 1.
  t.Add({.key = "tlPoint", .caption = "Point", .checked = true});
  t.Command("tlLine", "Line");
  t.Command("tlBorder", "Border");
  t.Command("tlRectangle", "Rectangle");
  t.Command("tlReplaceColor", "Replace Color");
  t.Command("tlText", "Text");
  t.Command("tlFlipHorizontal", "Flip Horizontal");
  t.Command("tlFlipVertical", "Flip Vertical");
  t.Command("tlInvert", "Invert");

  // The guide buttons have no caption; the menus show their numbers instead.
  for (int k = 1; k <= 6; ++k) {
    t.Add({.key = QStringLiteral("tlVG%1").arg(k), .shownText = QString::number(k)});
    t.Add({.key = QStringLiteral("tlHG%1").arg(k), .shownText = QString::number(k)});
  }

  t.Command("mnuReadFont", "Read Data From Font");
  t.Command("mnuResetData", "Reset Data");

  controls::ToolBarLayout layout;
  auto& b = layout.bands;
  b.push_back(
      t.Band("bndMenu", "Band1", BandKind::MenuBar, {"mnuFile", "mnuEdit", "mnuView", "mnuDevice", "mnuTools"}));
  b.push_back(t.Band("bndFile", "Band2", BandKind::Popup,
                     {"mnuNew", "mnuOpen", "tlSpr", "mnuSave", "mnuSaveAs", "tlSpr", "mnuExport", "mnuImport"}));
  b.push_back(t.Band("bndEdit", "Edit", BandKind::Popup,
                     {"mnuUndo", "mnuRedo", "tlSpr", "mnuCopy", "mnuPaste", "mnuClear", "mnuRemove", "mnuPasteSpecial",
                      "tlSpr", "mnuWidthI", "mnuWidthD", "mnuHeightI", "mnuHeightD", "tlSpr", "mnuShiftLeft",
                      "mnuShiftRight", "mnuShiftDown", "mnuShiftUp"}));
  b.push_back(t.Band("bndStandard", "Standard", BandKind::ToolBar,
                     {"mnuNew", "mnuOpen", "mnuSave", "tlSpr", "mnuCopy", "mnuPaste", "mnuClear"}));
  b.push_back(t.Band("bndStatus", "StatusBar", BandKind::StatusBar,
                     {"tlFileName", "Tool92", "Tool94", "Tool96", "Tool97", "Tool98", "Tool99"}));
  b.push_back(t.Band("bndFont", "Font", BandKind::ToolBar,
                     {"tlFont", "tlBold", "tlItalic", "tlUnderline", "tlSize", "tlShift"}, Qt::TopToolBarArea, 1));
  b.push_back(
      t.Band("bndView", "View", BandKind::Popup,
             {"mnuFontPreview", "tlSpr", "mnuLEDPreview", "muuLCDPreview", "tlSpr", "mnuNextChar", "mnuPreviousChar"}));
  b.push_back(t.Band("bndDevice", "Device", BandKind::Popup, {"mnuDeviceLCD"}));
  b.push_back(t.Band("bndTools", "Tools", BandKind::Popup, {"mnuFontSetting", "mnuCharList", "mnuOption"}));
  b.push_back(t.Band("bndDesign", "Design", BandKind::ToolBar,
                     {"tlZoom", "tlWidth", "tlHeight", "tlVerticalGuide", "tlHorizonatlGuide"}));
  b.push_back(t.Band("bndCharList", "Character List", BandKind::DockedPanel, {"tlCharList"}));
  b.push_back(
      t.Band("bndColors", "Colors", BandKind::ToolBar,
             {"tlColor1", "tlSpr", "tlColor2", "tlColor3", "tlColor4", "tlSpr", "tlColor5", "tlColor6", "tlColor7",
              "tlColor8", "tlColor9", "tlColor10", "tlColor11", "tlColor12", "tlColor13", "tlColor14", "tlColor15"},
             Qt::TopToolBarArea, 1));
  b.push_back(t.Band("bndDrawTools", "Draw Tools", BandKind::ToolBar,
                     {"tlPoint", "tlLine", "tlBorder", "tlRectangle", "tlReplaceColor", "tlText", "tlSpr",
                      "tlFlipHorizontal", "tlFlipVertical", "tlInvert"},
                     Qt::LeftToolBarArea));
  b.push_back(t.Band("bndVerticalGuide", "Vertical Guide", BandKind::Popup,
                     {"tlVG1", "tlVG2", "tlVG3", "tlVG4", "tlVG5", "tlVG6"}));
  b.push_back(t.Band("bndHorizontalGuide", "Vertical Guide", BandKind::Popup,
                     {"tlHG1", "tlHG2", "tlHG3", "tlHG4", "tlHG5", "tlHG6"}));
  b.push_back(t.Band(
      "bndDesignControl", "Band16", BandKind::ToolBar,
      {"mnuWidthI", "mnuWidthD", "mnuHeightI", "mnuHeightD", "tlSpr", "mnuShiftLeft", "mnuShiftRight", "mnuShiftDown",
       "mnuShiftUp", "tlSpr", "mnuPreviousChar", "mnuNextChar", "tlSpr", "mnuReadFont", "mnuResetData"}));
  return layout;
}

}  // namespace shell
