#include "platform/SafeWrite.h"

#include <QFile>
#include <QFileInfo>
#include <QPair>
#include <QRandomGenerator>
#include <QSet>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

// Outcomes beside the system's error numbers (all positive).
constexpr int kDone = 0;
constexpr int kNoUnnamedFile = -1;  // the filesystem or the system cannot make or name one
constexpr int kNotRegular = -2;

QString Reason(int err) {
  if (err == kNotRegular) return QStringLiteral("it is not a regular file");
  return QString::fromLocal8Bit(std::strerror(err));
}

constexpr int MaxLinkHops = 40;  // as the kernel allows

// The file behind path, each link of a chain followed to the next (a relative target
// counts from the link's folder, as the system reads it); the folder of the result
// is made canonical. nullopt with *reason set for a loop or an endless chain.
std::optional<QString> FollowLinks(const QString& path, QString* reason) {
  QString p = QFileInfo(path).absoluteFilePath();
  QSet<QPair<quint64, quint64>> seen;
  for (int hop = 0;; ++hop) {
    const QByteArray name = QFile::encodeName(p);
    struct stat st {};
    if (::lstat(name.constData(), &st) != 0 || !S_ISLNK(st.st_mode)) break;
    if (seen.contains({st.st_dev, st.st_ino})) {
      *reason = QStringLiteral("its links form a loop");
      return std::nullopt;
    }
    if (hop >= MaxLinkHops) {
      *reason = Reason(ELOOP);
      return std::nullopt;
    }
    seen.insert({st.st_dev, st.st_ino});
    char buf[PATH_MAX];
    const ssize_t n = ::readlink(name.constData(), buf, sizeof buf);
    if (n < 0 || n >= static_cast<ssize_t>(sizeof buf)) break;
    const QString target = QFile::decodeName(QByteArray(buf, n));
    p = target.startsWith('/') ? target : QFileInfo(p).absolutePath() + '/' + target;
  }
  const QFileInfo info(p);
  const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
  return folder.isEmpty() ? info.absoluteFilePath() : folder + '/' + info.fileName();
}

class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};

// Where the new content goes: a name in an open folder, and the file it replaces.
struct Target {
  int folder;
  QByteArray name;
  const struct stat* old;  // null for a new file
};

int WriteAll(int fd, const QByteArray& bytes) {
  const char* p = bytes.constData();
  auto left = static_cast<size_t>(bytes.size());
  while (left > 0) {
    const ssize_t n = ::write(fd, p, left);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return errno;
    p += n;
    left -= static_cast<size_t>(n);
  }
  return kDone;
}

// The new file's content, with the old file's owner (or at least its group, so root
// saving a user's file does not take it over) and mode, flushed to disk. The mode is
// set after the owner, as a change of owner clears the set-id bits.
int Fill(int fd, const Target& t, const QByteArray& bytes) {
  if (t.old) {
    if (::fchown(fd, t.old->st_uid, t.old->st_gid) != 0) (void)!::fchown(fd, static_cast<uid_t>(-1), t.old->st_gid);
    ::fchmod(fd, t.old->st_mode & 07777);
  }
  if (const int err = WriteAll(fd, bytes)) return err;
  return ::fsync(fd) == 0 ? kDone : errno;
}

// A name beside the target that no file holds yet is found by trying: "<name>.XXXXXX".
QByteArray TemporaryName(const QByteArray& name) {
  static constexpr char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  QByteArray n = name.left(NAME_MAX - 7) + '.';
  for (int i = 0; i < 6; ++i) n += kLetters[QRandomGenerator::global()->bounded(static_cast<int>(sizeof kLetters) - 1)];
  return n;
}
constexpr int kNameAttempts = 100;

// Removes a name this save gave to its own file: only while the name still leads to
// the very file the save holds open.
void RemoveOwnName(int folder, const QByteArray& name, int fd) {
  struct stat named {};
  struct stat own {};
  if (::fstatat(folder, name.constData(), &named, AT_SYMLINK_NOFOLLOW) == 0 && ::fstat(fd, &own) == 0 &&
      named.st_dev == own.st_dev && named.st_ino == own.st_ino)
    ::unlinkat(folder, name.constData(), 0);
}

// Gives the unnamed file a name: through /proc where it is mounted, else by the
// descriptor itself where the system allows it.
int Link(int fd, int folder, const QByteArray& name) {
  char proc[32];
  std::snprintf(proc, sizeof proc, "/proc/self/fd/%d", fd);
  if (::linkat(AT_FDCWD, proc, folder, name.constData(), AT_SYMLINK_FOLLOW) == 0) return kDone;
  if (errno == EEXIST) return EEXIST;
  if (::linkat(fd, "", folder, name.constData(), AT_EMPTY_PATH) == 0) return kDone;
  return errno == EEXIST ? EEXIST : kNoUnnamedFile;
}

// The file is written unnamed, so a kill leaves nothing; a new file is then named in
// one step, while an existing one is replaced by naming the new file beside it and
// renaming that over it at once.
int WriteUnnamed(const Target& t, const QByteArray& bytes) {
  const Descriptor f(::openat(t.folder, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666));
  if (f.get() < 0) return errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL ? kNoUnnamedFile : errno;
  if (const int err = Fill(f.get(), t, bytes)) return err;
  // A file that appeared since it was looked at is not replaced unasked.
  if (!t.old) return Link(f.get(), t.folder, t.name);
  for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
    const QByteArray temporary = TemporaryName(t.name);
    const int err = Link(f.get(), t.folder, temporary);
    if (err == EEXIST) continue;
    if (err != kDone) return err;
    if (::renameat(t.folder, temporary.constData(), t.folder, t.name.constData()) == 0) return kDone;
    const int renameErr = errno;
    RemoveOwnName(t.folder, temporary, f.get());
    return renameErr;
  }
  return EEXIST;
}

// Gives the finished file the target's name. A new file does not replace one that
// appeared since it was looked at, where the filesystem can tell.
int Rename(const Target& t, const QByteArray& from) {
  const char* to = t.name.constData();
  if (!t.old && ::renameat2(t.folder, from.constData(), t.folder, to, RENAME_NOREPLACE) == 0) return kDone;
  if (!t.old && errno != EINVAL) return errno;
  return ::renameat(t.folder, from.constData(), t.folder, to) == 0 ? kDone : errno;
}

// Without unnamed files: a named one of this save's own, made so that no other file
// can be taken for it, and removed again by this save if anything fails.
int WriteNamed(const Target& t, const QByteArray& bytes) {
  for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
    const QByteArray temporary = TemporaryName(t.name);
    const Descriptor f(
        ::openat(t.folder, temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
    if (f.get() < 0 && errno == EEXIST) continue;
    if (f.get() < 0) return errno;
    int err = Fill(f.get(), t, bytes);
    if (err == kDone) err = Rename(t, temporary);
    if (err != kDone) RemoveOwnName(t.folder, temporary, f.get());
    return err;
  }
  return EEXIST;
}

// The folder takes no new file: the file is rewritten in place, but only after the
// space for all of the new content is reserved, so a full disk refuses the save
// before a byte of the old file is touched.
int WriteInPlace(const Target& t, const QByteArray& bytes) {
  const Descriptor f(::openat(t.folder, t.name.constData(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
  if (f.get() < 0) return errno;
  struct stat before {};
  if (::fstat(f.get(), &before) != 0) return errno;
  if (!S_ISREG(before.st_mode)) return kNotRegular;
  const auto size = static_cast<off_t>(bytes.size());
  if (size > 0) {
    int err;
    do err = ::posix_fallocate(f.get(), 0, size);
    while (err == EINTR);
    if (err != 0) {
      // A reservation cut short may have lengthened the file; it gets its old length back.
      struct stat now {};
      if (::fstat(f.get(), &now) == 0 && now.st_size != before.st_size) (void)!::ftruncate(f.get(), before.st_size);
      return err;
    }
  }
  if (const int err = WriteAll(f.get(), bytes)) return err;
  if (::ftruncate(f.get(), size) != 0) return errno;
  return ::fsync(f.get()) == 0 ? kDone : errno;
}

// Makes the new name durable; a folder that cannot be synced is no failure.
void SyncFolder(int folder) {
  const int fd = ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

std::optional<QString> SafeWrite(const QString& path, const QByteArray& bytes) {
  if (path.isEmpty()) return QStringLiteral("no file name");
  QString reason;
  // Saving through links replaces the file at the end of the chain, not a link.
  const auto resolved = FollowLinks(path, &reason);
  if (!resolved) return reason;
  const QFileInfo info(*resolved);
  const QByteArray full = QFile::encodeName(*resolved);

  struct stat old {};
  const bool exists = ::stat(full.constData(), &old) == 0;
  if (!exists && errno != ENOENT) return Reason(errno);
  if (exists) {
    if (S_ISDIR(old.st_mode)) return QStringLiteral("it is a folder");
    // Writing a device or a pipe could block or never end.
    if (!S_ISREG(old.st_mode)) return Reason(kNotRegular);
    // The rename would replace a read-only file; refuse it, as writing it would.
    if (::faccessat(AT_FDCWD, full.constData(), W_OK, AT_EACCESS) != 0) return Reason(errno);
  }
  const Descriptor folder(::open(QFile::encodeName(info.absolutePath()).constData(), O_PATH | O_DIRECTORY | O_CLOEXEC));
  if (folder.get() < 0) return Reason(errno);
  const Target target{folder.get(), QFile::encodeName(info.fileName()), exists ? &old : nullptr};

  int err = WriteUnnamed(target, bytes);
  if (err == kNoUnnamedFile) err = WriteNamed(target, bytes);
  if ((err == EACCES || err == EPERM) && exists) err = WriteInPlace(target, bytes);
  if (err != kDone) return Reason(err);
  SyncFolder(folder.get());
  return std::nullopt;
}

}  // namespace platform
