// The default CharList.ini that ships with the program.
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include "DocumentTestSupport.h"
#include "platform/IniFile.h"
#include "charlists/CharLists.h"

namespace {

const QChar Rlm(0x200F);

QString DataFile() { return testsupport::SourceDir() + QStringLiteral("/data/CharList.ini"); }

charlists::LoadedList LoadShipped(const QString& name) {
  platform::IniFile ini;
  return charlists::LoadCharList(ini, name, DataFile());
}

// Text as the editor renders it: DejaVu Sans, right to left where the list marks it.
struct Rendered {
  QImage image;
  int left = 0;
  int advance = 0;
};

QFont DejaVu() {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(40);
  font.setStyleStrategy(QFont::NoFontMerging);  // ink must come from DejaVu Sans itself
  return font;
}

// Every visible character has a glyph in the font (joiners and marks of direction aside).
bool Covered(const QString& text) {
  const QFontMetrics fm(DejaVu());
  for (const char32_t u : text.toUcs4())
    if (u != 0x200D && u != 0x200F && !fm.inFontUcs4(u)) return false;
  return true;
}

Rendered Render(const QString& text) {
  const QFont font = DejaVu();
  Rendered r;
  r.left = 60;
  r.advance = QFontMetrics(font).horizontalAdvance(text);
  r.image = QImage(r.left * 2 + std::max(r.advance, 1), 120, QImage::Format_RGB32);
  r.image.fill(Qt::white);
  QPainter p(&r.image);
  p.setFont(font);
  p.setPen(Qt::black);
  p.setLayoutDirection(text.contains(Rlm) ? Qt::RightToLeft : Qt::LeftToRight);
  p.drawText(QPointF(r.left, 80), text);
  return r;
}

bool InkInColumns(const QImage& img, int from, int to) {
  for (int y = 0; y < img.height(); ++y)
    for (int x = std::max(from, 0); x < std::min(to, img.width()); ++x)
      if (qGray(img.pixel(x, y)) < 128) return true;
  return false;
}

// Share of the ink that lies outside the text's advance. The import samples
// only the advance, so ink beyond it (a mark the font places beside a tatweel)
// never reaches the glyph; a few overhanging edge pixels are normal.
double InkOutsideAdvance(const Rendered& r) {
  int inside = 0, outside = 0;
  for (int y = 0; y < r.image.height(); ++y)
    for (int x = 0; x < r.image.width(); ++x)
      if (qGray(r.image.pixel(x, y)) < 128) ++(x >= r.left && x <= r.left + r.advance ? inside : outside);
  return inside + outside == 0 ? 0.0 : static_cast<double>(outside) / (inside + outside);
}

TEST(CharListFile, NamesTheLatinAndPersianLists) {
  platform::IniFile ini;
  EXPECT_EQ(charlists::ReadListNames(ini, DataFile()), (QStringList{"Latin", "Persian-Arabic"}));
}

TEST(CharListFile, LatinListReadsBackAsciiAndLatin1) {
  const auto list = LoadShipped(QStringLiteral("Latin"));
  EXPECT_EQ(list.CharText[32], " ");
  EXPECT_EQ(list.ItemText[32], "Space");
  for (int c = 33; c <= 126; ++c) EXPECT_EQ(list.CharText[c], QString(QChar(c))) << c;
  EXPECT_EQ(list.CharText[0xE9], QString(QChar(0xE9)));
  EXPECT_EQ(list.CharText[0xC0], QString(QChar(0xC0)));
}

TEST(CharListFile, PersianListCoversEveryCodeOfTheShapingBlock) {
  ASSERT_EQ(QFontInfo(DejaVu()).family(), "DejaVu Sans");
  const auto list = LoadShipped(QStringLiteral("Persian-Arabic"));
  // 304 is the yeh barree the shaper maps there; no installed font draws it.
  EXPECT_EQ(list.CharText[304], QString(Rlm) + QChar(0x06D2));
  for (int c = 128; c < 304; ++c) {
    const QString& text = list.CharText[c];
    ASSERT_FALSE(text.isEmpty()) << c;
    EXPECT_FALSE(list.ItemText[c].contains("\\rtl")) << c;
    EXPECT_TRUE(Covered(text)) << "DejaVu Sans lacks a character of code " << c;
    const Rendered r = Render(text);
    EXPECT_GT(r.advance, 0) << c;
    EXPECT_TRUE(InkInColumns(r.image, r.left, r.left + r.advance)) << "no ink for code " << c;
    EXPECT_LT(InkOutsideAdvance(r), 0.1) << "ink of code " << c << " lies outside its advance";
  }
}

// Each contextual form must look different from the others of its letter, so the
// joiners really select the form.
TEST(CharListFile, PersianLetterFormsRenderDistinctly) {
  const auto list = LoadShipped(QStringLiteral("Persian-Arabic"));
  struct Letter {
    int first;
    int forms;
  };
  const Letter letters[] = {{159, 2}, {161, 2}, {163, 2}, {165, 2}, {167, 4}, {171, 2}, {173, 4}, {177, 4}, {181, 2},
                            {183, 4}, {187, 4}, {191, 4}, {195, 4}, {199, 4}, {203, 4}, {207, 2}, {209, 2}, {211, 2},
                            {213, 2}, {215, 2}, {217, 4}, {221, 4}, {225, 4}, {229, 4}, {233, 4}, {237, 4}, {241, 4},
                            {245, 4}, {249, 4}, {253, 4}, {257, 4}, {261, 4}, {265, 4}, {269, 4}, {273, 2}, {275, 4},
                            {279, 4}, {283, 2}, {285, 4}, {289, 2}, {291, 4}};
  for (const Letter& l : letters) {
    for (int a = 0; a < l.forms; ++a)
      for (int b = a + 1; b < l.forms; ++b)
        EXPECT_NE(Render(list.CharText[l.first + a]).image, Render(list.CharText[l.first + b]).image)
            << "codes " << l.first + a << " and " << l.first + b;
  }
}

}  // namespace
