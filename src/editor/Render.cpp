// Provisional rendering: the cell size and the glyph clamp only; the raster
// comes with the grid rendering work.
#include <cmath>

#include "editor/DesignEditor.h"
#include "platform/Numbers.h"

namespace editor {

void DesignEditor::DrawAll() {
  if (CharWidth > S.MaxWidth) CharWidth = S.MaxWidth;
  if (CharHeight > S.MaxHeight) CharHeight = S.MaxHeight;
  DrawGrid();
  DrawPixels();
  Host.GridRedrawn();
  DrawPreview();
}

void DesignEditor::DrawGrid() {
  CellSize = std::max(1, platform::RoundToInt32(S.Zoom * 10 / 100.0));
  Host.SetToolText("tlZoom", QString::number(S.Zoom));
}

void DesignEditor::DrawPixels() {}

void DesignEditor::DrawPreview() {
  Host.SetToolText("tlWidth", QString::number(CharWidth));
  Host.SetToolText("tlHeight", QString::number(CharHeight));
}

void DesignEditor::PaintCell(int, int, QRgb) {}

}  // namespace editor
