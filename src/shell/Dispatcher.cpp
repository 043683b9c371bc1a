#include "shell/Dispatcher.h"

namespace shell {

namespace {

constexpr int32_t FirstColor = 1;
constexpr int32_t LastColor = 15;

}  // namespace

ToolClickCommands DispatchToolClick(const QString& key) {
  ToolClickCommands run;
  for (const CommandRow& row : CommandTable) {
    if (key == QLatin1String(row.key)) {
      run.matched = CommandCall{row.command, row.arg, row.drawAllAfter};
      break;
    }
  }
  // Looked at after the comparisons, whatever matched: no command key begins so.
  if (key.left(7) == QLatin1String("tlColor")) {
    bool ok = false;
    const int color = key.mid(7).toInt(&ok);
    if (ok && color >= FirstColor && color <= LastColor) run.color = CommandCall{Command::SelectColor, color};
  }
  return run;
}

}  // namespace shell
