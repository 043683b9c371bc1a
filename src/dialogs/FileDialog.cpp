#include "dialogs/FileDialog.h"

#include <QApplication>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "controls/DialogParts.h"
#include "controls/Modal.h"

namespace dialogs {

frmDialog::frmDialog(QWidget* parent) : frmDialog(nullptr, parent) {}

frmDialog::frmDialog(FileDialogMemory& memory, QWidget* parent) : frmDialog(&memory, parent) {}

frmDialog::frmDialog(FileDialogMemory* memory, QWidget* parent)
    : QDialog(parent), FileName(memory ? memory->FileName : ownMemory_.FileName) {
  QFont f = QApplication::font();
  if (QFontDatabase::hasFamily(QStringLiteral("Tahoma"))) f.setFamily(QStringLiteral("Tahoma"));
  setFont(f);

  auto* outer = new QVBoxLayout(this);
  FileChooser1 = new controls::FileChooser(this);
  outer->addWidget(FileChooser1, 1);
  const controls::DialogButtons buttons = controls::AddDialogButtons(*outer, this, QStringLiteral("Ok"));
  bntOk = buttons.ok;
  btnCancel = buttons.cancel;
  resize(640, 420);

  connect(FileChooser1, &controls::FileChooser::Change, this, &frmDialog::FileChooser1_Change);
  connect(FileChooser1, &controls::FileChooser::Accept, this, &frmDialog::FileChooser1_Accept);
  connect(bntOk, &QPushButton::clicked, this, &frmDialog::bntOk_Click);
  connect(btnCancel, &QPushButton::clicked, this, &frmDialog::btnCancel_Click);
  Load();
}

void frmDialog::Load() {
  setWindowTitle(QString::fromLatin1(StoredCaption));
  FileChooser1->SetFilter(QString::fromLatin1(StoredFilter));
  FileChooser1->SetFolder(QStringLiteral("/"));
  // FileName is not reset: it keeps the last path formed.
  Cancelled = true;
}

int frmDialog::ShowModal() { return controls::Modal::Exec(*this); }

void frmDialog::FileChooser1_Change() { FileName = FileChooser1->FolderPath() + FileChooser1->FileTitle(); }

void frmDialog::FileChooser1_Accept() { bntOk_Click(); }

void frmDialog::bntOk_Click() {
  if (RequireFileTitle && FileChooser1->FileTitle().isEmpty()) return;
  FileName = FileChooser1->FolderPath() + FileChooser1->FileTitle();
  Cancelled = false;
  done(QDialog::Accepted);
}

void frmDialog::btnCancel_Click() {
  Cancelled = true;
  done(QDialog::Rejected);
}

std::optional<QString> ChooseFontFile(const QString& caption, FileDialogMemory& memory) {
  frmDialog dlg(memory);
  dlg.setWindowTitle(caption);
  dlg.FileChooser1->SetFileTitle(QString());
  dlg.RequireFileTitle = true;
  dlg.ShowModal();
  if (dlg.Cancelled) return std::nullopt;
  return dlg.FileName;
}

}  // namespace dialogs
