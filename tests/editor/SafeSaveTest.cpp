// A save writes the very file its path names and keeps all that file was; killed while
// it rewrites a font in place, it leaves the old font, the new one, or a font that Open
// refuses while naming the copy of the old one.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <initializer_list>
#include <fcntl.h>
#include <map>
#include <random>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <thread>
#include <unistd.h>

#include "FileCommandsFixture.h"
#include "document/NftFile.h"
#include "platform/SafeWrite.h"

using namespace doc;
using controls::ScopedModalScript;
using testsupport::FileCommandsTest;
using testsupport::Message;

namespace {

const QString kBadFile = QStringLiteral("Bad Font File or your font file was damaged.");
constexpr char kAccessList[] = "system.posix_acl_access";
constexpr char kDefaultList[] = "system.posix_acl_default";
constexpr uid_t kOrdinaryUser = 65534;  // the user that TryAsOrdinaryUser becomes
constexpr uid_t kOtherUser = 4321;

QByteArray Name(const QString& path) { return QFile::encodeName(path); }

bool Chmod(const QString& path, mode_t mode) { return ::chmod(Name(path).constData(), mode) == 0; }

struct stat StatOf(const QString& path) {
  struct stat st {};
  EXPECT_EQ(::stat(Name(path).constData(), &st), 0) << path.toStdString();
  return st;
}

// An access list in the form the system keeps it as an attribute: version 2, then for
// each entry its tag, its rights and its id, in the system's order.
enum AclTag : uint16_t { UserObj = 0x01, User = 0x02, GroupObj = 0x04, Group = 0x08, Mask = 0x10, Other = 0x20 };
struct AclEntry {
  AclTag tag;
  uint16_t rights;
  uint32_t id = 0xFFFFFFFF;
};
QByteArray AccessList(std::initializer_list<AclEntry> entries) {
  QByteArray b;
  const auto put = [&b](uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) b.append(static_cast<char>((v >> (8 * i)) & 0xFF));
  };
  put(2, 4);
  for (const AclEntry& e : entries) {
    put(e.tag, 2);
    put(e.rights, 2);
    put(e.id, 4);
  }
  return b;
}

bool SetAttribute(const QString& path, const char* name, const QByteArray& value) {
  return ::setxattr(Name(path).constData(), name, value.constData(), static_cast<size_t>(value.size()), 0) == 0;
}

// Every extended attribute of a file, name to value.
std::map<std::string, QByteArray> AttributesOf(const QString& path) {
  std::map<std::string, QByteArray> all;
  const QByteArray p = Name(path);
  QByteArray names(64 * 1024, '\0');
  const ssize_t n = ::listxattr(p.constData(), names.data(), static_cast<size_t>(names.size()));
  for (const QByteArray& name : names.left(n < 0 ? 0 : n).split('\0')) {
    if (name.isEmpty()) continue;
    QByteArray value(64 * 1024, '\0');
    const ssize_t m = ::getxattr(p.constData(), name.constData(), value.data(), static_cast<size_t>(value.size()));
    all[name.toStdString()] = value.left(m < 0 ? 0 : m);
  }
  return all;
}

// An environment variable set for one test and put back after it.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const QByteArray& value) : name_(name), had_(qEnvironmentVariableIsSet(name)) {
    old_ = qgetenv(name);
    qputenv(name, value);
  }
  ~ScopedEnv() {
    if (had_)
      qputenv(name_, old_);
    else
      qunsetenv(name_);
  }

 private:
  const char* name_;
  bool had_;
  QByteArray old_;
};

struct SafeSave : FileCommandsTest {
  // A folder an ordinary user may enter (and write, when asked).
  QString Folder(const char* name, mode_t mode = 0777) {
    EXPECT_TRUE(Chmod(dir.path(), 0755));
    EXPECT_TRUE(QDir(dir.path()).mkpath(QString::fromLatin1(name)));
    EXPECT_TRUE(Chmod(Path(name), mode));
    return Path(name);
  }
  // Open of the path in a fresh editor: the font it shows, and the message it shows
  // instead, if any.
  struct Reopened {
    std::vector<std::string> font;
    std::optional<QString> message;
  };
  Reopened Reopen(const QString& path) {
    testsupport::EditorFixture other;
    testsupport::FakeGlyphList otherList{other.host};
    testsupport::FakeFileHost opener{other, otherList};
    opener.chooserAnswers = {path};
    QString shown;
    ScopedModalScript script({Message(&shown, 1)});
    OpenProject(other.s, opener);
    return {other.s.FontData, script.Shown() > 0 ? std::optional<QString>(shown) : std::nullopt};
  }
};

// "cur/../font.nft", where cur leads to fonts/current, is fonts/font.nft to the system,
// as is "lnk/rel.nft", where lnk leads to fonts/current and rel.nft there to
// "../real.nft": a save writes that file, and Open of the same path shows the saved
// font, while the files of those names beside the links stay as they were.
TEST_F(SafeSave, SaveWritesTheFileThatOpenOfThePathReads) {
  const QString fonts = Folder("fonts/current");
  const QString work = Folder("work");
  ASSERT_TRUE(QFile::link("../fonts/current", work + "/cur"));
  ASSERT_TRUE(QFile::link("../fonts/current", work + "/lnk"));
  ASSERT_TRUE(QFile::link("../real.nft", fonts + "/rel.nft"));
  EditGlyph();
  const struct {
    QString path;
    QString reached;
    QString beside;
  } cases[] = {
      {work + "/cur/../font.nft", Path("fonts/font.nft"), work + "/font.nft"},
      {work + "/lnk/rel.nft", Path("fonts/real.nft"), work + "/real.nft"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path.toStdString());
    WriteBytes(c.reached, NftFile::Build(ModConst(), "old"));
    WriteBytes(c.beside, "an unrelated file");
    s.FontFileName = c.path;
    s.FontModified = true;
    ASSERT_TRUE(SaveProject(s, host));
    EXPECT_EQ(NftFile::Read(c.reached).content.FontData, s.FontData);
    EXPECT_EQ(testsupport::ReadBytes(c.beside), "an unrelated file");
    const Reopened opened = Reopen(c.path);
    EXPECT_EQ(opened.message, std::nullopt);
    EXPECT_EQ(opened.font, s.FontData);
  }
  for (const QString& link : {work + "/cur", work + "/lnk", fonts + "/rel.nft"})
    EXPECT_TRUE(QFileInfo(link).isSymLink()) << link.toStdString();
}

// A font readable by its group, which user 4321 may write through its access list and
// which carries an attribute of its own, is all that after a save by its owner; and a
// new font in a folder with a default access list gets that list, as any new file
// there does.
TEST_F(SafeSave, SaveKeepsTheAccessListAndTheAttributes) {
  const QString folder = Folder("fonts");
  const QString font = folder + "/font.nft";
  EditGlyph();
  WriteBytes(font, NftFile::Build(ModConst(), "old"));
  ASSERT_EQ(::chown(Name(font).constData(), kOrdinaryUser, kOrdinaryUser), 0);
  const QByteArray list = AccessList({{UserObj, 6}, {User, 6, kOtherUser}, {GroupObj, 4}, {Mask, 6}, {Other, 0}});
  if (!SetAttribute(font, kAccessList, list)) GTEST_SKIP() << "this filesystem keeps no access lists";
  ASSERT_TRUE(SetAttribute(font, "user.comment", "drawn for the 16 x 2 panel"));
  const auto attributesBefore = AttributesOf(font);
  ASSERT_EQ(attributesBefore.size(), 2u);
  const struct stat before = StatOf(font);

  s.FontFileName = font;
  const auto saved = testsupport::TryAsOrdinaryUser([&] { return SaveProject(s, host); });
  if (!saved) GTEST_SKIP() << "cannot drop root's rights to save as the font's owner";
  EXPECT_TRUE(*saved);
  const struct stat after = StatOf(font);
  EXPECT_EQ(after.st_mode, before.st_mode);
  EXPECT_EQ(after.st_uid, kOrdinaryUser);
  EXPECT_EQ(after.st_gid, kOrdinaryUser);
  EXPECT_EQ(AttributesOf(font), attributesBefore);
  EXPECT_EQ(NftFile::Read(font).content.FontData[65], s.FontData[65]);

  const QString shared = Folder("shared");
  ASSERT_TRUE(SetAttribute(shared, kDefaultList,
                           AccessList({{UserObj, 7}, {User, 6, kOtherUser}, {GroupObj, 5}, {Mask, 7}, {Other, 5}})));
  host.chooserAnswers = {shared + "/new.nft"};
  ASSERT_TRUE(SaveProjectAs(s, host));
  EXPECT_EQ(AttributesOf(shared + "/new.nft")[kAccessList],
            AccessList({{UserObj, 6}, {User, 6, kOtherUser}, {GroupObj, 5}, {Mask, 6}, {Other, 4}}));
}

// A font with two names stays one font: whether its folder may take a new file or not,
// a save through one name shows through the other.
TEST_F(SafeSave, SaveKeepsBothNamesOfAFont) {
  EditGlyph();
  for (const mode_t folderMode : {mode_t{0777}, mode_t{0555}}) {
    SCOPED_TRACE(folderMode == 0777 ? "folder may take a new file" : "folder takes no new file");
    const QString folder = Folder(folderMode == 0777 ? "open" : "closed", 0755);
    const QString font = folder + "/font.nft", other = folder + "/backup-name.nft";
    WriteBytes(font, NftFile::Build(ModConst(), "old"));
    ASSERT_EQ(::chown(Name(font).constData(), kOrdinaryUser, kOrdinaryUser), 0);  // the saver's own
    ASSERT_TRUE(Chmod(font, 0666));
    ASSERT_TRUE(QFile::exists(font) && ::link(Name(font).constData(), Name(other).constData()) == 0);
    ASSERT_TRUE(Chmod(folder, folderMode));
    s.FontFileName = font;
    const auto saved = testsupport::TryAsOrdinaryUser([&] { return SaveProject(s, host); });
    ASSERT_TRUE(Chmod(folder, 0755));
    if (!saved) GTEST_SKIP() << "cannot drop root's rights";
    EXPECT_TRUE(*saved);
    EXPECT_EQ(StatOf(font).st_ino, StatOf(other).st_ino);
    EXPECT_EQ(StatOf(font).st_nlink, 2u);
    EXPECT_EQ(NftFile::Read(other).content.FontData, s.FontData);
  }
}

// A member of a font's group who saves another user's group-writable font leaves it
// that user's, with its group and mode.
TEST_F(SafeSave, GroupMemberSavingAnotherUsersFontLeavesItTheirs) {
  const QString font = Folder("team") + "/font.nft";
  EditGlyph();
  WriteBytes(font, NftFile::Build(ModConst(), "old"));
  ASSERT_EQ(::chown(Name(font).constData(), kOtherUser, kOtherUser), 0);
  ASSERT_TRUE(Chmod(font, 0664));
  s.FontFileName = font;
  const auto saved = testsupport::TryAsOrdinaryUser([&] { return SaveProject(s, host); }, {gid_t{kOtherUser}});
  if (!saved) GTEST_SKIP() << "cannot become an ordinary member of another user's group";
  EXPECT_TRUE(*saved);
  const struct stat after = StatOf(font);
  EXPECT_EQ(after.st_uid, kOtherUser);
  EXPECT_EQ(after.st_gid, kOtherUser);
  EXPECT_EQ(after.st_mode & 07777, 0664u);
  EXPECT_EQ(NftFile::Read(font).content.FontData, s.FontData);
}

// Saves in place (a folder the user may not write, a font they may), each killed at a
// random moment, a few hundred times: every one leaves the old font, the new one, or a
// font that Open refuses with a second line that names the kept copy, which holds the
// old font.
TEST_F(SafeSave, KilledInPlaceSaveLeavesTheOldFontTheNewOneOrACopyOfTheOld) {
  const QString folder = Folder("fonts", 0755);
  const QString font = folder + "/font.nft";
  const QString state = Folder("state");
  ScopedEnv stateHome("XDG_STATE_HOME", Name(state));
  const QString keptFolder = platform::KeptCopyFolders().front();
  // The old font is shorter than the new one, whose every glyph is designed.
  ModConst old;
  InitDefaults(old);
  for (int code = 0; code < 300; ++code)
    old.FontData[static_cast<size_t>(code)] =
        testsupport::MakeRecord(48, 48, [code](int x, int y) { return uint8_t(1 + (code + x * y) % 15); });
  const QByteArray oldBytes = NftFile::Build(old, "old");
  for (int code = 0; code < GlyphCount; ++code)
    s.FontData[static_cast<size_t>(code)] =
        testsupport::MakeRecord(64, 64, [code](int x, int y) { return uint8_t(1 + (code + x + y) % 15); });
  s.CurrentChar = -1;  // the font as it stands is what is saved
  s.FontModified = true;
  s.FontFileName = font;
  const QByteArray newBytes = NftFile::Build(s, list.ListName());

  const auto restore = [&] {
    ASSERT_TRUE(Chmod(folder, 0755));
    WriteBytes(font, oldBytes);
    ASSERT_TRUE(Chmod(font, 0666));
    ASSERT_TRUE(Chmod(folder, 0555));
    for (const QString& name : QDir(keptFolder).entryList(QDir::Files | QDir::Hidden))
      QFile::remove(keptFolder + '/' + name);
  };
  // One save as an ordinary user, killed after delay (never, when negative); how long
  // it ran once started.
  const auto save = [&](std::chrono::microseconds delay) {
    int ready[2];
    EXPECT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    if (child == 0) {
      ::alarm(30);  // a stuck save must not hold the test
      ::close(ready[0]);
      if (!testsupport::BecomeOrdinaryUser()) ::_exit(testsupport::kCannotSetUp);
      (void)!::write(ready[1], "r", 1);
      ::_exit(SaveProject(s, host) ? 0 : 1);
    }
    ::close(ready[1]);
    char c = 0;
    const bool started = ::read(ready[0], &c, 1) == 1;
    ::close(ready[0]);
    QElapsedTimer ran;
    ran.start();
    if (started && delay.count() >= 0) {
      std::this_thread::sleep_for(delay);
      ::kill(child, SIGKILL);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(started) << "the child could not become an ordinary user";
    // Killed by the test, or the save went through.
    EXPECT_TRUE(WIFSIGNALED(status) ? WTERMSIG(status) == SIGKILL : WEXITSTATUS(status) == 0);
    return std::chrono::microseconds(ran.nsecsElapsed() / 1000);
  };

  restore();
  const auto whole = save(std::chrono::microseconds(-1));
  ASSERT_EQ(testsupport::ReadBytes(font), newBytes);
  EXPECT_EQ(QDir(keptFolder).entryList(QDir::Files | QDir::Hidden), QStringList()) << "the copy stays after the save";

  std::mt19937 random(20261210);
  std::uniform_int_distribution<long> moment(0, whole.count() * 6 / 5);
  int oldFonts = 0, newFonts = 0, refused = 0;
  for (int trial = 0; trial < 300 && !HasFailure(); ++trial) {
    restore();
    const long at = moment(random);
    save(std::chrono::microseconds(at));
    const QByteArray left = testsupport::ReadBytes(font);
    if (left == oldBytes) {
      ++oldFonts;
    } else if (left == newBytes) {
      ++newFonts;
    } else {
      ++refused;
      SCOPED_TRACE("killed after " + std::to_string(at) + " us");
      EXPECT_NE(NftFile::Read(font).status, NftFile::ReadStatus::Ok);
      const auto kept = platform::KeptCopyOf(font);
      ASSERT_TRUE(kept);
      EXPECT_EQ(testsupport::ReadBytes(*kept), oldBytes);
      if (refused == 1) {
        EXPECT_EQ(Reopen(font).message.value_or("(opened)").toStdString(),
                  (kBadFile + "\r\nThe font as it was before a save that did not finish is kept in \"" + *kept + "\".")
                      .toStdString());
      }
    }
  }
  std::printf("a save of %lld us, killed: %d old fonts, %d new ones, %d refused naming the copy\n",
              static_cast<long long>(whole.count()), oldFonts, newFonts, refused);
  EXPECT_GT(refused, 0) << "no kill landed while the font was being written";
  ASSERT_TRUE(Chmod(folder, 0755));
}

// Where no copy of the font can be kept (neither the state folder nor the temporary
// folder takes one), a save in place is refused, says why, and leaves the font.
TEST_F(SafeSave, InPlaceSaveWithoutRoomForTheCopyIsRefused) {
  const QString folder = Folder("fonts", 0755);
  const QString font = folder + "/font.nft";
  ScopedEnv stateHome("XDG_STATE_HOME", Name(Folder("closed-state", 0555)));
  ScopedEnv temporary("TMPDIR", Name(Folder("closed-tmp", 0555)));
  EditGlyph();
  const QByteArray before = NftFile::Build(ModConst(), "old");
  WriteBytes(font, before);
  ASSERT_TRUE(Chmod(font, 0666));
  ASSERT_TRUE(Chmod(folder, 0555));
  s.FontFileName = font;
  const auto held = testsupport::TryAsOrdinaryUser([&] {
    QString shown;
    ScopedModalScript script({Message(&shown, 1)});
    EXPECT_FALSE(SaveProject(s, host));
    EXPECT_EQ(shown.toStdString(), "Cannot save the font to \"" + font.toStdString() +
                                       "\": no copy of it can be kept while it is rewritten (Permission denied).");
    return !::testing::Test::HasFailure();
  });
  ASSERT_TRUE(Chmod(folder, 0755));
  if (!held) GTEST_SKIP() << "cannot drop root's rights";
  EXPECT_TRUE(*held);
  EXPECT_EQ(testsupport::ReadBytes(font), before);
}

// On a filesystem that reserves no space (ext2 has no fallocate), a save in place
// counts the free blocks instead: a font that fits is saved, one that does not is
// refused with the system's reason and the old font stays.
TEST_F(SafeSave, InPlaceSaveOnAFilesystemWithoutFallocate) {
  const QString disk = Folder("disk");
  const QString image = Path("disk.img");
  ScopedEnv stateHome("XDG_STATE_HOME", Name(Folder("state")));
  EditGlyph();
  s.FontFileName = disk + "/font.nft";
  const auto held = testsupport::OnLoopFilesystem(image, "ext2", 1024, disk, [&] {
    if (!SaveProject(s, host) || !Chmod(s.FontFileName, 0666) || !Chmod(disk, 0555)) return false;
    {
      // The premise: this filesystem reserves no space.
      QFile probe(s.FontFileName);
      EXPECT_TRUE(probe.open(QIODevice::ReadWrite));
      EXPECT_NE(::fallocate(probe.handle(), FALLOC_FL_KEEP_SIZE, 0, 4096), 0);
      EXPECT_EQ(errno, EOPNOTSUPP);
    }
    return testsupport::AsOrdinaryUser([&] {
      s.DesignData.Set(3, 3, 7);
      EXPECT_TRUE(SaveProject(s, host));
      EXPECT_EQ(NftFile::Read(s.FontFileName).content.FontData[65], s.FontData[65]);
      const QByteArray fitted = testsupport::ReadBytes(s.FontFileName);
      // Glyphs of 200 x 200 in every code: about 20 MB, far more than the disk holds.
      for (auto& record : s.FontData) record = testsupport::MakeRecord(200, 200, [](int, int) { return 2; });
      QString shown;
      {
        ScopedModalScript script({Message(&shown, 1)});
        EXPECT_FALSE(SaveProject(s, host));
      }
      EXPECT_TRUE(shown.endsWith("No space left on device.")) << shown.toStdString();
      EXPECT_EQ(testsupport::ReadBytes(s.FontFileName), fitted);
      return !::testing::Test::HasFailure();
    });
  });
  if (!held) GTEST_SKIP() << "no loop filesystem without fallocate can be mounted here (that takes root and mkfs.ext2)";
  EXPECT_TRUE(*held);
}

}  // namespace
