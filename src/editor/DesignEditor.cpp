#include "editor/DesignEditor.h"

#include "document/CharRecord.h"
#include "editor/Transforms.h"

namespace editor {

QImage DesignEditor::MakeFontSurface() {
  QImage img(1024, 768, QImage::Format_RGB32);
  img.fill(qRgb(255, 255, 255));
  return img;
}

void DesignEditor::SaveFontData() {
  if (S.CurrentChar < 0 || S.CurrentChar >= doc::GlyphCount) return;
  auto record = doc::CharRecord::Encode(S.DesignData, CharWidth, CharHeight);
  if (!record) return;  // a size the record cannot carry is never stored
  std::string& stored = S.FontData[static_cast<size_t>(S.CurrentChar)];
  if (*record != stored) S.FontModified = true;
  stored = std::move(*record);
  List.RefreshCharIcons(S.CurrentChar);
}

void DesignEditor::LoadFontData() {
  const auto code = List.SelectedCode();
  if (!code || *code < 0 || *code >= doc::GlyphCount) return;
  S.CurrentChar = *code;
  const std::string& record = S.FontData[static_cast<size_t>(*code)];
  doc::ClearDesignData(S);
  const auto decoded = record.empty() ? std::nullopt : doc::CharRecord::Decode(record, S.DesignData);
  if (decoded) {
    CharWidth = decoded->width;
    CharHeight = decoded->height;
  } else {
    CharWidth = S.DefaultWidth;
    CharHeight = S.DefaultHeight;
  }
}

void DesignEditor::DrawFont() {
  // Without a selected item (no list loaded yet) there is no glyph to switch to.
  const auto code = List.SelectedCode();
  if (!code || *code < 0 || *code >= doc::GlyphCount) return;
  SaveFontData();
  S.CurrentChar = *code;
  // The redo step belongs to the glyph left behind; it must not reach the new one.
  History.SetRedoData({});
  Tools.SetToolEnabled("mnuRedo", false);
  if (!S.FontData[static_cast<size_t>(*code)].empty())
    ResetData();
  else
    ReadFromFont();
  History.Clear();
  SaveUndoAction();
}

// A record from a larger font is clipped by the codec to what the grid holds, so
// nothing lands outside DesignData; DrawAll then brings the size within the maxima.
// A record too short to carry a size (never made here) leaves the glyph alone.
void DesignEditor::ApplyRecord(const std::string& record) {
  if (!doc::CharRecord::ReadSize(record)) return;
  doc::ClearDesignData(S);
  const auto applied = doc::CharRecord::Decode(record, S.DesignData);
  CharWidth = applied->width;
  CharHeight = applied->height;
}

void DesignEditor::SaveUndoAction() {
  if (auto record = doc::CharRecord::Encode(S.DesignData, CharWidth, CharHeight)) History.Push(std::move(*record));
}

void DesignEditor::Undo() {
  SaveUndoAction();
  if (const auto restore = History.StepBack()) {
    Tools.SetToolEnabled("mnuRedo", true);
    ApplyRecord(*restore);
  }
  DrawAll();
}

void DesignEditor::Redo() {
  const std::string record = History.TakeRedoData();
  Tools.SetToolEnabled("mnuRedo", false);
  if (!record.empty()) ApplyRecord(record);
  DrawAll();
}

void DesignEditor::CopyData() {
  if (auto record = doc::CharRecord::Encode(S.DesignData, CharWidth, CharHeight)) S.ClipData = std::move(*record);
}

void DesignEditor::PasteData() {
  SaveUndoAction();
  if (!S.ClipData.empty()) ApplyRecord(S.ClipData);
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

void DesignEditor::FlipHorizontal() {
  SaveUndoAction();
  FlipGridHorizontal(S.DesignData, CharWidth, CharHeight);
  DrawAll();
}

void DesignEditor::FlipVertical() {
  SaveUndoAction();
  FlipGridVertical(S.DesignData, CharWidth, CharHeight);
  DrawAll();
}

void DesignEditor::Invert() {
  SaveUndoAction();
  InvertGrid(S.DesignData, CharWidth, CharHeight, static_cast<uint8_t>(S.CurrentColor));
  DrawAll();
}

// The shifts and the colour replacement leave the redraw to the caller.

void DesignEditor::ShiftDataLeft() {
  SaveUndoAction();
  ShiftGridLeft(S.DesignData);
}

void DesignEditor::ShiftDataRight() {
  SaveUndoAction();
  ShiftGridRight(S.DesignData);
}

void DesignEditor::ShiftDataUp() {
  SaveUndoAction();
  ShiftGridUp(S.DesignData);
}

void DesignEditor::ShiftDataDown() {
  SaveUndoAction();
  ShiftGridDown(S.DesignData);
}

void DesignEditor::ReplcaeDataColor(uint8_t SourceColor, uint8_t ChangeColor) {
  SaveUndoAction();
  ReplaceGridColor(S.DesignData, SourceColor, ChangeColor);
}

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

void DesignEditor::FormLoad() {
  CharWidth = 8;
  CharHeight = 14;
  S.CurrentChar = -1;
  DrawAll();
}

}  // namespace editor
