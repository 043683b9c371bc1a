#pragma once
// frmLEDTest ("Preview"): a sample text set in the current font on a simulated LED panel.
#include <QDialog>
#include <QImage>
#include <QWidget>

#include "document/Font.h"
#include "preview/LEDPanel.h"
#include "preview/Shaping.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace controls {
class Button;
}

namespace preview {

// picLED: one painted surface for the whole panel, measured in millimetres at the
// screen's own dots per inch.
class LEDSurface : public QWidget {
  Q_OBJECT
 public:
  LEDSurface(const LEDPanel& panel, QWidget* parent);
  // Pixels per millimetre across and down on the screen the surface stands on.
  double DotsPerMmX() const;
  double DotsPerMmY() const;
  // The panel changed: the next paint renders it again.
  void Invalidate();

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  const LEDPanel& panel_;
  QImage picture_;
  bool dirty_ = true;
};

class frmLEDTest : public QDialog {
  Q_OBJECT
 public:
  // The font on a panel of `ledRows` rows.
  frmLEDTest(const doc::Font& font, int ledRows, const CharTables& tables, QWidget* parent = nullptr);

  // Selects "Normal Red" and shows the default sample; the constructor calls it.
  void Form_Load();
  // "Show": rebuilds the panel from the inputs and draws the sample on it; while the
  // window is not yet visible it also sizes the window to the panel.
  void bntOk_Click();
  // Keeps the window at least 8670 twips wide and fits picLED under the strip.
  void Form_Resize();

  const LEDPanel& Panel() const { return panel_; }

  static constexpr int MinimumWidthTwips = 8670;

  QWidget* picTool = nullptr;
  LEDSurface* picLED = nullptr;
  QLineEdit* txtSample = nullptr;
  QLineEdit* txtLEDSize = nullptr;
  QLineEdit* txtPitch = nullptr;
  QLineEdit* txtWidth = nullptr;
  QComboBox* cmbColor = nullptr;
  QCheckBox* chkNumber[3] = {};  // "Num En", "Num FA", "R-L"
  controls::Button* bntOk = nullptr;

 protected:
  void resizeEvent(QResizeEvent*) override;

 private:
  const doc::Font& font_;
  const int ledRows_;
  const CharTables& Tables;
  LEDPanel panel_;
};

// Shows a fresh LED preview modally (command "mnuLEDPreview").
void ShowLEDPreview(const doc::Font& font, int ledRows, const CharTables& tables, QWidget* parent = nullptr);

}  // namespace preview
