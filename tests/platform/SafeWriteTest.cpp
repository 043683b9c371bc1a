#include <QDir>
#include <QTemporaryDir>
#include <cstddef>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/audit.h>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <optional>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <sys/xattr.h>
#include <unistd.h>
#include <vector>

#include "DocumentTestSupport.h"
#include "platform/SafeWrite.h"

using platform::SafeWrite;

namespace {

// One kind of system call made to fail, as on a system or filesystem without it: the
// calls numbered nr, or only those whose argument flagsArg holds flag.
struct Refusal {
  const char* what;
  long nr;
  int err;
  int flagsArg = -1;
  uint32_t flag = 0;
};
const Refusal kNoUnnamedFiles{"no unnamed files", SYS_openat, EOPNOTSUPP, 2, O_TMPFILE & ~O_DIRECTORY};
const Refusal kNoNamingOfUnnamedFiles{"unnamed files that cannot be named", SYS_linkat, EPERM};

// Applies the refusal to this process for the rest of its life (a child's).
bool Refuse(const Refusal& r) {
#if defined(__x86_64__)
  constexpr uint32_t kArch = AUDIT_ARCH_X86_64;
#elif defined(__aarch64__)
  constexpr uint32_t kArch = AUDIT_ARCH_AARCH64;
#else
  return false;
#endif
  std::vector<sock_filter> f = {
      BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, arch)),
      BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, kArch, 1, 0),
      BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
      BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)),
      BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, static_cast<uint32_t>(r.nr), 1, 0),
      BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
  };
  if (r.flagsArg >= 0) {
    // The low half of the argument, on these little-endian machines.
    f.push_back(
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, static_cast<uint32_t>(offsetof(seccomp_data, args) + 8 * r.flagsArg)));
    f.push_back(BPF_JUMP(BPF_JMP | BPF_JSET | BPF_K, r.flag, 1, 0));
    f.push_back(BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW));
  }
  f.push_back(BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ERRNO | (static_cast<uint32_t>(r.err) & SECCOMP_RET_DATA)));
  const sock_fprog program{static_cast<unsigned short>(f.size()), f.data()};
  return ::prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) == 0 && ::prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &program) == 0;
}

QStringList FilesIn(const QString& folder) {
  QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
  names.sort();
  return names;
}

std::string Text(const std::optional<QString>& reason) { return reason ? reason->toStdString() : "(written)"; }

// Where the system gives no unnamed file, or no way to name one, the content goes to a
// named file of the call's own; a file of the user's with a name of the same shape is
// neither taken for it nor removed.
TEST(SafeWrite, WithoutUnnamedFilesANamedOneOfItsOwnIsUsed) {
  for (const Refusal& way : {kNoUnnamedFiles, kNoNamingOfUnnamedFiles}) {
    SCOPED_TRACE(way.what);
    QTemporaryDir dir;
    const QString old = dir.filePath("a.bin"), fresh = dir.filePath("b.bin"), users = dir.filePath("a.bin.Ab3dE9");
    ASSERT_TRUE(testsupport::WriteBytes(old, "old"));
    ASSERT_TRUE(testsupport::WriteBytes(users, "the user's"));
    const int status = testsupport::InChildProcess([&] {
      if (!Refuse(way)) return testsupport::kCannotSetUp;
      return !SafeWrite(old, "new") && !SafeWrite(fresh, "fresh") ? 0 : 1;
    });
    if (status == testsupport::kCannotSetUp) GTEST_SKIP() << "system calls cannot be filtered here";
    EXPECT_EQ(status, 0);
    EXPECT_EQ(testsupport::ReadBytes(old), "new");
    EXPECT_EQ(testsupport::ReadBytes(fresh), "fresh");
    EXPECT_EQ(testsupport::ReadBytes(users), "the user's");
    EXPECT_EQ(FilesIn(dir.path()), (QStringList{"a.bin", "a.bin.Ab3dE9", "b.bin"}));
  }
}

// A full disk: the write is refused with the system's reason, the old file stays as it
// was and nothing else is left, whichever way the new content was being written.
TEST(SafeWrite, FullDiskKeepsTheOldFileAndLeavesNothing) {
  QTemporaryDir dir;
  const QString folder = dir.filePath("disk");
  ASSERT_TRUE(QDir().mkdir(folder));
  const std::optional<Refusal> ways[] = {std::nullopt, kNoUnnamedFiles, kNoNamingOfUnnamedFiles};
  for (const auto& way : ways) {
    SCOPED_TRACE(way ? way->what : "unnamed files");
    const auto held = testsupport::OnSmallFilesystem(folder, 64, [&] {
      const QString old = folder + "/a.bin";
      const QByteArray before(1000, 'o');
      if (!testsupport::WriteBytes(old, before) || (way && !Refuse(*way))) return false;
      const QByteArray big(200 * 1024, 'n');
      EXPECT_EQ(Text(SafeWrite(old, big)), "No space left on device");
      EXPECT_EQ(Text(SafeWrite(folder + "/b.bin", big)), "No space left on device");
      EXPECT_EQ(testsupport::ReadBytes(old), before);
      EXPECT_EQ(FilesIn(folder), QStringList{"a.bin"});
      return !::testing::Test::HasFailure();
    });
    if (!held) GTEST_SKIP() << "no small filesystem can be mounted here (that takes root)";
    EXPECT_TRUE(*held);
  }
}

// The other writers (the character lists, the plug-in registry) meet the same rules: a
// file with an attribute of its own keeps it, whether it is replaced or, having a
// second name, rewritten in place; the second name shows the new content, and no copy
// is left behind in the kept-copy folder.
TEST(SafeWrite, KeepsAttributesAndSecondNamesAndLeavesNoCopy) {
  for (const bool twoNames : {false, true}) {
    SCOPED_TRACE(twoNames ? "two names" : "one name");
    QTemporaryDir dir;
    const QString file = dir.filePath("CharList.ini"), second = dir.filePath("Lists.ini");
    ASSERT_TRUE(testsupport::WriteBytes(file, "[List]\nItem1=Latin\n"));
    const QByteArray name = QFile::encodeName(file);
    if (::setxattr(name.constData(), "user.origin", "shipped", 7, 0) != 0)
      GTEST_SKIP() << "this filesystem keeps no extended attributes";
    if (twoNames) {
      ASSERT_EQ(::link(name.constData(), QFile::encodeName(second).constData()), 0);
    }
    EXPECT_EQ(Text(SafeWrite(file, "[List]\nItem1=Persian\n")), "(written)");
    char value[16] = {};
    EXPECT_EQ(::getxattr(name.constData(), "user.origin", value, sizeof value), 7);
    EXPECT_STREQ(value, "shipped");
    if (twoNames) {
      EXPECT_EQ(testsupport::ReadBytes(second), "[List]\nItem1=Persian\n");
    }
    for (const QString& folder : platform::KeptCopyFolders())
      EXPECT_EQ(FilesIn(folder), QStringList()) << folder.toStdString();
  }
}

}  // namespace
