// The plug-ins as the program meets them: the splash's scan at start-up, and an
// import run from the main window's menu into the editor.
#include <QDialog>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <gtest/gtest.h>
#include <memory>

#include "DocumentTestSupport.h"
#include "PluginTestSupport.h"
#include "controls/Modal.h"
#include "document/CharRecord.h"
#include "dialogs/FileDialog.h"
#include "plugins/PluginHost.h"
#include "plugins/PluginRegistry.h"
#include "charlists/CharListPanel.h"
#include "shell/MainWindow.h"
#include "shell/SplashWindow.h"

using namespace plugins;

namespace {

using PluginScan = plugintest::PluginFolderTest;
using plugintest::IsEmptyTable;

TEST_F(PluginScan, SplashScansInListingOrderRegistersOnceThenFillsTheCharTables) {
  Install(PluginKind::Export, "WriteExport");
  Install(PluginKind::Export, "ErrorExport");
  int charTables = 0;
  {
    shell::frmSpilash splash;
    splash.show();
    splash.Plugins = &state;
    splash.InitCharTables = [&] {
      ++charTables;
      EXPECT_EQ(state.Tables.ExportPlugins.size(), 2u);  // the scan is done by then
    };
    splash.Init();
    EXPECT_EQ(splash.lblText->text(), "Find Plugin Record Writer");
    EXPECT_FALSE(splash.isVisible());
  }
  EXPECT_EQ(charTables, 1);
  const auto& t = state.Tables.ExportPlugins;
  ASSERT_EQ(t.size(), 2u);
  EXPECT_EQ(t[0].ProgID, "errorexport.plugin");
  EXPECT_EQ(t[0].FullName, "Broken Disk");  // members given by invokables
  EXPECT_EQ(t[0].FilterFile, "Any (*.*)|*.*");
  EXPECT_EQ(t[0].Describe, "Fails every time.");
  EXPECT_EQ(t[1].ProgID, "writeexport.plugin");
  EXPECT_EQ(t[1].FullName, "Record Writer");
  EXPECT_EQ(t[1].FilterFile, "Records (*.rec)|*.rec|All Files (*.*)|*.*");
  EXPECT_TRUE(IsEmptyTable(state.Tables.ImportPlugins));
  EXPECT_TRUE(IsEmptyTable(state.Tables.DevicePlugins));
  EXPECT_EQ(registered.size(), 2);
  EXPECT_EQ(LookUpPlugin(state.Environment.RegistryFile, "writeexport.plugin"),
            QFileInfo(Folder(PluginKind::Export) + "WriteExport.so").absoluteFilePath());

  // The next start creates both at once: nothing is registered again.
  PluginTables again;
  ScanPluginFolder(Folder(PluginKind::Export), PluginKind::Export, again, state.Environment);
  EXPECT_EQ(again.ExportPlugins.size(), 2u);
  EXPECT_EQ(registered.size(), 2);
}

// "mnuImport" takes the whole font from the plug-in; the glyph on screen is the
// imported one at once, and the font counts as changed.
// A main window with the one test importer and glyph 4 current and stored, then
// "mnuImport" of a source of the given kind.
struct ImportFromTheMenu : PluginScan {
  doc::ModConst s;
  std::unique_ptr<shell::frmMain> win;

  void Import(const QByteArray& kind) {
    Install(PluginKind::Import, "TestImport");
    {
      QFile src(dir.filePath("font.tst"));
      ASSERT_TRUE(src.open(QIODevice::WriteOnly));
      src.write(kind + "\n");
    }
    {
      QFile ini(dir.filePath("CharList.ini"));
      ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
      ini.write("[List]\nItem1=First\n[First]\nChars4=d\n");
    }
    win = std::make_unique<shell::frmMain>(s, dir.path());
    win->InstalledFonts = [] { return QStringList{"DejaVu Sans"}; };
    win->MDIForm_Load();
    win->Plugins.Environment = state.Environment;
    ScanPluginFolder(Folder(PluginKind::Import), PluginKind::Import, win->Plugins.Tables, state.Environment);
    win->picCharList->SelectCode(4);
    win->picCharList->lvChars_DblClick();
    win->Design->SaveFontData();
    s.FontModified = false;  // nothing to ask before the import

    controls::ScopedModalScript script({
        [](QDialog& d) {  // frmImport: the one plug-in, then "Next"
          auto* w = dynamic_cast<PluginWindow*>(&d);
          EXPECT_NE(w, nullptr);
          if (!w) return 0;
          w->lstPlugins->setCurrentRow(0);
          w->lstPlugins_Click();
          w->bntOk_Click();
          return d.result();
        },
        [this](QDialog& d) {  // the file dialog
          auto& dlg = static_cast<dialogs::frmDialog&>(d);
          dlg.FileChooser1->SetFolder(dir.path());
          dlg.FileChooser1->SetFileTitle("font.tst");
          dlg.bntOk_Click();
          return d.result();
        },
    });
    win->ToolBar_ToolClick(win->ToolBar.Tools().Item("mnuImport"));
    EXPECT_EQ(script.Shown(), 2);
  }
};

TEST_F(ImportFromTheMenu, ImportFromTheMenuShowsTheImportedGlyphInTheEditor) {
  Import("512");
  EXPECT_EQ(s.FontData[4], testsupport::MakeRecord(2, 1, [](int, int) { return 4 % 15 + 1; }));
  EXPECT_EQ(s.CurrentChar, 4);
  EXPECT_EQ(s.DesignData.Get(1, 0), 5);  // the editor shows the imported glyph
  EXPECT_TRUE(s.FontModified);
  EXPECT_EQ(s.MaxWidth, 32);  // the maxima already hold every imported glyph
  EXPECT_EQ(s.MaxHeight, 16);
}

// A glyph larger than the maxima, beyond the settings' limits too, raises them as a
// pasted picture does: it is shown whole and stored whole when the editor moves on.
TEST_F(ImportFromTheMenu, ImportedGlyphLargerThanTheMaximaIsShownAndStoredWhole) {
  Import("large");
  const std::string large = testsupport::MakeRecord(1030, 40, [](int x, int y) { return (x + 2 * y) % 15 + 1; });
  EXPECT_EQ(s.MaxWidth, 1030);
  EXPECT_EQ(s.MaxHeight, 40);
  EXPECT_EQ(s.CurrentChar, 4);
  EXPECT_EQ(win->Design->CharWidth, 1030);
  EXPECT_EQ(win->Design->CharHeight, 40);
  EXPECT_TRUE(doc::CharRecord::Encode(s.DesignData, 1030, 40) == large);  // every cell on screen
  win->picCharList->SelectCode(6);
  win->picCharList->lvChars_DblClick();
  EXPECT_EQ(s.CurrentChar, 6);
  EXPECT_TRUE(s.FontData[4] == large) << s.FontData[4].size() << " bytes stored";
  EXPECT_EQ(s.FontData[6], testsupport::MakeRecord(2, 1, [](int, int) { return 6 % 15 + 1; }));
}

}  // namespace
