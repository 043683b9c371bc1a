#pragma once
// frmDialog: the program's file chooser window, FileChooser1 with "Ok" and
// "Cancel". Made anew for every showing, so each showing starts from its stored
// design: caption "Open...", the font-file filter and the folder "/". Callers set
// the caption (and filter), show it, then read Cancelled and FileName.
#include <QDialog>
#include <QString>
#include <optional>

#include "controls/FileChooser.h"

class QPushButton;

namespace dialogs {

// What frmDialog keeps from one showing to the next (the window itself is made
// anew for every showing).
struct FileDialogMemory {
  QString FileName;
};

class frmDialog : public QDialog {
  Q_OBJECT

 private:
  FileDialogMemory ownMemory_;  // used when the caller keeps none

 public:
  static constexpr const char* StoredCaption = "Open...";
  static constexpr const char* StoredFilter = "Font File (*.nft)|*.nft|All Files (*.*)|*.*";

  // FileName lives in memory, which outlasts the window (it keeps the last path
  // formed from one showing to the next).
  explicit frmDialog(FileDialogMemory& memory, QWidget* parent = nullptr);
  explicit frmDialog(QWidget* parent = nullptr);

  // True unless the user confirmed a file.
  bool Cancelled = true;
  // The chosen path: FolderPath followed by FileTitle.
  QString& FileName;
  // When set, "Ok" (and the chooser's accept) without a file title keeps the
  // window open; the font-file commands need a path that names a file.
  bool RequireFileTitle = false;

  controls::FileChooser* FileChooser1 = nullptr;
  QPushButton* bntOk = nullptr;
  QPushButton* btnCancel = nullptr;

  // Shows the window modally through the modal seam; returns its result.
  int ShowModal();

  // Event handlers.
  void FileChooser1_Change();
  void FileChooser1_Accept();
  void bntOk_Click();
  void btnCancel_Click();

 private:
  // memory == nullptr: the window keeps its own (ownMemory_ is made before FileName).
  frmDialog(FileDialogMemory* memory, QWidget* parent);
  void Load();
};

// What Save As and Open do: a new frmDialog with this caption and an empty file
// title, "Ok" refused without a file title; the chosen path or nullopt.
std::optional<QString> ChooseFontFile(const QString& caption, FileDialogMemory& memory);

}  // namespace dialogs
