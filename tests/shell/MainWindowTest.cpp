#include <gtest/gtest.h>

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QFontInfo>
#include <QMap>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

#include "controls/MessageDialog.h"
#include "controls/Modal.h"
#include "document/CharRecord.h"
#include "charlists/CharListPanel.h"
#include "platform/FontFamilies.h"
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
  controls::BarTool& Tool(const char* key) { return win->ToolBar.Tools().Item(key); }
};

const QByteArray kTwoLists = "[List]\nItem1=First\nItem2=Second\nItem3=\nItem4=Fourth\n[First]\nChars65=A\n";

TEST(MainWindowStartUp, FontsInDatabaseOrderWithTahomaChosenByWholeName) {
  MainWindowFixture f(kTwoLists, {"Arial", "TAHOMA", "Times"});
  controls::BarTool& font = f.Tool("tlFont");
  ASSERT_EQ(font.ListCount(), 3);
  EXPECT_EQ(font.List(0), "Arial");
  EXPECT_EQ(font.List(2), "Times");
  EXPECT_EQ(font.ListIndex(), 1);

  MainWindowFixture g(kTwoLists, {"Tahoma Bold", "Arial"});
  EXPECT_EQ(g.Tool("tlFont").ListIndex(), -1);

  // Of several names that are "tahoma" in lower case, the first stays chosen.
  MainWindowFixture h(kTwoLists, {"Arial", "tahoma", "Times", "TAHOMA", "Tahoma"});
  EXPECT_EQ(h.Tool("tlFont").ListIndex(), 1);
  EXPECT_EQ(h.Tool("tlFont").Text().toStdString(), "tahoma");
  MainWindowFixture k(kTwoLists, {"Tahoma", "Verdana", "tahoma"});
  EXPECT_EQ(k.Tool("tlFont").ListIndex(), 0);
  EXPECT_EQ(k.Tool("tlFont").Text().toStdString(), "Tahoma");
}

// Without Tahoma the box holds the family drawn in its place, so imports draw in
// the font the box names; a list without that family leaves the box unchosen.
TEST(MainWindowStartUp, WithoutTahomaTheFamilyDrawnInItsPlaceIsChosen) {
  const QString substitute = platform::DrawnFamily("Tahoma");
  if (substitute.compare("Tahoma", Qt::CaseInsensitive) == 0) GTEST_SKIP() << "Tahoma is installed";
  MainWindowFixture f(kTwoLists, {"Arial", substitute, "Times"});
  EXPECT_EQ(f.Tool("tlFont").ListIndex(), 1);
  EXPECT_EQ(f.Tool("tlFont").Text(), substitute);

  // The installed families as the program lists them by itself.
  auto g = std::make_unique<shell::frmMain>(f.s, f.dir.path());
  g->MDIForm_Load();
  controls::BarTool& font = g->ToolBar.Tools().Item("tlFont");
  ASSERT_GE(font.ListIndex(), 0);
  EXPECT_EQ(font.Text(), substitute);
  EXPECT_EQ(QFontInfo(QFont(font.Text())).family().section(" [", 0, 0), substitute);
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
    f.win->ToolBar_ToolClick(f.Tool(key));
  EXPECT_EQ(f.s.CurrentChar, -1);
}

TEST(MainWindowCommands, DoubleClickSwitchesDrawAndSaveMarksTheFontChanged) {
  MainWindowFixture f(kTwoLists);
  f.win->picCharList->SelectCode(65);
  f.win->picCharList->lvChars_DblClick();
  ASSERT_EQ(f.s.CurrentChar, 65);
  f.s.DesignData.Set(0, 0, 3);
  f.win->ToolBar_ToolClick(f.Tool("mnuNextChar"));
  EXPECT_EQ(f.s.CurrentChar, 66);
  EXPECT_TRUE(f.s.FontModified);
  EXPECT_EQ(static_cast<unsigned char>(f.s.FontData[65][4]), 3);
  EXPECT_TRUE(f.win->picCharList->ImageList1.ListImages.Contains("A65"));
}

// The text drawn on a white page of the import surface's size, as the font draws it at
// 16 points, smoothed or not.
QImage Rendering(const QString& text, bool smoothed) {
  QImage page(1024, 768, QImage::Format_RGB32);
  page.fill(Qt::white);
  QFont font("DejaVu Sans");
  font.setPointSizeF(16);
  font.setStyleStrategy(smoothed ? QFont::PreferAntialias : QFont::NoAntialias);
  QPainter p(&page);
  p.setRenderHint(QPainter::TextAntialiasing, smoothed);
  p.setFont(font);
  p.setPen(Qt::black);
  p.drawText(QPointF(0, QFontMetricsF(font, &page).ascent()), text);
  return page;
}

// A glyph seeded from a system font (a visit to a code without data) is the font's own
// unsmoothed rendering, cell for pixel; smoothed, each stroke came out a cell wider on
// each side, as every grey edge pixel counts as ink.
TEST(MainWindowCommands, SeededGlyphsAreTheFontsUnsmoothedRendering) {
  MainWindowFixture f("[List]\nItem1=Latin\n[Latin]\nChars65=A\nChars108=l\n");
  f.Tool("tlFont").SetText("DejaVu Sans");
  ASSERT_EQ(f.Tool("tlSize").Text(), "16");
  for (const auto& [code, text] : {std::pair{65, "A"}, std::pair{108, "l"}}) {
    SCOPED_TRACE(text);
    f.win->picCharList->SelectCode(code);
    f.win->picCharList->lvChars_DblClick();
    ASSERT_EQ(f.s.CurrentChar, code);
    const QImage unsmoothed = Rendering(text, false), smoothed = Rendering(text, true);
    const int width = f.win->Design->CharWidth;
    int cells = 0, greyInk = 0;
    for (int y = 0; y <= f.s.DesignData.HighY(); ++y)
      for (int x = 0; x <= width; ++x) {
        const bool black = (unsmoothed.pixel(x, y) & 0xFFFFFF) == 0;
        EXPECT_EQ(f.s.DesignData.Get(x, y), black ? 1 : 0) << x << "," << y;
        cells += f.s.DesignData.Get(x, y) != 0;
        greyInk += (smoothed.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF;
      }
    EXPECT_GT(cells, 10);
    EXPECT_GT(greyInk, cells + cells / 4);  // what the smoothed drawing would have seeded
  }
}

// Clear and the shifts leave their redraw to the caller: after the click the grid
// shows the new cells at once. Clear leaves FontData until the glyph is stored.
TEST(MainWindowCommands, ClearAndShiftsAreRedrawnAtOnce) {
  MainWindowFixture f(kTwoLists);
  f.win->picCharList->SelectCode(65);
  f.win->picCharList->lvChars_DblClick();
  ASSERT_EQ(f.s.CurrentChar, 65);
  const std::string stored = f.s.FontData[65];
  for (const char* key : {"mnuShiftRight", "mnuShiftDown", "mnuShiftLeft", "mnuShiftUp", "mnuClear"}) {
    f.s.DesignData.Set(2, 2, 3);
    f.win->Design->DrawAll();
    f.win->ToolBar_ToolClick(f.Tool(key));
    const QImage shown = f.win->Design->DesignPicture;
    f.win->Design->DrawAll();
    EXPECT_TRUE(shown == f.win->Design->DesignPicture) << key;
  }
  EXPECT_EQ(f.s.DesignData.Get(2, 2), 0);
  EXPECT_EQ(f.s.FontData[65], stored);
}

// A colour or tool click reaches the toolbar's check marks and the editor's state;
// the text tool and the windows still to come change nothing.
TEST(MainWindowCommands, SelectionClicksSetStateAndTheOnlyCheckMark) {
  MainWindowFixture f(kTwoLists);
  f.win->ToolBar_ToolClick(f.Tool("tlColor12"));
  f.win->ToolBar_ToolClick(f.Tool("tlLine"));
  EXPECT_EQ(f.s.CurrentColor, 12);
  EXPECT_EQ(f.s.CurrentTool, doc::ToolLine);
  {
    // The windows a click opens are closed at once; what they show has tests of its own.
    controls::ScopedModalScript script;
    for (const char* key : {"tlText", "mnuImport", "mnuExport", "mnuPasteSpecial", "mnuCharList", "muuLCDPreview",
                            "mnuLEDPreview", "mnuFontPreview", "mnuOption"})
      f.win->ToolBar_ToolClick(f.Tool(key));
    EXPECT_EQ(script.Shown(), 6);  // import, export, the list editor and the three previews
  }
  EXPECT_EQ(f.s.CurrentColor, 12);
  EXPECT_EQ(f.s.CurrentTool, doc::ToolLine);
  for (int n = 1; n <= 15; ++n) EXPECT_EQ(f.Tool(QString("tlColor%1").arg(n).toLatin1()).Checked(), n == 12);
  EXPECT_TRUE(f.Tool("tlLine").Checked());
  EXPECT_FALSE(f.Tool("tlPoint").Checked());
}

// Clear is one undo step: Undo brings back the glyph as it was before it.
TEST(MainWindowCommands, ClearThenUndoBringsBackTheGlyph) {
  MainWindowFixture f(kTwoLists);
  f.win->picCharList->SelectCode(300);
  f.win->picCharList->lvChars_DblClick();
  f.win->Design->picDesign_MouseDown(editor::ButtonLeft, 0, 25, 35);  // the last edit: cell (2, 3)
  f.win->Design->picDesign_MouseUp(editor::ButtonLeft, 0, 25, 35);
  const auto glyph = [&f] {
    return doc::CharRecord::Encode(f.s.DesignData, f.win->Design->CharWidth, f.win->Design->CharHeight);
  };
  const auto before = glyph();
  ASSERT_EQ(f.s.DesignData.Get(2, 3), 1);
  f.win->ToolBar_ToolClick(f.Tool("mnuClear"));
  EXPECT_EQ(f.s.DesignData.Get(2, 3), 0);
  f.win->ToolBar_ToolClick(f.Tool("mnuUndo"));
  EXPECT_EQ(glyph(), before);
}

// The usual keys of the file and edit commands, and none on any other tool.
TEST(MainWindowCommands, ShortcutsOfTheFileAndEditCommands) {
  MainWindowFixture f(kTwoLists);
  const QMap<QString, QString> expected = {{"mnuNew", "Ctrl+N"},
                                           {"mnuOpen", "Ctrl+O"},
                                           {"mnuSave", "Ctrl+S"},
                                           {"mnuUndo", "Ctrl+Z"},
                                           {"mnuRedo", "Ctrl+Shift+Z; Ctrl+Y"},
                                           {"mnuCopy", "Ctrl+C"},
                                           {"mnuPaste", "Ctrl+V"}};
  QMap<QString, QString> shortcuts;
  const controls::BandCollection& bands = f.win->ToolBar.Bands();
  for (int b = 0; b < bands.Count(); ++b) {
    const controls::ToolCollection& tools = bands.At(b).Tools();
    for (int i = 0; i < tools.Count(); ++i) {
      const QAction* action = tools.At(i).Action();
      if (action && !action->shortcuts().isEmpty())
        shortcuts[tools.At(i).Name()] = QKeySequence::listToString(action->shortcuts(), QKeySequence::PortableText);
    }
  }
  EXPECT_EQ(shortcuts, expected);
}

// Redo answers both Ctrl+Y and Ctrl+Shift+Z, pressed on the window as a user does.
TEST(MainWindowCommands, CtrlYAndCtrlShiftZRedo) {
  MainWindowFixture f(kTwoLists);
  f.win->picCharList->SelectCode(300);
  f.win->picCharList->lvChars_DblClick();
  f.win->show();
  f.win->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(f.win.get()));
  const std::pair<int, Qt::KeyboardModifiers> keys[] = {{Qt::Key_Y, Qt::ControlModifier},
                                                        {Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier}};
  int column = 2;  // a fresh cell for each key
  for (const auto& [key, mods] : keys) {
    const float x = column * 10 + 5.0f;
    f.win->Design->picDesign_MouseDown(editor::ButtonLeft, 0, x, 35);
    f.win->Design->picDesign_MouseUp(editor::ButtonLeft, 0, x, 35);
    f.win->ToolBar_ToolClick(f.Tool("mnuUndo"));
    ASSERT_EQ(f.s.DesignData.Get(column, 3), 0);
    QTest::keyClick(f.win->DesignWindow->picDesign, static_cast<Qt::Key>(key), mods);
    EXPECT_EQ(f.s.DesignData.Get(column, 3), 1) << QKeySequence(key | mods).toString().toStdString();
    EXPECT_TRUE(f.win->Design->History.RedoData().empty());
    ++column;
  }
}

TEST(MainWindowClose, UnchangedFontClosesWithoutAQuestion) {
  MainWindowFixture f(kTwoLists);
  controls::ScopedModalScript script;
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
  controls::ScopedModalScript script({[](QDialog& d) {
    auto& m = static_cast<controls::MessageDialog&>(d);
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
  f.win->ToolBar_CloseQuery(toolbarCancel);
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
