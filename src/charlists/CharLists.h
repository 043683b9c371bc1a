#pragma once
// Reading the character lists of CharList.ini, free of widgets.
#include <QString>
#include <QStringList>
#include <array>

#include "document/ModConst.h"

namespace platform {
class IniFile;
}

namespace charlists {

// At most this many list names are known: Item1 .. Item1000.
constexpr int MaxListNames = 1000;
// The section holding the list names, and the keys: "Item" + n, "Chars" + glyph code.
QString ListSection();
QString ListItemKey(int n);
QString CharsKey(int code);

// The list names: Item1, Item2, ... of section "List", up to the first empty one, at most 1000.
QStringList ReadListNames(platform::IniFile& ini, const QString& path);

// The text of a code whose value is empty: 32 a space, 33..127 the code-page
// character of that code, others none.
QString DefaultListText(int code);

// The marker of right-to-left text in list values: "\rtl", lower case only.
QString RtlMarker();

// One list as the panel shows it and as the editor renders it.
struct LoadedList {
  // Values with every "\rtl" turned into the code-page character 254 (U+200F).
  std::array<QString, doc::GlyphCount> CharText{};
  // The "Text" column: values with every "\rtl" removed; 32 shows "Space".
  std::array<QString, doc::GlyphCount> ItemText{};
};

// Reads Chars0..Chars511 of the list's section (512 reads, nothing cached, so a list
// saved in the editor shows its new texts at once); an empty value takes the default
// of its code: 32 a space, 33..127 the code-page character of that code, others none.
LoadedList LoadCharList(platform::IniFile& ini, const QString& section, const QString& path);

}  // namespace charlists
