#pragma once
// The file commands (module modLocal): New, Open, Save, Save As and the save prompt.
#include <QString>
#include <optional>

#include "document/ModConst.h"

namespace doc {

// What frmDialog keeps from one showing to the next (the window itself is made
// anew for every showing).
struct FileDialogMemory {
  QString FileName;
};

// What the file commands need of the windows around them; the main window
// implements it (forwarding the first three to the design window).
class FileCommandsHost {
 public:
  virtual ~FileCommandsHost() = default;
  // frmDesign.SaveFontData, .DrawFont, .DrawAll.
  virtual void SaveFontData() = 0;
  virtual void DrawFont() = 0;
  virtual void DrawAll() = 0;
  // Thumbnails of one glyph code, or of all 512 with -1.
  virtual void RefreshCharIcons(int code) = 0;
  // Selects the first item of lvChars (code "000") without raising a click;
  // false when no character list is loaded (the list has no items).
  virtual bool SelectFirstListItem() = 0;
  // Shows the font settings dialog frmCharDefault modally.
  virtual void ShowFontSettings() = 0;
  // Caption of the toolbar tool "tlFileName".
  virtual void SetFileNameCaption(const QString& path) = 0;
  // Text of cmbList, the name of the chosen character list.
  virtual QString CharListName() = 0;
  // Shows frmDialog with this caption and an empty file title; the chosen path, or
  // nullopt when cancelled. The default shows frmDialog, refusing "Ok" without a
  // file title, and keeps its FileName in DialogMemory.
  virtual std::optional<QString> ChooseFile(const QString& caption);

 protected:
  FileDialogMemory DialogMemory;
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
