#include <QDialog>
#include <QFile>
#include <QFontMetrics>
#include <QtEndian>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

#include "PluginTestSupport.h"
#include "DocumentTestSupport.h"
#include "dialogs/FileDialog.h"
#include "controls/MessageDialog.h"
#include "controls/Modal.h"
#include "plugins/PluginWindows.h"

using namespace plugins;
using controls::ScopedModalScript;

namespace {

// The file dialog: checks its caption, then "Ok" on this folder and file title
// ("" = no file chosen), or Cancel when folder is empty.
controls::Modal::Answer FileDialog(QString caption, QString folder, QString title = {}) {
  return [=](QDialog& d) {
    auto& dlg = static_cast<dialogs::frmDialog&>(d);
    EXPECT_EQ(dlg.windowTitle(), caption);
    if (folder.isEmpty()) {
      dlg.btnCancel_Click();
    } else {
      dlg.FileChooser1->SetFolder(folder);
      dlg.FileChooser1->SetFileTitle(title);
      dlg.bntOk_Click();
    }
    return d.result();
  };
}

// A message: keeps its text and button captions, presses the rightmost button.
controls::Modal::Answer Message(QString* text, QStringList* captions = nullptr) {
  return [=](QDialog& d) {
    auto& box = static_cast<controls::MessageDialog&>(d);
    *text = box.Prompt;
    if (captions)
      *captions = {box.Button3Caption.trimmed(), box.Button2Caption.trimmed(), box.Button1Caption.trimmed()};
    box.Press(1);
    return d.result();
  };
}

using NoPlugins = plugintest::PluginFolderTest;

TEST_F(NoPlugins, BothWindowsOpenWithAnEmptyListAndNextDisabled) {
  ScanAll();
  doc::ModConst s;
  frmExport exp(state, s, {});
  frmImport imp(state, s, {});
  for (PluginWindow* w : {static_cast<PluginWindow*>(&exp), static_cast<PluginWindow*>(&imp)}) {
    EXPECT_EQ(w->lstPlugins->count(), 0);
    EXPECT_FALSE(w->bntOk->isEnabled());
    EXPECT_TRUE(w->lblDescribe->text().isEmpty());
    ScopedModalScript script;
    w->bntOk_Click();  // even if reached, there is nothing to call and no dialog
    EXPECT_EQ(script.Shown(), 0);
  }
  EXPECT_EQ(exp.windowTitle(), "Export To");
  EXPECT_EQ(imp.windowTitle(), "Import From");
}

struct PluginWindows : plugintest::PluginFolderTest {
  doc::ModConst s;
  std::vector<QString> calls;  // hooks in the order they ran
  bool confirm = true;
  QString out = dir.filePath("out");

  PluginWindows() {
    doc::InitDefaults(s);
    Install(plugins::PluginKind::Export, "ErrorExport");
    Install(plugins::PluginKind::Export, "WriteExport");
    Install(plugins::PluginKind::Import, "TestImport");
    ScanAll();
    for (int code = 0; code < doc::GlyphCount; code += 3)
      s.FontData[code] = testsupport::MakeRecord(3, 2, [code](int x, int y) { return (code + x + y) % 16; });
    s.FontFileName = "/fonts/kept.nft";
  }
  // The glyph list records its thumbnail refreshes among the calls.
  struct RecordingList : doc::GlyphList {
    std::vector<QString>& calls;
    explicit RecordingList(std::vector<QString>& c) : calls(c) {}
    std::optional<int> SelectedCode() override { return std::nullopt; }
    int ItemCount() override { return 0; }
    void SelectCode(int) override {}
    void RefreshCharIcons(int code) override { calls.push_back("RefreshCharIcons " + QString::number(code)); }
    QString ListName() override { return {}; }
  };
  RecordingList list{calls};
  // So does the design window its procedures.
  struct RecordingDesign : doc::DesignProcedures {
    std::vector<QString>& calls;
    explicit RecordingDesign(std::vector<QString>& c) : calls(c) {}
    void SaveFontData() override { calls.push_back("SaveFontData"); }
    void DrawFont() override { calls.push_back("DrawFont"); }
    void DrawAll() override { calls.push_back("DrawAll"); }
    void LoadFontData() override { calls.push_back("LoadFontData"); }
  };
  RecordingDesign design{calls};
  struct RecordingPrompt : doc::SavePrompt {
    std::vector<QString>& calls;
    const bool& confirm;
    RecordingPrompt(std::vector<QString>& c, const bool& answer) : calls(c), confirm(answer) {}
    bool ConfirmSaveProject() override {
      calls.push_back("ConfirmSaveProject");
      return confirm;
    }
  };
  RecordingPrompt prompt{calls, confirm};
  FontHooks Hooks() {
    FontHooks h;
    h.Design = &design;
    h.Prompt = &prompt;
    h.List = &list;
    return h;
  }
  void Pick(PluginWindow& w, int row) {
    w.lstPlugins->setCurrentRow(row);
    w.lstPlugins_Click();
  }
  void WriteSource(const QByteArray& kind) {
    QFile src(dir.filePath("font.tst"));
    ASSERT_TRUE(src.open(QIODevice::WriteOnly));
    src.write(kind + "\n");
  }
};

TEST_F(PluginWindows, ClickDescribesAndEnablesNextAndCancelCallsNothing) {
  frmExport w(state, s, Hooks());
  ASSERT_EQ(w.lstPlugins->count(), 2);
  EXPECT_EQ(w.lstPlugins->item(0)->text(), "Broken Disk");
  EXPECT_EQ(w.lstPlugins->item(1)->text(), "Record Writer");
  EXPECT_FALSE(w.bntOk->isEnabled());
  Pick(w, 1);
  EXPECT_TRUE(w.bntOk->isEnabled());
  EXPECT_EQ(w.lblDescribe->text(), "Writes every glyph record as it is.");
  // Fixed pitch as drawn, whichever family stands in for "Courier New" here.
  const QFontMetrics m(w.lblDescribe->font());
  EXPECT_EQ(m.horizontalAdvance("iiii"), m.horizontalAdvance("MMMM"));
  w.btnCancel_Click();
  EXPECT_EQ(w.result(), QDialog::Rejected);
  EXPECT_TRUE(calls.empty());
}

// Opening gives the list the focus, and with it Qt's first row; that is no choice.
// Only the user's pick, by keyboard or mouse, describes a plug-in and enables Next.
TEST_F(PluginWindows, NothingIsChosenUntilTheUserPicksAPlugin) {
  frmExport exp(state, s, Hooks());
  frmImport imp(state, s, Hooks());
  const std::pair<PluginWindow*, const std::vector<PluginRecord>*> windows[] = {{&exp, &state.Tables.ExportPlugins},
                                                                                {&imp, &state.Tables.ImportPlugins}};
  for (const auto& [w, table] : windows) {
    SCOPED_TRACE(w->windowTitle().toStdString());
    w->show();
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    ASSERT_EQ(QApplication::focusWidget(), w->lstPlugins);
    EXPECT_TRUE(w->lblDescribe->text().isEmpty());
    EXPECT_FALSE(w->bntOk->isEnabled());

    QTest::keyClick(w->lstPlugins, Qt::Key_Down);  // the first plug-in
    EXPECT_EQ(w->lstPlugins->currentRow(), 0);
    EXPECT_EQ(w->lblDescribe->text().toStdString(), table->front().Describe.toStdString());
    EXPECT_TRUE(w->bntOk->isEnabled());

    const int last = w->lstPlugins->count() - 1;
    QTest::mouseClick(w->lstPlugins->viewport(), Qt::LeftButton, Qt::NoModifier,
                      w->lstPlugins->visualItemRect(w->lstPlugins->item(last)).center());
    EXPECT_EQ(w->lblDescribe->text().toStdString(), table->back().Describe.toStdString());
    EXPECT_TRUE(w->bntOk->isEnabled());
    // Taken back (Ctrl and a click): nothing is chosen again.
    QTest::mouseClick(w->lstPlugins->viewport(), Qt::LeftButton, Qt::ControlModifier,
                      w->lstPlugins->visualItemRect(w->lstPlugins->item(last)).center());
    EXPECT_TRUE(w->lblDescribe->text().isEmpty());
    EXPECT_FALSE(w->bntOk->isEnabled());
    w->btnCancel_Click();
  }
  EXPECT_TRUE(calls.empty());
}

TEST_F(PluginWindows, ExportHandsTheWholeFontOverAndNothingTheExporterDoesReachesIt) {
  const auto before = s.FontData;
  frmExport w(state, s, Hooks());
  Pick(w, 1);
  {
    ScopedModalScript script({FileDialog("Export Record Writer", dir.path(), "out")});
    w.bntOk_Click();
    EXPECT_EQ(script.Remaining(), 0u);
  }
  EXPECT_EQ(w.result(), QDialog::Accepted);
  EXPECT_EQ(calls, std::vector<QString>{"SaveFontData"});
  EXPECT_EQ(s.FontData, before);  // the exporter overwrote every record it was handed
  QFile written(out);
  ASSERT_TRUE(written.open(QIODevice::ReadOnly));
  const QByteArray bytes = written.readAll();
  std::vector<std::string> got;
  for (qsizetype pos = 0; pos + 4 <= bytes.size();) {
    const quint32 n = qFromLittleEndian<quint32>(bytes.constData() + pos);
    got.emplace_back(bytes.constData() + pos + 4, n);
    pos += 4 + n;
  }
  EXPECT_EQ(got, before);
}

TEST_F(PluginWindows, ExportCancelledOrWithoutAFileCallsNoPlugin) {
  for (const QString& folder : {QString(), dir.path()}) {
    frmExport w(state, s, Hooks());
    Pick(w, 1);
    ScopedModalScript script({FileDialog("Export Record Writer", folder)});
    w.bntOk_Click();
    EXPECT_EQ(script.Shown(), 1);  // no message either
    EXPECT_TRUE(w.result() == QDialog::Accepted);
    EXPECT_FALSE(QFile::exists(out));
  }
}

TEST_F(PluginWindows, ExportErrorShowsThePluginsDescriptionExactly) {
  const auto before = s.FontData;
  frmExport w(state, s, Hooks());
  Pick(w, 0);
  QString text;
  QStringList captions;
  ScopedModalScript script({FileDialog("Export Broken Disk", dir.path(), "x.bin"), Message(&text, &captions)});
  w.bntOk_Click();
  EXPECT_EQ(script.Remaining(), 0u);
  EXPECT_EQ(text, "Disk full: 0 bytes left on /media/card (code 28)");
  EXPECT_EQ(captions, (QStringList{"", "", ""}));  // the single OK of a plain message
  EXPECT_EQ(s.FontData, before);
}

// What an import may take over: 512 records, each empty or holding all its cells
// (longer is kept as the font file keeps it).
TEST(ImportResult, FiveHundredTwelveRecordsThatHoldTheirCells) {
  const std::string cell = testsupport::MakeRecord(1, 1, [](int, int) { return uint8_t{3}; });
  std::vector<std::string> font(doc::GlyphCount);
  font[1] = cell;
  font[2] = cell + "tail";
  EXPECT_TRUE(IsImportableFont(font));
  font[3] = cell.substr(0, 4);
  EXPECT_FALSE(IsImportableFont(font));
  font[3].clear();
  font.pop_back();
  EXPECT_FALSE(IsImportableFont(font));
}

TEST_F(PluginWindows, ImportOfAWrongResultChangesNothing) {
  const auto before = s.FontData;
  for (const char* kind : {"256", "bad", "text"}) {
    WriteSource(kind);
    frmImport w(state, s, Hooks());
    Pick(w, 0);
    ScopedModalScript script({FileDialog("Import Test Reader", dir.path(), "font.tst")});
    w.bntOk_Click();
    EXPECT_EQ(script.Shown(), 1) << kind;  // no message
    EXPECT_EQ(s.FontData, before) << kind;
    EXPECT_FALSE(s.FontModified) << kind;
    EXPECT_EQ(calls, std::vector<QString>{"ConfirmSaveProject"}) << kind;
    calls.clear();
  }
}

TEST_F(PluginWindows, ImportErrorIsShownAndChangesNothing) {
  const auto before = s.FontData;
  frmImport w(state, s, Hooks());
  Pick(w, 0);
  QString text;
  ScopedModalScript script({FileDialog("Import Test Reader", dir.path(), "missing.tst"), Message(&text)});
  w.bntOk_Click();
  EXPECT_EQ(text, "Cannot read " + dir.filePath("missing.tst"));
  EXPECT_EQ(s.FontData, before);
}

TEST_F(PluginWindows, ImportReplacesEveryGlyphKeepsTheFileNameAndMarksTheFontChanged) {
  WriteSource("512");
  s.CurrentChar = 4;  // a glyph on screen while the list has no selection
  frmImport w(state, s, Hooks());
  Pick(w, 0);
  ScopedModalScript script({FileDialog("Import Test Reader", dir.path(), "font.tst")});
  w.bntOk_Click();
  EXPECT_EQ(w.result(), QDialog::Accepted);
  for (int code = 0; code < doc::GlyphCount; ++code) {
    if (code % 2) {
      EXPECT_TRUE(s.FontData[code].empty()) << code;  // undesigned, also where a glyph was before
    } else {
      EXPECT_EQ(s.FontData[code], testsupport::MakeRecord(2, 1, [code](int, int) { return code % 15 + 1; })) << code;
    }
  }
  EXPECT_EQ(s.FontFileName, "/fonts/kept.nft");
  EXPECT_TRUE(s.FontModified);
  EXPECT_EQ(s.CurrentChar, -1);  // the emptied grid can be stored over no imported glyph
  EXPECT_EQ(calls, (std::vector<QString>{"ConfirmSaveProject", "LoadFontData", "DrawFont", "RefreshCharIcons -1"}));
}

TEST_F(PluginWindows, ImportAsksToSaveFirstAndACancelThereOrInTheDialogCallsNothing) {
  WriteSource("512");
  const auto before = s.FontData;
  {
    confirm = false;
    frmImport w(state, s, Hooks());
    Pick(w, 0);
    ScopedModalScript script;
    w.bntOk_Click();
    EXPECT_EQ(script.Shown(), 0);  // no file dialog
    EXPECT_EQ(w.result(), QDialog::Rejected);
  }
  {
    confirm = true;
    frmImport w(state, s, Hooks());
    Pick(w, 0);
    ScopedModalScript script({FileDialog("Import Test Reader", QString())});
    w.bntOk_Click();
    EXPECT_EQ(script.Remaining(), 0u);
  }
  EXPECT_EQ(calls, (std::vector<QString>{"ConfirmSaveProject", "ConfirmSaveProject"}));
  EXPECT_EQ(s.FontData, before);
}

}  // namespace
