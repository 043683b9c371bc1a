#include "document/NftFile.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

#include "document/CharRecord.h"
#include "platform/CodePage.h"

namespace doc::NftFile {

namespace {

using platform::FromAnsi;
using platform::ToAnsi;

void PutInt32(QByteArray& out, int offset, int32_t v) {
  const auto u = static_cast<uint32_t>(v);
  for (int i = 0; i < 4; ++i) out[offset + i] = static_cast<char>((u >> (8 * i)) & 0xFF);
}

uint32_t GetUInt32(const QByteArray& in, qsizetype offset) {
  uint32_t v = 0;
  for (int i = 0; i < 4; ++i) v |= static_cast<uint32_t>(static_cast<uint8_t>(in[offset + i])) << (8 * i);
  return v;
}

uint16_t GetUInt16(const QByteArray& in, qsizetype offset) {
  return static_cast<uint16_t>(static_cast<uint8_t>(in[offset]) |
                               (static_cast<uint8_t>(in[offset + 1]) << 8));
}

void AppendUInt16(QByteArray& out, uint16_t v) {
  out.append(static_cast<char>(v & 0xFF));
  out.append(static_cast<char>(v >> 8));
}

// A fixed text field: exactly n bytes, blank-padded, cut after n.
void PutText(QByteArray& out, int offset, const QString& text, int n) {
  QByteArray b = ToAnsi(text).left(n);
  if (b.size() < n) b.append(QByteArray(n - b.size(), ' '));
  std::memcpy(out.data() + offset, b.constData(), static_cast<size_t>(n));
}

QString SystemReason(int err) { return QString::fromLocal8Bit(std::strerror(err)); }

QString SaveError(const QString& path, const QString& reason) {
  return QStringLiteral("Cannot save the font to \"%1\": %2.").arg(path, reason);
}

bool WriteAll(int fd, const char* data, size_t n) {
  while (n > 0) {
    const ssize_t w = ::write(fd, data, n);
    if (w < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data += w;
    n -= static_cast<size_t>(w);
  }
  return true;
}

ReadResult Fail(ReadStatus status, const QString& error) {
  ReadResult r;
  r.status = status;
  r.error = error;
  return r;
}

}  // namespace

QByteArray Build(const ModConst& s, const QString& charListName) {
  QByteArray out(RecordsOffset, '\0');
  std::memcpy(out.data(), "NFT", MagicSize);
  PutInt32(out, 3, s.MaxWidth);
  PutInt32(out, 7, s.MaxHeight);
  PutInt32(out, 11, s.DefaultWidth);
  PutInt32(out, 15, s.DefaultHeight);
  // The list name travels as a tagged text value; the author field that follows
  // overwrites its last four bytes, so only 46 characters survive.
  out[CharListNameOffset] = 8;
  out[CharListNameOffset + 1] = 0;
  out[CharListNameOffset + 2] = static_cast<char>(CharListNameLength);
  out[CharListNameOffset + 3] = 0;
  PutText(out, CharListNameOffset + 4, charListName, CharListNameLength);
  const QString* authors[4] = {&s.AuthorName, &s.AuthorCompanyName, &s.AuthorUrl, &s.AuthorEmail};
  for (int i = 0; i < 4; ++i) PutText(out, AuthorOffset[i], *authors[i], AuthorFieldLength);

  size_t total = RecordsOffset;
  for (const std::string& r : s.FontData) total += 6 + r.size();
  out.reserve(static_cast<qsizetype>(total));
  for (const std::string& r : s.FontData) {
    if (r.size() < LongRecordMark) {
      AppendUInt16(out, static_cast<uint16_t>(r.size()));
    } else {
      AppendUInt16(out, LongRecordMark);
      const auto n = static_cast<uint32_t>(r.size());
      for (int i = 0; i < 4; ++i) out.append(static_cast<char>((n >> (8 * i)) & 0xFF));
    }
    out.append(r.data(), static_cast<qsizetype>(r.size()));
  }
  return out;
}

std::optional<QString> WriteFile(const QString& path, const QByteArray& bytes) {
  if (path.isEmpty()) return SaveError(path, QStringLiteral("no file name"));
  QFileInfo info(path);
  // Saving through a link replaces the file it points to, not the link.
  QString target = info.isSymLink() ? info.symLinkTarget() : info.absoluteFilePath();
  QFileInfo targetInfo(target);
  if (targetInfo.isDir()) return SaveError(path, QStringLiteral("it is a folder"));

  const QByteArray finalName = QFile::encodeName(target);
  const QByteArray folder = QFile::encodeName(targetInfo.absolutePath());
  mode_t mode = 0666;
  bool keepMode = false;
  struct stat st {};
  if (::stat(finalName.constData(), &st) == 0) {
    // The rename below would replace a read-only file; refuse it, as writing it would.
    if (::faccessat(AT_FDCWD, finalName.constData(), W_OK, AT_EACCESS) != 0)
      return SaveError(path, SystemReason(errno));
    mode = st.st_mode & 07777;
    keepMode = true;
  }

  std::random_device rd;
  QByteArray tempName;
  int fd = -1;
  for (int attempt = 0; attempt < 20 && fd < 0; ++attempt) {
    tempName = folder + "/." + QFile::encodeName(targetInfo.fileName()) + ".save-" +
               QByteArray::number(static_cast<quint32>(rd()), 16);
    fd = ::open(tempName.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (fd < 0 && errno != EEXIST) break;
  }
  if (fd < 0) return SaveError(path, SystemReason(errno));

  auto failWith = [&](int err) -> std::optional<QString> {
    if (fd >= 0) ::close(fd);
    ::unlink(tempName.constData());
    return SaveError(path, SystemReason(err));
  };
  if (keepMode && ::fchmod(fd, mode) != 0) { /* the default mode is good enough */ }
  if (!WriteAll(fd, bytes.constData(), static_cast<size_t>(bytes.size()))) return failWith(errno);
  if (::fsync(fd) != 0) return failWith(errno);
  const int closed = ::close(fd);
  fd = -1;
  if (closed != 0) return failWith(errno);
  if (::rename(tempName.constData(), finalName.constData()) != 0) return failWith(errno);
  // Make the rename itself durable; a folder that cannot be synced is no failure.
  const int dirFd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dirFd >= 0) {
    ::fsync(dirFd);
    ::close(dirFd);
  }
  return std::nullopt;
}

ReadResult Parse(const QByteArray& bytes, size_t recordCount) {
  if (bytes.size() < MagicSize || std::memcmp(bytes.constData(), "NFT", MagicSize) != 0) {
    return Fail(ReadStatus::BadMagic, QStringLiteral("Bad Font File or your font file was damaged."));
  }
  const auto damaged = [](const QString& why) { return Fail(ReadStatus::Damaged, why); };
  if (bytes.size() < RecordsOffset) {
    return damaged(QStringLiteral("The file ends inside its header (%1 of %2 bytes).")
                       .arg(bytes.size())
                       .arg(RecordsOffset));
  }
  ReadResult r;
  Header& h = r.content.header;
  h.MaxWidth = static_cast<int32_t>(GetUInt32(bytes, 3));
  h.MaxHeight = static_cast<int32_t>(GetUInt32(bytes, 7));
  h.DefaultWidth = static_cast<int32_t>(GetUInt32(bytes, 11));
  h.DefaultHeight = static_cast<int32_t>(GetUInt32(bytes, 15));
  const bool maxOk = h.MaxWidth >= 1 && h.MaxWidth <= LargestSide && h.MaxHeight >= 1 &&
                     h.MaxHeight <= LargestSide &&
                     (int64_t{h.MaxWidth} + 2 * DesignGrid::Margin + 1) *
                             (int64_t{h.MaxHeight} + 2 * DesignGrid::Margin + 1) <=
                         LargestGridCells;
  const bool defaultOk = h.DefaultWidth >= 0 && h.DefaultWidth <= LargestSide &&
                         h.DefaultHeight >= 0 && h.DefaultHeight <= LargestSide;
  if (!maxOk || !defaultOk) {
    return damaged(QStringLiteral("Its sizes are out of range (maximum %1 x %2, default %3 x %4).")
                       .arg(h.MaxWidth)
                       .arg(h.MaxHeight)
                       .arg(h.DefaultWidth)
                       .arg(h.DefaultHeight));
  }
  for (int i = 0; i < 4; ++i) h.Author[i] = FromAnsi(bytes.mid(AuthorOffset[i], AuthorFieldLength));

  std::vector<std::string>& font = r.content.FontData;
  font.resize(recordCount);
  qsizetype pos = RecordsOffset;
  const qsizetype end = bytes.size();
  for (size_t code = 0; code < recordCount; ++code) {
    const auto at = [code](const char* what) {
      return QStringLiteral("Glyph %1: %2.").arg(code).arg(QLatin1String(what));
    };
    if (end - pos < 2) return damaged(at("the file ends before its record"));
    uint64_t n = GetUInt16(bytes, pos);
    pos += 2;
    if (n == LongRecordMark) {
      if (end - pos < 4) return damaged(at("the file ends inside the record's length"));
      n = GetUInt32(bytes, pos);
      pos += 4;
    }
    if (n > static_cast<uint64_t>(end - pos)) return damaged(at("the record ends past the end of the file"));
    if (n > 0) {
      const char* p = bytes.constData() + pos;
      if (n < CharRecord::HeaderSize) return damaged(at("the record is shorter than its size"));
      const auto size = CharRecord::ReadSize(std::string(p, CharRecord::HeaderSize));
      const uint64_t expected = CharRecord::HeaderSize + uint64_t(size->width) * uint64_t(size->height);
      if (n != expected) return damaged(at("the record's length does not match its size"));
      font[code].assign(p, static_cast<size_t>(n));
    }
    pos += static_cast<qsizetype>(n);
  }
  return r;
}

ReadResult Read(const QString& path, size_t recordCount) {
  const QFileInfo info(path);
  const auto cannot = [&](const QString& reason) {
    return Fail(ReadStatus::CannotOpen,
                QStringLiteral("Cannot open the font file \"%1\": %2.").arg(path, reason));
  };
  if (path.isEmpty()) return cannot(QStringLiteral("no file name"));
  if (info.isDir()) return cannot(QStringLiteral("it is a folder"));
  if (!info.exists()) return cannot(SystemReason(ENOENT));
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return cannot(f.errorString());
  QByteArray bytes = f.readAll();
  if (f.error() != QFileDevice::NoError) return cannot(f.errorString());
  return Parse(bytes, recordCount);
}

void Apply(Content content, ModConst& s) {
  const Header& h = content.header;
  s.MaxWidth = h.MaxWidth;
  s.MaxHeight = h.MaxHeight;
  s.DefaultWidth = h.DefaultWidth;
  s.DefaultHeight = h.DefaultHeight;
  s.AuthorName = h.Author[0];
  s.AuthorCompanyName = h.Author[1];
  s.AuthorUrl = h.Author[2];
  s.AuthorEmail = h.Author[3];
  s.FontData = std::move(content.FontData);
}

}  // namespace doc::NftFile
