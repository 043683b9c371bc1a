#include <algorithm>
#include <cstring>

#include "document/ModLib.h"
#include "editor/DesignEditor.h"
#include "platform/Numbers.h"

namespace editor {

namespace {

// The glyph area as far as the grid holds it, so no transform can step outside it.
struct Area {
  int width;
  int height;
};
Area GlyphArea(const DesignEditor& ed) {
  const doc::DesignGrid& g = ed.S.DesignData;
  return {std::clamp(ed.CharWidth, 0, std::max(g.HighX() + 1, 0)),
          std::clamp(ed.CharHeight, 0, std::max(g.HighY() + 1, 0))};
}

// Loop bound of the mirrors: (n / 2) - 1 in floating point, rounded half to even.
int MirrorBound(int n) { return platform::RoundToInt32(n / 2.0 - 1.0); }

}  // namespace

void DesignEditor::FlipHorizontal() {
  SaveUndoAction();
  const Area a = GlyphArea(*this);
  doc::DesignGrid& g = S.DesignData;
  const int last = MirrorBound(a.width);
  for (int y = 0; y < a.height; ++y) {
    uint8_t* row = g.Row(y) + doc::DesignGrid::Margin;
    for (int x = 0; x <= last; ++x) doc::SwapValues(row[x], row[a.width - 1 - x]);
  }
  DrawAll();
}

void DesignEditor::FlipVertical() {
  SaveUndoAction();
  const Area a = GlyphArea(*this);
  doc::DesignGrid& g = S.DesignData;
  const int last = MirrorBound(a.height);
  for (int y = 0; y <= last; ++y) {
    uint8_t* top = g.Row(y) + doc::DesignGrid::Margin;
    uint8_t* bottom = g.Row(a.height - 1 - y) + doc::DesignGrid::Margin;
    for (int x = 0; x < a.width; ++x) doc::SwapValues(top[x], bottom[x]);
  }
  DrawAll();
}

void DesignEditor::Invert() {
  SaveUndoAction();
  const Area a = GlyphArea(*this);
  doc::DesignGrid& g = S.DesignData;
  const auto paint = static_cast<uint8_t>(S.CurrentColor);
  for (int y = 0; y < a.height; ++y) {
    uint8_t* row = g.Row(y) + doc::DesignGrid::Margin;
    for (int x = 0; x < a.width; ++x) row[x] = row[x] != 0 ? 0 : paint;
  }
  DrawAll();
}

// The shifts move the whole grid, margins included, one cell over. The cell line at
// the leading edge is overwritten; the one at the trailing edge keeps its value.
// The caller redraws.

void DesignEditor::ShiftDataLeft() {
  SaveUndoAction();
  doc::DesignGrid& g = S.DesignData;
  const int n = g.Stride();
  if (n < 2) return;
  for (int y = g.LowY(); y <= g.HighY(); ++y) {
    uint8_t* row = g.Row(y);
    std::memmove(row, row + 1, static_cast<size_t>(n - 1));
  }
}

void DesignEditor::ShiftDataRight() {
  SaveUndoAction();
  doc::DesignGrid& g = S.DesignData;
  const int n = g.Stride();
  if (n < 2) return;
  for (int y = g.LowY(); y <= g.HighY(); ++y) {
    uint8_t* row = g.Row(y);
    std::memmove(row + 1, row, static_cast<size_t>(n - 1));
  }
}

void DesignEditor::ShiftDataUp() {
  SaveUndoAction();
  doc::DesignGrid& g = S.DesignData;
  const auto n = static_cast<size_t>(g.Stride());
  for (int y = g.LowY() + 1; y <= g.HighY(); ++y) std::memcpy(g.Row(y - 1), g.Row(y), n);
}

void DesignEditor::ShiftDataDown() {
  SaveUndoAction();
  doc::DesignGrid& g = S.DesignData;
  const auto n = static_cast<size_t>(g.Stride());
  for (int y = g.HighY() - 1; y >= g.LowY(); --y) std::memcpy(g.Row(y + 1), g.Row(y), n);
}

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
