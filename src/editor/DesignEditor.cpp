#include "editor/DesignEditor.h"

#include <algorithm>

#include "document/CharRecord.h"
#include "editor/Render.h"
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
  Tools.SetToolText("tlZoom", QString::number(S.Zoom));

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
  Tools.SetToolText("tlWidth", QString::number(CharWidth));
  Tools.SetToolText("tlHeight", QString::number(CharHeight));
  View().PreviewRedrawn();
}

void DesignEditor::FormLoad() {
  CharWidth = 8;
  CharHeight = 14;
  S.CurrentChar = -1;
  DrawAll();
}

}  // namespace editor
