#pragma once
// The command dispatcher of the main window: one toolbar click, one key, one command.
// The keys and their commands stand once, in the rows of Commands.def; the main window
// runs a command in one switch (frmMain::RunCommand).
#include <QString>
#include <cstdint>
#include <optional>

#include "shell/Commands.h"

namespace shell {

// One command as a click starts it.
struct CommandCall {
  Command command;
  int32_t arg = 0;
  // The commands that leave their redraw to the caller: the design window's DrawAll
  // runs once they return.
  bool drawAllAfter = false;
  friend constexpr bool operator==(const CommandCall&, const CommandCall&) = default;
};

// What one click runs, in this order: the command of the first key that equals the
// click's (exact, case-sensitive), then, looked at apart from that match, the colour
// of a "tlColor" key. Keys that match nothing run nothing.
struct ToolClickCommands {
  std::optional<CommandCall> matched;
  std::optional<CommandCall> color;
  friend bool operator==(const ToolClickCommands&, const ToolClickCommands&) = default;
};

ToolClickCommands DispatchToolClick(const QString& key);

}  // namespace shell
