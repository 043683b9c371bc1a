#pragma once
// frmLCDTest: a line of text set in the font being designed, on the picture of a graphic LCD.
#include <QDialog>
#include <QImage>
#include <QRgb>
#include <array>

#include "document/Font.h"
#include "preview/Shaping.h"

class QCheckBox;
class QLineEdit;

namespace controls {
class Button;
}

namespace preview {

class frmLCDTest : public QDialog {
  Q_OBJECT
 public:
  // The font in the editor's palette `colors`.
  frmLCDTest(const doc::Font& font, const std::array<QRgb, 16>& colors, const CharTables& tables,
             QWidget* parent = nullptr);

  // Shapes the text (or takes the glyph of the number) and draws it from the pen start.
  void btnDraw_Click();
  void btnClose_Click();
  // Typing into one box empties the other, so "Draw" uses what was typed last.
  void txtText_Change();
  void txtChar_Change();

  // What the window shows: the module picture and the glyphs drawn on it.
  const QImage& Picture() const { return picture_; }

  QLineEdit* txtText = nullptr;
  QLineEdit* txtChar = nullptr;
  QCheckBox* chkRightToLeft = nullptr;
  controls::Button* btnDraw = nullptr;
  controls::Button* btnClose = nullptr;

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  const doc::Font& font_;
  const std::array<QRgb, 16>& colors_;
  const CharTables& Tables;
  QImage background_;
  QImage picture_;
};

// Shows a fresh LCD preview modally (command "muuLCDPreview").
void ShowLCDPreview(const doc::Font& font, const std::array<QRgb, 16>& colors, const CharTables& tables,
                    QWidget* parent = nullptr);

}  // namespace preview
