#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <gtest/gtest.h>

#include "PreviewTestSupport.h"
#include "controls/Button.h"
#include "controls/Modal.h"
#include "preview/LEDPreview.h"

namespace {

using previewtest::Record;
using previewtest::Solid;

struct LEDPreview : ::testing::Test, previewtest::PreviewFixture {
  // Lit columns of row 0, as a string of '#' and '.'.
  static std::string Row(const preview::LEDPanel& p, int row = 0) {
    std::string r;
    for (int c = 0; c < p.Columns(); ++c) r += p.Lit(c, row) ? '#' : '.';
    return r;
  }
  // Presses "Show" with these inputs.
  static void Show(preview::frmLEDTest& w, const QString& sample, const QString& width,
                   const std::vector<int>& checked = {}) {
    w.txtSample->setText(sample);
    w.txtWidth->setText(width);
    for (int i = 0; i < 3; ++i) w.chkNumber[i]->setChecked(false);
    for (int i : checked) w.chkNumber[i]->setChecked(true);
    w.bntOk_Click();
  }
};

TEST_F(LEDPreview, OpensWithTheDefaultPanelAndSampleDrawn) {
  s.FontData['A'] = Solid(2, 3, 1);
  preview::frmLEDTest w(s, s.LEDRows, tables);
  EXPECT_EQ(w.windowTitle(), "Preview");
  EXPECT_EQ(w.cmbColor->currentText(), "Normal Red");
  const auto& p = w.Panel();
  EXPECT_EQ(p.Columns(), 32);
  EXPECT_EQ(p.Elements(), 512);
  EXPECT_EQ(p.OnColor(), qRgb(200, 0, 0));
  EXPECT_EQ(p.OffColor(), qRgb(40, 0, 0));
  EXPECT_EQ(Row(p), "##" + std::string(30, '.'));  // "A", then glyphs without design
  EXPECT_FALSE(p.Lit(0, 3));
  // The default panel needs less than the minimum width, so the window opens 8670 twips wide.
  EXPECT_EQ(w.width(), 578);
  // The panel is one surface: no widget per LED.
  EXPECT_LT(w.findChildren<QWidget*>().size(), 40);
}

TEST_F(LEDPreview, TextIsCutAtTheLastColumnAndTallGlyphsAtTheLastRow) {
  s.FontData['A'] = Solid(8, 1, 1);
  s.FontData['T'] = Record(3, 20, [](int x, int) { return x == 1 ? 1 : 0; });
  preview::frmLEDTest w(s, s.LEDRows, tables);
  Show(w, "AAA", "10");
  EXPECT_EQ(Row(w.Panel()), "##########");
  EXPECT_FALSE(w.Panel().Lit(9, 1));

  Show(w, "T", "10");
  for (int r = 0; r < 16; ++r) EXPECT_TRUE(w.Panel().Lit(1, r)) << r;
  for (int r = 0; r < 16; ++r) EXPECT_FALSE(w.Panel().Lit(2, r) || w.Panel().Lit(3, r)) << r;
}

TEST_F(LEDPreview, RightToLeftStartsAtTheLastColumnAndClipsTheLeftEdge) {
  s.FontData['A'] = Record(8, 1, [](int x, int) { return x == 0 ? 1 : 0; });
  s.FontData['B'] = Record(8, 1, [](int x, int) { return x >= 6 ? 1 : 0; });
  preview::frmLEDTest w(s, s.LEDRows, tables);
  Show(w, "A", "10", {2});
  EXPECT_EQ(Row(w.Panel()), "..#.......");
  // Latin reads left to right inside the right-to-left run, so B is drawn first: A's first
  // column on column 2 as before, B's columns 6 and 7 on columns 0 and 1, the rest left of
  // the panel.
  Show(w, "BA", "10", {2});
  EXPECT_EQ(Row(w.Panel()), "###.......");
}

// Which glyph lights each column, as the letter of its row ('.' for none).
std::string Glyphs(const preview::LEDPanel& p, const std::string& byRow) {
  std::string r;
  for (int c = 0; c < p.Columns(); ++c) {
    char g = '.';
    for (size_t row = 0; row < byRow.size(); ++row)
      if (p.Lit(c, static_cast<int>(row))) g = byRow[row];
    r += g;
  }
  return r;
}

TEST_F(LEDPreview, LatinAndNumbersReadLeftToRightInARightToLeftRun) {
  const std::string byRow = "ABC123";
  for (size_t i = 0; i < byRow.size(); ++i)
    s.FontData[static_cast<uint8_t>(byRow[i])] = Record(1, 6, [i](int, int y) { return y == int(i) ? 1 : 0; });
  preview::frmLEDTest w(s, s.LEDRows, tables);
  Show(w, "ABC 123", "10", {2});
  EXPECT_EQ(Glyphs(w.Panel(), byRow), "...ABC.123");  // from the last column leftwards
  Show(w, "ABC 123", "10");
  EXPECT_EQ(Glyphs(w.Panel(), byRow), "ABC.123...");
}

TEST_F(LEDPreview, PersianReadsRightToLeftWithoutTheOption) {
  s.FontData[175] = Record(1, 2, [](int, int y) { return y == 0 ? 1 : 0; });  // beh, initial
  s.FontData[172] = Record(1, 2, [](int, int y) { return y == 1 ? 1 : 0; });  // alef, final
  preview::frmLEDTest w(s, s.LEDRows, tables);
  Show(w, QString::fromStdU16String(u"\u0628\u0627"), "4");
  EXPECT_EQ(Glyphs(w.Panel(), "ba"), "ab..");  // beh at the right of alef
}

// A direction mark between two runs keeps them two runs, on the panel as on the LCD.
TEST_F(LEDPreview, DirectionMarkBetweenTwoRunsKeepsThemApart) {
  s.FontData[175] = Record(1, 2, [](int, int y) { return y == 0 ? 1 : 0; });  // beh, initial
  s.FontData[174] = Record(1, 2, [](int, int y) { return y == 1 ? 1 : 0; });  // beh, final
  s.FontData['A'] = Record(1, 2, [](int, int y) { return y == 0 ? 1 : 0; });
  s.FontData['B'] = Record(1, 2, [](int, int y) { return y == 1 ? 1 : 0; });
  preview::frmLEDTest w(s, s.LEDRows, tables);
  Show(w, QString::fromStdU16String(u"\u0628\u200E\u0628"), "4");
  previewtest::Grab(w, "led-beh-lrm-beh");
  EXPECT_EQ(Glyphs(w.Panel(), "if"), "if..");  // initial, then final, from the left
  Show(w, QString::fromStdU16String(u"A\u200FB"), "4", {2});
  const QImage img = previewtest::Grab(w, "led-a-rlm-b");
  EXPECT_EQ(Glyphs(w.Panel(), "AB"), "..BA");  // from the last column leftwards: A, then B
  // The grab shows it: the lit lamp of row 1 (B) left of the lit lamp of row 0 (A).
  const QPoint o = w.picLED->pos();
  const double mx = w.picLED->DotsPerMmX(), my = w.picLED->DotsPerMmY();
  const double pitch = w.txtPitch->text().toDouble(), half = w.txtLEDSize->text().toDouble() / 2;
  auto lamp = [&](int c, int r) {
    return img.pixel(o.x() + static_cast<int>((pitch * c + half) * mx),
                     o.y() + static_cast<int>((pitch * r + half) * my)) &
           0xFFFFFF;
  };
  const QRgb on = qRgb(200, 0, 0) & 0xFFFFFF;
  EXPECT_EQ(lamp(2, 1), on);
  EXPECT_EQ(lamp(3, 0), on);
  EXPECT_NE(lamp(2, 0), on);
  EXPECT_NE(lamp(3, 1), on);
}

TEST_F(LEDPreview, WidthIsRoundedAndLimited) {
  s.FontData['A'] = Solid(1, 1, 1);
  preview::frmLEDTest w(s, s.LEDRows, tables);
  struct Case {
    const char* width;
    int columns;
    const char* shown;
  };
  for (const Case c :
       {Case{"0", 0, "0"}, Case{"12.5", 12, "12.5"}, Case{"13.5", 14, "13.5"}, Case{"-3", 0, "-3"},
        Case{"abc", 0, "abc"}, Case{"", 0, ""}, Case{"2048", 2048, "2048"}, Case{"5000", 2048, "2048"}}) {
    SCOPED_TRACE(c.width);
    Show(w, "A", c.width);
    EXPECT_EQ(w.Panel().Columns(), c.columns);
    EXPECT_EQ(w.Panel().Elements(), std::max(1, c.columns * 16));
    EXPECT_EQ(w.txtWidth->text(), c.shown);
    if (c.columns == 0) {
      EXPECT_FALSE(w.Panel().Lit(0));  // element 0 stays, unlit
    }
  }
}

TEST_F(LEDPreview, DigitOptionsSwapTheDigitGlyphs) {
  s.FontData['1'] = Solid(1, 1, 1);                                           // Latin one: lights row 0
  s.FontData[129] = Record(1, 2, [](int, int y) { return y == 1 ? 1 : 0; });  // Persian one: row 1
  s.FontData[173] = Solid(1, 4, 0);                                           // beh, unlit
  preview::frmLEDTest w(s, s.LEDRows, tables);
  struct Case {
    std::u16string sample;
    std::vector<int> checked;
    bool persian;
  };
  for (const Case& c : {Case{u"1", {}, false}, Case{u"1", {1}, true}, Case{u"\u06281", {}, true},
                        Case{u"\u06281", {0}, false}, Case{u"1", {0, 1}, true}, Case{u"\u06281", {0, 1}, true}}) {
    Show(w, QString::fromStdU16String(c.sample), "4", c.checked);
    const int col = 0;  // after beh the digit belongs to its run and stands left of it
    EXPECT_EQ(w.Panel().Lit(col, 0), !c.persian);
    EXPECT_EQ(w.Panel().Lit(col, 1), c.persian);
  }
}

TEST_F(LEDPreview, LayoutFollowsPitchAndColour) {
  preview::LEDPanel p;
  preview::ShowLEDSample(p, {.sample = "", .ledSizeMm = 2, .pitchMm = 2.5, .columns = 5, .colorIndex = 5}, 16,
                         s.FontData, tables);
  EXPECT_EQ(p.OnColor(), qRgb(0, 255, 0));
  for (int c = 0; c < 5; ++c) EXPECT_EQ(p.ElementX(c * 16), 2 * c);
  EXPECT_EQ(p.ElementY(1), 2);
  EXPECT_EQ(p.ElementY(3), 6);
  preview::ShowLEDSample(p, {.sample = "", .ledSizeMm = 2, .pitchMm = 0, .columns = 3, .colorIndex = -1}, 16,
                         s.FontData, tables);
  EXPECT_EQ(p.OnColor(), qRgb(100, 0, 0));  // nothing chosen: the first pair
  EXPECT_EQ(p.ElementX(47), 0);
  EXPECT_EQ(p.ElementY(47), 0);
}

TEST_F(LEDPreview, NarrowingSnapsBackToTheMinimumWidth) {
  preview::frmLEDTest w(s, s.LEDRows, tables);
  w.resize(300, 400);
  EXPECT_EQ(w.width(), 578);
  w.resize(800, 400);
  EXPECT_EQ(w.width(), 800);
}

TEST_F(LEDPreview, GrabShowsLitAndUnlitLampsInMillimetres) {
  s.FontData['A'] = Record(2, 2, [](int x, int y) { return x == y ? 9 : 0; });
  preview::frmLEDTest w(s, s.LEDRows, tables);
  w.txtLEDSize->setText("3");
  Show(w, "A", "32");
  w.Form_Resize();
  const QImage img = previewtest::Grab(w, "led-panel");
  const QPoint o = w.picLED->pos();
  const double mx = w.picLED->DotsPerMmX(), my = w.picLED->DotsPerMmY();
  auto centre = [&](int c, int r) {
    return QPoint(o.x() + static_cast<int>((4 * c + 1.5) * mx), o.y() + static_cast<int>((4 * r + 1.5) * my));
  };
  EXPECT_EQ(img.pixel(centre(0, 0)), 0xFF000000u | qRgb(200, 0, 0));
  EXPECT_EQ(img.pixel(centre(1, 1)), 0xFF000000u | qRgb(200, 0, 0));
  EXPECT_EQ(img.pixel(centre(1, 0)), 0xFF000000u | qRgb(40, 0, 0));
  EXPECT_EQ(img.pixel(centre(5, 7)), 0xFF000000u | qRgb(40, 0, 0));
  // Between two lamps of 3 mm at a pitch of 4 mm lies the black panel.
  EXPECT_EQ(img.pixel(o.x() + static_cast<int>(3.5 * mx), centre(0, 0).y()), 0xFF000000u);
}

TEST_F(LEDPreview, AWideFullPanelStaysOneSurface) {
  s.FontData['W'] = Solid(8, 16, 1);
  preview::frmLEDTest w(s, s.LEDRows, tables);
  Show(w, QString(300, QChar('W')), "2048");
  EXPECT_EQ(w.Panel().Elements(), 32768);
  EXPECT_TRUE(w.Panel().Lit(2047, 15));
  EXPECT_LT(w.findChildren<QWidget*>().size(), 40);
  const QImage img = previewtest::Grab(w, "led-wide");
  EXPECT_EQ(img.pixel(w.picLED->pos() + QPoint(4, 4)), 0xFF000000u | qRgb(200, 0, 0));
}

TEST_F(LEDPreview, OpensModallyThroughTheSeam) {
  controls::ScopedModalScript script;
  int columns = -1;
  script.Add([&](QDialog& d) {
    auto& w = dynamic_cast<preview::frmLEDTest&>(d);
    columns = w.Panel().Columns();
    return 0;
  });
  preview::ShowLEDPreview(s, s.LEDRows, tables);
  EXPECT_EQ(columns, 32);
  EXPECT_EQ(controls::Modal::UnansweredShowings(), 0);
}

}  // namespace
