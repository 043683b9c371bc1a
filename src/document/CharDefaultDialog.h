#pragma once
// The font settings dialog frmCharDefault: maximum glyph size, default glyph size
// and the four author fields of the font header.
#include <QDialog>

#include "document/ModConst.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace doc {

// What the dialog needs of the design window (it cannot include the editor).
class CharDefaultHost {
 public:
  virtual ~CharDefaultHost() = default;
  // Stores the glyph on screen under CurrentChar.
  virtual void SaveFontData() = 0;
  // Loads the glyph selected in the character list into the grid and redraws.
  virtual void DrawFont() = 0;
};

class frmCharDefault : public QDialog {
  Q_OBJECT

 public:
  frmCharDefault(ModConst& state, CharDefaultHost& host, QWidget* parent = nullptr);

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
  ModConst& S;
  CharDefaultHost& Host;
};

// Shows a fresh frmCharDefault modally; true when "Ok" stored the settings.
bool ShowFontSettings(ModConst& state, CharDefaultHost& host, QWidget* parent = nullptr);

}  // namespace doc
