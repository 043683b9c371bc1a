#include "dialogs/FileCommandWindows.h"

#include "dialogs/ShowMessage.h"

namespace dialogs {

int16_t FileCommandWindows::Message(const QString& prompt, const QString& title, int32_t style, const QString& arg1) {
  return ShowMessage(prompt, title, style, arg1);
}

std::optional<QString> FileCommandWindows::ChooseFile(const QString& caption) {
  return ChooseFontFile(caption, DialogMemory);
}

}  // namespace dialogs
