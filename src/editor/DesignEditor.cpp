#include "editor/DesignEditor.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

#include "document/CharRecord.h"
#include "document/FontSizes.h"
#include "editor/FontImport.h"
#include "editor/Render.h"
#include "editor/Tools.h"
#include "document/Transforms.h"
#include "platform/Numbers.h"

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
  // A glyph larger than the grid is shown clipped; as long as the screen shows exactly
  // that clip, the stored glyph keeps the cells the grid cannot hold.
  if (doc::CharRecord::IsUnchangedClipOf(*record, stored, S.MaxWidth, S.MaxHeight)) return;
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
  Tools.SetRedoEnabled(false);
  if (!S.FontData[static_cast<size_t>(*code)].empty())
    ResetData();
  else
    ReadFromFont();
  History.Clear();
  SaveUndoAction();
}

void DesignEditor::ChangeGrid(const std::function<void()>& change) {
  const std::optional<int> code = S.CurrentChar < 0 ? List.SelectedCode() : std::nullopt;
  if (!code || *code < 0 || *code >= doc::GlyphCount) {
    change();
    return;
  }
  std::optional<std::string> loaded = doc::CharRecord::Encode(S.DesignData, CharWidth, CharHeight);
  change();
  if (!loaded || S.CurrentChar >= 0 || doc::CharRecord::Encode(S.DesignData, CharWidth, CharHeight) == loaded) return;
  S.CurrentChar = *code;
  History.SetRedoData({});
  Tools.SetRedoEnabled(false);
  History.Clear();
  History.Push(std::move(*loaded));
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
    Tools.SetRedoEnabled(true);
    ApplyRecord(*restore);
  }
  DrawAll();
}

void DesignEditor::Redo() {
  const std::string record = History.TakeRedoData();
  Tools.SetRedoEnabled(false);
  if (!record.empty()) {
    // The state on screen is recorded first, so the next Undo comes back to it
    // instead of skipping it.
    SaveUndoAction();
    ApplyRecord(record);
  }
  DrawAll();
}

void DesignEditor::CopyData() {
  if (auto record = doc::CharRecord::Encode(S.DesignData, CharWidth, CharHeight)) S.ClipData = std::move(*record);
}

void DesignEditor::PasteData() {
  ChangeGrid([this] {
    SaveUndoAction();
    if (!S.ClipData.empty()) ApplyRecord(S.ClipData);
  });
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
  ChangeGrid([this] {
    SaveUndoAction();
    doc::FlipGridHorizontal(S.DesignData, CharWidth, CharHeight);
  });
  DrawAll();
}

void DesignEditor::FlipVertical() {
  ChangeGrid([this] {
    SaveUndoAction();
    doc::FlipGridVertical(S.DesignData, CharWidth, CharHeight);
  });
  DrawAll();
}

void DesignEditor::Invert() {
  ChangeGrid([this] {
    SaveUndoAction();
    doc::InvertGrid(S.DesignData, CharWidth, CharHeight, static_cast<uint8_t>(S.CurrentColor));
  });
  DrawAll();
}

// The shifts and the colour replacement leave the redraw to the caller.

void DesignEditor::ShiftDataLeft() {
  ChangeGrid([this] {
    SaveUndoAction();
    doc::ShiftGridLeft(S.DesignData);
  });
}

void DesignEditor::ShiftDataRight() {
  ChangeGrid([this] {
    SaveUndoAction();
    doc::ShiftGridRight(S.DesignData);
  });
}

void DesignEditor::ShiftDataUp() {
  ChangeGrid([this] {
    SaveUndoAction();
    doc::ShiftGridUp(S.DesignData);
  });
}

void DesignEditor::ShiftDataDown() {
  ChangeGrid([this] {
    SaveUndoAction();
    doc::ShiftGridDown(S.DesignData);
  });
}

void DesignEditor::ReplcaeDataColor(uint8_t SourceColor, uint8_t ChangeColor) {
  ChangeGrid([&] {
    SaveUndoAction();
    doc::ReplaceGridColor(S.DesignData, SourceColor, ChangeColor);
  });
}

// Each size step that changes the size is one undo step; a step at its limit is
// ignored but still redraws, so the toolbar's size boxes show the size kept.

void DesignEditor::WidthInc() {
  if (CharWidth < S.MaxWidth)
    ChangeGrid([this] {
      SaveUndoAction();
      ++CharWidth;
    });
  DrawAll();
}

void DesignEditor::WidthDec() {
  if (CharWidth > 1)
    ChangeGrid([this] {
      SaveUndoAction();
      --CharWidth;
    });
  DrawAll();
}

void DesignEditor::HeightInc() {
  if (CharHeight < S.MaxHeight)
    ChangeGrid([this] {
      SaveUndoAction();
      ++CharHeight;
    });
  DrawAll();
}

void DesignEditor::HeightDec() {
  if (CharHeight > 1)
    ChangeGrid([this] {
      SaveUndoAction();
      --CharHeight;
    });
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

void DesignEditor::DrawAll() {
  if (CharWidth > S.MaxWidth) CharWidth = S.MaxWidth;
  if (CharHeight > S.MaxHeight) CharHeight = S.MaxHeight;
  DrawGrid();
  DrawPixels();
  View().GridRedrawn();
  DrawPreview();
}

bool DesignEditor::HoldsWholePicture() const {
  return int64_t{PictureSize.width()} * PictureSize.height() <= MaxHeldPixels;
}

void DesignEditor::HoldPictureWindow(const QRect& area) {
  PictureOrigin = area.topLeft();
  if (DesignPicture.size() != area.size() || DesignPicture.format() != QImage::Format_RGB32)
    DesignPicture = area.isEmpty() ? QImage() : QImage(area.size(), QImage::Format_RGB32);
}

void DesignEditor::DrawGrid() {
  const QSize screen = View().ScreenSize();
  const ZoomFit fit = FitZoomToScreen(S.Zoom, CharWidth, CharHeight, screen.width(), screen.height());
  S.Zoom = fit.zoom;
  CellSize = fit.cellSize;
  Tools.ShowZoom(S.Zoom);

  raster_ = {CharWidth, CharHeight, CellSize};
  const PictureLayout layout = LayoutPicture(CharWidth, CharHeight, CellSize);
  PictureWidth = layout.width;
  PictureHeight = layout.height;
  PictureSize = layout.size;
  if (HoldsWholePicture()) {
    HoldPictureWindow(QRect(QPoint(0, 0), PictureSize));
  } else {
    // A redraw shows the picture from its top-left corner.
    HoldPictureWindow(QRect(0, 0, HeldExtent(PictureSize.width(), screen.width(), lastVisible_.width()),
                            HeldExtent(PictureSize.height(), screen.height(), lastVisible_.height())));
  }
  RasterGridLayer(RasterInput(), DesignPicture);
}

void DesignEditor::DrawPixels() { RasterCellLayer(RasterInput(), DesignPicture); }

GridRasterInput DesignEditor::RasterInput() const {
  GridRasterInput in;
  in.cells = &S.DesignData;
  in.width = raster_.width;
  in.height = raster_.height;
  in.maxWidth = S.MaxWidth;
  in.maxHeight = S.MaxHeight;
  in.cellSize = raster_.cell;
  in.palette = S.ColorTable;
  in.background = S.BackgroundColor;
  in.outside = S.OutsideColor;
  in.grid = S.GridColor;
  in.border = S.BorderColor;
  for (size_t o = 0; o < 2; ++o)
    for (size_t k = 0; k < 6; ++k) in.guides[o][k] = S.GuideLine[o][k];
  in.guideColors = S.GuideColors;
  in.origin = PictureOrigin;
  return in;
}

bool DesignEditor::RenderArea(const QRect& visibleArea) {
  if (HoldsWholePicture()) return false;
  const QRect visible = visibleArea.intersected(QRect(QPoint(0, 0), PictureSize));
  if (visible.isEmpty()) return false;
  lastVisible_ = visible.size();
  if (!DesignPicture.isNull() && QRect(PictureOrigin, DesignPicture.size()).contains(visible)) return false;

  const QSize screen = View().ScreenSize();
  const int hw = HeldExtent(PictureSize.width(), screen.width(), visible.width());
  const int hh = HeldExtent(PictureSize.height(), screen.height(), visible.height());
  // Centred on the visible part, kept inside the picture.
  const int left = std::clamp(visible.x() - (hw - visible.width()) / 2, 0, PictureSize.width() - hw);
  const int top = std::clamp(visible.y() - (hh - visible.height()) / 2, 0, PictureSize.height() - hh);
  HoldPictureWindow(QRect(left, top, hw, hh));
  RasterGrid(RasterInput(), DesignPicture);
  return true;
}

void DesignEditor::PaintCell(int column, int row, QRgb color) {
  const QRect changed = PaintCellBox(DesignPicture, PictureOrigin, column, row, CellSize, color);
  if (!changed.isEmpty()) View().GridPictureChanged(changed);
}

void DesignEditor::DrawPreview() {
  RasterPreview({&S.DesignData, CharWidth, CharHeight, S.ColorTable, S.BackgroundColor}, PreviewPicture);
  Tools.ShowGlyphSize(CharWidth, CharHeight);
  View().PreviewRedrawn();
}

void DesignEditor::ReadFromFont() {
  if (S.CurrentChar < 0 || S.CurrentChar >= doc::GlyphCount) return;
  SaveUndoAction();
  doc::ClearDesignData(S);
  const QString& t = S.CharText[static_cast<size_t>(S.CurrentChar)];
  if (t == QLatin1String("|+|")) {
    CharWidth = S.MaxWidth;
    CharHeight = S.MaxHeight;
    DrawAll();
    return;
  }
  if (t.isEmpty()) {
    CharWidth = S.DefaultWidth;
    CharHeight = S.DefaultHeight;
    DrawAll();
    return;
  }

  const QFont font = ToolbarFont(Tools.ImportSettings());
  const QFontMetricsF metrics(font, &FontSurface);
  const bool rtl = IsRightToLeftText(t);
  const QString part = VisiblePart(t, rtl, metrics, FontSurface.width());
  DrawOnSurface(FontSurface, font, part, rtl);

  // No wider than a record can carry, so the imported glyph can always be stored.
  CharWidth = std::min(platform::RoundToInt32(metrics.horizontalAdvance(part)), doc::CharRecord::MaxSide);
  const doc::GlyphBox maxima = doc::RaisedMaxima({S.MaxWidth, S.MaxHeight}, {CharWidth, CharHeight});
  S.MaxWidth = maxima.width;
  S.MaxHeight = maxima.height;
  doc::ReDimDesignData(S);

  const double shift = Clamp16(platform::LeadingNumber(Tools.ShiftAmountText()));
  const int last = static_cast<int>(Clamp16(platform::RoundHalfEven(metrics.height() - shift)));
  SampleSurface(FontSurface, S.DesignData, CharWidth, last, shift, static_cast<uint8_t>(S.CurrentColor));
  DrawAll();
}

// The drawing tools on picDesign: point, line, border, rectangle and replace colour.

// Paint (left button) or erase (right button) one cell; any other button state
// writes nothing.
void DesignEditor::WriteCell(int64_t column, int64_t row, int button) {
  if (button != ButtonLeft && button != ButtonRight) return;
  doc::ModConst& s = S;
  const int x = static_cast<int>(column), y = static_cast<int>(row);
  if (column != x || row != y || !s.DesignData.Contains(x, y)) return;
  if (button == ButtonLeft) {
    if (s.CurrentColor < 1 || s.CurrentColor > 15) return;
    s.DesignData.Set(x, y, static_cast<uint8_t>(s.CurrentColor));
    PaintCell(x, y, s.ColorTable[static_cast<size_t>(s.CurrentColor)]);
  } else {
    s.DesignData.Set(x, y, 0);
    PaintCell(x, y, x < CharWidth && y < CharHeight ? s.BackgroundColor : s.OutsideColor);
  }
}

void DesignEditor::picDesign_MouseDown(int button, int /*shift*/, float x, float y) {
  ChangeGrid([&] {
    const int64_t column = CellOf(x, CellSize), row = CellOf(y, CellSize);
    switch (S.CurrentTool) {
      case doc::ToolPoint:
        SaveUndoAction();
        WriteCell(column, row, button);
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
      default: break;
    }
  });
}

void DesignEditor::picDesign_MouseMove(int button, int /*shift*/, float x, float y) {
  if (button == 0) return;
  ChangeGrid([&] {
    switch (S.CurrentTool) {
      case doc::ToolPoint: {
        // A freehand stroke paints every cell from the previous pointer cell to the current
        // one by the line rule, so fast moves leave no gaps at any cell size.
        const int64_t column = CellOf(x, CellSize), row = CellOf(y, CellSize);
        if (stroke_.active)
          doc::LineCells(stroke_.column, stroke_.row, column, row, S.DesignData,
                         [&](int64_t cx, int64_t cy) { WriteCell(cx, cy, button); });
        else
          WriteCell(column, row, button);
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
      default: break;
    }
  });
}

void DesignEditor::picDesign_MouseUp(int button, int /*shift*/, float /*x*/, float /*y*/) {
  ChangeGrid([&] {
    stroke_.active = false;
    // The committing tools take their shape from the band as the last move left it.
    switch (S.CurrentTool) {
      case doc::ToolLine: {
        SaveUndoAction();
        const bool shown = DrawLine.Visible;
        DrawLine.Visible = false;
        const RubberLine& l = DrawLine;
        if (shown && (BeyondOneCell(l.X1, l.X2, CellSize) || BeyondOneCell(l.Y1, l.Y2, CellSize)))
          doc::LineCells(CellOf(l.X1, CellSize), CellOf(l.Y1, CellSize), CellOf(l.X2, CellSize), CellOf(l.Y2, CellSize),
                         S.DesignData, [&](int64_t cx, int64_t cy) { WriteCell(cx, cy, button); });
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
            if (!edgesOnly || cx == x1 || cx == x2 || cy == y1 || cy == y2) WriteCell(cx, cy, button);
        break;
      }
      default: break;
    }
  });
  DrawPreview();
}

void DesignEditor::FormLoad() {
  CharWidth = 8;
  CharHeight = 14;
  S.CurrentChar = -1;
  DrawAll();
}

}  // namespace editor
