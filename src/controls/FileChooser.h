#pragma once
// The file chooser inside the program's file dialog: a folder view with a file
// name box, so a name that does not exist yet can be typed (Save As).
#include <QList>
#include <QString>
#include <QStringList>
#include <QWidget>

class QFileDialog;
class QLineEdit;

namespace controls {

class FileChooser : public QWidget {
  Q_OBJECT
 public:
  explicit FileChooser(QWidget* parent = nullptr);

  // The file-name part of the selection, without folder ("" when none).
  QString FileTitle() const;
  // Program writes raise no Change.
  void SetFileTitle(const QString& title);
  // The folder of the selection, ending in "/": FolderPath() + FileTitle() is the full path.
  QString FolderPath() const;
  // "desc|pattern|desc|pattern", e.g. "Font File (*.nft)|*.nft|All Files (*.*)|*.*";
  // a pattern may list several wildcards separated by ";".
  void SetFilter(const QString& filter);
  // Chooses the file type, counted from 0; a number outside the list chooses the first.
  void SetFilterIndex(int index);
  // The folder to start in; "\" is "/", and a folder that does not exist starts
  // in its nearest existing parent.
  void SetFolder(const QString& path);

  struct FileType {
    QString description;
    QStringList patterns;  // "*.*" is given as "*", which matches every name here
  };
  static QList<FileType> ParseFilter(const QString& filter);

 Q_SIGNALS:
  // The selected file or folder changed (by the user).
  void Change();
  // The user confirmed a file inside the chooser (double click or Enter).
  void Accept();

 private:
  class Dialog;
  Dialog* dialog_;
  QLineEdit* nameEdit_ = nullptr;
  int programWrite_ = 0;
};

}  // namespace controls
