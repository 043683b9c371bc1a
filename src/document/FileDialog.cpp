#include <QFileDialog>

#include "document/FileCommands.h"
#include "platform/Modal.h"

namespace doc {

// Provisional chooser until the file chooser control is in the tree.
std::optional<QString> FileCommandsHost::ChooseFile(const QString& caption) {
  QFileDialog d;
  d.setOption(QFileDialog::DontUseNativeDialog);
  d.setWindowTitle(caption);
  d.setNameFilters({QStringLiteral("Font File (*.nft)"), QStringLiteral("All Files (*)")});
  d.setDirectory(QStringLiteral("/"));
  d.setFileMode(QFileDialog::AnyFile);
  if (platform::Modal::Exec(d) != QDialog::Accepted || d.selectedFiles().isEmpty()) return std::nullopt;
  DialogMemory.FileName = d.selectedFiles().front();
  return DialogMemory.FileName;
}

}  // namespace doc
