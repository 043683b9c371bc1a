#include <gtest/gtest.h>

#include "platform/CodePage.h"
#include "preview/Shaping.h"

namespace {

struct Tables {
  preview::CharTables t;
  Tables() { preview::InitCharTables(t); }
};
const preview::CharTables& Filled() {
  static const Tables tables;  // read-only after construction
  return tables.t;
}

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
  EXPECT_EQ(preview::ShapeCodes(Filled(), text), c.codes);
  // The string form carries the same codes.
  EXPECT_EQ(preview::GlyphCodes(preview::ShapeText(Filled(), text)), c.codes);
}

constexpr char16_t Beh = 0x0628, Lam = 0x0644, Alef = 0x0627, TehMarbuta = 0x0629, Fatha = 0x064E, Kasra = 0x0650,
                   Tatweel = 0x0640, Guillemet = 0x00AB;

INSTANTIATE_TEST_SUITE_P(
    Shaping, ShapeCases,
    ::testing::Values(ShapeCase{"Empty", u"", {}}, ShapeCase{"TwoBehs", {Beh, Beh}, {175, 174}},
                      ShapeCase{"LamAlefAlone", {Lam, Alef}, {273}},
                      ShapeCase{"LamAlefAfterBeh", {Beh, Lam, Alef}, {175, 274}},
                      ShapeCase{"AlefThenBeh", {Alef, Beh}, {171, 173}},
                      ShapeCase{"TehMarbutaInitial", {TehMarbuta, Beh}, {185, 174}},
                      ShapeCase{"TehMarbutaMedial", {Beh, TehMarbuta, Beh}, {175, 186, 174}},
                      ShapeCase{"TehMarbutaFinal", {Beh, TehMarbuta}, {175, 182}},
                      ShapeCase{"AlefMaksuraMedial", {Beh, 0x0649, Beh}, {175, 294, 174}},
                      ShapeCase{"LatinA", u"A", {65}}, ShapeCase{"Space", u" ", {32}},
                      ShapeCase{"DigitAlone", u"1", {49}}, ShapeCase{"DigitAfterBeh", {Beh, u'1'}, {173, 129}},
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
                      ShapeCase{"TatweelBeforeLetter", {Tatweel, Beh}, {295, 174}},
                      ShapeCase{"PehIsolated", {0x067E}, {177}},
                      // Characters outside the code page read '?', a surrogate pair as one character.
                      ShapeCase{"OutsideTheCodePage", {0x4E2D, 0xD83D, 0xDE00}, {63, 63}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Shaping, GlyphCodeStringUnitsAreCodePageCharacters) {
  const QString s = preview::ShapeText(Filled(), QString::fromStdU16String({Beh, Beh}));
  EXPECT_EQ(platform::ToAnsi(s), QByteArray("\x81\x2F\x81\x2E", 4));  // 129, 47, 129, 46
  EXPECT_EQ(platform::ToAnsi(preview::ShapeText(Filled(), "1")), QByteArray("\x80\x31", 2));
  const std::vector<int> all = {0, 127, 128, 175, 255, 256, 304, 511};
  EXPECT_EQ(preview::GlyphCodes(preview::GlyphCodeString(all)), all);
  EXPECT_TRUE(preview::GlyphCodes(preview::GlyphCodeString({})).empty());
}

TEST(Shaping, TablesHoldTheBlock) {
  const auto& t = Filled();
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
  const std::vector<int> codes = preview::ShapeCodes(Filled(), QString::fromStdU16String(text));
  ASSERT_EQ(codes.size(), 6000u);
  EXPECT_EQ(codes.front(), 175);
  EXPECT_EQ(codes[5000], 176);
  EXPECT_EQ(codes.back(), 174);
  EXPECT_EQ(preview::ShapeText(Filled(), QString::fromStdU16String(text)).size(), 12000);
}

TEST(Shaping, UnfilledTablesGiveCodePageCodes) {
  const preview::CharTables empty;
  // Beh is byte 200 under Windows-1256; with no lists filled it joins like any high code.
  EXPECT_EQ(preview::ShapeCodes(empty, QString::fromStdU16String({Beh, u'A', u'1'})), (std::vector<int>{200, 65, 49}));
}

}  // namespace

namespace {

// The three passes as plainly as the rules read, searching the code lists; the fast
// path must give the same codes for any text.
std::vector<int> ReferenceShape(const preview::CharTables& t, const std::u16string& in) {
  const bool filled = !t.MarkCodes.empty();
  auto isMark = [&](int c) { return preview::FindCode(t.MarkCodes, int16_t(c)) != -1; };
  auto isRight = [&](int c) { return preview::FindCode(t.RightJoiningCodes, int16_t(c)) != -1; };
  auto isNonJoining = [&](int c) { return preview::FindCode(t.NonJoiningCodes, int16_t(c)) != -1; };
  auto joinsBefore = [&](int c) { return !isMark(c) && (isRight(c) || (c >= 128 && !isNonJoining(c))); };
  std::vector<int> codes;
  for (size_t i = 0; i < in.size(); ++i) {
    if (filled && in[i] == 0x0644 && i + 1 < in.size() && in[i + 1] == 0x0627) {
      codes.push_back(273);
      ++i;
    } else if (QChar::isHighSurrogate(in[i]) && i + 1 < in.size() && QChar::isLowSurrogate(in[i + 1])) {
      codes.push_back('?');
      ++i;
    } else {
      int c = platform::AnsiCode(QChar(in[i]));
      for (int k = 0; k < preview::GlyphCodeCount && filled; ++k)
        if (t.CodeText[k] == QString(QChar(in[i]))) {
          c = k;
          break;
        }
      codes.push_back(c);
    }
  }
  std::vector<int> out;
  bool p = false, a = false;
  for (size_t j = 0; j < codes.size(); ++j) {
    int c = codes[j];
    if (isMark(c)) {
    } else if (isRight(c)) {
      if (p) c += 1;
      p = false;
    } else if (c < 128 || isNonJoining(c)) {
      p = false;
    } else {
      size_t k = j + 1;
      while (k < codes.size() && isMark(codes[k])) ++k;
      const bool nx = k < codes.size() && joinsBefore(codes[k]);
      if (c != 295) {
        const bool borrows = c == 181 || c == 289;
        if (p && nx)
          c += borrows ? 5 : 3;
        else if (nx)
          c += borrows ? 4 : 2;
        else if (p)
          c += 1;
      }
      p = nx;
    }
    if (a && c >= 48 && c <= 57)
      c += 80;
    else if (!a && c >= 128 && c <= 137)
      c -= 80;
    if (c >= 65 && c <= 127)
      a = false;
    else if (c >= 128 && !isNonJoining(c))
      a = true;
    out.push_back(c);
  }
  return out;
}

TEST(Shaping, LongMixedTextMatchesThePlainPasses) {
  // Every kind of unit the shaping tells apart, in an order that puts each after each.
  const std::u16string pieces[] = {{Beh},
                                   {Lam, Alef},
                                   {Lam},
                                   {Alef},
                                   {Fatha},
                                   {Kasra, Fatha},
                                   {Tatweel},
                                   {TehMarbuta},
                                   {0x0649},
                                   {0x067E},
                                   {0x0621},
                                   {Guillemet},
                                   u"1",
                                   u"09",
                                   {0x06F1, 0x06F2},
                                   u"A",
                                   u"z",
                                   u" ",
                                   {0xD83D, 0xDE00},
                                   {0xDE00},
                                   {0xD83D},
                                   {0x4E2D},
                                   {0x20AC},
                                   {0x0631, Fatha}};
  std::u16string text;
  uint32_t r = 12345;
  for (int i = 0; i < 4000; ++i) {
    r = r * 1103515245 + 12345;
    text += pieces[(r >> 16) % std::size(pieces)];
  }
  const std::u16string onlyMarks = {Fatha, Kasra, Fatha};
  const preview::CharTables unfilled;
  for (const preview::CharTables* t : {&Filled(), &unfilled})
    for (const std::u16string& s : {text, onlyMarks, std::u16string{Lam}, std::u16string{0xD83D}}) {
      const std::vector<int> expected = ReferenceShape(*t, s);
      const QString q = QString::fromStdU16String(s);
      ASSERT_EQ(preview::ShapeCodes(*t, q), expected);
      ASSERT_EQ(preview::ShapeText(*t, q), preview::GlyphCodeString(expected));
    }
}

}  // namespace
