#include <gtest/gtest.h>

#include <QStringList>

#include "shell/Dispatcher.h"

namespace {

// Records every call as a short name.
class RecordingTarget : public shell::CommandTarget {
 public:
  QStringList calls;
  void NewProject() override { calls << "NewProject"; }
  void SaveProject() override { calls << "SaveProject"; }
  void SaveProjectAs() override { calls << "SaveProjectAs"; }
  void OpenProject() override { calls << "OpenProject"; }
  void ShowImport() override { calls << "ShowImport"; }
  void ShowExport() override { calls << "ShowExport"; }
  void Undo() override { calls << "Undo"; }
  void Redo() override { calls << "Redo"; }
  void CopyData() override { calls << "CopyData"; }
  void PasteData() override { calls << "PasteData"; }
  void PasteSpecial() override { calls << "PasteSpecial"; }
  void SaveUndoAction() override { calls << "SaveUndoAction"; }
  void ClearDesignData() override { calls << "ClearDesignData"; }
  void RemoveCharacter() override { calls << "RemoveCharacter"; }
  void WidthInc() override { calls << "WidthInc"; }
  void WidthDec() override { calls << "WidthDec"; }
  void HeightInc() override { calls << "HeightInc"; }
  void HeightDec() override { calls << "HeightDec"; }
  void ShiftDataLeft() override { calls << "ShiftDataLeft"; }
  void ShiftDataRight() override { calls << "ShiftDataRight"; }
  void ShiftDataUp() override { calls << "ShiftDataUp"; }
  void ShiftDataDown() override { calls << "ShiftDataDown"; }
  void ReadFromFont() override { calls << "ReadFromFont"; }
  void ResetData() override { calls << "ResetData"; }
  void FlipVertical() override { calls << "FlipVertical"; }
  void FlipHorizontal() override { calls << "FlipHorizontal"; }
  void Invert() override { calls << "Invert"; }
  void PreviousCharacter() override { calls << "PreviousCharacter"; }
  void NextCharacter() override { calls << "NextCharacter"; }
  void DrawAll() override { calls << "DrawAll"; }
  void ShowFontSetting() override { calls << "ShowFontSetting"; }
  void ShowCharListEditor() override { calls << "ShowCharListEditor"; }
  void ShowLCDPreview() override { calls << "ShowLCDPreview"; }
  void ShowLEDPreview() override { calls << "ShowLEDPreview"; }
  void ShowFontPreview() override { calls << "ShowFontPreview"; }
  void SelectDrawTool(const QString& key) override { calls << "SelectDrawTool " + key; }
  void ToggleGuideLine(int o, int k) override { calls << QString("ToggleGuideLine %1 %2").arg(o).arg(k); }
  void SelectColor(const QString& key) override { calls << "SelectColor " + key; }
};

struct DispatchCase {
  const char* key;
  QStringList calls;
};

class DispatchTable : public ::testing::TestWithParam<DispatchCase> {};

// Each key reaches exactly its procedure; keys that differ in case, openers,
// panels and the tools without an action reach nothing.
TEST_P(DispatchTable, KeyReachesItsProcedureOnly) {
  RecordingTarget t;
  shell::DispatchToolClick(QString::fromLatin1(GetParam().key), t);
  EXPECT_EQ(t.calls, GetParam().calls) << GetParam().key;
}

INSTANTIATE_TEST_SUITE_P(
    Keys, DispatchTable,
    ::testing::Values(
        DispatchCase{"mnuNew", QStringList{"NewProject"}},
        DispatchCase{"mnuSave", QStringList{"SaveProject"}},
        DispatchCase{"mnuSaveAs", QStringList{"SaveProjectAs"}},
        DispatchCase{"mnuOpen", QStringList{"OpenProject"}},
        DispatchCase{"mnuImport", QStringList{"ShowImport"}},
        DispatchCase{"mnuExport", QStringList{"ShowExport"}},
        DispatchCase{"mnuUndo", QStringList{"Undo"}},
        DispatchCase{"mnuRedo", QStringList{"Redo"}},
        DispatchCase{"mnuCopy", QStringList{"CopyData"}},
        DispatchCase{"mnuPaste", QStringList{"PasteData"}},
        DispatchCase{"mnuPasteSpecial", QStringList{"PasteSpecial"}},
        DispatchCase{"mnuClear", QStringList{"SaveUndoAction", "ClearDesignData", "DrawAll"}},
        DispatchCase{"mnuRemove", QStringList{"RemoveCharacter"}},
        DispatchCase{"mnuWidthI", QStringList{"WidthInc"}},
        DispatchCase{"mnuWidthD", QStringList{"WidthDec"}},
        DispatchCase{"mnuHeightI", QStringList{"HeightInc"}},
        DispatchCase{"mnuHeightD", QStringList{"HeightDec"}},
        DispatchCase{"mnuShiftLeft", QStringList{"ShiftDataLeft","DrawAll"}},
        DispatchCase{"mnuShiftRight", QStringList{"ShiftDataRight","DrawAll"}},
        DispatchCase{"mnuShiftUp", QStringList{"ShiftDataUp","DrawAll"}},
        DispatchCase{"mnuShiftDown", QStringList{"ShiftDataDown","DrawAll"}},
        DispatchCase{"mnuReadFont", QStringList{"ReadFromFont"}},
        DispatchCase{"mnuResetData", QStringList{"ResetData"}},
        DispatchCase{"mnuFontSetting", QStringList{"ShowFontSetting"}},
        DispatchCase{"mnuCharList", QStringList{"ShowCharListEditor"}},
        DispatchCase{"tlPoint", QStringList{"SelectDrawTool tlPoint"}},
        DispatchCase{"tlLine", QStringList{"SelectDrawTool tlLine"}},
        DispatchCase{"tlReplaceColor", QStringList{"SelectDrawTool tlReplaceColor"}},
        DispatchCase{"tlFlipVertical", QStringList{"FlipVertical"}},
        DispatchCase{"tlFlipHorizontal", QStringList{"FlipHorizontal"}},
        DispatchCase{"tlInvert", QStringList{"Invert"}},
        DispatchCase{"tlVG1", QStringList{"ToggleGuideLine 0 1"}},
        DispatchCase{"tlHG6", QStringList{"ToggleGuideLine 1 6"}},
        DispatchCase{"mnuPreviousChar", QStringList{"PreviousCharacter"}},
        DispatchCase{"mnuNextChar", QStringList{"NextCharacter"}},
        DispatchCase{"muuLCDPreview", QStringList{"ShowLCDPreview"}},
        DispatchCase{"mnuLEDPreview", QStringList{"ShowLEDPreview"}},
        DispatchCase{"mnuFontPreview", QStringList{"ShowFontPreview"}},
        DispatchCase{"tlColor12", QStringList{"SelectColor tlColor12"}},
        DispatchCase{"tlColor1", QStringList{"SelectColor tlColor1"}},
        DispatchCase{"mnunew", QStringList{}},
        DispatchCase{"tlText", QStringList{}},
        DispatchCase{"mnuLCDPreview", QStringList{}},
        DispatchCase{"mnuOption", QStringList{}},
        DispatchCase{"mnuDeviceLCD", QStringList{}},
        DispatchCase{"mnuFile", QStringList{}},
        DispatchCase{"tlVerticalGuide", QStringList{}},
        DispatchCase{"tlBold", QStringList{}},
        DispatchCase{"tlCharList", QStringList{}},
        DispatchCase{"tlFileName", QStringList{}},
        DispatchCase{"tlZoom", QStringList{}}));

}  // namespace
