#include <gtest/gtest.h>

#include <QStringList>
#include <ostream>

#include "shell/Dispatcher.h"

namespace {

using shell::Command;
using shell::CommandCall;
using shell::ToolClickCommands;

ToolClickCommands Runs(CommandCall c) { return {c, std::nullopt}; }
ToolClickCommands RunsColor(int32_t n) { return {std::nullopt, CommandCall{Command::SelectColor, n}}; }
const ToolClickCommands Nothing{};

struct DispatchCase {
  const char* key;
  ToolClickCommands run;
};
void PrintTo(const DispatchCase& c, std::ostream* os) { *os << c.key; }

class DispatchTable : public ::testing::TestWithParam<DispatchCase> {};

// Each key reaches exactly its command; keys that differ in case, openers, panels
// and the tools without an action reach nothing.
TEST_P(DispatchTable, KeyReachesItsCommandOnly) {
  EXPECT_EQ(shell::DispatchToolClick(QString::fromLatin1(GetParam().key)), GetParam().run);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, DispatchTable,
    ::testing::Values(
        DispatchCase{"mnuNew", Runs({Command::NewProject})}, DispatchCase{"mnuSave", Runs({Command::SaveProject})},
        DispatchCase{"mnuSaveAs", Runs({Command::SaveProjectAs})},
        DispatchCase{"mnuOpen", Runs({Command::OpenProject})}, DispatchCase{"mnuImport", Runs({Command::ShowImport})},
        DispatchCase{"mnuExport", Runs({Command::ShowExport})}, DispatchCase{"mnuUndo", Runs({Command::Undo})},
        DispatchCase{"mnuRedo", Runs({Command::Redo})}, DispatchCase{"mnuCopy", Runs({Command::CopyData})},
        DispatchCase{"mnuPaste", Runs({Command::PasteData})},
        DispatchCase{"mnuPasteSpecial", Runs({Command::PasteSpecial})},
        // Only Clear and the four shifts leave the redraw to the caller.
        DispatchCase{"mnuClear", Runs({Command::ClearDesignData, 0, true})},
        DispatchCase{"mnuRemove", Runs({Command::RemoveCharacter})},
        DispatchCase{"mnuWidthI", Runs({Command::WidthInc})}, DispatchCase{"mnuWidthD", Runs({Command::WidthDec})},
        DispatchCase{"mnuHeightI", Runs({Command::HeightInc})}, DispatchCase{"mnuHeightD", Runs({Command::HeightDec})},
        DispatchCase{"mnuShiftLeft", Runs({Command::ShiftDataLeft, 0, true})},
        DispatchCase{"mnuShiftRight", Runs({Command::ShiftDataRight, 0, true})},
        DispatchCase{"mnuShiftUp", Runs({Command::ShiftDataUp, 0, true})},
        DispatchCase{"mnuShiftDown", Runs({Command::ShiftDataDown, 0, true})},
        DispatchCase{"mnuReadFont", Runs({Command::ReadFromFont})},
        DispatchCase{"mnuResetData", Runs({Command::ResetData})},
        DispatchCase{"mnuFontSetting", Runs({Command::ShowFontSetting})},
        DispatchCase{"mnuCharList", Runs({Command::ShowCharListEditor})},
        DispatchCase{"tlPoint", Runs({Command::SelectDrawTool, doc::ToolPoint})},
        DispatchCase{"tlLine", Runs({Command::SelectDrawTool, doc::ToolLine})},
        DispatchCase{"tlBorder", Runs({Command::SelectDrawTool, doc::ToolBorder})},
        DispatchCase{"tlRectangle", Runs({Command::SelectDrawTool, doc::ToolRectangle})},
        DispatchCase{"tlReplaceColor", Runs({Command::SelectDrawTool, doc::ToolReplaceColor})},
        DispatchCase{"tlFlipVertical", Runs({Command::FlipVertical})},
        DispatchCase{"tlFlipHorizontal", Runs({Command::FlipHorizontal})},
        DispatchCase{"tlInvert", Runs({Command::Invert})},
        DispatchCase{"tlVG1", Runs({Command::ToggleVerticalGuide, 1})},
        DispatchCase{"tlVG6", Runs({Command::ToggleVerticalGuide, 6})},
        DispatchCase{"tlHG1", Runs({Command::ToggleHorizontalGuide, 1})},
        DispatchCase{"tlHG6", Runs({Command::ToggleHorizontalGuide, 6})},
        DispatchCase{"mnuPreviousChar", Runs({Command::PreviousCharacter})},
        DispatchCase{"mnuNextChar", Runs({Command::NextCharacter})},
        DispatchCase{"muuLCDPreview", Runs({Command::ShowLCDPreview})},
        DispatchCase{"mnuLEDPreview", Runs({Command::ShowLEDPreview})},
        DispatchCase{"mnuFontPreview", Runs({Command::ShowFontPreview})},
        // A colour key selects its colour and runs no other command.
        DispatchCase{"tlColor12", RunsColor(12)}, DispatchCase{"tlColor1", RunsColor(1)},
        DispatchCase{"tlColor15", RunsColor(15)}, DispatchCase{"tlColor0", Nothing}, DispatchCase{"tlColor16", Nothing},
        DispatchCase{"tlColorX", Nothing}, DispatchCase{"mnunew", Nothing}, DispatchCase{"MNUNEW", Nothing},
        DispatchCase{"mnuNew ", Nothing}, DispatchCase{"tlvg1", Nothing}, DispatchCase{"tlVG7", Nothing},
        DispatchCase{"tlText", Nothing}, DispatchCase{"mnuLCDPreview", Nothing}, DispatchCase{"mnuOption", Nothing},
        DispatchCase{"mnuDeviceLCD", Nothing}, DispatchCase{"mnuFile", Nothing},
        DispatchCase{"tlVerticalGuide", Nothing}, DispatchCase{"tlBold", Nothing}, DispatchCase{"tlCharList", Nothing},
        DispatchCase{"tlFileName", Nothing}, DispatchCase{"tlZoom", Nothing}, DispatchCase{"", Nothing}));

// The keys are compared in this order, each once; none begins with "tlColor", so a
// colour click never also runs a command.
TEST(DispatchOrder, KeysStandInTheComparisonOrderEachOnce) {
  const QStringList expected = {"mnuNew",        "mnuSave",         "mnuSaveAs",       "mnuOpen",
                                "mnuImport",     "mnuExport",       "mnuUndo",         "mnuRedo",
                                "mnuCopy",       "mnuPaste",        "mnuPasteSpecial", "mnuClear",
                                "mnuRemove",     "mnuWidthI",       "mnuWidthD",       "mnuHeightI",
                                "mnuHeightD",    "mnuShiftLeft",    "mnuShiftRight",   "mnuShiftUp",
                                "mnuShiftDown",  "mnuReadFont",     "mnuResetData",    "mnuFontSetting",
                                "mnuCharList",   "tlPoint",         "tlLine",          "tlBorder",
                                "tlRectangle",   "tlReplaceColor",  "tlFlipVertical",  "tlFlipHorizontal",
                                "tlInvert",      "tlVG1",           "tlVG2",           "tlVG3",
                                "tlVG4",         "tlVG5",           "tlVG6",           "tlHG1",
                                "tlHG2",         "tlHG3",           "tlHG4",           "tlHG5",
                                "tlHG6",         "mnuPreviousChar", "mnuNextChar",     "muuLCDPreview",
                                "mnuLEDPreview", "mnuFontPreview"};
  QStringList keys;
  for (const shell::CommandRow& row : shell::CommandTable) {
    keys << QString::fromLatin1(row.key);
    EXPECT_FALSE(keys.back().startsWith("tlColor"));
    EXPECT_NE(row.command, Command::SelectColor);
  }
  EXPECT_EQ(keys, expected);
}

}  // namespace
