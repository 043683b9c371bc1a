#include "editor/DesignEditor.h"

namespace editor {

// Each size step that changes the size is one undo step; a step at its limit is
// ignored but still redraws, so the toolbar's size boxes show the size kept.

void DesignEditor::WidthInc() {
  if (CharWidth < S.MaxWidth) {
    SaveUndoAction();
    ++CharWidth;
  }
  DrawAll();
}

void DesignEditor::WidthDec() {
  if (CharWidth > 1) {
    SaveUndoAction();
    --CharWidth;
  }
  DrawAll();
}

void DesignEditor::HeightInc() {
  if (CharHeight < S.MaxHeight) {
    SaveUndoAction();
    ++CharHeight;
  }
  DrawAll();
}

void DesignEditor::HeightDec() {
  if (CharHeight > 1) {
    SaveUndoAction();
    --CharHeight;
  }
  DrawAll();
}

void DesignEditor::NextCharacter() {
  if (S.CurrentChar < 0) return;
  const int next = S.CurrentChar + 1;
  if (next >= List.ItemCount()) return;
  List.SelectCode(next);
  DrawFont();
}

void DesignEditor::PreviousCharacter() {
  const int previous = S.CurrentChar - 1;
  if (previous < 0 || previous >= List.ItemCount()) return;
  List.SelectCode(previous);
  DrawFont();
}

}  // namespace editor
