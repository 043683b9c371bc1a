// Provisional: a glyph without data comes up as an empty default-size grid until
// the import from a system font is in place.
#include "editor/DesignEditor.h"

namespace editor {

void DesignEditor::ReadFromFont() {
  if (S.CurrentChar == -1) return;
  SaveUndoAction();
  doc::ClearDesignData(S);
  CharWidth = S.DefaultWidth;
  CharHeight = S.DefaultHeight;
  DrawAll();
}

}  // namespace editor
