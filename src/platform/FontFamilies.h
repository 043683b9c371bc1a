#pragma once
// The installed font families as the font box "tlFont" lists them.
#include <QString>
#include <QStringList>

namespace platform {

// A family name without the foundry tag the font database adds when several
// foundries make it ("C059 [UKWN]" gives "C059").
QString WithoutFoundry(const QString& family);

// The family a name is drawn with, without its foundry tag.
QString DrawnFamily(const QString& name);

// Where "Tahoma" (in any letter case) stands in the names, else where the family drawn
// in its place stands, so that a box of fonts never starts on a font it does not draw
// with; -1 for neither.
int IndexOfTahoma(const QStringList& names);

// Each family once, by its plain name, in the order of the given list: tagged
// duplicates and aliases ("Sans Serif") fold into the family they are drawn with,
// so that the name listed is the name the import draws with.
QStringList UserFontFamilies(const QStringList& databaseFamilies);

}  // namespace platform
