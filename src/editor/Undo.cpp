#include "document/CharRecord.h"
#include "editor/DesignEditor.h"

namespace editor {

void DesignEditor::SaveUndoAction() {
  auto record = doc::CharRecord::Encode(S.DesignData, CharWidth, CharHeight);
  if (!record) return;
  for (auto& slot : UndoList) {
    if (slot.empty()) {
      slot = std::move(*record);
      return;
    }
  }
}

}  // namespace editor
