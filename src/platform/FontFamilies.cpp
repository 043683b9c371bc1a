#include "platform/FontFamilies.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QSet>

namespace platform {

QString WithoutFoundry(const QString& family) {
  const qsizetype open = family.lastIndexOf(QLatin1String(" ["));
  if (open <= 0 || !family.endsWith(QLatin1Char(']'))) return family;
  return family.left(open);
}

QString DrawnFamily(const QString& name) { return WithoutFoundry(QFontInfo(QFont(name)).family()); }

int IndexOfTahoma(const QStringList& names) {
  const auto find = [&](const QString& name) {
    for (qsizetype i = 0; i < names.size(); ++i)
      if (names[i].compare(name, Qt::CaseInsensitive) == 0) return static_cast<int>(i);
    return -1;
  };
  const int tahoma = find(QStringLiteral("Tahoma"));
  return tahoma >= 0 ? tahoma : find(DrawnFamily(QStringLiteral("Tahoma")));
}

QStringList UserFontFamilies(const QStringList& databaseFamilies) {
  QStringList out;
  QSet<QString> seen;
  for (const QString& name : databaseFamilies) {
    if (QFontDatabase::isPrivateFamily(name)) continue;
    const QString family = DrawnFamily(name);
    // Only a name that draws as itself: the box must not promise one font and draw another.
    if (family.isEmpty() || seen.contains(family) || DrawnFamily(family) != family) continue;
    seen.insert(family);
    out << family;
  }
  return out;
}

}  // namespace platform
