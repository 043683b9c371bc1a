#pragma once
// What the design window's logic needs from the windows around it, split by role: the
// toolbar, and the view that shows the pictures. The glyph list is doc::GlyphList.
// Each is implemented once, by the object that owns the thing.
#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QSize>
#include <QString>
#include <cstdint>

namespace editor {

// The font band's settings as the import from a system font reads them.
struct FontImportSettings {
  QString family;
  QString sizeText;  // as typed; ToolbarFont decides what a size that is no number means
  bool bold = false;
  bool italic = false;
  bool underline = false;
};

// The toolbar as the design window's logic reads and sets it; the shell, which owns the
// toolbar, knows which tool shows what.
class ToolState {
 public:
  virtual ~ToolState() = default;
  virtual void SetRedoEnabled(bool enabled) = 0;
  virtual void ShowZoom(int32_t zoom) = 0;
  virtual void ShowGlyphSize(int32_t width, int32_t height) = 0;
  // What an import from a system font draws with, and the rows it shifts the text by.
  virtual FontImportSettings ImportSettings() = 0;
  virtual QString ShiftAmountText() = 0;
  // The one check mark among the drawing tools (a CurrentTool value) and among the
  // colours (1 to 15), as the selection in the main window sets them.
  virtual void ShowDrawTool(int32_t tool) = 0;
  virtual void ShowColor(int32_t color) = 0;
};

// The window that shows the grid and preview pictures.
class DesignView {
 public:
  virtual ~DesignView() = default;
  // Screen size in pixels, read afresh for every fit of the zoom.
  virtual QSize ScreenSize() = 0;
  // The grid was drawn anew: the window puts its scroll positions back to 0, sets the
  // scroll ranges for the new picture and shows the new pictures.
  virtual void GridRedrawn() = 0;
  // Cells of the grid picture changed in this rectangle (picture pixels).
  virtual void GridPictureChanged(const QRect& area) = 0;
  virtual void PreviewRedrawn() = 0;
};

// The view before a window attaches: nothing to show, and the zoom still fits the
// screen the window will come up on.
class NoDesignView final : public DesignView {
 public:
  QSize ScreenSize() override {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->size() : QSize(1024, 768);
  }
  void GridRedrawn() override {}
  void GridPictureChanged(const QRect&) override {}
  void PreviewRedrawn() override {}
};

}  // namespace editor
