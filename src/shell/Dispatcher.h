#pragma once
// The command dispatcher of the main window: one toolbar click, one key, one action.
#include <QString>

namespace shell {

// Everything a click can start. The main window implements it; tests record calls.
class CommandTarget {
 public:
  virtual ~CommandTarget() = default;
  // Font file commands.
  virtual void NewProject() = 0;
  virtual void SaveProject() = 0;
  virtual void SaveProjectAs() = 0;
  virtual void OpenProject() = 0;
  // Plug-in windows.
  virtual void ShowImport() = 0;
  virtual void ShowExport() = 0;
  // Design window procedures.
  virtual void Undo() = 0;
  virtual void Redo() = 0;
  virtual void CopyData() = 0;
  virtual void PasteData() = 0;
  virtual void PasteSpecial() = 0;
  virtual void SaveUndoAction() = 0;
  virtual void ClearDesignData() = 0;
  virtual void RemoveCharacter() = 0;
  virtual void WidthInc() = 0;
  virtual void WidthDec() = 0;
  virtual void HeightInc() = 0;
  virtual void HeightDec() = 0;
  virtual void ShiftDataLeft() = 0;
  virtual void ShiftDataRight() = 0;
  virtual void ShiftDataUp() = 0;
  virtual void ShiftDataDown() = 0;
  virtual void ReadFromFont() = 0;
  virtual void ResetData() = 0;
  virtual void FlipVertical() = 0;
  virtual void FlipHorizontal() = 0;
  virtual void Invert() = 0;
  virtual void PreviousCharacter() = 0;
  virtual void NextCharacter() = 0;
  virtual void DrawAll() = 0;
  // Dialogs.
  virtual void ShowFontSetting() = 0;
  virtual void ShowCharListEditor() = 0;
  virtual void ShowLCDPreview() = 0;
  virtual void ShowLEDPreview() = 0;
  virtual void ShowFontPreview() = 0;
  // Selection in the main window.
  virtual void SelectDrawTool(const QString& key) = 0;
  virtual void ToggleGuideLine(int orientation, int number) = 0;
  virtual void SelectColor(const QString& key) = 0;
};

// Compares the key with the known keys in order (exact, case-sensitive), runs the
// first match, then selects a colour for a "tlColor" key. Returns whether a
// command key matched (the colour test not counted).
bool DispatchToolClick(const QString& key, CommandTarget& t);

}  // namespace shell
