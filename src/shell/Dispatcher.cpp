#include "shell/Dispatcher.h"

namespace shell {

namespace {

constexpr int32_t FirstColor = 1;
constexpr int32_t LastColor = 15;

}  // namespace

ToolClickCommands DispatchToolClick(const QString& key) {
  ToolClickCommands run;
  for (const CommandKey& entry : CommandTable) {
    if (key == QLatin1String(entry.key)) {
      run.matched = entry.call;
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

bool DispatchToolClick(const QString& key, CommandTarget& t) {
  const ToolClickCommands run = DispatchToolClick(key);
  if (run.matched) {
    switch (run.matched->command) {
      case Command::NewProject: t.NewProject(); break;
      case Command::SaveProject: t.SaveProject(); break;
      case Command::SaveProjectAs: t.SaveProjectAs(); break;
      case Command::OpenProject: t.OpenProject(); break;
      case Command::ShowImport: t.ShowImport(); break;
      case Command::ShowExport: t.ShowExport(); break;
      case Command::Undo: t.Undo(); break;
      case Command::Redo: t.Redo(); break;
      case Command::CopyData: t.CopyData(); break;
      case Command::PasteData: t.PasteData(); break;
      case Command::PasteSpecial: t.PasteSpecial(); break;
      case Command::ClearDesignData: t.ClearDesignData(); break;
      case Command::RemoveCharacter: t.RemoveCharacter(); break;
      case Command::WidthInc: t.WidthInc(); break;
      case Command::WidthDec: t.WidthDec(); break;
      case Command::HeightInc: t.HeightInc(); break;
      case Command::HeightDec: t.HeightDec(); break;
      case Command::ShiftDataLeft: t.ShiftDataLeft(); break;
      case Command::ShiftDataRight: t.ShiftDataRight(); break;
      case Command::ShiftDataUp: t.ShiftDataUp(); break;
      case Command::ShiftDataDown: t.ShiftDataDown(); break;
      case Command::ReadFromFont: t.ReadFromFont(); break;
      case Command::ResetData: t.ResetData(); break;
      case Command::FlipVertical: t.FlipVertical(); break;
      case Command::FlipHorizontal: t.FlipHorizontal(); break;
      case Command::Invert: t.Invert(); break;
      case Command::PreviousCharacter: t.PreviousCharacter(); break;
      case Command::NextCharacter: t.NextCharacter(); break;
      case Command::ShowFontSetting: t.ShowFontSetting(); break;
      case Command::ShowCharListEditor: t.ShowCharListEditor(); break;
      case Command::ShowLCDPreview: t.ShowLCDPreview(); break;
      case Command::ShowLEDPreview: t.ShowLEDPreview(); break;
      case Command::ShowFontPreview: t.ShowFontPreview(); break;
      case Command::SelectDrawTool: t.SelectDrawTool(key); break;
      case Command::ToggleVerticalGuide: t.ToggleGuideLine(0, run.matched->arg); break;
      case Command::ToggleHorizontalGuide: t.ToggleGuideLine(1, run.matched->arg); break;
      case Command::SelectColor: break;
    }
    if (run.matched->drawAllAfter) t.DrawAll();
  }
  if (key.left(7) == QLatin1String("tlColor")) t.SelectColor(key);
  return run.matched.has_value();
}

}  // namespace shell
