#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "DocumentTestSupport.h"
#include "document/CharRecord.h"
#include "document/ModConst.h"
#include "document/NftFile.h"

using namespace doc;

namespace {

uint8_t At(const QByteArray& b, int i) { return static_cast<uint8_t>(b[i]); }

std::string Glyph(int w, int h, uint8_t seed) {
  return testsupport::MakeRecord(w, h, [w, seed](int x, int y) { return static_cast<uint8_t>((seed + y * w + x) % 16); });
}

QByteArray Slurp(const QString& path) {
  QFile f(path);
  EXPECT_TRUE(f.open(QIODevice::ReadOnly));
  return f.readAll();
}

struct NftFixture : ::testing::Test {
  ModConst s;
  QTemporaryDir dir;
  void SetUp() override { InitDefaults(s); }
  QString Path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
};

TEST_F(NftFixture, EmptyFontLayout) {
  s.AuthorName = FixedAuthorField("Bob");
  const QByteArray b = NftFile::Build(s, "Persian Standard");
  EXPECT_EQ(b.size(), 2023);
  EXPECT_EQ(b.left(3), QByteArray("NFT"));
  EXPECT_EQ(At(b, 3), 32);  // MaxWidth
  EXPECT_EQ(At(b, 7), 16);
  EXPECT_EQ(At(b, 11), 10);
  EXPECT_EQ(At(b, 15), 16);
  for (int i : {19, 50, 98, 349, 700, 998}) EXPECT_EQ(At(b, i), 0) << i;
  EXPECT_EQ(At(b, 99), 8);
  EXPECT_EQ(At(b, 100), 0);
  EXPECT_EQ(At(b, 101), 50);
  EXPECT_EQ(At(b, 102), 0);
  EXPECT_EQ(b.mid(103, 16), QByteArray("Persian Standard"));
  EXPECT_EQ(b.mid(149, 50), QByteArray("Bob") + QByteArray(47, ' '));
  EXPECT_EQ(b.mid(199, 50), QByteArray(50, '\0'));  // never set
  EXPECT_EQ(b.mid(249, 50), QByteArray(50, '\0'));
  EXPECT_EQ(b.mid(299, 50), QByteArray(50, '\0'));
  EXPECT_EQ(b.mid(999, 4), QByteArray(4, '\0'));    // two empty records
}

TEST_F(NftFixture, ListNameKeepsOnly46Characters) {
  const QString name = QString(60, QLatin1Char('L'));
  const QByteArray b = NftFile::Build(s, name);
  EXPECT_EQ(b.mid(103, 46), QByteArray(46, 'L'));
  EXPECT_EQ(b.mid(149, 4), QByteArray(4, '\0'));  // AuthorName wins
  // A short name is blank-padded up to the author field.
  EXPECT_EQ(NftFile::Build(s, "ab").mid(103, 46), QByteArray("ab") + QByteArray(44, ' '));
}

TEST_F(NftFixture, SaveOverLongerFileReadsBackTheSavedFont) {
  const QString path = Path("a.nft");
  s.FontData[65] = Glyph(10, 16, 3);
  s.FontData[300] = Glyph(0, 5, 0);
  s.AuthorUrl = FixedAuthorField("example.org");
  s.MaxWidth = 40;
  {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(100000, 'x'));
  }
  ASSERT_FALSE(NftFile::WriteFile(path, NftFile::Build(s, "list")));
  EXPECT_EQ(Slurp(path).size(), 2023 + 4 + 160 + 4);
  const NftFile::ReadResult r = NftFile::Read(path);
  ASSERT_EQ(r.status, NftFile::ReadStatus::Ok) << r.error.toStdString();
  EXPECT_EQ(r.content.FontData, s.FontData);
  EXPECT_EQ(r.content.header.MaxWidth, 40);
  EXPECT_EQ(r.content.header.DefaultWidth, 10);
  EXPECT_EQ(r.content.header.Author[2], s.AuthorUrl);
  EXPECT_EQ(r.content.header.Author[0], QString(50, QChar(0)));
  // Nothing but the target is left in the folder.
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

TEST_F(NftFixture, LargeGlyphRoundTripsThroughLongFraming) {
  s.FontData[0] = Glyph(300, 300, 1);  // 90,004 bytes
  s.FontData[1] = Glyph(255, 257, 2);  // 65,539 bytes
  s.FontData[2] = Glyph(2, 3, 0);
  const QByteArray b = NftFile::Build(s, "x");
  EXPECT_EQ(At(b, 999), 0xFF);
  EXPECT_EQ(At(b, 1000), 0xFF);
  EXPECT_EQ(At(b, 1001), 90004 & 0xFF);
  EXPECT_EQ(At(b, 1003), 90004 >> 16);
  const NftFile::ReadResult r = NftFile::Parse(b);
  ASSERT_EQ(r.status, NftFile::ReadStatus::Ok) << r.error.toStdString();
  EXPECT_EQ(r.content.FontData, s.FontData);
}

// Damaged or foreign files: each rejected before anything is taken over.
TEST_F(NftFixture, RejectsDamagedFiles) {
  s.FontData[7] = Glyph(3, 3, 0);
  const QByteArray good = NftFile::Build(s, "x");
  ASSERT_EQ(NftFile::Parse(good).status, NftFile::ReadStatus::Ok);

  QByteArray badMagic = good;
  badMagic[2] = 't';
  QByteArray badLength = good;
  badLength[999 + 7 * 2] = 12;  // glyph 7 says 12 bytes, its size says 13
  QByteArray tooBig = good;
  tooBig[3] = 0;  // MaxWidth 0
  QByteArray hugeGrid = good;
  hugeGrid[3] = char(0x00), hugeGrid[4] = char(0xFE), hugeGrid[7] = char(0x00), hugeGrid[8] = char(0xFE);
  QByteArray badLong = good;  // a long-framed record whose length runs out of the file
  badLong[999] = char(0xFF), badLong[1000] = char(0xFF);

  const struct {
    const char* what;
    QByteArray bytes;
    NftFile::ReadStatus status;
  } cases[] = {
      {"empty", QByteArray(), NftFile::ReadStatus::BadMagic},
      {"bad magic", badMagic, NftFile::ReadStatus::BadMagic},
      {"header cut", good.left(500), NftFile::ReadStatus::Damaged},
      {"records cut", good.left(good.size() - 1), NftFile::ReadStatus::Damaged},
      {"record cut", good.left(999 + 7 * 2 + 2 + 5), NftFile::ReadStatus::Damaged},
      {"length vs size", badLength, NftFile::ReadStatus::Damaged},
      {"max width 0", tooBig, NftFile::ReadStatus::Damaged},
      {"grid too large", hugeGrid, NftFile::ReadStatus::Damaged},
      {"long framing", badLong, NftFile::ReadStatus::Damaged},
  };
  for (const auto& c : cases) {
    const NftFile::ReadResult r = NftFile::Parse(c.bytes);
    EXPECT_EQ(r.status, c.status) << c.what;
    EXPECT_FALSE(r.error.isEmpty()) << c.what;
    EXPECT_TRUE(r.content.FontData.empty()) << c.what;
  }
  // Old files may carry bytes after the last record; they are never read.
  EXPECT_EQ(NftFile::Parse(good + QByteArray(30, 'z')).status, NftFile::ReadStatus::Ok);
}

TEST_F(NftFixture, ReadRefusesFolderAndMissingFileWithoutCreatingIt) {
  EXPECT_EQ(NftFile::Read(dir.path()).status, NftFile::ReadStatus::CannotOpen);
  const QString missing = Path("missing.nft");
  const NftFile::ReadResult r = NftFile::Read(missing);
  EXPECT_EQ(r.status, NftFile::ReadStatus::CannotOpen);
  EXPECT_TRUE(r.error.contains(missing));
  EXPECT_FALSE(QFile::exists(missing));
}

TEST_F(NftFixture, WriteFailureNamesPathAndReasonAndKeepsOldFile) {
  const QString inFile = Path("plain") + "/a.nft";  // parent is a regular file
  {
    QFile f(Path("plain"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("keep");
  }
  const auto err = NftFile::WriteFile(inFile, NftFile::Build(s, "x"));
  ASSERT_TRUE(err);
  EXPECT_TRUE(err->contains(inFile));
  EXPECT_TRUE(err->contains("Not a directory")) << err->toStdString();
  EXPECT_TRUE(NftFile::WriteFile(Path("none") + "/a.nft", "x"));
  EXPECT_TRUE(NftFile::WriteFile(dir.path(), "x"));  // a folder
  EXPECT_EQ(Slurp(Path("plain")), QByteArray("keep"));
}

// A file the user may not write is not replaced, though its folder would allow it.
TEST_F(NftFixture, SaveRefusesAFileThatIsNotWritable) {
  const QString path = Path("locked.nft");
  {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("keep");
  }
  ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0444), 0);
  ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0777), 0);
  const QByteArray bytes = NftFile::Build(s, "x");
  const auto refused = [&] {
    const auto err = NftFile::WriteFile(path, bytes);
    return err && err->contains(path);
  };
  if (::geteuid() != 0) {
    EXPECT_TRUE(refused());
  } else {
    // Root may write anything: try it as an ordinary user.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      const bool ok = ::setgid(65534) == 0 && ::setuid(65534) == 0 && refused();
      ::_exit(ok ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  EXPECT_EQ(Slurp(path), QByteArray("keep"));
}

}  // namespace

namespace {

TEST(NftText, ListNameAndAuthorsTravelInTheArabicCodePage) {
  ModConst s;
  InitDefaults(s);
  const QString arabic = QString::fromUtf8("\u0641\u0627\u0631\u0633\u064A");
  s.AuthorName = FixedAuthorField(arabic);
  const QByteArray b = NftFile::Build(s, arabic);
  EXPECT_EQ(b.mid(103, 5), QByteArray("\xDD\xC7\xD1\xD3\xED", 5));
  EXPECT_EQ(b.mid(149, 5), b.mid(103, 5));
  const auto r = NftFile::Parse(b);
  ASSERT_EQ(r.status, NftFile::ReadStatus::Ok);
  EXPECT_EQ(r.content.header.Author[0], s.AuthorName);
}

}  // namespace
