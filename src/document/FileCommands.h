#pragma once
// The file commands (module modLocal): New, Open, Save, Save As and the save prompt.
#include <QString>
#include <cstdint>
#include <optional>

#include "document/ModConst.h"
#include "document/Ports.h"

namespace doc {

// What the file commands need of the windows around them. The glyph list and the
// design window's procedures come as their ports; the rest is asked of the windows
// through the virtual members, so the commands themselves open no window.
class FileCommandsHost {
 public:
  FileCommandsHost(GlyphList& list, DesignProcedures& design) : List(list), Design(design) {}
  virtual ~FileCommandsHost() = default;

  GlyphList& List;
  DesignProcedures& Design;

  // Shows a message as ShowMessage does (Style 0, 3 or 4 here); the pressed button.
  virtual int16_t Message(const QString& prompt, const QString& title, int32_t style, const QString& arg1 = {}) = 0;
  // Shows frmDialog with this caption and an empty file title, refusing "Ok"
  // without a file title; the chosen path, or nullopt when cancelled.
  virtual std::optional<QString> ChooseFile(const QString& caption) = 0;
  // Shows the font settings dialog frmCharDefault modally.
  virtual void ShowFontSettings() = 0;
  // Caption of the toolbar tool "tlFileName".
  virtual void SetFileNameCaption(const QString& path) = 0;
};

// "mnuNew": asks to save a changed font, then an empty font with new header values
// and the settings dialog.
void NewProject(ModConst& s, FileCommandsHost& host);
// "mnuOpen": asks to save a changed font, chooses a file and loads it; a file that
// cannot be read or fails the check is reported and changes nothing.
void OpenProject(ModConst& s, FileCommandsHost& host);
// "mnuSave": true when the font was written (Save As first when it has no name).
bool SaveProject(ModConst& s, FileCommandsHost& host);
// "mnuSaveAs": true when the font was written to the chosen file.
bool SaveProjectAs(ModConst& s, FileCommandsHost& host);
// Stores the edited glyph and, when the font changed, asks whether to save.
// False = do not go on: the user cancelled, or chose to save and the save did
// not happen.
bool ConfirmSaveProject(ModConst& s, FileCommandsHost& host);

}  // namespace doc
