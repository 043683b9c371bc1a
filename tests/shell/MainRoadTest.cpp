#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "dialogs/FileDialog.h"
#include "controls/FileChooser.h"
#include "controls/Modal.h"
#include "charlists/CharListPanel.h"
#include "shell/MainWindow.h"

namespace {

const QByteArray kLatin = "[List]\nItem1=Latin\n[Latin]\nChars65=A\n";

// One run of the program: its own state and main window over a program folder.
struct ProgramRun {
  doc::ModConst s;
  std::unique_ptr<shell::frmMain> win;
  explicit ProgramRun(const QString& folder) {
    win = std::make_unique<shell::frmMain>(s, folder);
    win->InstalledFonts = [] { return QStringList{"DejaVu Sans"}; };
    win->MDIForm_Load();
    win->ToolBar.Tools().Item("tlFont").SetText("DejaVu Sans");
  }
  void Click(const char* key) { win->ToolBar_ToolClick(win->ToolBar.Tools().Item(key)); }
  void Visit(int code) {
    win->picCharList->SelectCode(code);
    win->picCharList->lvChars_DblClick();
  }
};

// Plays the user in frmDialog: choose this file and press "Ok".
controls::Modal::Answer ChooseFile(const QString& folder, const QString& title) {
  return [folder, title](QDialog& d) {
    auto& dlg = static_cast<dialogs::frmDialog&>(d);
    dlg.FileChooser1->SetFolder(folder);
    dlg.FileChooser1->SetFileTitle(title);
    dlg.bntOk_Click();
    return dlg.result();
  };
}

TEST(MainRoad, DrawSaveCloseStartAgainOpenShowsTheSameGlyphs) {
  QTemporaryDir program, fonts;
  {
    QFile f(program.path() + "/CharList.ini");
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(kLatin);
  }
  std::string savedA;
  {
    ProgramRun first(program.path());
    first.Visit(65);  // pre-drawn from the system font
    ASSERT_EQ(first.s.CurrentChar, 65);
    first.win->Design->picDesign_MouseDown(editor::ButtonLeft, 0, 1, 1);
    first.win->Design->picDesign_MouseUp(editor::ButtonLeft, 0, 1, 1);
    first.Visit(66);
    savedA = first.s.FontData[65];
    ASSERT_FALSE(savedA.empty());
    EXPECT_EQ(static_cast<unsigned char>(savedA[4]), 1);  // the point drawn at (0, 0)

    controls::ScopedModalScript script({ChooseFile(fonts.path(), "mine.nft")});
    first.Click("mnuSave");
    EXPECT_EQ(script.Shown(), 1);
    EXPECT_FALSE(first.s.FontModified);
    EXPECT_EQ(first.s.FontFileName, fonts.path() + "/mine.nft");
    EXPECT_EQ(first.win->ToolBar.Tools().Item("tlFileName").Caption(), first.s.FontFileName);
    // Unchanged since the save: the close asks nothing.
    first.win->show();
    EXPECT_TRUE(first.win->close());
    EXPECT_EQ(script.Shown(), 1);
  }
  ProgramRun second(program.path());
  controls::ScopedModalScript script({ChooseFile(fonts.path(), "mine.nft")});
  second.Click("mnuOpen");
  EXPECT_EQ(second.s.FontData[65], savedA);
  EXPECT_FALSE(second.s.FontData[66].empty());
  EXPECT_EQ(second.s.CurrentChar, 0);
  EXPECT_FALSE(second.s.FontModified);
  EXPECT_TRUE(second.win->picCharList->ImageList1.ListImages.Contains("A65"));
  second.Visit(65);
  EXPECT_EQ(second.s.DesignData.Get(0, 0), 1);
}

TEST(MainRoad, ChangedFontAsksOnCloseAndYesSavesFirst) {
  QTemporaryDir program, fonts;
  {
    QFile f(program.path() + "/CharList.ini");
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(kLatin);
  }
  ProgramRun run(program.path());
  run.Visit(65);
  run.win->show();
  controls::ScopedModalScript script({[](QDialog&) { return 3; },  // "Yes"
                                      ChooseFile(fonts.path(), "closing.nft")});
  EXPECT_TRUE(run.win->close());
  EXPECT_EQ(script.Shown(), 2);
  EXPECT_TRUE(QFile::exists(fonts.path() + "/closing.nft"));
}

}  // namespace
