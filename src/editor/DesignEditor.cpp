#include "editor/DesignEditor.h"

#include "document/CharRecord.h"

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
  RedoData.clear();
  Tools.SetToolEnabled("mnuRedo", false);
  if (!S.FontData[static_cast<size_t>(*code)].empty())
    ResetData();
  else
    ReadFromFont();
  for (auto& slot : UndoList) slot.clear();
  SaveUndoAction();
}

}  // namespace editor

namespace editor {

void DesignEditor::FormLoad() {
  CharWidth = 8;
  CharHeight = 14;
  S.CurrentChar = -1;
  DrawAll();
}

}  // namespace editor
