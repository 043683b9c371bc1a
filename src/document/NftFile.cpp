#include "document/NftFile.h"

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <set>
#include <string_view>
#include <utility>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "document/CharRecord.h"
#include "document/FontSizes.h"
#include "platform/CodePage.h"
#include "platform/SafeWrite.h"

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
  return static_cast<uint16_t>(static_cast<uint8_t>(in[offset]) | (static_cast<uint8_t>(in[offset + 1]) << 8));
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

QString CannotOpen(const QString& path, const QString& reason) {
  return QStringLiteral("Cannot open the font file \"%1\": %2.").arg(path, reason);
}

// True when the bytes, read as a record, say by their size that it is n bytes long.
bool StatesLength(std::string_view record, uint64_t n) {
  const auto view = CharRecord::View::Of(record);
  return view && view->StatedLength() == n;
}

// A record of exactly 0xFFFF bytes goes with a plain length when its own size says
// so: the reader tells it from the escape by that size.
bool PlainFramed(const std::string& r) {
  return r.size() < LongRecordMark || (r.size() == PlainRecordLimit && StatesLength(r, r.size()));
}

// Where each record lies in the file.
struct Frame {
  qsizetype at = 0;
  uint64_t length = 0;
};

// Finds the frames of all records. A length of 0xFFFF followed by a record that says it
// is 65,535 bytes long can be that record or the escape before a 32-bit length (whose
// four bytes may happen to read so), and only the records after it tell which: the
// reading under which every record frames and the records end where the file ends is
// taken, else one under which every record frames, the plain one first, before bytes
// that an older writer left behind. A place tried once is not tried again, so no file
// makes the search long.
class Framing {
 public:
  Framing(const QByteArray& bytes, size_t count) : bytes_(bytes), frames_(count) {}

  bool Find() {
    if (From(0, RecordsOffset, true)) return true;
    failed_.clear();
    error_.clear();
    return From(0, RecordsOffset, false);
  }
  const std::vector<Frame>& Frames() const { return frames_; }
  // What stops the first reading tried, for the user.
  const QString& Error() const { return error_; }

 private:
  bool From(size_t code, qsizetype pos, bool toTheEnd) {
    if (code == frames_.size()) return !toTheEnd || pos == bytes_.size();
    if (failed_.count({code, pos})) return false;
    const qsizetype end = bytes_.size();
    Frame readings[2];
    int count = 0;
    if (end - pos < 2) {
      Fail(code, "the file ends before its record");
    } else if (const uint16_t n = GetUInt16(bytes_, pos); n != LongRecordMark) {
      readings[count++] = {pos + 2, n};
    } else {
      const std::string_view rest(bytes_.constData() + pos + 2, static_cast<size_t>(end - pos - 2));
      if (StatesLength(rest, PlainRecordLimit)) readings[count++] = {pos + 2, PlainRecordLimit};
      if (end - pos - 2 >= 4) {
        readings[count++] = {pos + 6, GetUInt32(bytes_, pos + 2)};
      } else if (count == 0) {
        Fail(code, "the file ends inside the record's length");
      }
    }
    for (int i = 0; i < count; ++i) {
      const Frame& f = readings[i];
      if (f.length > static_cast<uint64_t>(end - f.at)) {
        Fail(code, "the record ends past the end of the file");
        continue;
      }
      const std::string_view record(bytes_.constData() + f.at, static_cast<size_t>(f.length));
      if (f.length > 0 && !CharRecord::IsWellFormed(record)) {
        const auto view = CharRecord::View::Of(record);
        Fail(code, view && (view->Width() > CharRecord::MaxSide || view->Height() > CharRecord::MaxSide)
                       ? "the record's size is not one a glyph can have"
                       : "the record is shorter than its size");
        continue;
      }
      frames_[code] = f;
      if (From(code + 1, f.at + static_cast<qsizetype>(f.length), toTheEnd)) return true;
    }
    failed_.insert({code, pos});
    return false;
  }
  void Fail(size_t code, const char* what) {
    if (error_.isEmpty()) error_ = QStringLiteral("Glyph %1: %2.").arg(code).arg(QLatin1String(what));
  }

  const QByteArray& bytes_;
  std::vector<Frame> frames_;
  std::set<std::pair<size_t, qsizetype>> failed_;
  QString error_;
};

ReadResult Fail(ReadStatus status, const QString& error) {
  ReadResult r;
  r.status = status;
  r.error = error;
  return r;
}

}  // namespace

QByteArray Build(const Font& font, const QString& charListName) {
  QByteArray out(RecordsOffset, '\0');
  std::memcpy(out.data(), "NFT", MagicSize);
  PutInt32(out, 3, font.MaxWidth);
  PutInt32(out, 7, font.MaxHeight);
  PutInt32(out, 11, font.DefaultWidth);
  PutInt32(out, 15, font.DefaultHeight);
  // The list name travels as a tagged text value; the author field that follows
  // overwrites its last four bytes, so only 46 characters survive.
  out[CharListNameOffset] = 8;
  out[CharListNameOffset + 1] = 0;
  out[CharListNameOffset + 2] = static_cast<char>(CharListNameLength);
  out[CharListNameOffset + 3] = 0;
  PutText(out, CharListNameOffset + 4, charListName, CharListNameLength);
  const QString* authors[4] = {&font.AuthorName, &font.AuthorCompanyName, &font.AuthorUrl, &font.AuthorEmail};
  for (int i = 0; i < 4; ++i) PutText(out, AuthorOffset[i], *authors[i], AuthorFieldLength);

  size_t total = RecordsOffset;
  for (const std::string& r : font.FontData) total += 6 + r.size();
  out.reserve(static_cast<qsizetype>(total));
  for (const std::string& r : font.FontData) {
    if (PlainFramed(r)) {
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
  // The magic goes in last: a font cut short while it is rewritten in place never opens as whole.
  if (const auto reason = platform::SafeWrite(path, bytes, MagicSize)) return SaveError(path, *reason);
  return std::nullopt;
}

ReadResult Parse(const QByteArray& bytes, size_t recordCount) {
  if (bytes.size() < MagicSize || std::memcmp(bytes.constData(), "NFT", MagicSize) != 0) {
    return Fail(ReadStatus::BadMagic, QStringLiteral("Bad Font File or your font file was damaged."));
  }
  const auto damaged = [](const QString& why) { return Fail(ReadStatus::Damaged, why); };
  if (bytes.size() < RecordsOffset) {
    return damaged(
        QStringLiteral("The file ends inside its header (%1 of %2 bytes).").arg(bytes.size()).arg(RecordsOffset));
  }
  ReadResult r;
  Header& h = r.content.header;
  h.MaxWidth = static_cast<int32_t>(GetUInt32(bytes, 3));
  h.MaxHeight = static_cast<int32_t>(GetUInt32(bytes, 7));
  h.DefaultWidth = static_cast<int32_t>(GetUInt32(bytes, 11));
  h.DefaultHeight = static_cast<int32_t>(GetUInt32(bytes, 15));
  if (h.MaxWidth < 1 || h.MaxHeight < 1 || h.DefaultWidth < 0 || h.DefaultHeight < 0) {
    return damaged(QStringLiteral("Its sizes are out of range (maximum %1 x %2, default %3 x %4).")
                       .arg(h.MaxWidth)
                       .arg(h.MaxHeight)
                       .arg(h.DefaultWidth)
                       .arg(h.DefaultHeight));
  }
  for (int i = 0; i < 4; ++i) h.Author[i] = FromAnsi(bytes.mid(AuthorOffset[i], AuthorFieldLength));

  Framing framing(bytes, recordCount);
  if (!framing.Find()) return damaged(framing.Error());
  std::vector<std::string>& font = r.content.FontData;
  font.resize(recordCount);
  for (size_t code = 0; code < recordCount; ++code) {
    const Frame& f = framing.Frames()[code];
    if (f.length > 0) font[code].assign(bytes.constData() + f.at, static_cast<size_t>(f.length));
  }
  // No header makes a grid larger than the font needs: the maxima come down to its
  // largest glyph, and the default size within them. The records stay as they are.
  const GlyphBox maxima = OpenedMaxima({h.MaxWidth, h.MaxHeight}, LargestGlyph(font));
  const GlyphBox fallback = OpenedDefault({h.DefaultWidth, h.DefaultHeight}, maxima);
  h.MaxWidth = maxima.width;
  h.MaxHeight = maxima.height;
  h.DefaultWidth = fallback.width;
  h.DefaultHeight = fallback.height;
  return r;
}

ReadResult Read(const QString& path, size_t recordCount) {
  const auto cannot = [&](const QString& reason) { return Fail(ReadStatus::CannotOpen, CannotOpen(path, reason)); };
  if (path.isEmpty()) return cannot(QStringLiteral("no file name"));
  const QByteArray name = QFile::encodeName(path);
  // Looked at before opening: opening a device can do things, and a pipe has no end.
  struct stat st {};
  if (::stat(name.constData(), &st) != 0) return cannot(SystemReason(errno));
  if (S_ISDIR(st.st_mode)) return cannot(QStringLiteral("it is a folder"));
  if (!S_ISREG(st.st_mode)) return cannot(QStringLiteral("it is not a regular file"));
  const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return cannot(SystemReason(errno));
  // The path may have changed in between: what was opened is what counts.
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return cannot(QStringLiteral("it is not a regular file"));
  }
  // No more than the size as it stood when opened: a file that grows meanwhile
  // cannot make the read endless.
  QByteArray bytes(static_cast<qsizetype>(st.st_size), Qt::Uninitialized);
  qsizetype got = 0;
  while (got < bytes.size()) {
    const ssize_t n = ::read(fd, bytes.data() + got, static_cast<size_t>(bytes.size() - got));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      const int err = errno;
      ::close(fd);
      return cannot(SystemReason(err));
    }
    if (n == 0) break;  // it shrank
    got += n;
  }
  ::close(fd);
  bytes.truncate(got);
  return Parse(bytes, recordCount);
}

void Apply(Content content, Font& font) {
  const Header& h = content.header;
  font.MaxWidth = h.MaxWidth;
  font.MaxHeight = h.MaxHeight;
  font.DefaultWidth = h.DefaultWidth;
  font.DefaultHeight = h.DefaultHeight;
  font.AuthorName = h.Author[0];
  font.AuthorCompanyName = h.Author[1];
  font.AuthorUrl = h.Author[2];
  font.AuthorEmail = h.Author[3];
  font.FontData = std::move(content.FontData);
}

}  // namespace doc::NftFile
