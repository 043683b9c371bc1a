#include "editor/DesignEditor.h"

namespace editor {

void DesignEditor::ReplcaeDataColor(uint8_t SourceColor, uint8_t ChangeColor) {
  SaveUndoAction();
  doc::DesignGrid& g = S.DesignData;
  for (int y = g.LowY(); y <= g.HighY(); ++y) {
    uint8_t* row = g.Row(y);
    for (int i = 0; i < g.Stride(); ++i)
      if (row[i] != 0 && row[i] == SourceColor) row[i] = ChangeColor;
  }
}

}  // namespace editor
