#include <algorithm>

#include "document/CharRecord.h"
#include "editor/DesignEditor.h"

namespace editor {

namespace {

// The glyph area as a record: the size bytes and CharWidth x CharHeight cells.
std::optional<std::string> EncodeGlyph(const DesignEditor& ed) {
  return doc::CharRecord::Encode(ed.S.DesignData, ed.CharWidth, ed.CharHeight);
}

// Puts a recorded state on the grid: its size, then its cells over a cleared grid.
// A record from a larger font is clipped by the codec to what the grid holds, so
// nothing lands outside DesignData; DrawAll then brings the size within the maxima.
// A record too short to carry a size (never made here) leaves the glyph alone.
void ApplyRecord(DesignEditor& ed, const std::string& record) {
  if (!doc::CharRecord::ReadSize(record)) return;
  doc::ClearDesignData(ed.S);
  const auto applied = doc::CharRecord::Decode(record, ed.S.DesignData);
  ed.CharWidth = applied->width;
  ed.CharHeight = applied->height;
}

}  // namespace

void DesignEditor::SaveUndoAction() {
  auto record = EncodeGlyph(*this);
  if (!record) return;
  auto freeSlot = std::find_if(UndoList.begin(), UndoList.end(), [](const std::string& s) { return s.empty(); });
  if (freeSlot == UndoList.end()) {
    // A full history gives up its oldest state rather than the user's newest work.
    std::move(UndoList.begin() + 1, UndoList.end(), UndoList.begin());
    freeSlot = UndoList.end() - 1;
  }
  *freeSlot = std::move(*record);
}

void DesignEditor::Undo() {
  SaveUndoAction();
  // Slot 0 is never the top: the state below it is what Undo restores.
  for (int i = UndoSlots - 1; i >= 1; --i) {
    std::string& top = UndoList[static_cast<size_t>(i)];
    if (top.empty()) continue;
    std::string& below = UndoList[static_cast<size_t>(i - 1)];
    RedoData = std::move(top);
    Tools.SetToolEnabled("mnuRedo", true);
    const std::string restore = std::move(below);
    top.clear();
    below.clear();
    ApplyRecord(*this, restore);
    break;
  }
  DrawAll();
}

void DesignEditor::Redo() {
  const std::string record = std::move(RedoData);
  RedoData.clear();
  Tools.SetToolEnabled("mnuRedo", false);
  if (!record.empty()) ApplyRecord(*this, record);
  DrawAll();
}

void DesignEditor::CopyData() {
  if (auto record = EncodeGlyph(*this)) S.ClipData = std::move(*record);
}

void DesignEditor::PasteData() {
  SaveUndoAction();
  if (!S.ClipData.empty()) ApplyRecord(*this, S.ClipData);
  DrawAll();
}

void DesignEditor::ResetData() {
  // The reset reloads the glyph being edited. A single click only selects an
  // item, so without this the reset would load that other glyph under the
  // current one's history, and the current glyph's edits would never be stored.
  if (S.CurrentChar >= 0 && S.CurrentChar < List.ItemCount() && List.SelectedCode() != S.CurrentChar)
    List.SelectCode(S.CurrentChar);
  LoadFontData();
  DrawAll();
  SaveUndoAction();
}

}  // namespace editor
