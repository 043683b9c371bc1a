#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QTemporaryDir>

#include "controls/MessageDialog.h"
#include "controls/Modal.h"
#include "shell/CharListPanel.h"
#include "shell/MainWindow.h"

namespace {

// A program folder of its own with the given CharList.ini content.
struct MainWindowFixture {
  QTemporaryDir dir;
  doc::ModConst s;
  std::unique_ptr<shell::frmMain> win;
  explicit MainWindowFixture(const QByteArray& ini, QStringList fonts = {"DejaVu Sans"}) {
    QFile f(dir.path() + "/CharList.ini");
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(ini);
    f.close();
    win = std::make_unique<shell::frmMain>(s, dir.path());
    win->InstalledFonts = [fonts] { return fonts; };
    win->MDIForm_Load();
  }
  platform::BarTool& Tool(const char* key) { return win->ActiveBar31.Tools().Item(key); }
};

const QByteArray kTwoLists = "[List]\nItem1=First\nItem2=Second\nItem3=\nItem4=Fourth\n[First]\nChars65=A\n";

TEST(MainWindowStartUp, FontsInDatabaseOrderWithTahomaChosenByWholeName) {
  MainWindowFixture f(kTwoLists, {"Arial", "TAHOMA", "Times"});
  platform::BarTool& font = f.Tool("tlFont");
  ASSERT_EQ(font.ListCount(), 3);
  EXPECT_EQ(font.List(0), "Arial");
  EXPECT_EQ(font.List(2), "Times");
  EXPECT_EQ(font.ListIndex(), 1);

  MainWindowFixture g(kTwoLists, {"Tahoma Bold", "Arial"});
  EXPECT_EQ(g.Tool("tlFont").ListIndex(), -1);
}

TEST(MainWindowStartUp, ListNamesStopAtTheFirstGapAndTheFirstIsChosen) {
  MainWindowFixture f(kTwoLists);
  QComboBox* names = f.win->picCharList->cmbList;
  ASSERT_EQ(names->count(), 2);
  EXPECT_EQ(names->itemText(1), "Second");
  EXPECT_EQ(names->currentIndex(), 0);
  EXPECT_EQ(f.win->picCharList->ItemCount(), 512);
  EXPECT_EQ(f.s.CharText[65], "A");
  // Start-up leaves no glyph current, the defaults in place and the grid drawn.
  EXPECT_EQ(f.s.CurrentChar, -1);
  EXPECT_EQ(f.s.LEDRows, 16);
  EXPECT_EQ(f.s.MaxWidth, 32);
  EXPECT_EQ(f.win->Design->CharWidth, 8);
  EXPECT_EQ(f.Tool("tlWidth").Text(), "8");
}

TEST(MainWindowStartUp, NoCharListLeavesThePanelEmptyAndCommandsHarmless) {
  MainWindowFixture f("");
  EXPECT_EQ(f.win->picCharList->cmbList->count(), 0);
  EXPECT_EQ(f.win->picCharList->ItemCount(), 0);
  for (const char* key : {"mnuNextChar", "mnuPreviousChar", "mnuRemove", "mnuUndo", "mnuClear"})
    shell::DispatchToolClick(key, *f.win);
  EXPECT_EQ(f.s.CurrentChar, -1);
}

TEST(MainWindowCommands, DoubleClickSwitchesDrawAndSaveMarksTheFontChanged) {
  MainWindowFixture f(kTwoLists);
  f.win->picCharList->SelectCode(65);
  f.win->picCharList->lvChars_DblClick();
  ASSERT_EQ(f.s.CurrentChar, 65);
  f.s.DesignData.Set(0, 0, 3);
  shell::DispatchToolClick("mnuNextChar", *f.win);
  EXPECT_EQ(f.s.CurrentChar, 66);
  EXPECT_TRUE(f.s.FontModified);
  EXPECT_EQ(static_cast<unsigned char>(f.s.FontData[65][4]), 3);
  EXPECT_TRUE(f.win->picCharList->ImageList1.ListImages.Contains("A65"));
}

TEST(MainWindowClose, UnchangedFontClosesWithoutAQuestion) {
  MainWindowFixture f(kTwoLists);
  platform::ScopedModalScript script;
  f.win->show();
  EXPECT_TRUE(f.win->close());
  EXPECT_EQ(script.Shown(), 0);
}

TEST(MainWindowClose, CancelKeepsTheWindowAndTheGlyphIsStored) {
  MainWindowFixture f(kTwoLists);
  f.win->picCharList->SelectCode(65);
  f.win->picCharList->lvChars_DblClick();
  f.s.DesignData.Set(1, 1, 2);
  f.win->show();
  platform::ScopedModalScript script({[](QDialog& d) {
    auto& m = static_cast<platform::MessageDialog&>(d);
    EXPECT_EQ(m.Title, "Project Change");
    return 1;  // Cancel
  }});
  EXPECT_FALSE(f.win->close());
  EXPECT_TRUE(f.win->isVisible());
  EXPECT_FALSE(f.s.FontData[65].empty());
  // A second close asks again; "No" lets it go.
  script.Add([](QDialog&) { return 2; });
  EXPECT_TRUE(f.win->close());
  EXPECT_EQ(script.Shown(), 2);
}

TEST(MainWindowClose, WindowsOwnQueryAppliesOnlyAPrecedingToolbarAnswer) {
  MainWindowFixture f(kTwoLists);
  int cancel = 0;
  f.win->MDIForm_QueryUnload(cancel, 0);
  EXPECT_EQ(cancel, 0);
  bool toolbarCancel = true;
  f.win->ActiveBar31_CloseQuery(toolbarCancel);
  EXPECT_TRUE(f.win->CloseQueryDone);
  f.win->MDIForm_QueryUnload(cancel, 0);
  EXPECT_EQ(cancel, 1);
  EXPECT_FALSE(f.win->CloseQueryDone);
}

}  // namespace

namespace {

TEST(MainWindowStartUp, AtMostAThousandListNamesAreRead) {
  QByteArray ini = "[List]\n";
  for (int n = 1; n <= 1001; ++n) ini += "Item" + QByteArray::number(n) + "=L" + QByteArray::number(n) + "\n";
  MainWindowFixture f(ini);
  QComboBox* names = f.win->picCharList->cmbList;
  ASSERT_EQ(names->count(), 1000);
  EXPECT_EQ(names->itemText(999), "L1000");
}

}  // namespace
