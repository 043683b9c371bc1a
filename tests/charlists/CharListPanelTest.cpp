#include <QComboBox>
#include <QHeaderView>
#include <QTreeWidgetItem>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "DocumentTestSupport.h"
#include "platform/IniFile.h"
#include "charlists/CharListPanel.h"
#include "charlists/CharThumbnails.h"

namespace {

using charlists::CharListPanel;

std::string SolidRecord(int w, int h, uint8_t color) {
  return testsupport::MakeRecord(w, h, [color](int, int) { return color; });
}

// The panel over a counted design window.
struct PanelFixture : ::testing::Test, doc::DesignProcedures {
  QTemporaryDir dir;
  doc::ModConst s;
  platform::IniFile ini;
  QString path = dir.filePath("CharList.ini");
  std::unique_ptr<CharListPanel> panel;
  QImage preview{109, 133, QImage::Format_RGB32};
  // The design window's procedures, counted.
  int drawFonts = 0;
  int drawAlls = 0;
  void SaveFontData() override {}
  void DrawFont() override { ++drawFonts; }
  void DrawAll() override { ++drawAlls; }
  void LoadFontData() override {}

  void Write(const QByteArray& text) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(text);
  }
  // The panel as start-up builds it: names read, the first list chosen.
  void Start() {
    doc::InitDefaults(s);
    panel = std::make_unique<CharListPanel>(s, ini, path);
    panel->SetPreviewPicture(&preview);
    panel->SetDesign(this);
    panel->ReadListNames();
  }
  void Choose(int index) {
    panel->cmbList->setCurrentIndex(index);
    panel->cmbList_Click();
  }
  controls::ListItem Item(int code) { return panel->lvChars->ListItems().Item(QStringLiteral("A%1").arg(code)); }
  QString Icon(int code) { return Item(code).SmallIcon(); }
  // Top-left pixel of a code's thumbnail.
  QRgb Corner(int code) {
    return panel->ImageList1.ListImages.Item(QStringLiteral("A%1").arg(code)).toImage().pixel(0, 0);
  }
};

TEST_F(PanelFixture, ChoosingAListFillsTheItemsAndCharTextWithDefaults) {
  Write("[List]\nItem1=Mine\n[Mine]\nChars65=A\nChars66=\nChars200=x\\rtl\nChars201=y\\RTL\nChars202=\\rtlz\\rtl\n");
  Start();
  ASSERT_EQ(panel->ItemCount(), 512);
  EXPECT_EQ(panel->ListName(), "Mine");
  const struct {
    int code;
    QString shown;
    QString charText;
  } cases[] = {
      {0, "", ""},
      {32, "Space", " "},
      {33, "!", "!"},
      {65, "A", "A"},
      {66, "B", "B"},  // an empty value reads like an absent one: the default
      {127, QString(QChar(127)), QString(QChar(127))},
      {128, "", ""},
      {200, "x", QStringLiteral("x\u200F")},
      {201, "y\\RTL", "y\\RTL"},  // upper case is no marker
      {202, "z", QStringLiteral("\u200Fz\u200F")},
      {511, "", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Item(c.code).Text(), QStringLiteral("%1").arg(c.code, 3, 10, QLatin1Char('0')));
    EXPECT_EQ(Item(c.code).SubItems(1), c.shown) << c.code;
    EXPECT_EQ(s.CharText[c.code], c.charText) << c.code;
    EXPECT_EQ(Icon(c.code), "Empty");
  }
  EXPECT_EQ(panel->lvChars->ListItems().Item(1).Key(), "A0");
  EXPECT_EQ(panel->SelectedCode(), 0);
  EXPECT_EQ(drawFonts, 0);  // choosing a list does not switch the editor
}

TEST_F(PanelFixture, ListNamesStopAtTheFirstEmptyOne) {
  Write("[List]\nItem1=One\nItem2=Two\nItem4=Four\n[Two]\nChars65=b\n");
  Start();
  ASSERT_EQ(panel->cmbList->count(), 2);
  EXPECT_EQ(panel->cmbList->itemText(1), "Two");
  EXPECT_EQ(s.CharText[65], "A");  // "One" has no section: the defaults
  Choose(1);
  EXPECT_EQ(s.CharText[65], "b");
  EXPECT_EQ(Item(65).SubItems(1), "b");
}

TEST_F(PanelFixture, WithoutAnyListEveryCommandDoesNothing) {
  Start();  // no CharList.ini at all
  EXPECT_EQ(panel->cmbList->count(), 0);
  EXPECT_EQ(panel->ItemCount(), 0);
  EXPECT_FALSE(panel->SelectedCode());
  s.FontData[65] = SolidRecord(4, 4, 1);
  s.CurrentChar = 65;
  s.DesignData.Set(1, 1, 3);
  panel->cmbList_Click();
  panel->RefreshCharIcons(-1);
  panel->RefreshCharIcons(65);
  panel->RemoveCharacter();
  panel->lvChars_DblClick();
  panel->SelectCode(65);
  EXPECT_EQ(panel->ItemCount(), 0);
  EXPECT_EQ(s.FontData[65], SolidRecord(4, 4, 1));
  EXPECT_EQ(s.DesignData.Get(1, 1), 3);
  EXPECT_EQ(drawFonts, 0);
  EXPECT_EQ(drawAlls, 0);
}

TEST_F(PanelFixture, RefreshGivesEveryGlyphWithDataItsThumbnail) {
  Write("[List]\nItem1=L\n");
  Start();
  s.FontData[65] = SolidRecord(10, 16, 2);
  s.FontData[66] = SolidRecord(8, 8, 0);        // data without ink: white, not "Empty"
  s.FontData[67] = std::string("\x01\x02", 2);  // damaged
  s.FontData[68] = SolidRecord(0, 0, 0);
  panel->RefreshCharIcons(-1);
  const auto& images = panel->ImageList1.ListImages;
  for (int c : {65, 66, 67, 68}) {
    EXPECT_EQ(Icon(c), QStringLiteral("A%1").arg(c));
    ASSERT_TRUE(images.Contains(QStringLiteral("A%1").arg(c)));
    EXPECT_EQ(images.Item(QStringLiteral("A%1").arg(c)).size(), QSize(47, 47));
  }
  EXPECT_EQ(Icon(64), "Empty");
  EXPECT_FALSE(images.Contains("A64"));
  const QImage a = images.Item("A65").toImage();
  EXPECT_EQ(a.pixel(0, 0), qRgb(255, 0, 0));
  EXPECT_EQ(a.pixel(29, 0), qRgb(255, 255, 255));
  const QImage blank = images.Item("A66").toImage();
  EXPECT_EQ(blank.pixel(0, 0), qRgb(255, 255, 255));
  EXPECT_EQ(blank.pixel(46, 46), qRgb(255, 255, 255));
  // The thumbnails are drawn on the design window's preview, which keeps the last one.
  EXPECT_EQ(preview.pixel(100, 120), qRgb(255, 255, 255));
  EXPECT_FALSE(panel->lvChars->topLevelItem(65)->icon(0).isNull());
}

TEST_F(PanelFixture, NullPreviewIsLeftForTheDesignWindowToMake) {
  Write("[List]\nItem1=L\n");
  Start();
  preview = QImage();
  s.FontData[65] = SolidRecord(4, 4, 2);
  panel->RefreshCharIcons(65);
  EXPECT_TRUE(preview.isNull());
  EXPECT_EQ(Corner(65), qRgb(255, 0, 0));
}

TEST_F(PanelFixture, OneCodeRefreshReplacesOnlyItsThumbnail) {
  Write("[List]\nItem1=L\n");
  Start();
  s.FontData[65] = SolidRecord(4, 4, 2);
  s.FontData[66] = SolidRecord(4, 4, 2);
  panel->RefreshCharIcons(-1);
  s.FontData[65] = SolidRecord(4, 4, 10);
  s.FontData[66] = SolidRecord(4, 4, 10);
  panel->RefreshCharIcons(65);
  EXPECT_EQ(Corner(65), qRgb(0, 0, 255));
  EXPECT_EQ(Corner(66), qRgb(255, 0, 0));
  // A glyph whose data came without a refresh (an import) is drawn by the next one.
  s.FontData[70] = SolidRecord(4, 4, 3);
  panel->RefreshCharIcons(65);
  EXPECT_EQ(Icon(70), "A70");
  EXPECT_EQ(Corner(70), qRgb(0, 255, 0));
}

// A list choice rebuilds the items; every designed glyph keeps its thumbnail,
// the others show "Empty", going to another list and back again.
TEST_F(PanelFixture, AnotherListKeepsEveryThumbnail) {
  Write("[List]\nItem1=L\nItem2=M\n");
  Start();
  s.FontData[65] = SolidRecord(4, 4, 2);
  s.FontData[300] = SolidRecord(4, 4, 2);
  panel->RefreshCharIcons(-1);
  EXPECT_EQ(Icon(300), "A300");
  panel->lvChars->ListItems().Item("A65").SetSelected(true);
  for (int list : {1, 0}) {
    Choose(list);
    for (int c : {65, 300}) EXPECT_EQ(Icon(c), QStringLiteral("A%1").arg(c)) << list;
    for (int c : {0, 64, 511}) EXPECT_EQ(Icon(c), "Empty") << list;
    EXPECT_EQ(panel->SelectedCode(), 0);
  }
  // The list view shows the picture itself, not only its key.
  EXPECT_EQ(panel->lvChars->topLevelItem(300)->icon(0).pixmap(47, 47).toImage().pixel(10, 10),
            panel->ImageList1.ListImages.Item("A300").toImage().pixel(10, 10));
}

TEST_F(PanelFixture, RemoveEmptiesTheSelectedGlyph) {
  Write("[List]\nItem1=L\n");
  Start();
  s.FontData[65] = SolidRecord(4, 4, 2);
  s.FontData[66] = SolidRecord(4, 4, 2);
  panel->RefreshCharIcons(-1);
  s.CurrentChar = 65;
  s.DesignData.Set(2, 2, 5);
  panel->SelectCode(65);
  panel->RemoveCharacter();
  EXPECT_TRUE(s.FontData[65].empty());
  EXPECT_EQ(Icon(65), "Empty");
  EXPECT_FALSE(panel->ImageList1.ListImages.Contains("A65"));
  EXPECT_EQ(s.DesignData.Get(2, 2), 0);
  EXPECT_EQ(drawAlls, 1);       // the glyph on screen is redrawn at once
  EXPECT_TRUE(s.FontModified);  // so that closing asks to save the removal
  s.FontModified = false;
  panel->RemoveCharacter();  // nothing left to remove: no change
  EXPECT_FALSE(s.FontModified);
  EXPECT_EQ(s.CurrentChar, 65);
  EXPECT_EQ(Icon(66), "A66");
}

TEST_F(PanelFixture, RemovingAnotherGlyphKeepsTheOneBeingEdited) {
  Write("[List]\nItem1=L\n");
  Start();
  s.FontData[66] = SolidRecord(4, 4, 2);
  s.CurrentChar = 65;
  s.DesignData.Set(2, 2, 5);
  panel->SelectCode(66);  // a single click only selects
  panel->RemoveCharacter();
  EXPECT_TRUE(s.FontData[66].empty());
  EXPECT_EQ(s.DesignData.Get(2, 2), 5);
  EXPECT_EQ(drawAlls, 0);
}

TEST_F(PanelFixture, DoubleClickSwitchesOnlyWithASelectedItem) {
  Write("[List]\nItem1=L\n");
  Start();
  panel->SelectCode(300);
  EXPECT_EQ(panel->SelectedCode(), 300);
  emit panel->lvChars->DblClick();
  EXPECT_EQ(drawFonts, 1);
  panel->lvChars->clearSelection();
  panel->lvChars_DblClick();
  EXPECT_EQ(drawFonts, 1);
}

TEST_F(PanelFixture, LayoutPutsTheListBelowTheCombo) {
  Write("[List]\nItem1=L\n");
  Start();
  panel->resize(300, 400);
  panel->picCharList_Resize();
  const int h = panel->cmbList->height();
  EXPECT_GT(h, 0);
  EXPECT_EQ(panel->cmbList->geometry(), QRect(0, 0, 300, h));
  EXPECT_EQ(panel->lvChars->geometry(), QRect(0, h + 3, 300, 400 - h - 3));
}

}  // namespace

namespace {

// The ink of an image cut to its bounding box, so that rows compare by the shapes
// they show, not by where they show them.
QImage InkOnly(const QImage& row) {
  const QImage img = row.convertToFormat(QImage::Format_RGB32);
  const QRgb paper = img.pixel(img.width() - 1, 0);
  QRect box;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x)
      if (img.pixel(x, y) != paper) box |= QRect(x, y, 1, 1);
  return box.isEmpty() ? QImage() : img.copy(box);
}

// The shipped Persian list gives the jeem of codes 191 to 194 in its four forms, the
// joined ones held by joiners (U+200D): the "Text" column must show four shapes.
TEST_F(PanelFixture, PersianContextualFormsShowAsShaped) {
  QFile shipped(testsupport::SourceDir() + "/data/CharList.ini");
  ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
  Write(shipped.readAll());
  Start();
  const int persian = panel->cmbList->findText("Persian-Arabic");
  ASSERT_GE(persian, 0);
  Choose(persian);
  ASSERT_EQ(Item(192).SubItems(1), QString::fromUtf8("\u200D\u062C"));
  panel->resize(320, 600);
  panel->show();
  QHeaderView* header = panel->lvChars->header();
  std::vector<QImage> forms;
  for (int code = 191; code <= 194; ++code) {
    QTreeWidgetItem* item = panel->lvChars->topLevelItem(code);
    panel->lvChars->scrollToItem(item, QAbstractItemView::PositionAtTop);
    QRect cell = panel->lvChars->visualItemRect(item);
    cell.setLeft(header->sectionViewportPosition(1));
    cell.setWidth(header->sectionSize(1));
    const QImage row = panel->lvChars->viewport()->grab(cell).toImage();
    if (qEnvironmentVariableIsSet("QN_GRAB_DIR"))
      row.save(qEnvironmentVariable("QN_GRAB_DIR") + QStringLiteral("/form%1.png").arg(code));
    forms.push_back(InkOnly(row));
    ASSERT_FALSE(forms.back().isNull()) << code;
  }
  for (size_t i = 0; i < forms.size(); ++i)
    for (size_t j = i + 1; j < forms.size(); ++j) EXPECT_NE(forms[i], forms[j]) << 191 + i << " and " << 191 + j;
}

}  // namespace
