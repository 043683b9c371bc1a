#pragma once
// Reader and writer of INI files (CharList.ini). Keeps the parsed file of the
// last path it was asked about and parses again only when the file on disk
// changed, so the 512 reads of one list cost one parse.
#include <QByteArray>
#include <QHash>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <vector>

namespace platform {

class IniFile {
 public:
  // The stored value of the key, or defaultValue when the file, the section or
  // the key does not exist. Section and key names are matched without regard to
  // letter case; surrounding blanks of names are ignored.
  QString ReadValue(const QString& section, const QString& key, const QString& defaultValue, const QString& path);
  // Creates or replaces the key (creating the file and the section when needed).
  // Writing "" removes the key, so that it reads as absent. Comments and lines
  // that are not keys are kept. The file is replaced atomically, written as UTF-8
  // (with a byte-order mark when the file had one) with the file's line ends.
  // Line breaks cannot be stored in a value; each becomes a blank.
  void WriteValue(const QString& section, const QString& key, const QString& value, const QString& path);
  // Several keys of one section with one parse and one write of the file, as
  // WriteValue does them one after another.
  void WriteValues(const QString& section, const QList<QPair<QString, QString>>& keyValues, const QString& path);

  // One key to write; an empty value clears the key.
  struct KeyWrite {
    QString section;
    QString key;
    QString value;
  };
  // The writes in order, as WriteValue makes them one after another, but with one
  // parse and one atomic replace of the file: all of them reach the disk or none
  // does. Returns the reason when the file could not be read or replaced (the disk
  // then holds what it held before); nullopt on success.
  std::optional<QString> WriteBatch(const QList<KeyWrite>& writes, const QString& path);

  // True when the last write could not replace the file (nothing was changed on disk).
  bool LastWriteFailed() const { return lastWriteFailed_; }
  // Times the file was read and parsed by this object (for benchmarks).
  int ParseCount() const { return parseCount_; }

 private:
  struct Section {
    QString header;            // the header line as in the file; empty for the lines before the first
    QString folded;            // the section name, case-folded
    QStringList lines;         // the lines after the header up to the next one
    QHash<QString, int> keys;  // folded key -> first line, built on first use
    bool indexed = false;
    QByteArray bytes;  // the section as written, valid unless dirty
    bool dirty = true;
  };
  struct DiskStamp {
    bool exists = false;
    uint64_t dev = 0, ino = 0;
    int64_t size = 0, mtimeSec = 0, mtimeNsec = 0;
    bool operator==(const DiskStamp&) const = default;
  };

  static DiskStamp Stamp(const QString& path);
  // The file's text: UTF-8 or UTF-16 (LE or BE) after a byte-order mark, else UTF-8,
  // else Windows-1256. *hadMark tells whether a mark was there.
  static QString Decode(const QByteArray& bytes, bool* hadMark);
  void Load(const QString& path);
  void Parse(const QString& text);
  bool Save();
  void IndexKeys(Section& s);
  Section* FindSection(const QString& folded);
  Section& FindOrAddSection(const QString& name);
  bool SetKey(Section& s, const QString& key, const QString& value);

  QString path_;
  bool loaded_ = false;
  DiskStamp stamp_;
  std::vector<Section> sections_;
  QHash<QString, int> sectionIndex_;  // folded name -> first section of that name
  QString eol_ = QStringLiteral("\n");
  bool bom_ = false;  // the file began with a byte-order mark; it is written back as UTF-8 with one
  bool lastWriteFailed_ = false;
  QString lastWriteError_;  // the reason of the last failed replace
  int parseCount_ = 0;
};

}  // namespace platform
