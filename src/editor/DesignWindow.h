#pragma once
// frmDesign, the character editor window: a child window of the main window's
// MDI area, always maximised, with the left panel (the actual-size preview), and
// the zoomed grid picDesign scrolled inside its viewport.
#include <QMdiSubWindow>
#include <QWidget>

#include "editor/DesignEditor.h"
#include "controls/ScrollBar.h"

namespace editor {

// picDesign: paints the design picture and the rubber bands, and hands the mouse
// to the drawing tools.
class DesignPicture : public QWidget {
  Q_OBJECT
 public:
  DesignPicture(DesignEditor& ed, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent*) override;
  void mouseMoveEvent(QMouseEvent*) override;
  void mouseReleaseEvent(QMouseEvent*) override;

 private:
  DesignEditor& ed_;
};

// picPreview: the glyph at one pixel per cell, inside a sunken frame.
class PreviewPicture : public QWidget {
  Q_OBJECT
 public:
  PreviewPicture(DesignEditor& ed, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  DesignEditor& ed_;
};

class frmDesign : public QMdiSubWindow, public DesignView {
  Q_OBJECT
 public:
  // Outer sizes in pixels of the fixed controls.
  static constexpr int ToolBarLeftWidth = 131;
  static constexpr int ScrollBarThickness = 17;

  frmDesign(DesignEditor& ed, QWidget* parent = nullptr);

  DesignEditor& Editor() { return ed_; }

  // Window events, named as the window's handlers.
  void Form_Load();
  void Form_QueryUnload(int& cancel, int unloadMode);
  void Form_Resize();
  void picWindow_Resize();
  void picWindow1_Resize();
  void HScrollBar_Change();
  void VScrollBar_Change();

  // What the window does when the editor has drawn the grid anew (scroll positions and
  // ranges), and repaint requests; the owner attaches the window to its editor.
  QSize ScreenSize() override;
  void GridRedrawn() override;
  void GridPictureChanged(const QRect& area) override;
  void PreviewRedrawn() override;

  QWidget* picToolBarLeft = nullptr;
  PreviewPicture* picPreview = nullptr;
  QWidget* picWindow = nullptr;
  QWidget* picWindow1 = nullptr;
  DesignPicture* picDesign = nullptr;
  controls::ScrollBar* HScrollBar = nullptr;
  controls::ScrollBar* VScrollBar = nullptr;

 protected:
  void closeEvent(QCloseEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void changeEvent(QEvent* e) override;

 private:
  // A huge picture is held only around the viewport: bring that part up to date.
  void RenderVisibleArea();

  DesignEditor& ed_;
  QWidget* body_ = nullptr;
};

}  // namespace editor
