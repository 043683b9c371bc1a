#include "controls/FileChooser.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QVBoxLayout>

namespace controls {

// A non-native file dialog living as a child widget: confirming a file raises
// Accept instead of closing, and Escape goes on to the window around it.
class FileChooser::Dialog : public QFileDialog {
 public:
  explicit Dialog(FileChooser* owner) : QFileDialog(owner), owner_(owner) {
    // Given to the constructor, Qt::Widget would still become a dialog window.
    setWindowFlags(Qt::Widget);
  }

  void done(int result) override {
    if (result == QDialog::Accepted) emit owner_->Accept();
  }

 protected:
  void keyPressEvent(QKeyEvent* e) override {
    switch (e->key()) {
      case Qt::Key_Escape: e->ignore(); return;
      case Qt::Key_Return:
      case Qt::Key_Enter:
        // A list has already acted on Enter through its activation.
        if (!qobject_cast<QAbstractItemView*>(QApplication::focusWidget())) accept();
        e->accept();
        return;
      default: QFileDialog::keyPressEvent(e);
    }
  }

 private:
  FileChooser* owner_;
};

namespace {

// Windows matches wildcards without regard to case; so does this chooser.
QString CaseFreePattern(const QString& pattern) {
  QString out;
  for (QChar c : pattern) {
    const QChar lo = c.toLower(), up = c.toUpper();
    if (c.unicode() < 128 && lo != up) {
      out += '[';
      out += lo;
      out += up;
      out += ']';
    } else {
      out += c;
    }
  }
  return out;
}

QString WithSlash(QString folder) {
  if (!folder.endsWith('/')) folder += '/';
  return folder;
}

}  // namespace

FileChooser::FileChooser(QWidget* parent) : QWidget(parent), dialog_(new Dialog(this)) {
  dialog_->setOption(QFileDialog::DontUseNativeDialog);
  dialog_->setOption(QFileDialog::DontConfirmOverwrite);
  dialog_->setOption(QFileDialog::HideNameFilterDetails);
  dialog_->setFileMode(QFileDialog::AnyFile);
  dialog_->setAcceptMode(QFileDialog::AcceptOpen);
  dialog_->setSizeGripEnabled(false);
  // The window around the chooser has its own Ok and Cancel.
  if (auto* box = dialog_->findChild<QDialogButtonBox*>("buttonBox")) box->hide();
  nameEdit_ = dialog_->findChild<QLineEdit*>("fileNameEdit");

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(dialog_);

  auto change = [this] {
    if (programWrite_ == 0) emit Change();
  };
  connect(dialog_, &QFileDialog::currentChanged, this, change);
  connect(dialog_, &QFileDialog::directoryEntered, this, change);
  if (nameEdit_) connect(nameEdit_, &QLineEdit::textChanged, this, change);

  SetFilter(QStringLiteral("All Files (*.*)|*.*"));
}

QString FileChooser::FileTitle() const {
  const QString typed = nameEdit_ ? nameEdit_->text() : QString();
  if (!typed.contains('/')) return typed;
  return typed.endsWith('/') ? QString() : typed.section('/', -1);
}

void FileChooser::SetFileTitle(const QString& title) {
  if (!nameEdit_) return;
  ++programWrite_;
  nameEdit_->setText(title);
  --programWrite_;
}

QString FileChooser::FolderPath() const {
  const QString folder = dialog_->directory().absolutePath();
  const QString typed = nameEdit_ ? nameEdit_->text() : QString();
  if (!typed.contains('/')) return WithSlash(folder);
  // A typed path names its own folder, relative to the one shown.
  const QString full = QDir::cleanPath(QDir(folder).absoluteFilePath(typed));
  if (typed.endsWith('/')) return WithSlash(full);
  return WithSlash(QFileInfo(full).absolutePath());
}

QList<FileChooser::FileType> FileChooser::ParseFilter(const QString& filter) {
  QList<FileType> types;
  const QStringList parts = filter.split('|');
  for (qsizetype i = 0; i < parts.size(); i += 2) {
    const QString wildcards = i + 1 < parts.size() ? parts[i + 1] : QString();
    if (parts[i].trimmed().isEmpty() && wildcards.trimmed().isEmpty()) continue;  // e.g. a closing "|"
    FileType t;
    t.description = parts[i].trimmed();
    for (const QString& p : wildcards.split(';', Qt::SkipEmptyParts)) {
      const QString w = p.trimmed();
      if (w.isEmpty()) continue;
      t.patterns.append(w == "*.*" ? QStringLiteral("*") : w);
    }
    if (t.patterns.isEmpty()) t.patterns.append(QStringLiteral("*"));
    if (t.description.isEmpty()) t.description = t.patterns.join(';');
    types.append(t);
  }
  return types;
}

void FileChooser::SetFilter(const QString& filter) {
  QList<FileType> types = ParseFilter(filter);
  if (types.isEmpty()) types.append({QStringLiteral("All Files"), {QStringLiteral("*")}});
  QStringList names;
  for (const FileType& t : types) {
    QStringList globs;
    for (const QString& p : t.patterns) globs.append(CaseFreePattern(p));
    names.append(t.description + " (" + globs.join(' ') + ")");
  }
  ++programWrite_;
  dialog_->setNameFilters(names);
  --programWrite_;
}

void FileChooser::SetFilterIndex(int index) {
  const QStringList names = dialog_->nameFilters();
  if (names.isEmpty()) return;
  ++programWrite_;
  dialog_->selectNameFilter(names.value(index >= 0 && index < names.size() ? index : 0));
  --programWrite_;
}

void FileChooser::SetFolder(const QString& path) {
  QString folder = QString(path).replace('\\', '/');
  if (folder.isEmpty()) folder = QStringLiteral("/");
  QFileInfo info(QDir::cleanPath(QDir::current().absoluteFilePath(folder)));
  while (!info.isDir() && !info.absoluteFilePath().isEmpty() && info.absoluteFilePath() != "/")
    info = QFileInfo(info.absolutePath());
  ++programWrite_;
  dialog_->setDirectory(info.isDir() ? info.absoluteFilePath() : QDir::homePath());
  --programWrite_;
}

}  // namespace controls
