#pragma once
// What the design window's logic needs from the windows around it, split by role: the
// toolbar's tools by key, and the view that shows the pictures. The glyph list is
// doc::GlyphList. Each is implemented once, by the object that owns the thing.
#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QSize>
#include <QString>

namespace editor {

// Toolbar tools by key (the design window reads and writes a few of them).
class ToolState {
 public:
  virtual ~ToolState() = default;
  virtual QString ToolText(const QString& key) = 0;
  virtual void SetToolText(const QString& key, const QString& text) = 0;
  virtual bool ToolChecked(const QString& key) = 0;
  virtual void SetToolChecked(const QString& key, bool checked) = 0;
  virtual void SetToolEnabled(const QString& key, bool enabled) = 0;
};

// The window that shows the grid and preview pictures.
class DesignView {
 public:
  virtual ~DesignView() = default;
  // Screen size in pixels, read afresh for every fit of the zoom.
  virtual QSize ScreenSize() = 0;
  // DrawAll steps 4 and 5: scroll positions back to 0, scroll ranges for the new
  // picture; and the window shows the new pictures.
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
