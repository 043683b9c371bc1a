#include <gtest/gtest.h>

#include "PreviewTestSupport.h"
#include "platform/CodePage.h"
#include "preview/Shaping.h"

namespace {

using previewtest::FilledTables;

struct ShapeCase {
  const char* name;
  std::u16string text;
  std::vector<int> codes;
  friend void PrintTo(const ShapeCase& c, std::ostream* os) { *os << c.name; }
};

class ShapeCases : public ::testing::TestWithParam<ShapeCase> {};

TEST_P(ShapeCases, GiveTheBlockCodesInTextOrder) {
  const ShapeCase& c = GetParam();
  const QString text = QString::fromStdU16String(c.text);
  EXPECT_EQ(preview::ShapeCodes(FilledTables(), text), c.codes);
  // The string form carries the same codes.
  EXPECT_EQ(preview::GlyphCodes(preview::ShapeText(FilledTables(), text)), c.codes);
}

constexpr char16_t Beh = 0x0628, Lam = 0x0644, Alef = 0x0627, TehMarbuta = 0x0629, Fatha = 0x064E, Kasra = 0x0650,
                   Tatweel = 0x0640, Guillemet = 0x00AB;

INSTANTIATE_TEST_SUITE_P(
    Shaping, ShapeCases,
    ::testing::Values(
        ShapeCase{"Empty", u"", {}}, ShapeCase{"TwoBehs", {Beh, Beh}, {175, 174}},
        ShapeCase{"LamAlefAlone", {Lam, Alef}, {273}}, ShapeCase{"LamAlefAfterBeh", {Beh, Lam, Alef}, {175, 274}},
        ShapeCase{"AlefThenBeh", {Alef, Beh}, {171, 173}},
        ShapeCase{"TehMarbutaInitial", {TehMarbuta, Beh}, {185, 174}},
        ShapeCase{"TehMarbutaMedial", {Beh, TehMarbuta, Beh}, {175, 186, 174}},
        ShapeCase{"TehMarbutaFinal", {Beh, TehMarbuta}, {175, 182}},
        ShapeCase{"AlefMaksuraMedial", {Beh, 0x0649, Beh}, {175, 294, 174}}, ShapeCase{"LatinA", u"A", {65}},
        ShapeCase{"Space", u" ", {32}}, ShapeCase{"DigitAlone", u"1", {49}},
        ShapeCase{"DigitAfterBeh", {Beh, u'1'}, {173, 129}},
        ShapeCase{"DigitAfterBehAndSpace", {Beh, u' ', u'1', u'2'}, {173, 32, 129, 130}},
        ShapeCase{"DigitAfterLatinLetter", {Beh, u'A', u'1'}, {173, 65, 49}},
        ShapeCase{"GuillemetThenBeh", {Guillemet, Beh}, {141, 173}},
        ShapeCase{"GuillemetThenTwoBehs", {Guillemet, Beh, Beh}, {141, 175, 174}},
        ShapeCase{"GuillemetBreaksTheJoin", {Beh, Guillemet, Beh}, {173, 141, 173}},
        // A mark keeps its code; the letters on both sides still join across it.
        ShapeCase{"MarkBetweenLetters", {Beh, Fatha, Beh}, {175, 299, 174}},
        ShapeCase{"TwoMarksBetweenLetters", {Beh, Fatha, Kasra, Beh, Beh}, {175, 299, 301, 176, 174}},
        ShapeCase{"MarkBeforeNonJoining", {Beh, Fatha, u' ', Beh}, {173, 299, 32, 173}},
        ShapeCase{"MarkAtTheEnd", {Beh, Beh, Fatha}, {175, 174, 299}},
        ShapeCase{"MarkBeforeRightJoiner", {Beh, Fatha, Alef}, {175, 299, 172}},
        // Tatweel joins both ways and keeps its one code.
        ShapeCase{"TatweelAlone", {Tatweel}, {295}},
        ShapeCase{"TatweelBetweenLetters", {Beh, Tatweel, Beh}, {175, 295, 174}},
        ShapeCase{"TatweelAfterLetter", {Beh, Tatweel}, {175, 295}},
        ShapeCase{"TatweelBeforeLetter", {Tatweel, Beh}, {295, 174}}, ShapeCase{"PehIsolated", {0x067E}, {177}},
        // Characters outside the code page read '?', a surrogate pair as one character.
        ShapeCase{"OutsideTheCodePage", {0x4E2D, 0xD83D, 0xDE00}, {63, 63}},
        // What a Persian keyboard types. Its yeh is alef maksura at the end and
        // alone, and yeh's dotted forms inside a word.
        ShapeCase{"Iran", u"\u0627\u06CC\u0631\u0627\u0646", {171, 293, 212, 171, 279}},
        ShapeCase{"PersianYehForms", u"\u06CC \u0628\u06CC \u0628\u06CC\u0628", {289, 32, 175, 290, 32, 175, 294, 174}},
        // Persian and Arabic-Indic digits are the digits, in their Arabic form
        // after a letter as ASCII digits are.
        ShapeCase{"BookWithPersianDigits",
                  u"\u06A9\u062A\u0627\u0628 \u06F1\u06F2\u06F3",
                  {263, 186, 172, 173, 32, 129, 130, 131}},
        ShapeCase{"BookWithAsciiDigits", u"\u06A9\u062A\u0627\u0628 123", {263, 186, 172, 173, 32, 129, 130, 131}},
        ShapeCase{"PersianDigitsAlone", u"\u06F1\u06F2\u06F3", {49, 50, 51}},
        ShapeCase{"ArabicIndicDigits", u"\u0628\u0660\u0669", {173, 128, 137}},
        // The half-space breaks the join and is not drawn: "I want".
        ShapeCase{
            "HalfSpace", u"\u0645\u06CC\u200C\u062E\u0648\u0627\u0647\u0645", {277, 290, 205, 284, 171, 287, 276}},
        ShapeCase{"NonJoinerBetweenBehs", u"\u0628\u200C\u0628", {173, 173}},
        // The joiner joins as a tatweel would, without a glyph.
        ShapeCase{"JoinerAfterBeh", u"\u0628\u200D", {175}}, ShapeCase{"JoinerBeforeBeh", u"\u200D\u0628", {174}},
        ShapeCase{"JoinerBeforeAlef", u"\u0628\u200D\u0627", {175, 172}},
        // Direction marks let the join through and are not drawn.
        ShapeCase{"RightToLeftMarkInsideWord", u"\u0628\u200F\u0628", {175, 174}},
        ShapeCase{"LeftToRightMarkInsideWord", u"\u0628\u200E\u0628", {175, 174}},
        ShapeCase{"ArabicLetterMark", u"\u061C\u0628\u061C1", {173, 129}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Shaping, GlyphCodeStringUnitsAreCodePageCharacters) {
  const QString s = preview::ShapeText(FilledTables(), QString::fromStdU16String({Beh, Beh}));
  EXPECT_EQ(platform::ToAnsi(s), QByteArray("\x81\x2F\x81\x2E", 4));  // 129, 47, 129, 46
  EXPECT_EQ(platform::ToAnsi(preview::ShapeText(FilledTables(), "1")), QByteArray("\x80\x31", 2));
  const std::vector<int> all = {0, 127, 128, 175, 255, 256, 304, 511};
  EXPECT_EQ(preview::GlyphCodes(preview::GlyphCodeString(all)), all);
  EXPECT_TRUE(preview::GlyphCodes(preview::GlyphCodeString({})).empty());
}

TEST(Shaping, TablesHoldTheBlock) {
  const auto& t = FilledTables();
  EXPECT_EQ(t.CodeText[128], "0");
  EXPECT_EQ(t.CodeText[137], "9");
  EXPECT_EQ(t.CodeText[158], QString(QChar(0x0621)));
  EXPECT_EQ(t.CodeText[173], QString(QChar(0x0628)));
  EXPECT_TRUE(t.CodeText[174].isEmpty());  // only the first code of a letter holds it
  EXPECT_EQ(t.CodeText[273], QString::fromStdU16String({Lam, Alef}));
  EXPECT_EQ(t.CodeText[304], QString(QChar(0x06D2)));
  EXPECT_TRUE(t.CodeText[127].isEmpty());
  EXPECT_TRUE(t.CodeText[305].isEmpty());
  EXPECT_EQ(t.NonJoiningCodes.size(), 31u);
  EXPECT_EQ(t.RightJoiningCodes.size(), 12u);
  EXPECT_EQ(t.MarkCodes.size(), 9u);
  EXPECT_EQ(preview::FindCode(t.RightJoiningCodes, 273), 10);
  EXPECT_EQ(preview::FindCode(t.RightJoiningCodes, 173), -1);
  EXPECT_EQ(preview::FindCode({}, 0), -1);
}

TEST(Shaping, TextBeyondFiveThousandCodesIsShapedWhole) {
  std::u16string text;
  for (int i = 0; i < 6000; ++i) text.push_back(Beh);
  const std::vector<int> codes = preview::ShapeCodes(FilledTables(), QString::fromStdU16String(text));
  ASSERT_EQ(codes.size(), 6000u);
  EXPECT_EQ(codes.front(), 175);
  EXPECT_EQ(codes[5000], 176);
  EXPECT_EQ(codes.back(), 174);
  EXPECT_EQ(preview::ShapeText(FilledTables(), QString::fromStdU16String(text)).size(), 12000);
}

TEST(Shaping, EachCodeKnowsWhereInTheTextItStarts) {
  // A lam-alef and a surrogate pair are two units each; a format character yields nothing.
  const QString text = QString::fromStdU16String(u"\u0628\u0644\u0627\u200C\U0001F600\u0628");
  EXPECT_EQ(preview::Shape(FilledTables(), text),
            (std::vector<preview::ShapedCode>{{175, 0}, {274, 1}, {63, 4}, {173, 6}}));
}

TEST(Shaping, UnfilledTablesGiveCodePageCodes) {
  const preview::CharTables empty;
  // Beh is byte 200 under Windows-1256; with no lists filled it joins like any high code.
  EXPECT_EQ(preview::ShapeCodes(empty, QString::fromStdU16String({Beh, u'A', u'1'})), (std::vector<int>{200, 65, 49}));
}

}  // namespace
