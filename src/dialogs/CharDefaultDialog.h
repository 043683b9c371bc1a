#pragma once
// The font settings dialog frmCharDefault: maximum glyph size, default glyph size
// and the four author fields of the font header.
#include <QDialog>

#include "document/ModConst.h"
#include "document/Ports.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace dialogs {

class frmCharDefault : public QDialog {
  Q_OBJECT

 public:
  // Of the design window the dialog calls SaveFontData (the glyph on screen is
  // stored) and DrawFont (the selected glyph is loaded into the new grid).
  frmCharDefault(doc::ModConst& state, doc::DesignProcedures& design, QWidget* parent = nullptr);

  // Fills the boxes from the header; the constructor calls it.
  void Form_Load();
  // Checks the four sizes (the first failure is reported and the dialog stays),
  // then stores all eight values, makes the grid anew and reloads the glyph.
  void bntOk_Click();
  void btnCancel_Click();

  QLineEdit* txtMaxWidth = nullptr;
  QLineEdit* txtMaxHeight = nullptr;
  QLineEdit* txtWidth = nullptr;
  QLineEdit* txtHeight = nullptr;
  QLineEdit* txtAuthorName = nullptr;
  QLineEdit* txtAuthorCompanyName = nullptr;
  QLineEdit* txtAuthorUrl = nullptr;
  QLineEdit* txtAuthorEmail = nullptr;
  QPushButton* bntOk = nullptr;
  QPushButton* btnCancel = nullptr;

 private:
  doc::ModConst& S;
  doc::DesignProcedures& Design;
};

// Shows a fresh frmCharDefault modally; true when "Ok" stored the settings.
bool ShowFontSettings(doc::ModConst& state, doc::DesignProcedures& design, QWidget* parent = nullptr);

}  // namespace dialogs
