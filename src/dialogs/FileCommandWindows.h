#pragma once
// The file commands' host as the windows answer it: messages through ShowMessage and
// the file choice through frmDialog, which keeps its FileName from one showing to the
// next. The owner adds the settings dialog and the file-name caption.
#include "dialogs/FileDialog.h"
#include "document/FileCommands.h"

namespace dialogs {

class FileCommandWindows : public doc::FileCommandsHost {
 public:
  using doc::FileCommandsHost::FileCommandsHost;

  int16_t Message(const QString& prompt, const QString& title, int32_t style, const QString& arg1) override;
  std::optional<QString> ChooseFile(const QString& caption) override;

 protected:
  FileDialogMemory DialogMemory;
};

}  // namespace dialogs
