#include "charlists/CharListEditing.h"

#include <QList>

#include "platform/IniFile.h"
#include "charlists/CharLists.h"

namespace charlists {

namespace {
QString Code3(int code) { return QStringLiteral("%1").arg(code, 3, 10, QLatin1Char('0')); }
}  // namespace

QString WithoutRtlMarkers(QString text) { return text.remove(RtlMarker()); }

QString LoadedLine(int code, const QString& value) {
  QString tail;
  if (!value.isEmpty()) {
    tail = ' ' + value;
  } else if (code == 32) {
    tail = QStringLiteral(" Space");
  } else if (!DefaultListText(code).isEmpty()) {
    tail = ' ' + DefaultListText(code);
  }
  return WithoutRtlMarkers(Code3(code) + tail);
}

QString EditedLine(int code, const QString& text) { return WithoutRtlMarkers(Code3(code) + ' ' + text); }

EditedList LoadListForEditing(platform::IniFile& ini, const QString& section, const QString& path) {
  EditedList list;
  list.Lines.reserve(doc::GlyphCount);
  for (int c = 0; c < doc::GlyphCount; ++c) {
    const QString v = ini.ReadValue(section, CharsKey(c), QString(), path);
    list.ListChars[static_cast<size_t>(c)] = v.isEmpty() ? DefaultListText(c) : v;
    list.Lines.append(LoadedLine(c, v));
  }
  return list;
}

std::optional<QString> SaveCharList(platform::IniFile& ini, const QString& path, const QString& section,
                                    const ListTexts& listChars) {
  QList<platform::IniFile::KeyWrite> writes;
  writes.reserve(doc::GlyphCount + 1);
  for (int c = 0; c < doc::GlyphCount; ++c) writes.append({section, CharsKey(c), listChars[static_cast<size_t>(c)]});
  // The names run up to the first empty ItemN, which is where a new one goes; the
  // empty name matches that slot, so it is never registered.
  const QStringList names = ReadListNames(ini, path);
  if (!section.isEmpty() && !names.contains(section) && names.size() < MaxListNames)
    writes.append({ListSection(), ListItemKey(static_cast<int>(names.size()) + 1), section});
  return ini.WriteBatch(writes, path);
}

std::optional<QString> RemoveCharList(platform::IniFile& ini, const QString& path, const QString& name,
                                      int entriesBefore, const QStringList& entriesLeft) {
  QList<platform::IniFile::KeyWrite> writes;
  writes.reserve(doc::GlyphCount + entriesBefore + entriesLeft.size());
  for (int c = 0; c < doc::GlyphCount; ++c) writes.append({name, CharsKey(c), QString()});
  for (int n = 1; n <= entriesBefore; ++n) writes.append({ListSection(), ListItemKey(n), QString()});
  for (int n = 1; n <= entriesLeft.size(); ++n) writes.append({ListSection(), ListItemKey(n), entriesLeft[n - 1]});
  return ini.WriteBatch(writes, path);
}

}  // namespace charlists
