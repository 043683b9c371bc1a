#pragma once
// The command dispatcher of the main window: one toolbar click, one key, one command.
// The keys and their commands stand once, in CommandTable; the main window runs a
// command in one switch (frmMain::RunCommand).
#include <QString>
#include <cstdint>
#include <optional>

#include "document/ModConst.h"

namespace shell {

// Everything a click can start.
enum class Command {
  // Font file commands.
  NewProject,
  SaveProject,
  SaveProjectAs,
  OpenProject,
  // Plug-in windows.
  ShowImport,
  ShowExport,
  // Design window procedures.
  Undo,
  Redo,
  CopyData,
  PasteData,
  PasteSpecial,
  ClearDesignData,
  RemoveCharacter,
  WidthInc,
  WidthDec,
  HeightInc,
  HeightDec,
  ShiftDataLeft,
  ShiftDataRight,
  ShiftDataUp,
  ShiftDataDown,
  ReadFromFont,
  ResetData,
  FlipVertical,
  FlipHorizontal,
  Invert,
  PreviousCharacter,
  NextCharacter,
  // Dialogs.
  ShowFontSetting,
  ShowCharListEditor,
  ShowLCDPreview,
  ShowLEDPreview,
  ShowFontPreview,
  // Selection in the main window; arg says which.
  SelectDrawTool,         // arg: the CurrentTool value
  ToggleVerticalGuide,    // arg: the guide's number, 1 to 6
  ToggleHorizontalGuide,  // arg: the guide's number, 1 to 6
  SelectColor,            // arg: the colour number, 1 to 15
};

// One command as a click starts it.
struct CommandCall {
  Command command;
  int32_t arg = 0;
  // The commands that leave their redraw to the caller: the design window's DrawAll
  // runs once they return.
  bool drawAllAfter = false;
  friend constexpr bool operator==(const CommandCall&, const CommandCall&) = default;
};

constexpr CommandCall ThenDrawAll(Command c) { return {c, 0, true}; }

struct CommandKey {
  const char* key;
  CommandCall call;
};

// The keys in the order they are compared; the first match wins. Adding a command is
// one line here and one case in frmMain::RunCommand.
inline constexpr CommandKey CommandTable[] = {
    {"mnuNew", {Command::NewProject}},
    {"mnuSave", {Command::SaveProject}},
    {"mnuSaveAs", {Command::SaveProjectAs}},
    {"mnuOpen", {Command::OpenProject}},
    {"mnuImport", {Command::ShowImport}},
    {"mnuExport", {Command::ShowExport}},
    {"mnuUndo", {Command::Undo}},
    {"mnuRedo", {Command::Redo}},
    {"mnuCopy", {Command::CopyData}},
    {"mnuPaste", {Command::PasteData}},
    {"mnuPasteSpecial", {Command::PasteSpecial}},
    {"mnuClear", ThenDrawAll(Command::ClearDesignData)},
    {"mnuRemove", {Command::RemoveCharacter}},
    {"mnuWidthI", {Command::WidthInc}},
    {"mnuWidthD", {Command::WidthDec}},
    {"mnuHeightI", {Command::HeightInc}},
    {"mnuHeightD", {Command::HeightDec}},
    {"mnuShiftLeft", ThenDrawAll(Command::ShiftDataLeft)},
    {"mnuShiftRight", ThenDrawAll(Command::ShiftDataRight)},
    {"mnuShiftUp", ThenDrawAll(Command::ShiftDataUp)},
    {"mnuShiftDown", ThenDrawAll(Command::ShiftDataDown)},
    {"mnuReadFont", {Command::ReadFromFont}},
    {"mnuResetData", {Command::ResetData}},
    {"mnuFontSetting", {Command::ShowFontSetting}},
    {"mnuCharList", {Command::ShowCharListEditor}},
    {"tlPoint", {Command::SelectDrawTool, doc::ToolPoint}},
    {"tlLine", {Command::SelectDrawTool, doc::ToolLine}},
    {"tlBorder", {Command::SelectDrawTool, doc::ToolBorder}},
    {"tlRectangle", {Command::SelectDrawTool, doc::ToolRectangle}},
    {"tlReplaceColor", {Command::SelectDrawTool, doc::ToolReplaceColor}},
    {"tlFlipVertical", {Command::FlipVertical}},
    {"tlFlipHorizontal", {Command::FlipHorizontal}},
    {"tlInvert", {Command::Invert}},
    {"tlVG1", {Command::ToggleVerticalGuide, 1}},
    {"tlVG2", {Command::ToggleVerticalGuide, 2}},
    {"tlVG3", {Command::ToggleVerticalGuide, 3}},
    {"tlVG4", {Command::ToggleVerticalGuide, 4}},
    {"tlVG5", {Command::ToggleVerticalGuide, 5}},
    {"tlVG6", {Command::ToggleVerticalGuide, 6}},
    {"tlHG1", {Command::ToggleHorizontalGuide, 1}},
    {"tlHG2", {Command::ToggleHorizontalGuide, 2}},
    {"tlHG3", {Command::ToggleHorizontalGuide, 3}},
    {"tlHG4", {Command::ToggleHorizontalGuide, 4}},
    {"tlHG5", {Command::ToggleHorizontalGuide, 5}},
    {"tlHG6", {Command::ToggleHorizontalGuide, 6}},
    {"mnuPreviousChar", {Command::PreviousCharacter}},
    {"mnuNextChar", {Command::NextCharacter}},
    {"muuLCDPreview", {Command::ShowLCDPreview}},
    {"mnuLEDPreview", {Command::ShowLEDPreview}},
    {"mnuFontPreview", {Command::ShowFontPreview}},
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
