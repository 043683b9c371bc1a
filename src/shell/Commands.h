#pragma once
// The main window's commands, each declared once as a row of Commands.def: the enum
// Command and the table CommandTable are expanded from the rows.
#include <QKeyCombination>
#include <QKeySequence>
#include <array>
#include <cstdint>

#include "document/ModConst.h"
#include "shell/ToolIcons.h"

namespace shell {

// Everything a click can start.
enum class Command {
#define COMMAND(name, ...) name,
#define GROUP(name) name,
#define TOOL(name, ...)
#include "shell/Commands.def"
#undef COMMAND
#undef GROUP
#undef TOOL
};

// A command's keys: the platform's standard key, or up to two keys of its own.
struct CommandShortcut {
  QKeySequence::StandardKey standard = QKeySequence::UnknownKey;
  std::array<QKeyCombination, 2> own{};  // Qt::Key_unknown: none
};

// One tool that runs a command: its key, the command's argument, and how the tool shows.
struct CommandRow {
  Command command;
  const char* key;
  int32_t arg = 0;
  // The design window's DrawAll runs once the command returns.
  bool drawAllAfter = false;
  const char* caption = "";
  const char* shownText = "";  // shown in place of an empty caption
  bool checked = false;        // the mark the tool starts with
  ToolIcon icon = nullptr;
  CommandShortcut shortcut{};
};

// The rows in the order the dispatcher compares their keys.
inline constexpr CommandRow CommandTable[] = {
#define COMMAND(name, ...) {.command = Command::name, __VA_ARGS__},
#define GROUP(name)
#define TOOL(name, ...) {.command = Command::name, __VA_ARGS__},
#include "shell/Commands.def"
#undef COMMAND
#undef GROUP
#undef TOOL
};

}  // namespace shell
