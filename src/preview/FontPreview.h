#pragma once
// frmFontPreview ("Font Preview"): a fixed Latin and Persian sample and a line of the
// user's text in an installed font, size and style.
#include <QDialog>
#include <QStringList>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;

namespace controls {
class Button;
}

namespace preview {

// The sample line of lblPreview.
QString FontPreviewSample();

// The point size a size text asks for: its leading number, 8 for 0 or less, at most 300.
double FontPreviewSize(const QString& sizeText);

class frmFontPreview : public QDialog {
  Q_OBJECT
 public:
  // fontNames: the entries of the toolbar's font-name tool, in its order.
  explicit frmFontPreview(const QStringList& fontNames, QWidget* parent = nullptr);

  // Fills the list, selects "Tahoma" (or the family drawn in its place) and "Normal".
  void Form_Load();
  // Applies the selected name, the size and the style to both labels.
  void lstFont_Click();
  void txtSampleText_Change();
  void btnOk_Click();

  QListWidget* lstFont = nullptr;
  QLabel* lblPreview = nullptr;
  QLineEdit* txtSampleText = nullptr;
  QLabel* lblSampleText = nullptr;
  QComboBox* cmbSize = nullptr;
  QComboBox* cmbStyle = nullptr;
  controls::Button* btnOk = nullptr;

 private:
  QStringList fontNames_;
};

// Shows a fresh font preview modally (command "mnuFontPreview").
void ShowFontPreview(const QStringList& fontNames, QWidget* parent = nullptr);

}  // namespace preview
