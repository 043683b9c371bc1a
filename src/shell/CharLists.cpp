#include "shell/CharLists.h"

#include <QCoreApplication>

#include "platform/CodePage.h"
#include "platform/IniFile.h"

namespace shell {

namespace {
const QString RtlMarker = QStringLiteral("\\rtl");
constexpr int MaxLists = 1000;
}  // namespace

QString CharListPath() { return QCoreApplication::applicationDirPath() + QStringLiteral("/CharList.ini"); }

QStringList ReadListNames(platform::IniFile& ini, const QString& path) {
  QStringList names;
  for (int n = 1; n <= MaxLists; ++n) {
    const QString name = ini.ReadValue(QStringLiteral("List"), QStringLiteral("Item%1").arg(n), QString(), path);
    if (name.isEmpty()) break;
    names.append(name);
  }
  return names;
}

LoadedList LoadCharList(platform::IniFile& ini, const QString& section, const QString& path) {
  LoadedList list;
  for (int c = 0; c < doc::GlyphCount; ++c) {
    const QString v = ini.ReadValue(section, QStringLiteral("Chars%1").arg(c), QString(), path);
    QString& text = list.CharText[c];
    QString& shown = list.ItemText[c];
    if (!v.isEmpty()) {
      text = shown = v;
    } else if (c == 32) {
      text = QStringLiteral(" ");
      shown = QStringLiteral("Space");
    } else if (c >= 33 && c <= 127) {
      text = shown = QString(platform::AnsiChar(static_cast<uint8_t>(c)));
    }
    if (shown.contains(RtlMarker)) {
      shown.remove(RtlMarker);
      text.replace(RtlMarker, QString(platform::AnsiChar(254)));
    }
  }
  return list;
}

}  // namespace shell
