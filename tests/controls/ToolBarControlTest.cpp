#include <QAbstractItemView>
#include <QCloseEvent>
#include <QDockWidget>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include <stdexcept>

#include "controls/ToolBarControl.h"

using namespace controls;

namespace {

// A window that applies the close answer the way the main window does: the
// toolbar's close query leaves it, the window's own closeEvent applies it.
class ProbeWindow : public QMainWindow {
 public:
  QStringList* log = nullptr;
  bool answerDone = false;
  bool answerCancel = false;

 protected:
  void closeEvent(QCloseEvent* e) override {
    log->append(QStringLiteral("window"));
    if (answerDone && answerCancel)
      e->ignore();
    else
      e->accept();
    answerDone = false;
  }
};

ToolBarLayout SmallLayout() {
  ToolBarLayout l;
  l.bands.push_back(
      {.key = "bndMenu",
       .caption = "Band1",
       .kind = BandKind::MenuBar,
       .tools = {{.key = "mnuFile", .caption = "&File", .kind = ToolKind::SubBandOpener, .subBand = "bndFile"}}});
  l.bands.push_back({.key = "bndFile",
                     .caption = "Band2",
                     .kind = BandKind::Popup,
                     .tools = {{.key = "mnuUndo", .caption = "Undo", .shortcuts = {QKeySequence(Qt::CTRL | Qt::Key_Z)}},
                               {.key = "tlSpr", .kind = ToolKind::Separator},
                               {.key = "tlVG1", .shownText = "1"}}});
  l.bands.push_back(
      {.key = "bndBar",
       .caption = "Bar",
       .kind = BandKind::ToolBar,
       .tools = {{.key = "mnuUndo", .caption = "Undo"},
                 {.key = "tlBold", .caption = "Bold", .kind = ToolKind::CheckButton},
                 {.key = "tlPoint", .caption = "Point"},
                 {.key = "tlColor3", .caption = "Green", .iconColor = QColor(0, 255, 0)},
                 {.key = "tlSpr", .kind = ToolKind::Separator},
                 {.key = "tlZoom",
                  .caption = "Zoom:",
                  .kind = ToolKind::EditableCombo,
                  .text = "100",
                  .list = {"50", "100", "150"}},
                 {.key = "tlFont", .caption = "Font Name:", .kind = ToolKind::DropDownCombo},
                 {.key = "tlWidth", .caption = "Width:", .kind = ToolKind::EditBox},
                 {.key = "tlGuide", .caption = "Guide", .kind = ToolKind::SubBandOpener, .subBand = "bndFile"}}});
  l.bands.push_back(
      {.key = "bndStatus",
       .caption = "StatusBar",
       .kind = BandKind::StatusBar,
       .tools = {{.key = "tlFileName", .caption = "File Name", .kind = ToolKind::StatusPanel, .stretch = true},
                 {.key = "Tool99", .kind = ToolKind::StatusPanel, .clock = StatusClock::Time}}});
  l.bands.push_back({.key = "bndDock",
                     .caption = "Character List",
                     .kind = BandKind::DockedPanel,
                     .tools = {{.key = "tlHost", .caption = "CharList", .kind = ToolKind::ControlHost}}});
  return l;
}

struct BarFixture : ::testing::Test {
  QStringList log;
  ProbeWindow window;
  ToolBarControl bar;
  QStringList clicks, changes;
  std::vector<std::pair<QString, int>> keys;

  void SetUp() override {
    window.log = &log;
    bar.Build(window, SmallLayout());
    QObject::connect(&bar, &ToolBarControl::ToolClick, [this](BarTool& t) { clicks << t.Name(); });
    QObject::connect(&bar, &ToolBarControl::ToolChange, [this](BarTool& t) { changes << t.Name() + "=" + t.Text(); });
    QObject::connect(&bar, &ToolBarControl::ToolKeyDown,
                     [this](BarTool& t, int& code) { keys.emplace_back(t.Name(), code); });
  }
  BarTool& Tool(const char* key) { return bar.Tools().Item(key); }
  QComboBox* Combo(const char* key) { return qobject_cast<QComboBox*>(bar.ToolWidget(key)); }
};

TEST_F(BarFixture, ClickRaisesToolClickWithThatTool) {
  Tool("mnuUndo").Action()->trigger();
  Tool("tlPoint").Action()->trigger();
  EXPECT_EQ(clicks, QStringList({"mnuUndo", "tlPoint"}));
  EXPECT_EQ(bar.Bands().Item("bndFile").Tools().Item("tlSpr").Action(), nullptr);
}

struct CheckCase {
  const char* key;
  bool programMark;  // Checked set by the program before the click
  bool afterClick;
};

class CheckMarks : public BarFixture, public ::testing::WithParamInterface<CheckCase> {};

TEST_P(CheckMarks, OnlyCheckButtonsToggleThemselves) {
  const CheckCase c = GetParam();
  BarTool& tool = Tool(c.key);
  tool.SetChecked(c.programMark);
  EXPECT_EQ(tool.Action()->isChecked(), c.programMark);  // shows at once
  tool.Action()->trigger();
  EXPECT_EQ(tool.Checked(), c.afterClick);
  EXPECT_EQ(tool.Action()->isChecked(), c.afterClick);
  EXPECT_EQ(clicks, QStringList({c.key}));
}

INSTANTIATE_TEST_SUITE_P(Tools, CheckMarks,
                         ::testing::Values(CheckCase{"tlBold", false, true}, CheckCase{"tlBold", true, false},
                                           CheckCase{"tlPoint", false, false}, CheckCase{"tlPoint", true, true},
                                           CheckCase{"tlColor3", true, true}));

TEST_F(BarFixture, OneKeyInTwoBandsIsOneTool) {
  BarTool& inMenu = bar.Bands().Item("bndFile").Tools().Item("mnuUndo");
  BarTool& onBar = bar.Bands().Item("bndBar").Tools().Item("mnuUndo");
  ASSERT_EQ(&inMenu, &onBar);
  EXPECT_EQ(&inMenu, &Tool("mnuUndo"));
  inMenu.SetEnabled(false);
  inMenu.SetCaption("Undo Draw");
  EXPECT_TRUE(bar.Bands().Item("bndFile").Menu()->actions().contains(onBar.Action()));
  EXPECT_TRUE(bar.Bands().Item("bndBar").ToolBar()->actions().contains(onBar.Action()));
  EXPECT_FALSE(onBar.Action()->isEnabled());
  EXPECT_EQ(onBar.Action()->text(), "Undo Draw");
}

// A tool's keys click it once, wherever it stands.
TEST_F(BarFixture, ShortcutClicksTheToolOnce) {
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(clicks, QStringList({"mnuUndo"}));
  EXPECT_TRUE(Tool("tlPoint").Action()->shortcuts().isEmpty());
}

TEST_F(BarFixture, UnknownKeyThrowsNamingTheKey) {
  const std::function<void()> lookups[] = {
      [&] { bar.Tools().Item("mnunew"); }, [&] { bar.Bands().Item("bndNone"); },
      [&] { bar.Bands().Item("bndFile").Tools().Item("tlPoint"); },  // a key of another band
  };
  const char* named[] = {"mnunew", "bndNone", "tlPoint"};
  for (int i = 0; i < 3; ++i) {
    try {
      lookups[i]();
      ADD_FAILURE() << "no failure for " << named[i];
    } catch (const std::out_of_range& e) {
      EXPECT_NE(std::string(e.what()).find(named[i]), std::string::npos) << e.what();
    }
  }
}

TEST_F(BarFixture, ProgramWritesRaiseNoChange) {
  Tool("tlZoom").SetText("150");
  Tool("tlZoom").SetText("120");
  Tool("tlZoom").SetListIndex(0);
  Tool("tlZoom").AddItem("200");
  Tool("tlFont").AddItem("Serif");
  Tool("tlFont").SetListIndex(0);
  Tool("tlWidth").SetText("8");
  EXPECT_TRUE(changes.isEmpty()) << changes.join(",").toStdString();
  EXPECT_EQ(Tool("tlZoom").Text(), "50");
  EXPECT_EQ(Tool("tlWidth").Text(), "8");
}

TEST_F(BarFixture, TypingThenEnterRaisesKeyDown13BeforeTheChange) {
  QLineEdit* edit = Combo("tlZoom")->lineEdit();
  edit->clear();
  QTest::keyClicks(edit, "12.5");
  EXPECT_EQ(Tool("tlZoom").Text(), "12.5");  // what was typed, not completed
  keys.clear();
  // The key handler sees the typed text before the box commits it.
  QString textAtKey;
  QObject::connect(&bar, &ToolBarControl::ToolKeyDown, [&](BarTool& t, int&) { textAtKey = t.Text(); });
  QTest::keyClick(edit, Qt::Key_Return);
  ASSERT_EQ(keys.size(), 1u);
  EXPECT_EQ(keys[0], std::make_pair(QString("tlZoom"), 13));
  EXPECT_EQ(textAtKey, "12.5");
  EXPECT_EQ(changes, QStringList({"tlZoom=12.5"}));
  EXPECT_EQ(Tool("tlZoom").ListCount(), 3);  // Enter adds no entry
}

TEST_F(BarFixture, EnterInEditBoxAndKeypadEnterGive13) {
  auto* edit = qobject_cast<QLineEdit*>(bar.ToolWidget("tlWidth"));
  QTest::keyClicks(edit, "40");
  QTest::keyClick(edit, Qt::Key_Enter, Qt::KeypadModifier);
  ASSERT_FALSE(keys.empty());
  EXPECT_EQ(keys.back(), std::make_pair(QString("tlWidth"), 13));
  EXPECT_EQ(keys.front(), std::make_pair(QString("tlWidth"), 52));  // "4"
  EXPECT_EQ(changes, QStringList({"tlWidth=40"}));
}

TEST_F(BarFixture, ProgramWriteInTheKeyHandlerLeavesNoSecondChange) {
  // The zoom handler redraws and writes the used zoom back while Enter is handled.
  QObject::connect(&bar, &ToolBarControl::ToolKeyDown, [&](BarTool& t, int& code) {
    if (code == 13) t.SetText("150");
  });
  QLineEdit* edit = Combo("tlZoom")->lineEdit();
  edit->clear();
  QTest::keyClicks(edit, "150");
  QTest::keyClick(edit, Qt::Key_Return);
  EXPECT_TRUE(changes.isEmpty()) << changes.join(",").toStdString();
}

TEST_F(BarFixture, ChoosingAListEntryIsAUserChange) {
  QComboBox* zoom = Combo("tlZoom");
  QTest::keyClick(zoom, Qt::Key_Down);
  EXPECT_EQ(changes, QStringList({"tlZoom=150"}));
  EXPECT_EQ(Tool("tlZoom").ListIndex(), 2);

  // The same through the popup list.
  zoom->showPopup();
  QAbstractItemView* view = zoom->view();
  const QRect row = view->visualRect(zoom->model()->index(0, 0));
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, row.center());
  EXPECT_EQ(changes, QStringList({"tlZoom=150", "tlZoom=50"}));
}

TEST_F(BarFixture, ComboListMembers) {
  BarTool& font = Tool("tlFont");
  EXPECT_EQ(font.ListIndex(), -1);
  for (const char* name : {"Arial", "TAHOMA", "Times"}) font.AddItem(name);
  EXPECT_EQ(font.ListIndex(), -1);  // adding selects nothing
  EXPECT_EQ(font.Text(), "");
  font.SetListIndex(1);
  EXPECT_EQ(font.Text(), "TAHOMA");
  EXPECT_EQ(font.ListCount(), 3);
  EXPECT_EQ(font.List(2), "Times");
  EXPECT_THROW(font.List(3), std::out_of_range);
  EXPECT_THROW(font.SetListIndex(3), std::out_of_range);
  EXPECT_THROW(Tool("tlPoint").AddItem("x"), std::logic_error);

  BarTool& zoom = Tool("tlZoom");
  zoom.SetText("120");  // no entry: shown, but nothing selected
  EXPECT_EQ(zoom.Text(), "120");
  EXPECT_EQ(zoom.ListIndex(), -1);
  zoom.AddItem("300");
  EXPECT_EQ(zoom.Text(), "120");
}

TEST_F(BarFixture, StatusPanelsShowTheirCaption) {
  auto* label = window.statusBar()->findChild<QLabel*>("tlFileName");
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->text(), "File Name");
  Tool("tlFileName").SetCaption("/tmp/a.nft");
  EXPECT_EQ(label->text(), "/tmp/a.nft");
  EXPECT_FALSE(Tool("Tool99").Caption().isEmpty());  // the time of day
}

TEST_F(BarFixture, HostedControlFillsTheLeftDock) {
  auto* panel = new QWidget;
  Tool("tlHost").SetControl(panel);
  QDockWidget* dock = bar.Bands().Item("bndDock").Dock();
  EXPECT_EQ(dock->widget(), panel);
  EXPECT_EQ(window.dockWidgetArea(dock), Qt::LeftDockWidgetArea);
  EXPECT_EQ(dock->windowTitle(), "Character List");
}

TEST_F(BarFixture, OpenersOpenTheirPopup) {
  QMenu* file = bar.Bands().Item("bndFile").Menu();
  EXPECT_EQ(Tool("mnuFile").Action()->menu(), file);
  EXPECT_TRUE(window.menuBar()->actions().contains(Tool("mnuFile").Action()));
  EXPECT_EQ(Tool("mnuFile").Action()->text(), "&File");
  auto* button =
      qobject_cast<QToolButton*>(bar.Bands().Item("bndBar").ToolBar()->widgetForAction(Tool("tlGuide").Action()));
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->popupMode(), QToolButton::InstantPopup);
  EXPECT_EQ(Tool("tlVG1").Caption(), "");
  EXPECT_EQ(Tool("tlVG1").Action()->text(), "1");
}

TEST_F(BarFixture, CloseQueryComesBeforeTheWindowsOwnCloseEvent) {
  bool cancelNext = true;
  QObject::connect(&bar, &ToolBarControl::CloseQuery, [&](bool& cancel) {
    log << QStringLiteral("query");
    cancel = cancelNext;
    window.answerDone = true;
    window.answerCancel = cancel;
  });
  window.show();
  EXPECT_FALSE(window.close());
  EXPECT_EQ(log, QStringList({"query", "window"}));
  EXPECT_TRUE(window.isVisible());
  cancelNext = false;
  EXPECT_TRUE(window.close());
  EXPECT_EQ(log, QStringList({"query", "window", "query", "window"}));
}

TEST(ToolBarControlBuild, RejectsLayoutsItCannotBuild) {
  const auto opener = [](const char* target) {
    ToolBarLayout l;
    l.bands.push_back({.key = "bndMenu",
                       .kind = BandKind::MenuBar,
                       .tools = {{.key = "mnuFile", .kind = ToolKind::SubBandOpener, .subBand = target}}});
    l.bands.push_back({.key = "bndBar", .kind = BandKind::ToolBar});
    return l;
  };
  ToolBarLayout boxTwice;
  for (const char* band : {"bndA", "bndB"})
    boxTwice.bands.push_back(
        {.key = band, .kind = BandKind::ToolBar, .tools = {{.key = "tlZoom", .kind = ToolKind::EditableCombo}}});
  for (const ToolBarLayout& bad : {opener("bndMissing"), opener("bndBar"), boxTwice}) {
    QMainWindow w;
    ToolBarControl bar;
    EXPECT_THROW(bar.Build(w, bad), std::logic_error);
  }
}

TEST(VirtualKeyCode, MapsQtKeysToWindowsCodes) {
  const std::pair<int, int> cases[] = {{Qt::Key_Return, 13}, {Qt::Key_Enter, 13}, {Qt::Key_Escape, 27},
                                       {Qt::Key_A, 65},      {Qt::Key_5, 53},     {Qt::Key_Left, 37},
                                       {Qt::Key_Delete, 46}, {Qt::Key_F1, 112},   {Qt::Key_Backspace, 8}};
  for (auto [qt, windows] : cases) EXPECT_EQ(VirtualKeyCode(qt), windows) << qt;
}

}  // namespace
