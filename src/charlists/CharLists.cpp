#include "charlists/CharLists.h"

#include "platform/CodePage.h"
#include "platform/IniFile.h"

namespace charlists {

QString ListSection() { return QStringLiteral("List"); }
QString ListItemKey(int n) { return QStringLiteral("Item%1").arg(n); }
QString CharsKey(int code) { return QStringLiteral("Chars%1").arg(code); }

QString DefaultListText(int code) {
  if (code == 32) return QStringLiteral(" ");
  if (code >= 33 && code <= 127) return QString(platform::AnsiChar(static_cast<uint8_t>(code)));
  return QString();
}

QString RtlMarker() { return QStringLiteral("\\rtl"); }

QStringList ReadListNames(platform::IniFile& ini, const QString& path) {
  QStringList names;
  for (int n = 1; n <= MaxListNames; ++n) {
    const QString name = ini.ReadValue(ListSection(), ListItemKey(n), QString(), path);
    if (name.isEmpty()) break;
    names.append(name);
  }
  return names;
}

LoadedList LoadCharList(platform::IniFile& ini, const QString& section, const QString& path) {
  LoadedList list;
  for (int c = 0; c < doc::GlyphCount; ++c) {
    const QString v = ini.ReadValue(section, CharsKey(c), QString(), path);
    QString& text = list.CharText[c];
    QString& shown = list.ItemText[c];
    if (!v.isEmpty()) {
      text = shown = v;
    } else {
      text = DefaultListText(c);
      shown = c == 32 ? QStringLiteral("Space") : text;
    }
    if (shown.contains(RtlMarker())) {
      shown.remove(RtlMarker());
      text.replace(RtlMarker(), QString(platform::AnsiChar(254)));
    }
  }
  return list;
}

}  // namespace charlists
