// The drawing tools on picDesign: point, line, border, rectangle and replace colour.
// Every cell a tool writes goes through WriteCell, which skips cells outside
// DesignData, so no pointer position (even far off the picture) writes out of bounds.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "editor/DesignEditor.h"

namespace editor {

namespace {

// Cell coordinates are kept within this range so that the line arithmetic below
// cannot overflow; anything this far out lies outside the grid anyway.
constexpr int64_t CellLimit = int64_t{1} << 28;

int64_t CellOf(float v, int32_t cellSize) {
  const double c = std::floor(static_cast<double>(v) / std::max(1, cellSize));
  if (std::isnan(c)) return -CellLimit;
  return static_cast<int64_t>(std::clamp(c, static_cast<double>(-CellLimit), static_cast<double>(CellLimit)));
}

// Paint (left button) or erase (right button) one cell; any other button state
// writes nothing.
void WriteCell(DesignEditor& ed, int64_t column, int64_t row, int button) {
  if (button != ButtonLeft && button != ButtonRight) return;
  doc::ModConst& s = ed.S;
  const int x = static_cast<int>(column), y = static_cast<int>(row);
  if (column != x || row != y || !s.DesignData.Contains(x, y)) return;
  if (button == ButtonLeft) {
    if (s.CurrentColor < 1 || s.CurrentColor > 15) return;
    s.DesignData.Set(x, y, static_cast<uint8_t>(s.CurrentColor));
    ed.PaintCell(x, y, s.ColorTable[static_cast<size_t>(s.CurrentColor)]);
  } else {
    s.DesignData.Set(x, y, 0);
    ed.PaintCell(x, y, x < ed.CharWidth && y < ed.CharHeight ? s.BackgroundColor : s.OutsideColor);
  }
}

// floor(a / b) for b > 0.
int64_t FloorDiv(int64_t a, int64_t b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

// The cells of the segment between two cells, both ends included: one cell per step
// along the longer axis, the other coordinate rounded exactly (halves upward). The
// ends are ordered first, so a line drawn either way covers the same cells. Only
// the steps that fall inside [lo, hi] on the longer axis are visited.
template <typename Visit>
void LineCells(int64_t x1, int64_t y1, int64_t x2, int64_t y2, const doc::DesignGrid& g, Visit visit) {
  const bool xMajor = std::llabs(x2 - x1) >= std::llabs(y2 - y1);
  int64_t a1 = xMajor ? x1 : y1, b1 = xMajor ? y1 : x1;
  int64_t a2 = xMajor ? x2 : y2, b2 = xMajor ? y2 : x2;
  if (a2 < a1) {
    std::swap(a1, a2);
    std::swap(b1, b2);
  }
  const int64_t n = a2 - a1, db = b2 - b1;
  const int64_t lo = xMajor ? g.LowX() : g.LowY(), hi = xMajor ? g.HighX() : g.HighY();
  const int64_t first = std::max<int64_t>(0, lo - a1), last = std::min<int64_t>(n, hi - a1);
  for (int64_t t = first; t <= last; ++t) {
    const int64_t a = a1 + t;
    const int64_t b = n == 0 ? b1 : b1 + FloorDiv(2 * t * db + n, 2 * n);
    if (xMajor)
      visit(a, b);
    else
      visit(b, a);
  }
}

// A freehand stroke paints every cell from the previous pointer cell to the current
// one by the line rule, so fast moves leave no gaps at any cell size.
void PaintStrokeSegment(DesignEditor& ed, int64_t c1, int64_t r1, int64_t c2, int64_t r2, int button) {
  LineCells(c1, r1, c2, r2, ed.S.DesignData, [&](int64_t cx, int64_t cy) { WriteCell(ed, cx, cy, button); });
}

bool BeyondOneCell(double d1, double d2, int32_t cellSize) {
  return std::fabs(d2 - d1) >= std::max(1, cellSize);
}

}  // namespace

void DesignEditor::picDesign_MouseDown(int button, int /*shift*/, float x, float y) {
  const int64_t column = CellOf(x, CellSize), row = CellOf(y, CellSize);
  switch (S.CurrentTool) {
    case doc::ToolPoint:
      SaveUndoAction();
      WriteCell(*this, column, row, button);
      stroke_ = {column, row, true};
      break;
    case doc::ToolLine:
      DrawLine.X1 = DrawLine.X2 = x;
      DrawLine.Y1 = DrawLine.Y2 = y;
      DrawLine.Visible = true;
      break;
    case doc::ToolBorder:
    case doc::ToolRectangle:
      DrawRect.Left = DrawRect.AnchorX = DrawRect.EndX = x;
      DrawRect.Top = DrawRect.AnchorY = DrawRect.EndY = y;
      DrawRect.Width = DrawRect.Height = 0;
      DrawRect.Visible = true;
      break;
    case doc::ToolReplaceColor: {
      // The colour to replace is read from the clicked cell; off the grid there is
      // nothing to read, so the click does nothing (no undo state, no redraw).
      const int cx = static_cast<int>(column), cy = static_cast<int>(row);
      if (column != cx || row != cy || !S.DesignData.Contains(cx, cy)) break;
      const uint8_t source = S.DesignData.Get(cx, cy);
      if (button == ButtonLeft && S.CurrentColor >= 1 && S.CurrentColor <= 15)
        ReplcaeDataColor(source, static_cast<uint8_t>(S.CurrentColor));
      else if (button == ButtonRight)
        ReplcaeDataColor(source, 0);
      DrawAll();
      break;
    }
    default:
      break;
  }
}

void DesignEditor::picDesign_MouseMove(int button, int /*shift*/, float x, float y) {
  if (button == 0) return;
  switch (S.CurrentTool) {
    case doc::ToolPoint: {
      const int64_t column = CellOf(x, CellSize), row = CellOf(y, CellSize);
      if (stroke_.active)
        PaintStrokeSegment(*this, stroke_.column, stroke_.row, column, row, button);
      else
        WriteCell(*this, column, row, button);
      stroke_ = {column, row, true};
      break;
    }
    case doc::ToolLine:
      if (DrawLine.Visible) {
        DrawLine.X2 = x;
        DrawLine.Y2 = y;
      }
      break;
    case doc::ToolBorder:
    case doc::ToolRectangle:
      if (DrawRect.Visible) {
        DrawRect.EndX = x;
        DrawRect.EndY = y;
        DrawRect.Left = std::min(DrawRect.AnchorX, x);
        DrawRect.Top = std::min(DrawRect.AnchorY, y);
        DrawRect.Width = std::fabs(x - DrawRect.AnchorX);
        DrawRect.Height = std::fabs(y - DrawRect.AnchorY);
      }
      break;
    default:
      break;
  }
}

void DesignEditor::picDesign_MouseUp(int button, int /*shift*/, float /*x*/, float /*y*/) {
  stroke_.active = false;
  // The committing tools take their shape from the band as the last move left it.
  switch (S.CurrentTool) {
    case doc::ToolLine: {
      SaveUndoAction();
      const bool shown = DrawLine.Visible;
      DrawLine.Visible = false;
      const RubberLine& l = DrawLine;
      if (shown && (BeyondOneCell(l.X1, l.X2, CellSize) || BeyondOneCell(l.Y1, l.Y2, CellSize)))
        LineCells(CellOf(l.X1, CellSize), CellOf(l.Y1, CellSize), CellOf(l.X2, CellSize), CellOf(l.Y2, CellSize),
                  S.DesignData, [&](int64_t cx, int64_t cy) { WriteCell(*this, cx, cy, button); });
      break;
    }
    case doc::ToolBorder:
    case doc::ToolRectangle: {
      SaveUndoAction();
      const bool shown = DrawRect.Visible;
      DrawRect.Visible = false;
      const RubberRect& r = DrawRect;
      if (!shown || !(BeyondOneCell(r.AnchorX, r.EndX, CellSize) || BeyondOneCell(r.AnchorY, r.EndY, CellSize)))
        break;
      if (button != ButtonLeft && button != ButtonRight) break;
      const int64_t ax = CellOf(r.AnchorX, CellSize), ex = CellOf(r.EndX, CellSize);
      const int64_t ay = CellOf(r.AnchorY, CellSize), ey = CellOf(r.EndY, CellSize);
      const int64_t x1 = std::min(ax, ex), x2 = std::max(ax, ex), y1 = std::min(ay, ey), y2 = std::max(ay, ey);
      const doc::DesignGrid& g = S.DesignData;
      const bool edgesOnly = S.CurrentTool == doc::ToolBorder;
      for (int64_t cy = std::max<int64_t>(y1, g.LowY()); cy <= std::min<int64_t>(y2, g.HighY()); ++cy)
        for (int64_t cx = std::max<int64_t>(x1, g.LowX()); cx <= std::min<int64_t>(x2, g.HighX()); ++cx)
          if (!edgesOnly || cx == x1 || cx == x2 || cy == y1 || cy == y2) WriteCell(*this, cx, cy, button);
      break;
    }
    default:
      break;
  }
  DrawPreview();
}

}  // namespace editor
