#pragma once
// The rules of the character-list editor that need no window: the texts a loaded
// list gives each code, the two forms of a line, and the writes of Save and Remove.
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

#include "document/ModConst.h"

namespace platform {
class IniFile;
}

namespace charlists {

// ListChars: the texts of the list being edited, exactly as Save writes them.
using ListTexts = std::array<QString, doc::GlyphCount>;

// The text without its "\rtl" markers, as the editor's lines show it.
QString WithoutRtlMarkers(QString text);

// The line of a code as loading a list builds it from the stored value: the code
// with three digits, then " " and the value; for an empty value " Space" (32), " "
// and the code-page character (33..127), or nothing more (other codes).
QString LoadedLine(int code, const QString& value);
// The line as an edit of the text box rebuilds it: the code, a space and the text.
QString EditedLine(int code, const QString& text);

// A list loaded for editing: its 512 texts (defaults for empty values) and lines.
struct EditedList {
  ListTexts ListChars{};
  QStringList Lines;
};
EditedList LoadListForEditing(platform::IniFile& ini, const QString& section, const QString& path);

// Save: all 512 keys of the section, then the name registered in the first free
// ItemN unless it is there already (an empty name never is). One write of the file.
// Returns the reason when the file could not be written; the file is then unchanged.
std::optional<QString> SaveCharList(platform::IniFile& ini, const QString& path, const QString& section,
                                    const ListTexts& listChars);

// Remove: the list's 512 keys emptied, Item1..ItemN (N = entriesBefore) emptied and
// then Item1.. written with the names left, in their order. One write of the file.
std::optional<QString> RemoveCharList(platform::IniFile& ini, const QString& path, const QString& name,
                                      int entriesBefore, const QStringList& entriesLeft);

}  // namespace charlists
