#include <QMainWindow>
#include <QMenuBar>
#include <QToolButton>
#include <gtest/gtest.h>

#include "shell/Commands.h"
#include "shell/MainLayout.h"

using namespace controls;

namespace {

struct MainLayoutFixture : ::testing::Test {
  QMainWindow window;
  ToolBarControl bar;
  void SetUp() override { bar.Build(window, shell::MainLayout()); }
  BarTool& Tool(const QString& key) { return bar.Tools().Item(key); }
  QStringList BandKeys(const QString& band) {
    QStringList keys;
    const ToolCollection& tools = bar.Bands().Item(band).Tools();
    for (int i = 0; i < tools.Count(); ++i) keys << tools.At(i).Name();
    return keys;
  }
};

TEST_F(MainLayoutFixture, EveryKeyTheDispatcherComparesResolves) {
  QStringList keys = {
      "mnuNew",         "mnuSave",          "mnuSaveAs",    "mnuOpen",         "mnuImport",       "mnuExport",
      "mnuUndo",        "mnuRedo",          "mnuCopy",      "mnuPaste",        "mnuPasteSpecial", "mnuClear",
      "mnuRemove",      "mnuWidthI",        "mnuWidthD",    "mnuHeightI",      "mnuHeightD",      "mnuShiftLeft",
      "mnuShiftRight",  "mnuShiftUp",       "mnuShiftDown", "mnuReadFont",     "mnuResetData",    "mnuFontSetting",
      "mnuCharList",    "tlPoint",          "tlLine",       "tlBorder",        "tlRectangle",     "tlReplaceColor",
      "tlFlipVertical", "tlFlipHorizontal", "tlInvert",     "mnuPreviousChar", "mnuNextChar",     "muuLCDPreview",
      "mnuLEDPreview",  "mnuFontPreview",   "mnuDeviceLCD", "mnuOption",       "tlText"};
  for (int k = 1; k <= 6; ++k) keys << QString("tlVG%1").arg(k) << QString("tlHG%1").arg(k);
  for (int n = 1; n <= 15; ++n) keys << QString("tlColor%1").arg(n);
  for (const QString& key : keys) {
    ASSERT_TRUE(bar.Tools().Exists(key)) << key.toStdString();
    BarTool& tool = Tool(key);
    ASSERT_NE(tool.Action(), nullptr) << key.toStdString();
    int clicked = 0;
    auto c = QObject::connect(&bar, &ToolBarControl::ToolClick, [&](BarTool& t) {
      EXPECT_EQ(&t, &tool);
      ++clicked;
    });
    tool.Action()->trigger();
    QObject::disconnect(c);
    EXPECT_EQ(clicked, 1) << key.toStdString();
  }
}

// A command row whose tool stands in no band could never be clicked.
TEST_F(MainLayoutFixture, EveryCommandRowStandsInABand) {
  for (const shell::CommandRow& row : shell::CommandTable) {
    ASSERT_TRUE(bar.Tools().Exists(row.key)) << row.key;
    EXPECT_NE(Tool(row.key).Action(), nullptr) << row.key;
  }
}

TEST_F(MainLayoutFixture, BandLookupsOfTheWindowAndEditorResolve) {
  const std::pair<const char*, QStringList> byBand[] = {
      {"bndDrawTools", {"tlPoint", "tlLine", "tlBorder", "tlRectangle", "tlReplaceColor", "tlText"}},
      {"bndFont", {"tlFont", "tlBold", "tlItalic", "tlUnderline", "tlSize", "tlShift"}},
      {"bndDesign", {"tlZoom", "tlWidth", "tlHeight"}},
      {"bndCharList", {"tlCharList"}},
      {"bndColors", {"tlColor1", "tlColor9", "tlColor15"}},
  };
  for (const auto& [band, keys] : byBand)
    for (const QString& key : keys)
      EXPECT_NO_THROW(bar.Bands().Item(band).Tools().Item(key)) << band << " " << key.toStdString();
}

TEST_F(MainLayoutFixture, BandsInOrderWithTheirCaptionsAndKinds) {
  struct B {
    const char* key;
    const char* caption;
    BandKind kind;
  };
  const B bands[] = {{"bndMenu", "Band1", BandKind::MenuBar},
                     {"bndFile", "Band2", BandKind::Popup},
                     {"bndEdit", "Edit", BandKind::Popup},
                     {"bndStandard", "Standard", BandKind::ToolBar},
                     {"bndStatus", "StatusBar", BandKind::StatusBar},
                     {"bndFont", "Font", BandKind::ToolBar},
                     {"bndView", "View", BandKind::Popup},
                     {"bndDevice", "Device", BandKind::Popup},
                     {"bndTools", "Tools", BandKind::Popup},
                     {"bndDesign", "Design", BandKind::ToolBar},
                     {"bndCharList", "Character List", BandKind::DockedPanel},
                     {"bndColors", "Colors", BandKind::ToolBar},
                     {"bndDrawTools", "Draw Tools", BandKind::ToolBar},
                     {"bndVerticalGuide", "Vertical Guide", BandKind::Popup},
                     {"bndHorizontalGuide", "Vertical Guide", BandKind::Popup},
                     {"bndDesignControl", "Band16", BandKind::ToolBar}};
  ASSERT_EQ(bar.Bands().Count(), 16);
  for (int i = 0; i < 16; ++i) {
    EXPECT_EQ(bar.Bands().At(i).Name(), bands[i].key);
    EXPECT_EQ(bar.Bands().At(i).Caption(), bands[i].caption) << bands[i].key;
    EXPECT_EQ(bar.Bands().At(i).Kind(), bands[i].kind) << bands[i].key;
  }
}

TEST_F(MainLayoutFixture, ToolsOfABandInOrder) {
  EXPECT_EQ(BandKeys("bndFile"),
            QStringList({"mnuNew", "mnuOpen", "tlSpr", "mnuSave", "mnuSaveAs", "tlSpr", "mnuExport", "mnuImport"}));
  EXPECT_EQ(BandKeys("bndStandard"),
            QStringList({"mnuNew", "mnuOpen", "mnuSave", "tlSpr", "mnuCopy", "mnuPaste", "mnuClear"}));
  EXPECT_EQ(BandKeys("bndStatus"),
            QStringList({"tlFileName", "Tool92", "Tool94", "Tool96", "Tool97", "Tool98", "Tool99"}));
  EXPECT_EQ(BandKeys("bndDesignControl"),
            QStringList({"mnuWidthI", "mnuWidthD", "mnuHeightI", "mnuHeightD", "tlSpr", "mnuShiftLeft", "mnuShiftRight",
                         "mnuShiftDown", "mnuShiftUp", "tlSpr", "mnuPreviousChar", "mnuNextChar", "tlSpr",
                         "mnuReadFont", "mnuResetData"}));
  EXPECT_EQ(BandKeys("bndColors").size(), 17);
  EXPECT_EQ(BandKeys("bndColors")[1], "tlSpr");
  EXPECT_EQ(BandKeys("bndColors")[5], "tlSpr");
}

TEST_F(MainLayoutFixture, CaptionsStandAsTheSystemHasThem) {
  const std::pair<const char*, const char*> captions[] = {{"mnuFile", "&File"},
                                                          {"mnuDevice", "Device"},
                                                          {"mnuSaveAs", "Save &As"},
                                                          {"mnuShiftDown", "Shift Dwon"},
                                                          {"muuLCDPreview", "LCD Preview"},
                                                          {"tlHorizonatlGuide", "Horizontal Guide"},
                                                          {"tlVerticalGuide", "Vertical Guide"},
                                                          {"mnuOption", "&Option"},
                                                          {"mnuDeviceLCD", "Send To LCD Device"},
                                                          {"tlFileName", "File Name"},
                                                          {"Tool92", "Insert"},
                                                          {"Tool97", "Scroll Lock"},
                                                          {"tlFont", "Font Name:"},
                                                          {"tlShift", "Shift Font:"},
                                                          {"tlZoom", "Zoom:"},
                                                          {"tlCharList", "CharList"},
                                                          {"tlColor1", "Black"},
                                                          {"tlColor12", "Magenta"},
                                                          {"tlColor15", "Dark Yellow"},
                                                          {"mnuReadFont", "Read Data From Font"},
                                                          {"mnuWidthD", "Width -"},
                                                          {"tlVG3", ""},
                                                          {"tlHG6", ""}};
  for (auto [key, caption] : captions) EXPECT_EQ(Tool(key).Caption(), caption) << key;
  EXPECT_EQ(Tool("tlVG3").Action()->text(), "3");  // the menus still show a number
  EXPECT_FALSE(Tool("Tool98").Caption().isEmpty());
  EXPECT_FALSE(Tool("Tool99").Caption().isEmpty());
  EXPECT_EQ(window.menuBar()->actions().first()->text(), "&File");
}

TEST_F(MainLayoutFixture, StoredTextsAndLists) {
  auto list = [&](const char* key) {
    QStringList entries;
    for (int i = 0; i < Tool(key).ListCount(); ++i) entries << Tool(key).List(i);
    return entries.join(",");
  };
  EXPECT_EQ(Tool("tlZoom").Text(), "100");
  EXPECT_EQ(list("tlZoom"), "25,50,75,100,125,150,175,200,225,250,275,300");
  EXPECT_EQ(Tool("tlZoom").Kind(), ToolKind::EditableCombo);
  EXPECT_EQ(Tool("tlSize").Text(), "16");
  EXPECT_EQ(list("tlSize"), "1,2,3,4,5,6,7,8,9,10,11,12,14,16,18,20,24,28,34,42,64,72,100");
  EXPECT_EQ(Tool("tlShift").Text(), "0");
  EXPECT_EQ(list("tlShift"), "-5,-4,-3,-2,-1,0,1,2,3,4,5");
  EXPECT_EQ(Tool("tlFont").Text(), "");
  EXPECT_EQ(Tool("tlFont").ListCount(), 0);
  EXPECT_EQ(Tool("tlWidth").Text(), "");
  EXPECT_EQ(Tool("tlHeight").Text(), "");
  EXPECT_EQ(Tool("tlWidth").Kind(), ToolKind::EditBox);
}

TEST_F(MainLayoutFixture, OpenersOpenTheirPopupBands) {
  const std::pair<const char*, const char*> openers[] = {{"mnuFile", "bndFile"},
                                                         {"mnuEdit", "bndEdit"},
                                                         {"mnuView", "bndView"},
                                                         {"mnuDevice", "bndDevice"},
                                                         {"mnuTools", "bndTools"},
                                                         {"tlVerticalGuide", "bndVerticalGuide"},
                                                         {"tlHorizonatlGuide", "bndHorizontalGuide"}};
  for (auto [key, band] : openers) EXPECT_EQ(Tool(key).Action()->menu(), bar.Bands().Item(band).Menu()) << key;
  QToolBar* design = bar.Bands().Item("bndDesign").ToolBar();
  auto* guide = qobject_cast<QToolButton*>(design->widgetForAction(Tool("tlVerticalGuide").Action()));
  ASSERT_NE(guide, nullptr);
  EXPECT_EQ(guide->popupMode(), QToolButton::InstantPopup);
}

TEST_F(MainLayoutFixture, StyleButtonsToggleAndStartMarksMatchTheStartState) {
  Tool("tlBold").Action()->trigger();
  EXPECT_TRUE(Tool("tlBold").Checked());
  EXPECT_FALSE(Tool("tlItalic").Checked());
  EXPECT_TRUE(Tool("tlPoint").Checked());
  EXPECT_TRUE(Tool("tlColor1").Checked());
  EXPECT_FALSE(Tool("tlColor2").Checked());
  // Every toolbar button carries an icon.
  for (const char* band : {"bndStandard", "bndColors", "bndDrawTools", "bndDesignControl"}) {
    const ToolCollection& tools = bar.Bands().Item(band).Tools();
    for (int i = 0; i < tools.Count(); ++i) {
      if (!tools.At(i).Action()) continue;
      EXPECT_FALSE(tools.At(i).Action()->icon().isNull()) << tools.At(i).Name().toStdString();
    }
  }
}

}  // namespace
