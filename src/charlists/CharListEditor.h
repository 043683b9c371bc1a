#pragma once
// The character-list editor frmCharList: creates, edits, saves and removes the
// lists of CharList.ini. It works on the file only and never on the main window.
#include <QDialog>
#include <QString>

#include "charlists/CharListEditing.h"

class QComboBox;
class QLineEdit;
class QListWidget;

namespace controls {
class Button;
}  // namespace controls
namespace platform {
class IniFile;
}  // namespace platform

namespace charlists {

class frmCharList : public QDialog {
  Q_OBJECT
 public:
  frmCharList(platform::IniFile& ini, const QString& iniPath, QWidget* parent = nullptr);

  // Reads the list names afresh and loads the first list; the constructor calls it.
  void Form_Load();
  // Loads the list named by the combo box's text into ListChars and lstChars.
  void cmbList_Click();
  // Shows the selected code's text in txtChar.
  void lstChars_Click();
  // Stores the text box into ListChars of the selected line and rebuilds the line.
  void txtChar_Change();
  // Appends the combo box's text as an entry (no checks) and loads that list.
  void btnAdd_Click();
  // Writes the 512 texts under the combo box's text and registers the name.
  void btnSave_Click();
  // Asks, then empties the selected list and rewrites the section "List".
  void btnRemove_Click();

  QComboBox* cmbList = nullptr;
  controls::Button* btnAdd = nullptr;
  controls::Button* btnRemove = nullptr;
  QListWidget* lstChars = nullptr;
  QLineEdit* txtChar = nullptr;
  controls::Button* btnSave = nullptr;

  ListTexts ListChars{};

 private:
  // Selects a line and shows its text, whether or not it was selected already.
  void SelectLine(int row);
  void ReportWriteFailure(const QString& reason);

  platform::IniFile& ini_;
  QString path_;
};

// Shows a fresh frmCharList modally on the lists of iniPath. The panel of the main
// window is not touched: it reads a saved list afresh when that list is next chosen.
void ShowCharListEditor(platform::IniFile& ini, const QString& iniPath, QWidget* parent = nullptr);

}  // namespace charlists
