#include <QFont>
#include <QFontMetricsF>
#include <gtest/gtest.h>

#include <vector>

#include "TestSupport.h"
#include "document/CharRecord.h"
#include "editor/FontImport.h"
#include "editor/Render.h"  // with FontImport.h: the two colour names must not clash
#include "platform/Numbers.h"

namespace {

using Cells = std::vector<std::vector<uint8_t>>;  // [y][x]

struct FontImport : ::testing::Test, testsupport::EditorFixture {
  static constexpr int Code = 65;
  FontImport() {
    host.importSettings.family = "DejaVu Sans";
    host.importSettings.sizeText = "16";
    host.shiftText = "0";
    s.CurrentChar = Code;
  }
  void Import(const QString& text, const QString& shift = "0") {
    s.CharText[Code] = text;
    host.shiftText = shift;
    ed.ReadFromFont();
  }
  static QFont MakeFont(double size) {
    QFont f("DejaVu Sans");
    f.setPointSizeF(size);
    f.setStyleStrategy(QFont::NoAntialias);  // as the import draws
    return f;
  }
  QFontMetricsF Metrics(double size = 16) { return QFontMetricsF(MakeFont(size), &ed.FontSurface); }
  Cells Grid(int rows) const {
    Cells c(static_cast<size_t>(rows + 1));
    for (int y = 0; y <= rows; ++y)
      for (int x = 0; x <= ed.CharWidth; ++x) c[static_cast<size_t>(y)].push_back(s.DesignData.GetOr0(x, y));
    return c;
  }
  bool AnyInk() const {
    for (int y = 0; y <= s.DesignData.HighY(); ++y)
      for (int x = 0; x <= s.DesignData.HighX(); ++x)
        if (s.DesignData.Get(x, y) != 0) return true;
    return false;
  }
};

TEST(GetPointColor, TellsInkFromPaper) {
  QImage img(4, 1, QImage::Format_ARGB32);
  img.setPixel(0, 0, qRgb(255, 255, 255));
  img.setPixel(1, 0, qRgb(250, 250, 250));  // faint grey edge
  img.setPixel(2, 0, qRgb(10, 20, 30));     // the background colour below
  img.setPixel(3, 0, qRgba(0, 0, 0, 0));    // transparent: shows the background
  EXPECT_EQ(editor::GetPointColor(0, 0, img), editor::SampledPaperColor);
  EXPECT_EQ(editor::GetPointColor(1, 0, img), editor::SampledInkColor);
  EXPECT_EQ(editor::GetPointColor(2, 0, img), editor::SampledInkColor);
  EXPECT_EQ(editor::GetPointColor(2, 0, img, qRgb(10, 20, 30)), editor::SampledPaperColor);
  EXPECT_EQ(editor::GetPointColor(3, 0, img), editor::SampledPaperColor);
  for (auto [x, y] : {std::pair{-1, 0}, {0, -1}, {4, 0}, {0, 1}, {-32768, 32767}})
    EXPECT_EQ(editor::GetPointColor(x, y, img), editor::SampledPaperColor) << x << "," << y;
}

TEST_F(FontImport, NoCurrentCharChangesNothing) {
  s.CurrentChar = -1;
  s.CharText[Code] = "A";
  ed.ReadFromFont();
  EXPECT_TRUE(ed.History.Slot(0).empty());
  EXPECT_EQ(host.gridRedraws, 0);
  EXPECT_EQ(ed.CharWidth, 8);
}

struct SpecialCase {
  const char* text;
  int width, height;
};
class FontImportSpecialTexts : public FontImport, public ::testing::WithParamInterface<SpecialCase> {};

TEST_P(FontImportSpecialTexts, GiveBlankGlyphWithoutTouchingTheFont) {
  host.importSettings.sizeText = "abc";
  s.DesignData.Set(3, 3, 2);
  s.DesignData.Set(-5, -5, 4);  // the negative margin survives unless the grid is made anew
  Import(QString::fromLatin1(GetParam().text));
  EXPECT_EQ(ed.CharWidth, GetParam().width);
  EXPECT_EQ(ed.CharHeight, GetParam().height);
  EXPECT_EQ(s.DesignData.Get(3, 3), 0);
  EXPECT_EQ(s.DesignData.Get(-5, -5), 4);
  EXPECT_EQ(ed.FontSurface, editor::DesignEditor::MakeFontSurface());
  EXPECT_EQ(host.gridRedraws, 1);
}
INSTANTIATE_TEST_SUITE_P(, FontImportSpecialTexts,
                         ::testing::Values(SpecialCase{"|+|", 32, 16}, SpecialCase{"", 10, 16}));

TEST_F(FontImport, OneLetterTakesItsAdvanceWidthAndKeepsTheHeight) {
  ed.CharHeight = 12;
  Import("W");
  EXPECT_EQ(ed.CharWidth, platform::RoundToInt32(Metrics().horizontalAdvance("W")));
  EXPECT_GT(ed.CharWidth, 10);
  EXPECT_EQ(ed.CharHeight, 12);
  EXPECT_EQ(s.MaxWidth, 32);
  EXPECT_EQ(s.MaxHeight, 16);
  EXPECT_FALSE(s.FontModified);
  EXPECT_EQ(host.glyphSizeShown, QSize(ed.CharWidth, ed.CharHeight));
}

// The text is drawn unsmoothed: the surface holds only black and white, and every black
// pixel becomes a cell of CurrentColor (grey would count as ink too, as in a paste).
TEST_F(FontImport, TheUnsmoothedDrawingIsSampledCellForPixel) {
  s.CurrentColor = 7;
  Import("Ag");
  const int last = platform::RoundToInt32(Metrics().height());
  int ink = 0;
  for (int y = 0; y < ed.FontSurface.height(); ++y)
    for (int x = 0; x < ed.FontSurface.width(); ++x) {
      const QRgb p = ed.FontSurface.pixel(x, y) & 0xFFFFFF;
      ASSERT_TRUE(p == 0xFFFFFF || p == 0) << x << "," << y << " is " << std::hex << p;
      if (x > ed.CharWidth || y > last) continue;
      ink += p == 0;
      EXPECT_EQ(s.DesignData.Get(x, y), p == 0 ? 7 : 0) << x << "," << y;
    }
  EXPECT_GT(ink, 20);
}

struct ShiftCase {
  const char* text;
  double shift;
};
class FontImportShifts : public FontImport, public ::testing::WithParamInterface<ShiftCase> {};

TEST_P(FontImportShifts, MoveTheSampledRows) {
  Import("Ég");
  const int last0 = platform::RoundToInt32(Metrics().height());
  ASSERT_LE(last0 + 2, s.DesignData.HighY());
  const Cells ref = Grid(last0);
  Import("Ég", QString::fromLatin1(GetParam().text));
  const double sh = GetParam().shift;
  const int last = platform::RoundToInt32(Metrics().height() - sh);
  for (int y = 0; y <= s.DesignData.HighY(); ++y) {
    const int py = static_cast<int>(platform::RoundHalfEven(y - sh));
    for (int x = 0; x <= ed.CharWidth; ++x) {
      const uint8_t want = (y <= last && py >= 0 && py <= last0) ? ref[size_t(py)][size_t(x)] : 0;
      ASSERT_EQ(s.DesignData.Get(x, y), want) << "shift " << sh << " at " << x << "," << y;
    }
  }
}
INSTANTIATE_TEST_SUITE_P(, FontImportShifts,
                         ::testing::Values(ShiftCase{"2", 2}, ShiftCase{"-2", -2}, ShiftCase{"a2", 0},
                                           ShiftCase{"1.5", 1.5}));

TEST_F(FontImport, PositiveShiftLeavesTopRowsEmpty) {
  Import("\u2588", "2");  // a full block inks every row of the text
  for (int x = 0; x < ed.CharWidth; ++x) {
    EXPECT_EQ(s.DesignData.Get(x, 0), 0);
    EXPECT_EQ(s.DesignData.Get(x, 1), 0);
    EXPECT_EQ(s.DesignData.Get(x, 2), 1);
  }
}

TEST_F(FontImport, LongWordAtLargeSizeRaisesMaxWidth) {
  host.importSettings.sizeText = "48";
  Import("WWWWWWWW");
  EXPECT_EQ(ed.CharWidth, platform::RoundToInt32(Metrics(48).horizontalAdvance("WWWWWWWW")));
  EXPECT_GT(ed.CharWidth, 32);
  EXPECT_EQ(s.MaxWidth, ed.CharWidth);
  EXPECT_EQ(s.MaxHeight, 16);
  EXPECT_EQ(s.DesignData.HighX(), s.MaxWidth + 20);
  EXPECT_TRUE(AnyInk());
}

TEST_F(FontImport, UndoBringsBackTheGlyphButNotTheRaisedMaxima) {
  ed.CharWidth = 5;
  ed.CharHeight = 5;
  s.DesignData.Set(1, 1, 3);
  host.importSettings.sizeText = "48";
  Import("WWWW");
  const int raised = s.MaxWidth;
  ASSERT_GT(raised, 32);
  ed.Undo();
  EXPECT_EQ(ed.CharWidth, 5);
  EXPECT_EQ(ed.CharHeight, 5);
  EXPECT_EQ(s.DesignData.Get(1, 1), 3);
  EXPECT_EQ(s.DesignData.Get(0, 0), 0);
  EXPECT_EQ(s.MaxWidth, raised);
}

// A code without data is imported the first time it is visited; its stored
// record is loaded, not imported again, on the way back.
TEST_F(FontImport, VisitingACodeWithoutDataImportsItOnce) {
  s.CurrentChar = -1;
  s.CharText[66] = "B";
  s.CharText[67] = "C";
  host.selected = 66;
  ed.DrawFont();
  EXPECT_EQ(ed.CharWidth, platform::RoundToInt32(Metrics().horizontalAdvance("B")));
  ASSERT_TRUE(AnyInk());
  host.selected = 67;
  ed.DrawFont();
  const std::string storedB = s.FontData[66];
  ASSERT_FALSE(storedB.empty());
  s.CharText[66] = "|+|";  // would import a blank full-size glyph
  host.selected = 66;
  ed.DrawFont();
  EXPECT_TRUE(AnyInk());
  EXPECT_EQ(doc::CharRecord::Encode(s.DesignData, ed.CharWidth, ed.CharHeight), storedB);
}

using StyleOfTheBand = bool editor::FontImportSettings::*;
class FontImportStyles : public FontImport, public ::testing::WithParamInterface<StyleOfTheBand> {};

// Each style of the band changes the sampled cells; the underline lies within the
// sampled rows and becomes a row of cells where the plain text has none.
TEST_P(FontImportStyles, ChangeTheSampledCells) {
  const int rows = platform::RoundToInt32(Metrics().height());
  Import("ii");
  const Cells plain = Grid(rows);
  host.importSettings.*GetParam() = true;
  Import("ii");
  const Cells styled = Grid(rows);
  EXPECT_NE(styled, plain);
  if (GetParam() != &editor::FontImportSettings::underline) return;
  bool underlineRow = false;
  for (int y = 0; y <= rows; ++y) {
    int plainInk = 0, styledInk = 0;
    for (int x = 0; x <= ed.CharWidth; ++x) {
      plainInk += plain[size_t(y)][size_t(x)] != 0;
      styledInk += styled[size_t(y)][size_t(x)] != 0;
    }
    if (plainInk == 0 && styledInk >= ed.CharWidth * 3 / 4) underlineRow = true;
  }
  EXPECT_TRUE(underlineRow);
}
INSTANTIATE_TEST_SUITE_P(, FontImportStyles,
                         ::testing::Values(&editor::FontImportSettings::bold, &editor::FontImportSettings::italic,
                                           &editor::FontImportSettings::underline));

struct OddCase {
  const char* font;
  const char* size;
  const char* shift;
  bool ink;
};
class FontImportOddToolbar : public FontImport, public ::testing::WithParamInterface<OddCase> {};

// Sizes that are not a positive number take the toolbar's default 16; unknown fonts
// are substituted; shifts beyond the 16-bit range are held at its ends.
TEST_P(FontImportOddToolbar, ImportsSafely) {
  host.importSettings.family = GetParam().font;
  host.importSettings.sizeText = GetParam().size;
  Import("W", GetParam().shift);
  EXPECT_GT(ed.CharWidth, 0);
  EXPECT_EQ(AnyInk(), GetParam().ink);
  if (QString(GetParam().font) == "DejaVu Sans") {
    EXPECT_EQ(ed.CharWidth, platform::RoundToInt32(Metrics(16).horizontalAdvance("W")));
  }
}
INSTANTIATE_TEST_SUITE_P(
    , FontImportOddToolbar,
    ::testing::Values(OddCase{"DejaVu Sans", "abc", "0", true}, OddCase{"DejaVu Sans", "-3", "0", true},
                      OddCase{"DejaVu Sans", "", "0", true}, OddCase{"No Such Font Here", "16", "0", true},
                      OddCase{"DejaVu Sans", "16", "99999", false}, OddCase{"DejaVu Sans", "16", "-99999", false}));

struct DirectionCase {
  const char16_t* text;
  bool rightToLeft;
};
class FontImportDirections : public FontImport, public ::testing::WithParamInterface<DirectionCase> {};

// The tall first letter (alef, or a capital) lies at the right end when the text
// runs right to left; the drawing starts at x = 0 either way.
TEST_P(FontImportDirections, LayOutRightToLeftWhenMarkedOrArabic) {
  ed.CharHeight = 30;
  s.MaxHeight = 30;
  doc::ReDimDesignData(s);
  Import(QString::fromUtf16(GetParam().text));
  int minX = 1 << 20, maxX = -1, topRow = 1 << 20;
  for (int y = 0; y < 768; ++y)
    for (int x = 0; x < 1024; ++x)
      if (ed.FontSurface.pixel(x, y) != qRgb(255, 255, 255)) {
        minX = std::min(minX, x);
        maxX = std::max(maxX, x);
        topRow = std::min(topRow, y);
      }
  ASSERT_GE(maxX, 0);
  EXPECT_LE(minX, 3);
  EXPECT_LE(maxX, ed.CharWidth);
  long topInkX = 0, topInk = 0;
  for (int x = 0; x <= ed.CharWidth; ++x)
    if (s.DesignData.Get(x, topRow) != 0) topInkX += x, ++topInk;
  ASSERT_GT(topInk, 0);
  const bool onRight = topInkX / topInk > ed.CharWidth / 2;
  EXPECT_EQ(onRight, GetParam().rightToLeft);
}
INSTANTIATE_TEST_SUITE_P(, FontImportDirections,
                         ::testing::Values(DirectionCase{u"\u0627\u0628\u0628\u0628\u200F", true},
                                           DirectionCase{u"\u0627\u0628\u0628\u0628", true},
                                           DirectionCase{u"A\u0628\u0628\u0628\u200F", true},
                                           DirectionCase{u"A\u0628\u0628\u0628", false}));

// A list value of millions of characters: only what the 1024-pixel surface shows can
// reach the glyph, so the glyph is that of the part drawn at the left edge (the start
// of a left-to-right text, the end of a right-to-left one), and the switch completes.
TEST_F(FontImport, HugeListValueGivesTheGlyphOfItsVisiblePart) {
  static constexpr int SurfaceWidth = 1024;
  const auto visibleCells = [this] {
    EXPECT_GE(ed.CharWidth, SurfaceWidth);
    Cells c(static_cast<size_t>(s.DesignData.HighY() + 1));
    for (int y = 0; y <= s.DesignData.HighY(); ++y)
      for (int x = 0; x < SurfaceWidth; ++x) c[static_cast<size_t>(y)].push_back(s.DesignData.Get(x, y));
    return c;
  };
  const struct {
    const char* what;
    QString head, unit, tail;
    bool fromEnd;
  } cases[] = {{"left to right", QStringLiteral("Qz "), QStringLiteral("Wim 1"), QString(), false},
               {"right to left", QString(), QString::fromUtf16(u"\u0628\u0633\u0645 "),
                QString::fromUtf16(u"\u0645\u062D\u0645\u062F\u200F"), true}};
  for (const auto& c : cases) {
    // A distinct word where the text is drawn at the left edge.
    const QString huge = c.head + c.unit.repeated(2'000'000) + c.tail;  // 8 to 10 million characters
    const QString shown = c.fromEnd ? huge.right(3000) : huge.left(3000);
    Import(shown);
    const Cells expected = visibleCells();
    Import(huge);
    EXPECT_EQ(visibleCells(), expected) << c.what;
    EXPECT_TRUE(AnyInk()) << c.what;
  }
}

}  // namespace
