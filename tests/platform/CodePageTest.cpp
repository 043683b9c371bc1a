#include <gtest/gtest.h>

#include "platform/CodePage.h"

using namespace platform;

TEST(CodePageTest, EveryByteRoundTrips) {
  QByteArray all;
  for (int b = 0; b < 256; ++b) all.append(static_cast<char>(b));
  const QString text = FromAnsi(all);
  ASSERT_EQ(text.size(), 256);
  EXPECT_EQ(ToAnsi(text), all);
  for (int b = 0; b < 256; ++b) EXPECT_EQ(AnsiCode(AnsiChar(static_cast<uint8_t>(b))), b) << b;
}

TEST(CodePageTest, KnownPointsOfTheArabicCodePage) {
  const std::pair<int, char16_t> points[] = {
      {0x41, u'A'},   {0x80, 0x20AC}, {0x81, 0x067E}, {0x8D, 0x0686}, {0x90, 0x06AF}, {0x98, 0x06A9},
      {0x9D, 0x200C}, {0xA1, 0x060C}, {0xBF, 0x061F}, {0xC7, 0x0627}, {0xD7, 0x00D7}, {0xE1, 0x0644},
      {0xF0, 0x064B}, {0xFA, 0x0652}, {0xFD, 0x200E}, {0xFE, 0x200F}, {0xFF, 0x06D2}};
  for (auto [code, ch] : points) {
    EXPECT_EQ(AnsiChar(static_cast<uint8_t>(code)).unicode(), ch) << code;
    EXPECT_EQ(AnsiCode(QChar(ch)), code) << code;
  }
}

TEST(CodePageTest, CharactersOutsideTheCodePageBecomeQuestionMarks) {
  EXPECT_EQ(AnsiCode(QChar(0x0416)), '?');  // Cyrillic
  EXPECT_EQ(AnsiCode(QChar(0x00C4)), '?');  // A umlaut is not in 1256
  // A character beyond 16 bits is one character, so one '?'.
  EXPECT_EQ(ToAnsi(QString::fromUtf8("a\xF0\x9F\x98\x80"
                                     "b")),
            QByteArray("a?b"));
  EXPECT_EQ(ToAnsi(QString(QChar(0xD800))), QByteArray("?"));
}
