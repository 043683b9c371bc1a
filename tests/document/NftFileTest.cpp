#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <chrono>
#include <cstring>
#include <functional>
#include <optional>
#include <future>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "DocumentTestSupport.h"
#include "document/CharRecord.h"
#include "document/ModConst.h"
#include "document/NftFile.h"

using namespace doc;

namespace {

uint8_t At(const QByteArray& b, int i) { return static_cast<uint8_t>(b[i]); }

std::string Glyph(int w, int h, uint8_t seed) {
  return testsupport::MakeRecord(w, h,
                                 [w, seed](int x, int y) { return static_cast<uint8_t>((seed + y * w + x) % 16); });
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
  EXPECT_EQ(b.mid(999, 4), QByteArray(4, '\0'));  // two empty records
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
  tooBig[3] = 0;              // MaxWidth 0
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
  // Root may write anything: as root this runs as an ordinary user.
  EXPECT_TRUE(testsupport::AsOrdinaryUser(refused));
  EXPECT_EQ(Slurp(path), QByteArray("keep"));
}

// Framing at the edge of the 16-bit length, and records longer than their cells.
TEST_F(NftFixture, FramingOfRecordsAroundSixtyFiveThousandBytes) {
  const std::string plain = Glyph(19, 3449, 4);  // 4 + 65,531 = 65,535 bytes
  ASSERT_EQ(plain.size(), 65535u);
  const std::string padded = Glyph(2, 2, 1) + std::string(65535 - 8, '\x07');  // 65,535, longer than its cells
  const std::string longer = Glyph(3, 3, 2) + "extra";
  s.FontData[0] = plain;
  s.FontData[1] = padded;
  s.FontData[2] = longer;
  const QByteArray b = NftFile::Build(s, "x");
  // The plain record keeps its plain 16-bit length; the padded one takes the escape.
  EXPECT_EQ(b.mid(999, 6), QByteArray("\xFF\xFF\x00\x13\x0D\x86", 6));
  EXPECT_EQ(b.mid(999 + 2 + 65535, 6), QByteArray("\xFF\xFF\xFF\xFF\x00\x00", 6));
  const NftFile::ReadResult r = NftFile::Parse(b);
  ASSERT_EQ(r.status, NftFile::ReadStatus::Ok) << r.error.toStdString();
  EXPECT_EQ(r.content.FontData, s.FontData);

  // The same plain record as another writer frames it, and a long-framed one, read alike.
  QByteArray other(999, '\0');
  other.replace(0, 19, NftFile::Build(s, "x").left(19));
  const auto frame16 = [](const std::string& rec) {
    return QByteArray(1, char(rec.size() & 0xFF)) + char(rec.size() >> 8) + QByteArray::fromStdString(rec);
  };
  other += frame16(plain);
  other += QByteArray("\xFF\xFF\xFF\xFF\x00\x00", 6) + QByteArray::fromStdString(plain);
  other += frame16(longer);
  const NftFile::ReadResult r2 = NftFile::Parse(other, 3);
  ASSERT_EQ(r2.status, NftFile::ReadStatus::Ok) << r2.error.toStdString();
  EXPECT_EQ(r2.content.FontData, (std::vector<std::string>{plain, plain, longer}));
}

// A glyph of 8403 x 37939 cells is framed as 0xFFFF and the 32-bit length 318,801,421,
// whose four bytes (0D 86 00 13) read as the size 3449 x 19 of a plain record of 65,535
// bytes. Read so, its empty cells frame the other records as empty and the font ends
// long before the file does; read as the escape, the file ends with the last record.
// The reading under which the whole file is the font is taken.
TEST_F(NftFixture, LengthThatReadsAsAPlainRecordSizeIsTakenAsTheFileReadsWhole) {
  constexpr int w = 8403, h = 37939;
  std::string huge(4 + size_t{w} * h, '\0');
  huge[0] = char(w / 255), huge[1] = char(w % 255), huge[2] = char(h / 255), huge[3] = char(h % 255);
  s.FontData[0] = std::move(huge);
  s.FontData[1] = Glyph(3, 2, 5);
  s.FontData[511] = Glyph(2, 2, 1);
  const QByteArray b = NftFile::Build(s, "x");
  ASSERT_EQ(b.mid(999, 6), QByteArray("\xFF\xFF\x0D\x86\x00\x13", 6));
  const NftFile::ReadResult r = NftFile::Parse(b);
  ASSERT_EQ(r.status, NftFile::ReadStatus::Ok) << r.error.toStdString();
  EXPECT_TRUE(r.content.FontData == s.FontData);
}

// A header is no reason to refuse a font: a maximum beyond the settings' limits
// comes down to its largest glyph (the one with the most cells), never below the
// limit, and the default size within the maxima and the limits. Every record stays.
TEST_F(NftFixture, OpenedMaximaFollowTheLargestGlyph) {
  ModConst small = s;
  small.FontData[7] = Glyph(3, 3, 1);
  ModConst wide = s;  // a wide glyph with the most cells, and a narrower taller one
  wide.FontData[7] = testsupport::MakeRecord(1500, 2, [](int x, int) { return uint8_t(x % 2); });
  wide.FontData[9] = testsupport::MakeRecord(3, 800, [](int, int) { return uint8_t(1); });
  const struct {
    const ModConst* font;
    int32_t header[4];  // MaxWidth, MaxHeight, DefaultWidth, DefaultHeight
    int32_t opened[4];
  } cases[] = {
      {&small, {1024, 768, 1024, 768}, {1024, 768, 1024, 768}},
      {&small, {40, 30, 8, 16}, {40, 30, 8, 16}},
      {&small, {16000, 16000, 10, 16}, {1024, 768, 10, 16}},
      {&small, {1025, 10, 10, 10}, {1024, 10, 10, 10}},
      {&small, {10, 769, 10, 10}, {10, 768, 10, 10}},
      {&small, {32, 16, 65000, 65000}, {32, 16, 32, 16}},
      {&small, {2000, 2000, 1500, 900}, {1024, 768, 1024, 768}},
      {&wide, {1500, 800, 8, 16}, {1500, 768, 8, 16}},
      {&wide, {65279, 65279, 65279, 65279}, {1500, 768, 1024, 768}},
      {&wide, {1400, 700, 8, 16}, {1400, 700, 8, 16}},
  };
  for (const auto& c : cases) {
    ModConst t = *c.font;
    t.MaxWidth = c.header[0], t.MaxHeight = c.header[1], t.DefaultWidth = c.header[2], t.DefaultHeight = c.header[3];
    const QString path = Path("big.nft");
    ASSERT_TRUE(testsupport::WriteBytes(path, NftFile::Build(t, "x")));
    const NftFile::ReadResult r = NftFile::Read(path);
    SCOPED_TRACE(testing::Message() << c.header[0] << " x " << c.header[1] << ", " << c.header[2] << " x "
                                    << c.header[3]);
    ASSERT_EQ(r.status, NftFile::ReadStatus::Ok) << r.error.toStdString();
    const NftFile::Header& h = r.content.header;
    EXPECT_EQ((std::vector<int32_t>{h.MaxWidth, h.MaxHeight, h.DefaultWidth, h.DefaultHeight}),
              (std::vector<int32_t>(c.opened, c.opened + 4)));
    EXPECT_EQ(r.content.FontData, t.FontData);
  }
}

// Devices, pipes and sockets are refused before anything is read, without waiting.
TEST_F(NftFixture, ReadRefusesWhatIsNotARegularFile) {
  const QString fifo = Path("pipe.nft");
  ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  const QString socketPath = Path("sock.nft");
  const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
  ASSERT_GE(sock, 0);
  sockaddr_un addr{};
  addr.sun_family = AF_UNIX;
  const QByteArray sp = QFile::encodeName(socketPath);
  ASSERT_LT(static_cast<size_t>(sp.size()), sizeof addr.sun_path);
  std::memcpy(addr.sun_path, sp.constData(), static_cast<size_t>(sp.size()));
  ASSERT_EQ(::bind(sock, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
  const QString link = Path("zero.nft");
  ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), link));

  for (const QString& p : {QStringLiteral("/dev/zero"), link, fifo, socketPath}) {
    auto pending = std::async(std::launch::async, [p] { return NftFile::Read(p); });
    if (pending.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
      // Blocked: let it go so the test can end, and fail.
      QFile writer(fifo);
      (void)writer.open(QIODevice::WriteOnly);
      ADD_FAILURE() << "reading blocked: " << p.toStdString();
    }
    const NftFile::ReadResult r = pending.get();
    EXPECT_EQ(r.status, NftFile::ReadStatus::CannotOpen) << p.toStdString();
    EXPECT_EQ(r.error, "Cannot open the font file \"" + p + "\": it is not a regular file.");
  }
  ::close(sock);
}

struct StatOf {
  struct stat st {};
  explicit StatOf(const QString& p) { EXPECT_EQ(::stat(QFile::encodeName(p).constData(), &st), 0) << p.toStdString(); }
};

TEST_F(NftFixture, SaveFollowsAChainOfLinksToTheRealFile) {
  const QString real = Path("real.nft");
  {
    QFile f(real);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("old");
  }
  QDir(dir.path()).mkdir("sub");
  ASSERT_TRUE(QFile::link(QStringLiteral("../real.nft"), Path("sub/b.nft")));  // relative, from its own folder
  ASSERT_TRUE(QFile::link(Path("sub/b.nft"), Path("a.nft")));
  s.FontData[1] = Glyph(2, 2, 3);
  ASSERT_FALSE(NftFile::WriteFile(Path("a.nft"), NftFile::Build(s, "x")));
  EXPECT_EQ(NftFile::Read(real).content.FontData, s.FontData);
  EXPECT_TRUE(QFileInfo(Path("a.nft")).isSymLink());
  EXPECT_TRUE(QFileInfo(Path("sub/b.nft")).isSymLink());
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System).size(), 2);  // real, a

  // A loop is refused, and the links stay.
  ASSERT_TRUE(QFile::link(Path("loop2.nft"), Path("loop1.nft")));
  ASSERT_TRUE(QFile::link(Path("loop1.nft"), Path("loop2.nft")));
  const auto err = NftFile::WriteFile(Path("loop1.nft"), NftFile::Build(s, "x"));
  ASSERT_TRUE(err);
  EXPECT_EQ(*err, "Cannot save the font to \"" + Path("loop1.nft") + "\": its links form a loop.");
  EXPECT_TRUE(QFileInfo(Path("loop1.nft")).isSymLink());
  EXPECT_TRUE(QFileInfo(Path("loop2.nft")).isSymLink());
}

TEST_F(NftFixture, SaveRefusesToWriteADeviceOrPipe) {
  const QString fifo = Path("pipe.nft");
  ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  const auto err = NftFile::WriteFile(fifo, NftFile::Build(s, "x"));
  ASSERT_TRUE(err);
  EXPECT_TRUE(err->endsWith("it is not a regular file.")) << err->toStdString();
  EXPECT_TRUE(QFileInfo(fifo).exists());
}

// Root saving a user's font gives the new file back to the user, with its mode.
TEST_F(NftFixture, SaveKeepsOwnerGroupAndMode) {
  const QString path = Path("a.nft");
  {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("old");
  }
  const QByteArray name = QFile::encodeName(path);
  ASSERT_EQ(::chmod(name.constData(), 0640), 0);
  if (::geteuid() != 0) {
    ASSERT_FALSE(NftFile::WriteFile(path, NftFile::Build(s, "x")));
    EXPECT_EQ(StatOf(path).st.st_uid, ::geteuid());
    EXPECT_EQ(StatOf(path).st.st_mode & 07777, 0640u);
    GTEST_SKIP() << "not root: the owner of another user's file cannot be kept here";
  }
  ASSERT_EQ(::chown(name.constData(), 65534, 65534), 0);
  ASSERT_FALSE(NftFile::WriteFile(path, NftFile::Build(s, "x")));
  const StatOf after(path);
  EXPECT_EQ(after.st.st_uid, 65534u);
  EXPECT_EQ(after.st.st_gid, 65534u);
  EXPECT_EQ(after.st.st_mode & 07777, 0640u);
  EXPECT_EQ(NftFile::Read(path).status, NftFile::ReadStatus::Ok);
}

// A folder the user may not write: a writable font in it is written in place, a new
// file there is a real failure.
TEST_F(NftFixture, WritableFileInAReadOnlyFolderIsWrittenInPlace) {
  const QString sub = Path("ro");
  ASSERT_TRUE(QDir(dir.path()).mkdir("ro"));
  const QString path = sub + "/a.nft";
  const QString fresh = sub + "/new.nft";
  {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(5000, 'o'));
  }
  ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0666), 0);
  ASSERT_EQ(::chmod(QFile::encodeName(sub).constData(), 0555), 0);
  ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0755), 0);
  s.FontData[9] = Glyph(5, 5, 5);
  const QByteArray bytes = NftFile::Build(s, "x");
  const auto result = testsupport::TryAsOrdinaryUser([&] {
    const bool inPlace = !NftFile::WriteFile(path, bytes);
    const auto refused = NftFile::WriteFile(fresh, bytes);
    return inPlace && refused && refused->contains(fresh) && refused->contains("Permission denied");
  });
  ::chmod(QFile::encodeName(sub).constData(), 0755);
  if (!result) GTEST_SKIP() << "cannot drop root's rights to test a folder the user may not write";
  EXPECT_TRUE(*result);
  EXPECT_EQ(NftFile::Read(path).content.FontData, s.FontData);
  EXPECT_EQ(QDir(sub).entryList(QDir::Files | QDir::Hidden | QDir::System), QStringList{"a.nft"});
}

// A save killed in the middle leaves the old font and nothing else.
TEST_F(NftFixture, KilledSaveLeavesNoFileBehind) {
  const QString path = Path("a.nft");
  ASSERT_FALSE(NftFile::WriteFile(path, NftFile::Build(s, "old")));
  const QByteArray oldBytes = Slurp(path);
  for (auto& r : s.FontData) r = Glyph(500, 400, 1);  // about 100 MB
  const QByteArray big = NftFile::Build(s, "new");

  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    NftFile::WriteFile(path, big);
    ::_exit(0);
  }
  // Kill it once it holds a file of the folder open for writing.
  const QString fdDir = QStringLiteral("/proc/%1/fd").arg(child);
  const QString folder = QFileInfo(dir.path()).canonicalFilePath();
  bool caught = false;
  for (int i = 0; i < 20000 && !caught; ++i) {
    for (const QFileInfo& fd : QDir(fdDir).entryInfoList(QDir::System | QDir::Files | QDir::NoDotAndDotDot))
      if (fd.symLinkTarget().startsWith(folder + '/')) caught = true;
    if (!caught) std::this_thread::sleep_for(std::chrono::microseconds(200));
  }
  ::kill(child, SIGKILL);
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(caught) << "the save ended before it could be killed";
  ASSERT_TRUE(WIFSIGNALED(status));
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System), QStringList{"a.nft"});
  EXPECT_EQ(Slurp(path), oldBytes);
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
