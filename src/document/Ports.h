#pragma once
// The windows around the document, as the logic below them sees them: small interfaces
// by role, each implemented once by the window that owns the thing. The document never
// includes a window; the windows hand these in at start-up.
#include <QString>
#include <functional>
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

// The design window's procedures that the file commands and the settings dialog call.
struct DesignProcedures {
  std::function<void()> SaveFontData;
  std::function<void()> DrawFont;
  std::function<void()> DrawAll;
};

}  // namespace doc
