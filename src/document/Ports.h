#pragma once
// The windows around the document, as the logic below them sees them: small interfaces
// by role, each implemented once by the window that owns the thing. The document never
// includes a window; the windows hand these in at start-up.
#include <QString>
#include <optional>

namespace doc {

// The character-list panel's list of glyph codes (lvChars) and its thumbnails.
class GlyphList {
 public:
  virtual ~GlyphList() = default;
  // Code of the selected item; nullopt without a selection (no list loaded).
  virtual std::optional<int> SelectedCode() = 0;
  virtual int ItemCount() = 0;
  // Selects the item of a code and scrolls it into view; raises no double click.
  virtual void SelectCode(int code) = 0;
  // Rebuilds the thumbnail of one glyph code, or of all 512 with -1.
  virtual void RefreshCharIcons(int code) = 0;
  // Name of the chosen list ("" without one).
  virtual QString ListName() = 0;
};

// The design window's procedures that the file commands, the settings dialog, the
// plug-in windows and the character-list panel call.
class DesignProcedures {
 public:
  virtual ~DesignProcedures() = default;
  // Stores the glyph on screen into the font.
  virtual void SaveFontData() = 0;
  // Loads the selected glyph from the font onto the screen, without storing first.
  virtual void LoadFontData() = 0;
  // Stores the glyph on screen, then loads the selected one.
  virtual void DrawFont() = 0;
  // Redraws the grid and the preview.
  virtual void DrawAll() = 0;
};

// The file commands' question whether to save a changed font first; false when the user
// cancelled, and the command that asked is then not to run.
class SavePrompt {
 public:
  virtual ~SavePrompt() = default;
  virtual bool ConfirmSaveProject() = 0;
};

}  // namespace doc
