#pragma once
// The logic of the design window frmDesign: every public procedure of the window
// lives here, free of widgets, so that tests drive it directly. It reaches the
// windows around it through the glyph list, the toolbar state and the view, and is
// itself the design window's procedures as the document and the other windows call them.
// The pure pieces have headers of their own (document/Transforms.h, document/UndoHistory.h,
// Render.h, Tools.h, FontImport.h); the members here put them together on the program state.
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "document/ModConst.h"
#include "document/Ports.h"
#include "editor/Ports.h"
#include "editor/Render.h"
#include "document/UndoHistory.h"

namespace editor {

// Rubber bands on picDesign, in picture pixels, not snapped to cells.
struct RubberLine {
  float X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
  bool Visible = false;
};
// Left/Top/Width/Height stay normalised (Width, Height >= 0) for the window to
// draw; the press point and the pointer corner keep the band exact in every direction.
struct RubberRect {
  float Left = 0, Top = 0, Width = 0, Height = 0;
  float AnchorX = 0, AnchorY = 0, EndX = 0, EndY = 0;
  bool Visible = false;
};

// Mouse button bits of the grid's mouse events.
enum MouseButtonBits : int { ButtonLeft = 1, ButtonRight = 2, ButtonMiddle = 4 };

class DesignEditor final : public doc::DesignProcedures {
 public:
  // Inner size of picPreview in pixels.
  static constexpr int PreviewWidth = PreviewRasterWidth;
  static constexpr int PreviewHeight = PreviewRasterHeight;

  // The view may come later (the window is made after the editor); until then the
  // pictures are drawn for no one.
  DesignEditor(doc::ModConst& state, doc::GlyphList& list, ToolState& tools, DesignView* view = nullptr)
      : S(state), List(list), Tools(tools), view_(view) {}

  doc::ModConst& S;
  doc::GlyphList& List;
  ToolState& Tools;
  DesignView& View() { return view_ ? *view_ : noView_; }
  void AttachView(DesignView* view) { view_ = view; }

  // Members of frmDesign.
  int32_t CharWidth = 8;
  int32_t CharHeight = 14;
  int32_t CellSize = 10;
  doc::UndoHistory History;
  RubberLine DrawLine;
  RubberRect DrawRect;

  // The persistent pictures of picDesign and picPreview (the window paints from them).
  QImage DesignPicture;
  QImage PreviewPicture;
  // Outer size of picDesign as the layout computes it (may hold half pixels).
  double PictureWidth = 0;
  double PictureHeight = 0;
  // The whole picture in pixels: PictureWidth x PictureHeight with a half pixel rounded
  // up (it shows as outside area). picDesign has this size.
  QSize PictureSize;
  // A picture of up to MaxHeldPixels is held whole in DesignPicture. A larger one (a huge
  // glyph at cell size 1) is held only as a window around the visible part, whose
  // top-left pixel is the picture pixel PictureOrigin; RenderArea moves that window.
  int64_t MaxHeldPixels = int64_t{4096} * 4096;
  QPoint PictureOrigin;
  bool HoldsWholePicture() const;
  // The window calls this after a scroll or a viewport resize with the visible part of
  // the picture (picture pixels). Renders a new window around it when the held one does
  // not cover it, and then returns true (repaint); never renders a whole-held picture.
  bool RenderArea(const QRect& visibleArea);

  // Window load: 8 x 14, no glyph current, first drawing.
  void FormLoad();

  // Glyph store and load.
  void SaveFontData() override;
  void LoadFontData() override;
  void DrawFont() override;
  // Runs one change of the grid. While no glyph is current, a change that alters the
  // glyph makes the selected item's glyph current, as a double click would but keeping
  // the grid: the grid as it stood becomes its loaded state, so one Undo takes the change
  // back and nothing drawn before a glyph was chosen is lost. Without a selected item the
  // change only runs.
  void ChangeGrid(const std::function<void()>& change);

  // Rendering.
  void DrawAll() override;
  void DrawGrid();
  void DrawPixels();
  void DrawPreview();
  // Shows one cell at once as a box that leaves its grid-line pixels (the tools' way
  // of painting between full redraws).
  void PaintCell(int column, int row, QRgb color);

  // Drawing tools.
  void picDesign_MouseDown(int button, int shift, float x, float y);
  void picDesign_MouseMove(int button, int shift, float x, float y);
  void picDesign_MouseUp(int button, int shift, float x, float y);

  // Undo, redo, copy and paste.
  void SaveUndoAction();
  void Undo();
  void Redo();
  void CopyData();
  void PasteData();
  void ResetData();

  // Whole-glyph transforms.
  void FlipHorizontal();
  void FlipVertical();
  void Invert();
  void ShiftDataLeft();
  void ShiftDataRight();
  void ShiftDataUp();
  void ShiftDataDown();
  void ReplcaeDataColor(uint8_t SourceColor, uint8_t ChangeColor);

  // Glyph size, and navigation to the neighbouring code through the glyph list.
  void WidthInc();
  void WidthDec();
  void HeightInc();
  void HeightDec();
  void NextCharacter();
  void PreviousCharacter();

  // Glyph import from a system font, and from a clipboard bitmap.
  void ReadFromFont();
  void PasteSpecial();

  // The hidden 1024 x 768 work surface picFont: white paper, black text.
  QImage FontSurface = MakeFontSurface();
  static QImage MakeFontSurface();

 private:
  // Paint (left button) or erase (right button) one cell and show it; other button
  // states and cells outside DesignData write nothing.
  void WriteCell(int64_t column, int64_t row, int button);
  // Puts a recorded state on the grid (undo, redo, paste).
  void ApplyRecord(const std::string& record);
  DesignView* view_ = nullptr;
  NoDesignView noView_;
  // Glyph size and cell size of the last DrawGrid: the raster of a moved window stays
  // the picture that redraw laid out.
  struct RasterGeometry {
    int32_t width = 0;
    int32_t height = 0;
    int32_t cell = 1;
  };
  RasterGeometry raster_;
  // The cell the point tool's stroke last reached; a move paints the segment from it.
  struct StrokeEnd {
    int64_t column = 0;
    int64_t row = 0;
    bool active = false;
  };
  StrokeEnd stroke_;
  QSize lastVisible_;
  void HoldPictureWindow(const QRect& area);
  // The raster's input from the state and the last DrawGrid's geometry.
  GridRasterInput RasterInput() const;
};

}  // namespace editor
