#pragma once
// Shared helpers for the tests of the document layer and every layer above it
// (nothing here needs a window or the editor).
#include <QByteArray>
#include <QFile>
#include <QString>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <grp.h>
#include <sys/resource.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
// The sanitizer's count of the bytes the program holds (its runtime has it; g++ ships no
// header for it).
extern "C" size_t __sanitizer_get_current_allocated_bytes();
#else
#include <malloc.h>
#endif

namespace testsupport {

// Folder of the source tree, for fixtures under tests/ and data/.
inline QString SourceDir() { return QStringLiteral(QN_SOURCE_DIR); }

// A CharRecord of w x h cells whose cell (x, y) is cell(x, y), built by hand so that
// tests do not lean on the encoder they may be checking.
inline std::string MakeRecord(int w, int h, const std::function<uint8_t(int, int)>& cell) {
  std::string r{static_cast<char>(w / 255), static_cast<char>(w % 255), static_cast<char>(h / 255),
                static_cast<char>(h % 255)};
  r.reserve(4 + static_cast<size_t>(w) * static_cast<size_t>(h));
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) r.push_back(static_cast<char>(cell(x, y)));
  return r;
}

// The whole content of a small test file ("" when it cannot be read), and a file
// made with exactly these bytes.
inline QByteArray ReadBytes(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
inline bool WriteBytes(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// Runs body in a child process and gives its exit status (-1 when it did not end by
// itself), so that whatever body changes in the process (rights, mounts, filters of
// system calls) ends with it.
inline int InChildProcess(const std::function<int()>& body) {
  const pid_t child = ::fork();
  if (child < 0) return -1;
  if (child == 0) {
    ::alarm(60);  // a stuck child must not hold the test
    ::_exit(body());
  }
  int status = 0;
  if (::waitpid(child, &status, 0) != child || !WIFEXITED(status)) return -1;
  return WEXITSTATUS(status);
}

// The exit status of a child that could not make the surroundings its check needs.
constexpr int kCannotSetUp = 2;

// Runs check in a child process once setUp has made the surroundings it needs, and
// tells whether it held; nullopt when setUp could not (it returned false).
inline std::optional<bool> InChildAfter(const std::function<bool()>& setUp, const std::function<bool()>& check) {
  const int status = InChildProcess([&] {
    if (!setUp()) return kCannotSetUp;
    return check() ? 0 : 1;
  });
  if (status == kCannotSetUp) return std::nullopt;
  return status == 0;
}

// Gives up root for good: user and group 65534, member of these further groups only.
inline bool BecomeOrdinaryUser(const std::vector<gid_t>& groups = {}) {
  return ::setgroups(groups.size(), groups.data()) == 0 && ::setgid(65534) == 0 && ::setuid(65534) == 0;
}

// Runs check as an ordinary user and tells whether it held. Root may write any
// file, so as root it runs in a child process that gives up root first (user and
// group 65534, no further groups but groups); files it must reach need permissions
// for others. nullopt when root cannot give up its rights here.
inline std::optional<bool> TryAsOrdinaryUser(const std::function<bool()>& check,
                                             const std::vector<gid_t>& groups = {}) {
  if (::geteuid() != 0) return groups.empty() ? std::optional<bool>(check()) : std::nullopt;
  return InChildAfter([&] { return BecomeOrdinaryUser(groups); }, check);
}

// The same, where rights that cannot be dropped count as the check failing.
inline bool AsOrdinaryUser(const std::function<bool()>& check) { return TryAsOrdinaryUser(check).value_or(false); }

// A mount table of the process's own, so that what it mounts ends with it.
inline bool OwnMountTable() {
  return ::unshare(CLONE_NEWNS) == 0 && ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
}

// Runs check in a child process with a mount table of its own, in which folder (it must
// exist) holds a new, empty filesystem of the given size that every user may write: a
// full disk at hand. The mount ends with the child. nullopt where no filesystem can be
// mounted (that takes root).
inline std::optional<bool> OnSmallFilesystem(const QString& folder, int kilobytes, const std::function<bool()>& check) {
  const QByteArray where = QFile::encodeName(folder);
  const QByteArray options = "size=" + QByteArray::number(kilobytes) + "k,mode=0777";
  return InChildAfter(
      [&] {
        return OwnMountTable() &&
               ::mount("tmpfs", where.constData(), "tmpfs", MS_NOSUID | MS_NODEV, options.constData()) == 0;
      },
      check);
}

// The same with a filesystem of the given type ("ext2", say) made in the file image and
// mounted on folder through a loop device, where every user may write: a filesystem
// unlike the one the tests run on. nullopt where none can be made (that takes root, the
// type's mkfs and loop devices).
inline std::optional<bool> OnLoopFilesystem(const QString& image, const QByteArray& type, int kilobytes,
                                            const QString& folder, const std::function<bool()>& check) {
  const QByteArray file = QFile::encodeName(image), where = QFile::encodeName(folder);
  return InChildAfter(
      [&] {
        QFile blank(image);
        if (!OwnMountTable() || !blank.open(QIODevice::WriteOnly) || !blank.resize(qint64{kilobytes} * 1024))
          return false;
        blank.close();
        const QByteArray tools = "PATH=/usr/sbin:/usr/bin:/sbin:/bin ";
        const QByteArray make = tools + "mkfs." + type + " -q -F '" + file + "' >/dev/null 2>&1 && " + tools +
                                "mount -t " + type + " -o loop '" + file + "' '" + where + "' >/dev/null 2>&1";
        return std::system(make.constData()) == 0 && ::chmod(where.constData(), 0777) == 0;
      },
      check);
}

// The bytes the process holds allocated now, as its allocator counts them.
inline size_t LiveHeapBytes() {
#if defined(__SANITIZE_ADDRESS__)
  return __sanitizer_get_current_allocated_bytes();
#else
  const struct mallinfo2 m = ::mallinfo2();
  return m.uordblks + m.hblkhd;
#endif
}

// Whether the address space of a process can be bounded here: the address sanitizer
// reserves terabytes of it, so RLIMIT_AS cannot bound a process under it.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kAddressSpaceCanBeBounded = false;
#else
constexpr bool kAddressSpaceCanBeBounded = true;
#endif

// Runs body in a child process whose address space may grow by no more than growth
// bytes (where kAddressSpaceCanBeBounded; elsewhere without a bound) and gives its
// exit status: 0 body held, 1 it did not, 3 out of memory, 4 another exception,
// kCannotSetUp no bound could be set, -1 the child was killed.
inline int InChildWithAddressSpace(size_t growth, const std::function<bool()>& body) {
  return InChildProcess([&] {
    if (kAddressSpaceCanBeBounded) {
      long pages = 0;
      if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld", &pages) != 1) pages = 0;
        std::fclose(statm);
      }
      rlimit limit{};
      limit.rlim_cur = limit.rlim_max = static_cast<rlim_t>(pages) * ::sysconf(_SC_PAGESIZE) + growth;
      if (pages == 0 || ::setrlimit(RLIMIT_AS, &limit) != 0) return kCannotSetUp;
    }
    // Nothing may leave the child but its status: it must not run on into other tests.
    try {
      return body() ? 0 : 1;
    } catch (const std::bad_alloc&) {
      return 3;
    } catch (...) {
      return 4;
    }
  });
}

}  // namespace testsupport
