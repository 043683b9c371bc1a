#include "platform/SafeWrite.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPair>
#include <QRandomGenerator>
#include <QSet>
#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <map>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace platform {

namespace {

// Outcomes beside the system's error numbers (all positive).
constexpr int kDone = 0;
constexpr int kNoUnnamedFile = -1;  // the filesystem or the system cannot make or name one
constexpr int kNotRegular = -2;
constexpr int kCannotCarry = -3;  // a new file could not be all the old one was

QString Reason(int err) {
  if (err == kNotRegular) return QStringLiteral("it is not a regular file");
  return QString::fromLocal8Bit(std::strerror(err));
}

constexpr int MaxLinkHops = 40;  // as the kernel allows

QByteArray Joined(const QByteArray& folder, const QByteArray& name) {
  return folder.endsWith('/') ? folder + name : folder + '/' + name;
}

// A file as a canonical folder and a name in it that is no link.
struct Resolved {
  QByteArray folder;
  QByteArray name;
};

// The file that an open of path reaches. The folder part goes through realpath, which
// follows each link as it meets it, so "link/.." is the parent of the folder the link
// leads to, as the kernel has it; a link at the end is followed the same way, from the
// folder it lies in. nullopt with *reason set for a loop, an endless chain, a folder
// that cannot be reached, or a path that names a folder.
std::optional<Resolved> Resolve(QByteArray path, QString* reason) {
  QSet<QPair<quint64, quint64>> seen;
  for (int hop = 0;; ++hop) {
    const qsizetype slash = path.lastIndexOf('/');
    const QByteArray folder = slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : path.left(slash);
    const QByteArray name = path.mid(slash + 1);
    if (name.isEmpty() || name == "." || name == "..") {
      *reason = QStringLiteral("it is a folder");
      return std::nullopt;
    }
    char real[PATH_MAX];
    if (::realpath(folder.constData(), real) == nullptr) {
      *reason = Reason(errno);
      return std::nullopt;
    }
    Resolved r{QByteArray(real), name};
    const QByteArray full = Joined(r.folder, name);
    struct stat st {};
    // A name that holds nothing yet is a new file; other failures are met by the caller.
    if (::lstat(full.constData(), &st) != 0 || !S_ISLNK(st.st_mode)) return r;
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
    const ssize_t n = ::readlink(full.constData(), buf, sizeof buf);
    if (n < 0 || n >= static_cast<ssize_t>(sizeof buf)) {
      *reason = Reason(n < 0 ? errno : ENAMETOOLONG);
      return std::nullopt;
    }
    const QByteArray target(buf, n);
    path = target.startsWith('/') ? target : Joined(r.folder, target);
  }
}

class Descriptor {
 public:
  explicit Descriptor(int fd = -1) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(Descriptor&& o) noexcept : fd_(o.fd_) { o.fd_ = -1; }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  Descriptor& operator=(Descriptor&& o) noexcept {
    if (this != &o) {
      if (fd_ >= 0) ::close(fd_);
      fd_ = o.fd_;
      o.fd_ = -1;
    }
    return *this;
  }
  int get() const { return fd_; }

 private:
  int fd_;
};

// Where the new content goes: a name in an open folder, and the file it replaces.
struct Target {
  int folder;
  QByteArray folderPath;
  QByteArray name;
  const struct stat* old;  // null for a new file
};

int WriteAt(int fd, const char* p, size_t left, off_t at) {
  while (left > 0) {
    const ssize_t n = ::pwrite(fd, p, left, at);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return errno;
    p += n;
    at += n;
    left -= static_cast<size_t>(n);
  }
  return kDone;
}

int WriteAll(int fd, const QByteArray& bytes) {
  return WriteAt(fd, bytes.constData(), static_cast<size_t>(bytes.size()), 0);
}

int Sync(int fd) { return ::fsync(fd) == 0 ? kDone : errno; }

// Copies the first size bytes of one file into another, a bounded piece at a time.
int CopyContent(int from, int to, off_t size) {
  char buf[64 * 1024];
  for (off_t at = 0; at < size;) {
    const ssize_t n = ::pread(from, buf, static_cast<size_t>(std::min<off_t>(sizeof buf, size - at)), at);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return errno;
    if (n == 0) break;  // it shrank
    if (const int err = WriteAt(to, buf, static_cast<size_t>(n), at)) return err;
    at += n;
  }
  return kDone;
}

// The extended attributes of a file, name to value; nullopt when they cannot be read.
// A filesystem without them has none.
using Attributes = std::map<QByteArray, QByteArray>;

template <typename List, typename Get>
std::optional<Attributes> ReadAttributes(List list, Get get) {
  for (int attempt = 0; attempt < 10; ++attempt) {  // the list may change while it is read
    const ssize_t size = list(nullptr, 0);
    if (size < 0) return errno == ENOTSUP ? std::optional<Attributes>(Attributes{}) : std::nullopt;
    QByteArray names(size, '\0');
    const ssize_t got = list(names.data(), static_cast<size_t>(size));
    if (got < 0 && errno == ERANGE) continue;
    if (got < 0) return std::nullopt;
    Attributes all;
    bool changed = false;
    for (const QByteArray& name : names.left(got).split('\0')) {
      if (name.isEmpty()) continue;
      const ssize_t n = get(name.constData(), nullptr, 0);
      if (n < 0 && errno == ENODATA) continue;  // removed meanwhile
      if (n < 0) return std::nullopt;
      QByteArray value(n, '\0');
      const ssize_t m = get(name.constData(), value.data(), static_cast<size_t>(n));
      if (m < 0 && errno == ERANGE) {
        changed = true;
        break;
      }
      if (m < 0) return std::nullopt;
      all[name] = value.left(m);
    }
    if (!changed) return all;
  }
  return std::nullopt;
}

std::optional<Attributes> AttributesOf(const QByteArray& path) {
  const char* p = path.constData();
  return ReadAttributes([p](char* names, size_t n) { return ::llistxattr(p, names, n); },
                        [p](const char* name, void* v, size_t n) { return ::lgetxattr(p, name, v, n); });
}

std::optional<Attributes> AttributesOf(int fd) {
  return ReadAttributes([fd](char* names, size_t n) { return ::flistxattr(fd, names, n); },
                        [fd](const char* name, void* v, size_t n) { return ::fgetxattr(fd, name, v, n); });
}

// Makes the new file all the old one was: owner and group, extended attributes (the
// access list is one) and mode, the mode last, as a change of owner clears the set-id
// bits and an access list sets the group bits. kCannotCarry unless the new file then
// is exactly that, so that a replacement never changes who may do what with the file.
int Carry(int fd, const Target& t) {
  const struct stat& old = *t.old;
  if (::fchown(fd, old.st_uid, old.st_gid) != 0) return kCannotCarry;
  const auto oldAttributes = AttributesOf(Joined(t.folderPath, t.name));
  const auto newAttributes = AttributesOf(fd);
  if (!oldAttributes || !newAttributes) return kCannotCarry;
  // What the folder gave the new file (its default access list) the old file lacks.
  for (const auto& [name, value] : *newAttributes)
    if (!oldAttributes->count(name) && ::fremovexattr(fd, name.constData()) != 0) return kCannotCarry;
  for (const auto& [name, value] : *oldAttributes)
    if (::fsetxattr(fd, name.constData(), value.constData(), static_cast<size_t>(value.size()), 0) != 0)
      return kCannotCarry;
  if (::fchmod(fd, old.st_mode & 07777) != 0) return kCannotCarry;
  struct stat now {};
  if (::fstat(fd, &now) != 0 || now.st_uid != old.st_uid || now.st_gid != old.st_gid || now.st_mode != old.st_mode)
    return kCannotCarry;
  return AttributesOf(fd) == oldAttributes ? kDone : kCannotCarry;
}

// The new file's content with, for a replacement, all the old file was, flushed to disk.
int Fill(int fd, const Target& t, const QByteArray& bytes) {
  if (t.old)
    if (const int err = Carry(fd, t)) return err;
  if (const int err = WriteAll(fd, bytes)) return err;
  return Sync(fd);
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

int OpenUnnamed(int folder, int flags, mode_t mode, Descriptor* out) {
  Descriptor f(::openat(folder, ".", O_TMPFILE | flags | O_CLOEXEC, mode));
  if (f.get() < 0) return errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL ? kNoUnnamedFile : errno;
  *out = std::move(f);
  return kDone;
}

// The file is written unnamed, so a kill leaves nothing; a new file is then named in
// one step, while an existing one is replaced by naming the new file beside it and
// renaming that over it at once.
int WriteUnnamed(const Target& t, const QByteArray& bytes) {
  Descriptor f;
  if (const int err = OpenUnnamed(t.folder, O_WRONLY, 0666, &f)) return err;
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

// Gives a finished file of this save's own its final name; replace says whether a file
// of that name may be replaced. Where the filesystem cannot tell, a new name is taken
// as the rename finds it.
int Rename(int folder, const QByteArray& from, const QByteArray& to, bool replace) {
  if (!replace && ::renameat2(folder, from.constData(), folder, to.constData(), RENAME_NOREPLACE) == 0) return kDone;
  if (!replace && errno != EINVAL) return errno;
  return ::renameat(folder, from.constData(), folder, to.constData()) == 0 ? kDone : errno;
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
    if (err == kDone) err = Rename(t.folder, temporary, t.name, t.old != nullptr);
    if (err != kDone) RemoveOwnName(t.folder, temporary, f.get());
    return err;
  }
  return EEXIST;
}

// Makes a new name durable; a folder that cannot be synced is no failure.
void SyncFolder(int folder) {
  const int fd = ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

// A kept copy's name: the file's device and inode, which a rewrite in place keeps, so
// that an open of the file finds it, and then its name, for the user.
QByteArray KeptPrefix(const struct stat& st) {
  return QByteArray::number(quint64(st.st_dev)) + '-' + QByteArray::number(quint64(st.st_ino)) + '-';
}

// A folder for kept copies, opened; made (for this user alone) when missing. One in a
// shared folder is taken only while it is this user's own and closed to others.
Descriptor OpenKeptFolder(const QString& path, bool shared, bool make, int* err) {
  const QByteArray p = QFile::encodeName(path);
  if (make) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (::mkdir(p.constData(), 0700) != 0 && errno != EEXIST) {
      *err = errno;
      return Descriptor();
    }
  }
  Descriptor d(::open(p.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
  struct stat st {};
  if (d.get() < 0 || ::fstat(d.get(), &st) != 0) {
    *err = errno;
    return Descriptor();
  }
  if (shared && (st.st_uid != ::geteuid() || (st.st_mode & 077) != 0)) {
    *err = EPERM;
    return Descriptor();
  }
  return d;
}

// The old content of a file about to be rewritten in place, in a file of its own in a
// kept-copy folder, flushed to disk before the file is touched.
class KeptCopy {
 public:
  KeptCopy(Descriptor folder, Descriptor file, QByteArray name, QString path)
      : folder_(std::move(folder)), file_(std::move(file)), name_(std::move(name)), path_(std::move(path)) {}
  const QString& Path() const { return path_; }
  // Puts the old content back into the file; true when it is there and on disk.
  bool RestoreInto(int fd, off_t size) const {
    return CopyContent(file_.get(), fd, size) == kDone && ::ftruncate(fd, size) == 0 && Sync(fd) == kDone;
  }
  void Remove() const { RemoveOwnName(folder_.get(), name_, file_.get()); }

 private:
  Descriptor folder_;
  Descriptor file_;
  QByteArray name_;
  QString path_;
};

// Names a finished copy "<prefix><name>", or with "-2", "-3", ... where a copy of an
// earlier save that was cut short holds that name: that one may be all that is left of
// the file and is kept.
int NameCopy(int folder, int fd, const QByteArray& temporary, const QByteArray& base, QByteArray* name) {
  for (int n = 1; n <= kNameAttempts; ++n) {
    *name = n == 1 ? base : base + '-' + QByteArray::number(n);
    const int err = temporary.isEmpty() ? Link(fd, folder, *name) : Rename(folder, temporary, *name, false);
    if (err != EEXIST) return err;
  }
  return EEXIST;
}

std::optional<KeptCopy> KeepIn(const QString& folderPath, bool shared, int fd, const struct stat& st,
                               const QByteArray& name, int* err) {
  Descriptor folder = OpenKeptFolder(folderPath, shared, true, err);
  if (folder.get() < 0) return std::nullopt;
  const QByteArray base = KeptPrefix(st) + name.left(NAME_MAX - 48);
  Descriptor copy;
  QByteArray temporary;  // empty while the copy is unnamed
  *err = OpenUnnamed(folder.get(), O_RDWR, 0600, &copy);
  for (int attempt = 0; *err == kNoUnnamedFile && attempt < kNameAttempts; ++attempt) {
    temporary = TemporaryName(base);
    copy = Descriptor(
        ::openat(folder.get(), temporary.constData(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    *err = copy.get() >= 0 ? kDone : errno == EEXIST ? kNoUnnamedFile : errno;
  }
  if (*err != kDone) return std::nullopt;
  QByteArray named;
  *err = CopyContent(fd, copy.get(), st.st_size);
  if (*err == kDone) *err = Sync(copy.get());
  if (*err == kDone) *err = NameCopy(folder.get(), copy.get(), temporary, base, &named);
  if (*err != kDone) {
    if (!temporary.isEmpty()) RemoveOwnName(folder.get(), temporary, copy.get());
    if (*err == kNoUnnamedFile) *err = EOPNOTSUPP;
    return std::nullopt;
  }
  SyncFolder(folder.get());
  const QString path = folderPath + '/' + QFile::decodeName(named);
  return KeptCopy(std::move(folder), std::move(copy), named, path);
}

std::optional<KeptCopy> Keep(int fd, const struct stat& st, const QByteArray& name, QString* reason) {
  int err = kDone;
  const QStringList folders = KeptCopyFolders();
  for (qsizetype i = 0; i < folders.size(); ++i)
    if (auto kept = KeepIn(folders[i], i > 0, fd, st, name, &err)) return kept;
  *reason = Reason(err);
  return std::nullopt;
}

// Makes sure the disk holds the new content before a byte of the old file changes.
// Where the filesystem reserves no space, its free blocks are counted instead.
int Reserve(int fd, const struct stat& before, off_t size) {
  if (size == 0) return kDone;
  int r;
  do r = ::fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, size);
  while (r != 0 && errno == EINTR);
  if (r == 0) return kDone;
  if (errno != EOPNOTSUPP && errno != ENOSYS) return errno;
  struct statvfs fs {};
  if (::fstatvfs(fd, &fs) != 0) return errno;
  const auto held = static_cast<unsigned long long>(before.st_blocks) * 512;
  const auto free = static_cast<unsigned long long>(::geteuid() == 0 ? fs.f_bfree : fs.f_bavail) * fs.f_frsize;
  return static_cast<unsigned long long>(size) <= held + free ? kDone : ENOSPC;
}

std::optional<QString> WriteInPlace(const Target& t, const QByteArray& bytes, qsizetype sealLength) {
  const Descriptor f(::openat(t.folder, t.name.constData(), O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
  if (f.get() < 0 && errno == EACCES)
    return QStringLiteral("it can be written but not read, so no copy of it can be kept");
  if (f.get() < 0) return Reason(errno);
  struct stat before {};
  if (::fstat(f.get(), &before) != 0) return Reason(errno);
  if (!S_ISREG(before.st_mode)) return Reason(kNotRegular);
  QString keptReason;
  const auto kept = Keep(f.get(), before, t.name, &keptReason);
  if (!kept) return QStringLiteral("no copy of it can be kept while it is rewritten (%1)").arg(keptReason);
  const auto size = static_cast<off_t>(bytes.size());
  if (const int err = Reserve(f.get(), before, size)) {
    // Blocks a reservation cut short took beyond the end go back to the disk.
    (void)!::ftruncate(f.get(), before.st_size);
    kept->Remove();
    return Reason(err);
  }
  const auto seal = static_cast<size_t>(std::clamp<qsizetype>(sealLength, 0, bytes.size()));
  int err = kDone;
  if (seal > 0) {
    err = WriteAt(f.get(), QByteArray(static_cast<qsizetype>(seal), '\0').constData(), seal, 0);
    if (err == kDone && ::fdatasync(f.get()) != 0) err = errno;
  }
  if (err == kDone) err = WriteAt(f.get(), bytes.constData() + seal, static_cast<size_t>(size) - seal, off_t(seal));
  if (err == kDone && ::ftruncate(f.get(), size) != 0) err = errno;
  if (err == kDone) err = Sync(f.get());
  if (err == kDone && seal > 0) {
    err = WriteAt(f.get(), bytes.constData(), seal, 0);
    if (err == kDone) err = Sync(f.get());
  }
  if (err == kDone || kept->RestoreInto(f.get(), before.st_size)) {
    kept->Remove();
    return err == kDone ? std::nullopt : std::optional<QString>(Reason(err));
  }
  return QStringLiteral("%1; the file as it was is kept in \"%2\"").arg(Reason(err), kept->Path());
}

}  // namespace

QStringList KeptCopyFolders() {
  QString state = qEnvironmentVariable("XDG_STATE_HOME");
  if (!QDir::isAbsolutePath(state)) state = QDir::homePath() + QStringLiteral("/.local/state");
  return {state + QStringLiteral("/quillane"), QDir::tempPath() + QStringLiteral("/quillane-%1").arg(::geteuid())};
}

std::optional<QString> KeptCopyOf(const QString& path) {
  struct stat st {};
  if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &st) != 0) return std::nullopt;
  const QString prefix = QString::fromLatin1(KeptPrefix(st));
  std::optional<QFileInfo> newest;
  const QStringList folders = KeptCopyFolders();
  for (qsizetype i = 0; i < folders.size(); ++i) {
    int err = kDone;
    if (OpenKeptFolder(folders[i], i > 0, false, &err).get() < 0) continue;
    for (const QFileInfo& copy : QDir(folders[i]).entryInfoList({prefix + '*'}, QDir::Files | QDir::Hidden))
      if (!newest || copy.lastModified() > newest->lastModified()) newest = copy;
  }
  if (!newest) return std::nullopt;
  return newest->filePath();
}

std::optional<QString> SafeWrite(const QString& path, const QByteArray& bytes, qsizetype sealLength) {
  if (path.isEmpty()) return QStringLiteral("no file name");
  QString reason;
  const auto file = Resolve(QFile::encodeName(path), &reason);
  if (!file) return reason;
  const Descriptor folder(::open(file->folder.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC));
  if (folder.get() < 0) return Reason(errno);

  struct stat old {};
  const bool exists = ::fstatat(folder.get(), file->name.constData(), &old, AT_SYMLINK_NOFOLLOW) == 0;
  if (!exists && errno != ENOENT) return Reason(errno);
  if (exists) {
    if (S_ISDIR(old.st_mode)) return QStringLiteral("it is a folder");
    // Writing a device or a pipe could block or never end.
    if (!S_ISREG(old.st_mode)) return Reason(kNotRegular);
    // The rename would replace a read-only file; refuse it, as writing it would.
    if (::faccessat(folder.get(), file->name.constData(), W_OK, AT_EACCESS) != 0) return Reason(errno);
  }
  const Target target{folder.get(), file->folder, file->name, exists ? &old : nullptr};

  // A file of several names is one file: a new file in the place of one name would
  // part it from the others.
  int err = exists && old.st_nlink > 1 ? kCannotCarry : WriteUnnamed(target, bytes);
  if (err == kNoUnnamedFile) err = WriteNamed(target, bytes);
  if (exists && (err == EACCES || err == EPERM || err == kCannotCarry)) return WriteInPlace(target, bytes, sealLength);
  if (err != kDone) return Reason(err);
  SyncFolder(folder.get());
  return std::nullopt;
}

}  // namespace platform
