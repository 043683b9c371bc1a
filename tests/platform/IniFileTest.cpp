#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <utility>

#include "platform/CodePage.h"
#include "platform/IniFile.h"

using platform::IniFile;

namespace {

class IniFileTest : public ::testing::Test {
 protected:
  QTemporaryDir dir;
  QString path = dir.filePath("CharList.ini");
  IniFile ini;

  void Put(const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
  }
  QByteArray Get() {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
};

TEST_F(IniFileTest, MissingFileSectionOrKeyGivesTheDefault) {
  EXPECT_EQ(ini.ReadValue("List", "Item1", "dflt", path), "dflt");
  EXPECT_FALSE(QFile::exists(path));
  Put("[List]\nItem1=Latin\n");
  EXPECT_EQ(ini.ReadValue("Other", "Item1", "", path), "");
  EXPECT_EQ(ini.ReadValue("List", "Item2", "x", path), "x");
  EXPECT_EQ(ini.ReadValue("List", "Item1", "x", path), "Latin");
}

TEST_F(IniFileTest, WriteCreatesFileAndSectionAndReadsBack) {
  ini.WriteValue("List", "Item1", "Latin", path);
  ini.WriteValue("Latin", "Chars65", "A", path);
  EXPECT_FALSE(ini.LastWriteFailed());
  EXPECT_EQ(Get(), "[List]\nItem1=Latin\n\n[Latin]\nChars65=A\n");
  EXPECT_EQ(ini.ReadValue("Latin", "Chars65", "", path), "A");
  IniFile fresh;
  EXPECT_EQ(fresh.ReadValue("List", "Item1", "", path), "Latin");
}

TEST_F(IniFileTest, WriteReplacesKeyAndKeepsCommentsAndOtherLines) {
  Put("; lists of the designer\n"
      "[List]\n"
      "Item1=Old\n"
      "garbage line\n"
      "# another comment\n"
      "Item2=Second\n"
      "\n"
      "[Old]\n"
      "Chars0=a\n");
  ini.WriteValue("List", "Item1", "New", path);
  ini.WriteValue("List", "Item3", "Third", path);
  EXPECT_EQ(Get(),
            "; lists of the designer\n"
            "[List]\n"
            "Item1=New\n"
            "garbage line\n"
            "# another comment\n"
            "Item2=Second\n"
            "Item3=Third\n"
            "\n"
            "[Old]\n"
            "Chars0=a\n");
}

TEST_F(IniFileTest, WritingEmptyRemovesEveryLineOfTheKey) {
  Put("[L]\nChars1=a\nChars2=b\nchars1=again\n");
  ini.WriteValue("L", "Chars1", "", path);
  EXPECT_EQ(ini.ReadValue("L", "Chars1", "dflt", path), "dflt");
  EXPECT_EQ(Get(), "[L]\nChars2=b\n");
  // Clearing what is absent creates nothing.
  ini.WriteValue("Nowhere", "Chars1", "", path);
  ini.WriteValue("L", "Chars9", "", path);
  EXPECT_EQ(Get(), "[L]\nChars2=b\n");
  ini.WriteValue("L", "K", "", dir.filePath("none.ini"));
  EXPECT_FALSE(QFile::exists(dir.filePath("none.ini")));
}

TEST_F(IniFileTest, NamesMatchWithoutRegardToCase) {
  Put("[Persian Forms]\nCHARS65=A\n");
  EXPECT_EQ(ini.ReadValue("persian forms", "chars65", "", path), "A");
  ini.WriteValue("PERSIAN FORMS", "Chars65", "B", path);
  EXPECT_EQ(Get(), "[Persian Forms]\nChars65=B\n");
}

TEST_F(IniFileTest, RepeatedSectionOrKeyReadsTheFirst) {
  Put("[A]\nk=1\nk=2\n[a]\nk=3\nj=4\n");
  EXPECT_EQ(ini.ReadValue("A", "k", "", path), "1");
  EXPECT_EQ(ini.ReadValue("A", "j", "", path), "");
}

TEST_F(IniFileTest, EmptySectionNameIsItsOwnSection) {
  Put("k=before any header\n");
  EXPECT_EQ(ini.ReadValue("", "k", "dflt", path), "dflt");
  ini.WriteValue("", "Chars0", "x", path);
  EXPECT_EQ(ini.ReadValue("", "Chars0", "", path), "x");
  EXPECT_EQ(ini.ReadValue("  ", "Chars0", "", path), "x");
  EXPECT_EQ(Get(), "k=before any header\n\n[]\nChars0=x\n");
  EXPECT_EQ(IniFile().ReadValue("", "Chars0", "", path), "x");
}

TEST_F(IniFileTest, ValuesReadBackExactly) {
  const QString values[] = {" ", " a ", "\"quoted\"", "a=b;c", "x\\rtl", QString::fromUtf8("پ\u200F"), "[x]"};
  int n = 0;
  for (const QString& v : values) ini.WriteValue("V", QString("K%1").arg(n++), v, path);
  IniFile fresh;
  n = 0;
  for (const QString& v : values) EXPECT_EQ(fresh.ReadValue("V", QString("K%1").arg(n++), "", path), v) << n;
}

TEST_F(IniFileTest, LineBreaksCannotBreakTheFileApart) {
  ini.WriteValue("V", "K", "a\n[Evil]\nX=1", path);
  ini.WriteValue("Two\nLines", "K", "b", path);
  IniFile fresh;
  EXPECT_EQ(fresh.ReadValue("V", "K", "", path), "a [Evil] X=1");
  EXPECT_EQ(fresh.ReadValue("Evil", "X", "", path), "");
  EXPECT_EQ(fresh.ReadValue("Two\nLines", "K", "", path), "b");
}

TEST_F(IniFileTest, HandWrittenBlanksAroundNamesAndValuesAreIgnored) {
  Put("  [ List ]  \n  Item1 = Latin  \r\n");
  EXPECT_EQ(ini.ReadValue("List", "Item1", "", path), "Latin");
}

TEST_F(IniFileTest, WindowsLineEndsAreKept) {
  Put("[L]\r\nA=1\r\n");
  ini.WriteValue("L", "B", "2", path);
  EXPECT_EQ(Get(), "[L]\r\nA=1\r\nB=2\r\n");
}

TEST_F(IniFileTest, AnsiFileIsReadAsArabicCodePageAndRewrittenAsUtf8) {
  // "alef lam" and the marker character 254 in Windows-1256.
  Put("[\xE1\xC7]\nChars1=\xC7\xE1\xFE\n");
  const QString name = QString(QChar(0x0644)) + QChar(0x0627);
  const QString value = QString(QChar(0x0627)) + QChar(0x0644) + QChar(0x200F);
  EXPECT_EQ(ini.ReadValue(name, "Chars1", "", path), value);
  ini.WriteValue(name, "Chars2", "b", path);
  EXPECT_EQ(Get(), ("[" + name + "]\nChars1=" + value + "\nChars2=b\n").toUtf8());
  EXPECT_EQ(IniFile().ReadValue(name, "Chars1", "", path), value);
}

TEST_F(IniFileTest, Utf8FileWithByteOrderMarkReads) {
  Put("\xEF\xBB\xBF[L]\nA=\xD9\xBE\n");
  EXPECT_EQ(ini.ReadValue("L", "A", "", path), QString(QChar(0x067E)));
  ini.WriteValue("L", "B", "x", path);
  EXPECT_EQ(Get(), "\xEF\xBB\xBF[L]\nA=\xD9\xBE\nB=x\n");
}

// The same list saved by other editors: UTF-16 with its mark, old Mac line ends,
// mixed line ends. Each reads alike and is written back as UTF-8 with the file's line ends.
TEST_F(IniFileTest, ListsInUtf16AndWithAnyLineEndsRead) {
  const QString text = QStringLiteral("[List]\r\nItem1=Farsi\r\n[Farsi]\r\nChars65=") + QChar(0x067E) + "\\rtl\r\n";
  QByteArray le("\xFF\xFE"), be("\xFE\xFF");
  for (QChar c : text) {
    le += char(c.unicode() & 0xFF), le += char(c.unicode() >> 8);
    be += char(c.unicode() >> 8), be += char(c.unicode() & 0xFF);
  }
  QByteArray crOnly = text.toUtf8();
  crOnly.replace("\r\n", "\r");
  QByteArray mixed = text.toUtf8();
  mixed.replace("Farsi\r\n[", "Farsi\r[").replace("\\rtl\r\n", "\\rtl\n");
  const struct {
    const char* what;
    QByteArray bytes;
    QByteArray eol;
  } cases[] = {
      {"UTF-16 LE", le, "\r\n"}, {"UTF-16 BE", be, "\r\n"}, {"CR only", crOnly, "\r"}, {"mixed", mixed, "\r\n"}};
  for (const auto& c : cases) {
    Put(c.bytes);
    IniFile fresh;
    EXPECT_EQ(fresh.ReadValue("List", "Item1", "", path), "Farsi") << c.what;
    EXPECT_EQ(fresh.ReadValue("Farsi", "Chars65", "", path), QString(QChar(0x067E)) + "\\rtl") << c.what;
    fresh.WriteValue("Farsi", "Chars66", "b", path);
    const QByteArray written = Get();
    EXPECT_EQ(written.startsWith("\xEF\xBB\xBF"), c.bytes.startsWith("\xFF\xFE") || c.bytes.startsWith("\xFE\xFF"))
        << c.what;
    EXPECT_TRUE(written.endsWith("Chars66=b" + c.eol)) << c.what << ": " << written.toStdString();
    EXPECT_EQ(IniFile().ReadValue("Farsi", "Chars65", "", path), QString(QChar(0x067E)) + "\\rtl") << c.what;
  }
}

TEST_F(IniFileTest, ParsesOncePerChangeOnDisk) {
  ini.WriteValue("L", "Chars0", "a", path);
  const int afterWrite = ini.ParseCount();
  for (int c = 0; c < 512; ++c) ini.ReadValue("L", QString("Chars%1").arg(c), "", path);
  ini.WriteValue("L", "Chars1", "b", path);  // its own write needs no parse
  EXPECT_EQ(ini.ReadValue("L", "Chars1", "", path), "b");
  EXPECT_EQ(ini.ParseCount(), afterWrite);

  // Another writer (the list editor's own object) is seen at once.
  IniFile other;
  other.WriteValue("L", "Chars1", "c", path);
  EXPECT_EQ(ini.ReadValue("L", "Chars1", "", path), "c");
  // So is a change made in place by a program that keeps the file.
  {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write("[L]\nChars1=longer value\n");
  }
  EXPECT_EQ(ini.ReadValue("L", "Chars1", "", path), "longer value");
  QFile::remove(path);
  EXPECT_EQ(ini.ReadValue("L", "Chars1", "gone", path), "gone");
}

TEST_F(IniFileTest, EachPathHasItsOwnContent) {
  const QString second = dir.filePath("second.ini");
  ini.WriteValue("L", "K", "one", path);
  ini.WriteValue("L", "K", "two", second);
  EXPECT_EQ(ini.ReadValue("L", "K", "", path), "one");
  EXPECT_EQ(ini.ReadValue("L", "K", "", second), "two");
}

TEST_F(IniFileTest, FailedWriteIsReportedAndChangesNothing) {
  const QString bad = dir.filePath("no/such/folder/CharList.ini");
  ini.WriteValue("L", "K", "v", bad);
  EXPECT_TRUE(ini.LastWriteFailed());
  EXPECT_EQ(ini.ReadValue("L", "K", "dflt", bad), "dflt");
  ini.WriteValue("L", "K", "v", path);
  EXPECT_FALSE(ini.LastWriteFailed());
}

TEST_F(IniFileTest, WriteLeavesNoTemporaryFiles) {
  for (int i = 0; i < 5; ++i) ini.WriteValue("L", QString("K%1").arg(i), "v", path);
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"CharList.ini"});
}

TEST_F(IniFileTest, WriteValuesDoesWhatSingleWritesDo) {
  Put("[L]\nA=1\nB=2\n");
  ini.WriteValues("L", {{"A", ""}, {"C", "3"}, {"B", "two"}}, path);
  EXPECT_EQ(Get(), "[L]\nB=two\nC=3\n");
}

}  // namespace

namespace {

TEST_F(IniFileTest, WritingThroughALinkKeepsTheLink) {
  const QString target = dir.filePath("real.ini");
  QFile(target).open(QIODevice::WriteOnly);
  const QString link = dir.filePath("link.ini");
  ASSERT_TRUE(QFile::link(target, link));
  ini.WriteValue("L", "K", "v", link);
  EXPECT_TRUE(QFileInfo(link).isSymLink());
  EXPECT_EQ(IniFile().ReadValue("L", "K", "", target), "v");
}

}  // namespace
