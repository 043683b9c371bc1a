#include <QDialog>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "dialogs/FileDialog.h"
#include "controls/Modal.h"

using namespace dialogs;
using controls::ScopedModalScript;

namespace {

struct FileDialogTest : ::testing::Test {
  QTemporaryDir dir;
  FileDialogMemory memory;
  QString Folder() const { return dir.path() + "/"; }
};

TEST_F(FileDialogTest, StartsFromItsStoredDesign) {
  memory.FileName = "/kept/from/before.nft";
  frmDialog dlg(memory);
  EXPECT_EQ(dlg.windowTitle(), "Open...");
  EXPECT_EQ(dlg.FileChooser1->FolderPath(), "/");
  EXPECT_TRUE(dlg.Cancelled);
  EXPECT_EQ(dlg.FileName, "/kept/from/before.nft");  // not reset by the load
}

TEST_F(FileDialogTest, OkJoinsFolderAndTitleAndCancelOrCloseCancels) {
  frmDialog dlg(memory);
  dlg.FileChooser1->SetFolder(dir.path());
  dlg.FileChooser1->SetFileTitle("a.nft");
  dlg.FileChooser1_Change();
  EXPECT_EQ(memory.FileName, Folder() + "a.nft");
  dlg.bntOk_Click();
  EXPECT_FALSE(dlg.Cancelled);
  EXPECT_EQ(dlg.result(), QDialog::Accepted);

  frmDialog cancelled(memory);
  cancelled.btnCancel_Click();
  EXPECT_TRUE(cancelled.Cancelled);
  frmDialog closed(memory);
  closed.reject();  // title-bar close runs neither button
  EXPECT_TRUE(closed.Cancelled);
  EXPECT_EQ(memory.FileName, Folder() + "a.nft");
}

TEST_F(FileDialogTest, OkWithoutFileTitle) {
  frmDialog plain;  // as the plug-in dialogs use it: the folder alone
  plain.bntOk_Click();
  EXPECT_FALSE(plain.Cancelled);
  EXPECT_EQ(plain.FileName, "/");

  frmDialog font(memory);
  font.RequireFileTitle = true;
  font.bntOk_Click();
  emit font.FileChooser1->Accept();
  EXPECT_TRUE(font.Cancelled);  // still open, nothing chosen
  font.FileChooser1->SetFileTitle("b.nft");
  emit font.FileChooser1->Accept();  // the chooser's accept acts as "Ok"
  EXPECT_FALSE(font.Cancelled);
  EXPECT_EQ(font.FileName, "/b.nft");
}

TEST_F(FileDialogTest, ChooseFontFileShowsANewWindowEachTime) {
  const QString folder = Folder();
  ScopedModalScript script({[folder](QDialog& d) {
                              auto& dlg = static_cast<frmDialog&>(d);
                              EXPECT_EQ(dlg.windowTitle(), "Save File...");
                              EXPECT_TRUE(dlg.FileChooser1->FileTitle().isEmpty());
                              dlg.FileChooser1->SetFolder(folder);
                              dlg.FileChooser1->SetFileTitle("font.nft");
                              dlg.bntOk_Click();
                              return d.result();
                            },
                            [](QDialog& d) {
                              auto& dlg = static_cast<frmDialog&>(d);
                              EXPECT_EQ(dlg.windowTitle(), "Open File...");
                              EXPECT_EQ(dlg.FileChooser1->FolderPath(), "/");  // stored folder again
                              dlg.btnCancel_Click();
                              return d.result();
                            }});
  EXPECT_EQ(ChooseFontFile("Save File...", memory), Folder() + "font.nft");
  EXPECT_EQ(ChooseFontFile("Open File...", memory), std::nullopt);
  EXPECT_EQ(memory.FileName, Folder() + "font.nft");
  EXPECT_EQ(script.Remaining(), 0u);
}

}  // namespace
