#include <QCheckBox>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include "PreviewTestSupport.h"
#include "document/CellColors.h"
#include "controls/Button.h"
#include "controls/Modal.h"
#include "preview/LCDPicture.h"
#include "preview/LCDPreview.h"

namespace {

using previewtest::Grab;
using previewtest::Solid;

const QRgb Blue = preview::LCDDisplayColor;

struct LCDPreview : ::testing::Test, previewtest::PreviewFixture {
  QRgb red, green;
  LCDPreview() {
    s.FontData['A'] = Solid(8, 8, 2);  // red
    s.FontData['B'] = Solid(8, 8, 3);  // green
    red = s.ColorTable[2];
    green = s.ColorTable[3];
  }
  // The colours of row y from column x0 to x1, as the grabbed window shows them.
  static std::vector<QRgb> Row(const QImage& img, int y, int x0, int x1) {
    std::vector<QRgb> v;
    for (int x = x0; x <= x1; ++x) v.push_back(img.pixel(x, y) & 0xFFFFFF);
    return v;
  }
  static std::vector<QRgb> Run(QRgb c, int n) { return std::vector<QRgb>(n, c & 0xFFFFFF); }
  static std::vector<QRgb> Cat(std::initializer_list<std::vector<QRgb>> parts) {
    std::vector<QRgb> v;
    for (const auto& p : parts) v.insert(v.end(), p.begin(), p.end());
    return v;
  }
};

TEST_F(LCDPreview, GlyphsShareOneColumnInBothDirections) {
  preview::frmLCDTest w(s, s.ColorTable, tables);
  w.txtText->setText("AB");
  w.btnDraw_Click();
  QImage img = Grab(w, "lcd-left-to-right");
  // A at 50..57, B from the shared column 57 to 64.
  EXPECT_EQ(Row(img, 50, 49, 65), Cat({Run(Blue, 1), Run(red, 7), Run(green, 8), Run(Blue, 1)}));
  EXPECT_EQ(Row(img, 57, 49, 65), Row(img, 50, 49, 65));
  EXPECT_EQ(img.pixel(50, 49) & 0xFFFFFF, Blue & 0xFFFFFF);
  EXPECT_EQ(img.pixel(50, 58) & 0xFFFFFF, Blue & 0xFFFFFF);

  // Right to left with two Persian letters, alef red and dal green: the first character is
  // the rightmost, alef at 243..250, dal at 236..243; nothing is left of the earlier drawing.
  s.FontData[171] = s.FontData['A'];
  s.FontData[207] = s.FontData['B'];
  w.txtText->setText(QString::fromStdU16String(u"\u0627\u062F"));
  w.chkRightToLeft->setChecked(true);
  w.btnDraw_Click();
  img = Grab(w, "lcd-right-to-left");
  EXPECT_EQ(Row(img, 50, 235, 251), Cat({Run(Blue, 1), Run(green, 8), Run(red, 7), Run(Blue, 1)}));
  EXPECT_EQ(Row(img, 50, 49, 65), Run(Blue, 17));
  // The picture of the module around the display stays.
  EXPECT_EQ(img.pixel(9, 29) & 0xFFFFFF, Blue & 0xFFFFFF);
  EXPECT_EQ(img.pixel(264, 156) & 0xFFFFFF, Blue & 0xFFFFFF);
  EXPECT_NE(img.pixel(8, 29) & 0xFFFFFF, Blue & 0xFFFFFF);
  EXPECT_NE(img.pixel(265, 157) & 0xFFFFFF, Blue & 0xFFFFFF);
}

TEST_F(LCDPreview, PartialCheckCountsAsRightToLeft) {
  preview::frmLCDTest w(s, s.ColorTable, tables);
  w.chkRightToLeft->setTristate(true);
  w.chkRightToLeft->setCheckState(Qt::PartiallyChecked);
  w.txtText->setText("A");
  w.btnDraw_Click();
  EXPECT_EQ(w.Picture().pixel(250, 50), 0xFF000000u | red);
  EXPECT_EQ(w.Picture().pixel(242, 50), 0xFF000000u | Blue);
}

TEST_F(LCDPreview, CharNumberDrawsThatCodeAndAnythingElseOnlyClears) {
  preview::frmLCDTest w(s, s.ColorTable, tables);
  const QRgb at = 0xFF000000u | red;
  struct Case {
    const char* number;
    bool draws;
  };
  for (const Case c : {Case{"65", true}, Case{" 65 ", true}, Case{"0", false}, Case{"256", false}, Case{"-65", false},
                       Case{"abc", false}, Case{"", false}}) {
    SCOPED_TRACE(c.number);
    w.txtText->setText("A");  // something drawn first, so that clearing shows
    w.btnDraw_Click();
    ASSERT_EQ(w.Picture().pixel(50, 50), at);
    w.txtText->clear();
    w.txtChar->setText(c.number);
    w.btnDraw_Click();
    EXPECT_EQ(w.Picture().pixel(50, 50) == at, c.draws);
    if (!c.draws) {
      EXPECT_EQ(w.Picture(), preview::LCDBackground());
    }
  }
}

TEST_F(LCDPreview, GlyphsWithoutDataLeaveTheDisplayClear) {
  preview::frmLCDTest w(s, s.ColorTable, tables);
  w.txtText->setText("xyz");
  w.btnDraw_Click();
  EXPECT_EQ(w.Picture(), preview::LCDBackground());
}

TEST_F(LCDPreview, TypingIntoOneBoxEmptiesTheOther) {
  preview::frmLCDTest w(s, s.ColorTable, tables);
  w.txtText->setText("abc");
  QTest::keyClicks(w.txtChar, "65");
  EXPECT_EQ(w.txtText->text(), "");
  EXPECT_EQ(w.txtChar->text(), "65");  // what was just typed stays
  QTest::keyClicks(w.txtText, "x");
  EXPECT_EQ(w.txtChar->text(), "");
  EXPECT_EQ(w.txtText->text(), "x");
}

TEST_F(LCDPreview, PersianRightToLeftUsesContextualFormsAndArabicDigits) {
  // Each form of beh and the digit 1 as a glyph of its own colour and width 2.
  s.FontData[175] = Solid(2, 2, 4);   // initial
  s.FontData[174] = Solid(2, 2, 8);   // final
  s.FontData[129] = Solid(2, 2, 10);  // Arabic-context 1
  s.FontData['1'] = Solid(2, 2, 12);
  preview::frmLCDTest w(s, s.ColorTable, tables);
  w.txtText->setText(QString::fromStdU16String(u"\u0628\u06281"));
  w.chkRightToLeft->setChecked(true);
  w.btnDraw_Click();
  const QImage img = Grab(w, "lcd-persian");
  EXPECT_EQ(img.pixel(250, 50) & 0xFFFFFF, s.ColorTable[4] & 0xFFFFFF);
  EXPECT_EQ(img.pixel(249, 50) & 0xFFFFFF, s.ColorTable[8] & 0xFFFFFF);
  EXPECT_EQ(img.pixel(248, 50) & 0xFFFFFF, s.ColorTable[10] & 0xFFFFFF);
  EXPECT_EQ(img.pixel(247, 50) & 0xFFFFFF, s.ColorTable[10] & 0xFFFFFF);
  EXPECT_EQ(img.pixel(246, 50) & 0xFFFFFF, Blue & 0xFFFFFF);
}

// A word and a number as a Persian reader types them: with "Right To Left" the word stands
// at the right and the number, left of it, reads 1, 2, 3 from the left.
TEST_F(LCDPreview, NumberAfterPersianWordReadsLeftToRight) {
  const uint8_t word = 5, one = 10, two = 11, three = 12;
  for (int c : {263, 186, 172, 173}) s.FontData[c] = Solid(3, 3, word);  // the forms of "book"
  s.FontData[129] = Solid(3, 3, one);
  s.FontData[130] = Solid(3, 3, two);
  s.FontData[131] = Solid(3, 3, three);
  preview::frmLCDTest w(s, s.ColorTable, tables);
  w.txtText->setText(QString::fromStdU16String(u"\u06A9\u062A\u0627\u0628 123"));
  w.chkRightToLeft->setChecked(true);
  w.btnDraw_Click();
  const QImage img = Grab(w, "lcd-book-123");
  // The colour of each glyph's middle column, from the left.
  std::vector<uint8_t> seen;
  for (int x = preview::LCDDisplayArea.left(); x <= preview::LCDDisplayArea.right(); ++x) {
    const QRgb c = img.pixel(x, 51) & 0xFFFFFF;
    for (uint8_t v : {word, one, two, three})
      if (c == (s.ColorTable[v] & 0xFFFFFF) && (seen.empty() || seen.back() != v)) seen.push_back(v);
  }
  EXPECT_EQ(seen, (std::vector<uint8_t>{one, two, three, word}));
  EXPECT_EQ(img.pixel(250, 50) & 0xFFFFFF, s.ColorTable[word] & 0xFFFFFF);  // the word from the pen's start
}

// Invisible characters of Persian typing draw nothing and keep (or break) the joins.
TEST_F(LCDPreview, HalfSpaceJoinerAndDirectionMarksDrawNothing) {
  for (int c : {157, 158, 253, 254, int('?')}) s.FontData[c] = Solid(2, 2, 9);  // never to be seen
  s.FontData[173] = Solid(2, 2, 4);                                             // beh alone
  s.FontData[175] = Solid(2, 2, 6);                                             // beh initial
  s.FontData[174] = Solid(2, 2, 7);                                             // beh final
  preview::frmLCDTest w(s, s.ColorTable, tables);
  w.chkRightToLeft->setChecked(true);
  // The colour index of columns 250 down to 247 (0 for the display's blue); glyphs of width
  // 2 share a column.
  auto columns = [&] {
    std::vector<int> v;
    for (int x = 250; x >= 247; --x) {
      const QRgb px = w.Picture().pixel(x, 50) & 0xFFFFFF;
      int found = 0;
      for (int i = 1; i < 16; ++i)
        if (px == (s.ColorTable[i] & 0xFFFFFF)) found = i;
      v.push_back(found);
    }
    return v;
  };
  struct Case {
    std::u16string text;
    std::vector<int> columns;
  };
  for (const Case& c : {Case{u"\u0628\u200C\u0628", {4, 4, 4, 0}}, Case{u"\u0628\u200D", {6, 6, 0, 0}},
                        Case{u"\u200F\u0628\u200E\u0628\u061C", {6, 7, 7, 0}}}) {
    w.txtText->setText(QString::fromStdU16String(c.text));
    w.btnDraw_Click();
    EXPECT_EQ(columns(), c.columns);
  }
}

// A direction mark between two runs keeps them two runs: the behs joined across the
// mark read initial then final from the left, and B stands left of A.
TEST_F(LCDPreview, DirectionMarkBetweenTwoRunsKeepsThemApart) {
  s.FontData[175] = Solid(3, 3, 4);  // beh, initial
  s.FontData[174] = Solid(3, 3, 8);  // beh, final
  preview::frmLCDTest w(s, s.ColorTable, tables);
  struct Case {
    const char* name;
    std::u16string text;
    bool rightToLeft;
    std::vector<QRgb> leftToRight;  // the glyphs' colours on the display from the left
  };
  const auto colour = [&](int i) { return s.ColorTable[size_t(i)] & 0xFFFFFF; };
  for (const Case& c : {Case{"lcd-beh-lrm-beh", u"\u0628\u200E\u0628", false, {colour(4), colour(8)}},
                        Case{"lcd-a-rlm-b", u"A\u200FB", true, {green & 0xFFFFFF, red & 0xFFFFFF}}}) {
    SCOPED_TRACE(c.name);
    w.txtText->setText(QString::fromStdU16String(c.text));
    w.chkRightToLeft->setChecked(c.rightToLeft);
    w.btnDraw_Click();
    const QImage img = Grab(w, c.name);
    std::vector<QRgb> seen;
    for (int x = preview::LCDDisplayArea.left(); x <= preview::LCDDisplayArea.right(); ++x) {
      const QRgb px = img.pixel(x, 50) & 0xFFFFFF;
      if (px != (Blue & 0xFFFFFF) && (seen.empty() || seen.back() != px)) seen.push_back(px);
    }
    EXPECT_EQ(seen, c.leftToRight);
  }
}

TEST_F(LCDPreview, DamagedCellsTakeTheFixedColourAndHugeGlyphsAreClipped) {
  s.FontData['A'] = previewtest::Record(3, 1, [](int x, int) { return x == 1 ? 200 : 1; });
  s.FontData['B'] = previewtest::Record(2, 1, [](int, int) { return 5; }).substr(0, 5);  // short
  s.FontData['C'] = std::string{char(254), char(254), char(254), char(254)} + std::string(64, char(7));
  QImage pic = preview::LCDBackground();
  EXPECT_EQ(preview::DrawLCDChar(pic, s, s.ColorTable, 50, 50, 'A', false), 2);
  EXPECT_EQ(pic.pixel(51, 50), 0xFF000000u | doc::DamagedCellColor);
  EXPECT_EQ(pic.pixel(52, 50), 0xFF000000u | s.ColorTable[1]);
  EXPECT_EQ(preview::DrawLCDChar(pic, s, s.ColorTable, 60, 50, 'B', false), 1);
  EXPECT_EQ(pic.pixel(60, 50), 0xFF000000u | s.ColorTable[5]);
  EXPECT_EQ(pic.pixel(61, 50), 0xFF000000u | Blue);  // the record ends before this cell
  EXPECT_EQ(preview::DrawLCDChar(pic, s, s.ColorTable, -100, -100, 'C', false), 254 * 255 + 254 - 1);
  EXPECT_EQ(preview::DrawLCDChar(pic, s, s.ColorTable, 0, 0, 512, false), 0);
  EXPECT_EQ(preview::DrawLCDChar(pic, s, s.ColorTable, 0, 0, -1, true), 0);
}

TEST_F(LCDPreview, OpensModallyThroughTheSeamAndCloses) {
  controls::ScopedModalScript script;
  bool seen = false;
  script.Add([&](QDialog& d) {
    auto& w = dynamic_cast<preview::frmLCDTest&>(d);
    EXPECT_EQ(w.windowTitle(), "LCD Test");
    EXPECT_EQ(w.size(), QSize(274, 250));
    w.txtText->setText("A");
    w.btnDraw->click();
    seen = w.Picture().pixel(50, 50) == (0xFF000000u | s.ColorTable[2]);
    w.btnClose->click();
    return w.result();
  });
  preview::ShowLCDPreview(s, s.ColorTable, tables);
  EXPECT_TRUE(seen);
  EXPECT_EQ(script.Shown(), 1);
  EXPECT_EQ(controls::Modal::UnansweredShowings(), 0);
}

}  // namespace
