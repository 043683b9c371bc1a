#include "platform/IniFile.h"

#include <QFile>
#include <QStringDecoder>
#include <QtDebug>
#include <sys/stat.h>

#include "platform/CodePage.h"
#include "platform/SafeWrite.h"

namespace platform {

namespace {

bool IsBlank(QChar c) { return c == ' ' || c == '\t'; }

QString TrimBlanks(QStringView s) {
  qsizetype b = 0, e = s.size();
  while (b < e && IsBlank(s[b])) ++b;
  while (e > b && IsBlank(s[e - 1])) --e;
  return s.sliced(b, e - b).toString();
}

// Names are kept on one line and without surrounding blanks, so that a name
// reads back exactly as the file will hold it.
QString CleanName(const QString& name) {
  QString n = name;
  n.replace('\r', ' ').replace('\n', ' ');
  return TrimBlanks(n);
}

QString Fold(const QString& cleanName) { return cleanName.toCaseFolded(); }

// The section name of a header line "[name]", or a null string for other lines.
QString HeaderName(const QString& line) {
  qsizetype b = 0;
  while (b < line.size() && IsBlank(line[b])) ++b;
  if (b >= line.size() || line[b] != '[') return QString();
  const qsizetype close = line.lastIndexOf(']');
  if (close <= b) return QString();
  QString name = TrimBlanks(QStringView(line).sliced(b + 1, close - b - 1));
  if (name.isNull()) name = QStringLiteral("");  // "[]" is the section with the empty name
  return name;
}

bool IsComment(const QString& line) {
  for (QChar c : line) {
    if (IsBlank(c)) continue;
    return c == ';' || c == '#';
  }
  return false;
}

// Splits "key=value"; false for lines that hold no key.
bool SplitKeyLine(const QString& line, QString* key, QString* value) {
  if (IsComment(line)) return false;
  const qsizetype eq = line.indexOf('=');
  if (eq < 0) return false;
  *key = TrimBlanks(QStringView(line).first(eq));
  if (value) {
    QString v = TrimBlanks(QStringView(line).sliced(eq + 1));
    if (v.size() >= 2 && v.startsWith('"') && v.endsWith('"')) v = v.mid(1, v.size() - 2);
    *value = v;
  }
  return true;
}

// Values with surrounding blanks or quotes are quoted, so they read back unchanged.
QString EncodeValue(const QString& value) {
  QString v = value;
  v.replace('\r', ' ').replace('\n', ' ');
  const bool quote = !v.isEmpty() && (IsBlank(v.front()) || IsBlank(v.back()) ||
                                      (v.size() >= 2 && v.startsWith('"') && v.endsWith('"')));
  return quote ? '"' + v + '"' : v;
}

bool IsBlankLine(const QString& line) {
  for (QChar c : line)
    if (!IsBlank(c)) return false;
  return true;
}

}  // namespace

IniFile::DiskStamp IniFile::Stamp(const QString& path) {
  DiskStamp s;
  struct stat st {};
  if (::stat(QFile::encodeName(path).constData(), &st) != 0 || !S_ISREG(st.st_mode)) return s;
  s.exists = true;
  s.dev = st.st_dev;
  s.ino = st.st_ino;
  s.size = st.st_size;
  s.mtimeSec = st.st_mtim.tv_sec;
  s.mtimeNsec = st.st_mtim.tv_nsec;
  return s;
}

void IniFile::Load(const QString& path) {
  const DiskStamp now = Stamp(path);
  if (loaded_ && path == path_ && now == stamp_) return;
  path_ = path;
  stamp_ = now;
  loaded_ = true;
  ++parseCount_;
  QByteArray bytes;
  if (now.exists) {
    QFile f(path);
    // No more than the size it had when looked at.
    if (f.open(QIODevice::ReadOnly)) bytes = f.read(now.size);
  }
  Parse(Decode(bytes, &bom_));
}

QString IniFile::Decode(const QByteArray& bytes, bool* hadMark) {
  // Windows editors save UTF-16 with a byte-order mark, and UTF-8 with or without one.
  const struct {
    const char* mark;
    qsizetype size;
    QStringConverter::Encoding encoding;
  } marked[] = {{"\xEF\xBB\xBF", 3, QStringConverter::Utf8},
                {"\xFF\xFE", 2, QStringConverter::Utf16LE},
                {"\xFE\xFF", 2, QStringConverter::Utf16BE}};
  for (const auto& m : marked) {
    if (bytes.startsWith(QByteArrayView(m.mark, m.size))) {
      *hadMark = true;
      QStringDecoder decoder(m.encoding, QStringDecoder::Flag::Stateless);
      return decoder.decode(QByteArrayView(bytes).sliced(m.size));
    }
  }
  *hadMark = false;
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  QString text = utf8.decode(bytes);
  // Lists made on other systems come in the ANSI code page.
  if (utf8.hasError()) text = FromAnsi(bytes);
  return text;
}

void IniFile::Parse(const QString& text) {
  sections_.clear();
  sectionIndex_.clear();
  sections_.emplace_back();
  // A line ends at CR LF, LF or a lone CR; a rewrite keeps the file's first kind.
  const auto lineEnd = [&text](qsizetype from) {
    while (from < text.size() && text[from] != '\n' && text[from] != '\r') ++from;
    return from;
  };
  const qsizetype firstEnd = lineEnd(0);
  eol_ = QStringLiteral("\n");
  if (firstEnd < text.size() && text[firstEnd] == '\r')
    eol_ = firstEnd + 1 < text.size() && text[firstEnd + 1] == '\n' ? QStringLiteral("\r\n") : QStringLiteral("\r");
  qsizetype pos = 0;
  while (pos < text.size()) {
    const qsizetype end = lineEnd(pos);
    QString line = text.mid(pos, end - pos);
    pos = end + 1;
    if (end < text.size() && text[end] == '\r' && pos < text.size() && text[pos] == '\n') ++pos;
    const QString name = HeaderName(line);
    if (!name.isNull()) {
      sections_.emplace_back();
      sections_.back().header = std::move(line);
      sections_.back().folded = Fold(name);
    } else {
      sections_.back().lines.append(std::move(line));
    }
  }
  // The first section of a name is the one that counts.
  for (int i = static_cast<int>(sections_.size()) - 1; i >= 1; --i) sectionIndex_.insert(sections_[i].folded, i);
}

void IniFile::IndexKeys(Section& s) {
  if (s.indexed) return;
  s.keys.clear();
  s.keys.reserve(s.lines.size());
  QString key;
  // Backwards, so that the first line of a repeated key is the one kept.
  for (int i = static_cast<int>(s.lines.size()) - 1; i >= 0; --i)
    if (SplitKeyLine(s.lines[i], &key, nullptr)) s.keys.insert(Fold(key), i);
  s.indexed = true;
}

IniFile::Section* IniFile::FindSection(const QString& folded) {
  const auto it = sectionIndex_.constFind(folded);
  return it == sectionIndex_.constEnd() ? nullptr : &sections_[*it];
}

IniFile::Section& IniFile::FindOrAddSection(const QString& name) {
  if (Section* s = FindSection(Fold(name))) return *s;
  Section& last = sections_.back();
  const bool lastHasContent = !last.header.isEmpty() || !last.lines.isEmpty();
  if (lastHasContent && (last.lines.isEmpty() || !IsBlankLine(last.lines.back()))) {
    last.lines.append(QString());
    last.dirty = true;
  }
  sectionIndex_.insert(Fold(name), static_cast<int>(sections_.size()));
  sections_.emplace_back();
  sections_.back().header = '[' + name + ']';
  sections_.back().folded = Fold(name);
  sections_.back().indexed = true;
  return sections_.back();
}

bool IniFile::SetKey(Section& s, const QString& key, const QString& value) {
  IndexKeys(s);
  const QString folded = Fold(key);
  if (value.isEmpty()) {
    if (!s.keys.contains(folded)) return false;
    // Remove every line of this key, so a repeated one cannot show through.
    QString k;
    for (int i = static_cast<int>(s.lines.size()) - 1; i >= 0; --i)
      if (SplitKeyLine(s.lines[i], &k, nullptr) && Fold(k) == folded) s.lines.removeAt(i);
    s.indexed = false;
    return true;
  }
  const QString line = key + '=' + EncodeValue(value);
  const auto it = s.keys.constFind(folded);
  if (it != s.keys.constEnd()) {
    if (s.lines[*it] == line) return false;
    s.lines[*it] = line;
    return true;
  }
  // New keys go after the last non-blank line, keeping blank lines before the next header.
  int at = static_cast<int>(s.lines.size());
  while (at > 0 && IsBlankLine(s.lines[at - 1])) --at;
  s.lines.insert(at, line);
  if (at == s.lines.size() - 1) {
    s.keys.insert(folded, at);
  } else {
    s.indexed = false;
  }
  return true;
}

bool IniFile::Save() {
  // Only changed sections are encoded again: saving a list key by key stays cheap.
  qsizetype total = bom_ ? 3 : 0;
  for (Section& s : sections_) {
    if (s.dirty) {
      QString text;
      if (!s.header.isEmpty()) text += s.header + eol_;
      for (const QString& l : s.lines) {
        text += l;
        text += eol_;
      }
      s.bytes = text.toUtf8();
      s.dirty = false;
    }
    total += s.bytes.size();
  }
  QByteArray bytes;
  bytes.reserve(total);
  if (bom_) bytes += "\xEF\xBB\xBF";
  for (const Section& s : sections_) bytes += s.bytes;
  const std::optional<QString> failure = SafeWrite(path_, bytes);
  lastWriteFailed_ = failure.has_value();
  lastWriteError_ = failure.value_or(QString());
  if (failure) {
    qWarning() << "IniFile: cannot write" << path_ << *failure;
    loaded_ = false;  // the next read shows what the disk holds
    return false;
  }
  // Our own write is already in memory; coarse timestamps must not hide it.
  stamp_ = Stamp(path_);
  return true;
}

QString IniFile::ReadValue(const QString& section, const QString& key, const QString& defaultValue,
                           const QString& path) {
  Load(path);
  Section* s = FindSection(Fold(CleanName(section)));
  if (!s) return defaultValue;
  IndexKeys(*s);
  const auto it = s->keys.constFind(Fold(CleanName(key)));
  if (it == s->keys.constEnd()) return defaultValue;
  QString k, v;
  SplitKeyLine(s->lines[*it], &k, &v);
  return v;
}

void IniFile::WriteValue(const QString& section, const QString& key, const QString& value, const QString& path) {
  WriteValues(section, {{key, value}}, path);
}

void IniFile::WriteValues(const QString& section, const QList<QPair<QString, QString>>& keyValues,
                          const QString& path) {
  QList<KeyWrite> writes;
  writes.reserve(keyValues.size());
  for (const auto& kv : keyValues) writes.push_back({section, kv.first, kv.second});
  WriteBatch(writes, path);  // a failure is kept for LastWriteFailed
}

std::optional<QString> IniFile::WriteBatch(const QList<KeyWrite>& writes, const QString& path) {
  // A file that exists but cannot be read would be replaced by the new keys alone.
  if (Stamp(path).exists) {
    QFile probe(path);
    if (!probe.open(QIODevice::ReadOnly)) {
      lastWriteFailed_ = true;
      return probe.errorString();
    }
  }
  Load(path);
  bool changed = false;
  for (const KeyWrite& w : writes) {
    const QString name = CleanName(w.section);
    Section* s = w.value.isEmpty() ? FindSection(Fold(name)) : &FindOrAddSection(name);
    if (!s || !SetKey(*s, CleanName(w.key), w.value)) continue;
    s->dirty = true;
    changed = true;
  }
  lastWriteFailed_ = false;
  if (changed && !Save()) return lastWriteError_;
  return std::nullopt;
}

}  // namespace platform
