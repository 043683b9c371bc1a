#include "shell/MainLayout.h"

#include <QHash>
#include <initializer_list>
#include <stdexcept>
#include <tuple>
#include <utility>

#include "document/ModConst.h"
#include "shell/Commands.h"
#include "shell/ToolIcons.h"

namespace shell {

using controls::BandKind;
using controls::BandLayout;
using controls::StatusClock;
using controls::ToolKind;
using controls::ToolLayout;

namespace {

class Tools {
 public:
  void Add(ToolLayout t) { byKey_.insert(t.key, std::move(t)); }
  void Button(const QString& key, const QString& caption, ToolIcon icon = nullptr) {
    Add({.key = key, .caption = caption, .icon = Icon(icon)});
  }
  void Opener(const QString& key, const QString& caption, const QString& band, ToolIcon icon = nullptr) {
    Add({.key = key, .caption = caption, .kind = ToolKind::SubBandOpener, .subBand = band, .icon = Icon(icon)});
  }
  static QIcon Icon(ToolIcon icon) { return icon ? icon() : QIcon(); }

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
  QHash<QString, ToolLayout> byKey_;
};

QList<QKeySequence> Shortcuts(const CommandShortcut& shortcut) {
  QList<QKeySequence> keys;
  if (shortcut.standard != QKeySequence::UnknownKey) keys << QKeySequence(shortcut.standard);
  for (QKeyCombination key : shortcut.own)
    if (key != QKeyCombination()) keys << QKeySequence(key);
  return keys;
}

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

  // Every command's tool, as its row declares it.
  for (const CommandRow& row : CommandTable)
    t.Add({.key = row.key,
           .caption = row.caption,
           .shownText = row.shownText,
           .icon = Tools::Icon(row.icon),
           .checked = row.checked,
           .shortcuts = Shortcuts(row.shortcut)});

  // The tools that run no command of their own.
  t.Opener("mnuFile", "&File", "bndFile");
  t.Opener("mnuEdit", "&Edit", "bndEdit");
  t.Opener("mnuView", "&View", "bndView");
  t.Opener("mnuDevice", "Device", "bndDevice");
  t.Opener("mnuTools", "Tools", "bndTools");
  t.Button("mnuDeviceLCD", "Send To LCD Device");
  t.Button("mnuOption", "&Option");
  // The "Text" button shares the drawing tools' check mark but selects no tool.
  t.Button("tlText", "Text", TextIcon);

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
  const std::tuple<const char*, const char*, ToolIcon> styles[] = {
      {"tlBold", "Bold", BoldIcon}, {"tlItalic", "Italic", ItalicIcon}, {"tlUnderline", "Underline", UnderlineIcon}};
  for (auto [key, caption, icon] : styles)
    t.Add({.key = key, .caption = caption, .kind = ToolKind::CheckButton, .icon = Tools::Icon(icon)});
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

  t.Add({.key = "tlZoom",
         .caption = "Zoom:",
         .kind = ToolKind::EditableCombo,
         .text = "100",
         .list = Numbers({25, 50, 75, 100, 125, 150, 175, 200, 225, 250, 275, 300}),
         .boxChars = 4});
  t.Add({.key = "tlWidth", .caption = "Width:", .kind = ToolKind::EditBox, .boxChars = 4});
  t.Add({.key = "tlHeight", .caption = "Height:", .kind = ToolKind::EditBox, .boxChars = 4});
  t.Opener("tlVerticalGuide", "Vertical Guide", "bndVerticalGuide", VerticalGuideIcon);
  t.Opener("tlHorizonatlGuide", "Horizontal Guide", "bndHorizontalGuide", HorizontalGuideIcon);

  t.Add({.key = "tlCharList", .caption = "CharList", .kind = ToolKind::ControlHost});

  // The colour buttons show the colours the editor draws with; the mark matches the
  // start state, CurrentColor 1.
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
