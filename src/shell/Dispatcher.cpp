#include "shell/Dispatcher.h"

#include <functional>
#include <utility>
#include <vector>

namespace shell {

namespace {

using Action = std::function<void(CommandTarget&)>;

// The keys in the order they are compared; the first match wins.
const std::vector<std::pair<QString, Action>>& Commands() {
  static const std::vector<std::pair<QString, Action>> table = [] {
    std::vector<std::pair<QString, Action>> t = {
        {"mnuNew", [](CommandTarget& c) { c.NewProject(); }},
        {"mnuSave", [](CommandTarget& c) { c.SaveProject(); }},
        {"mnuSaveAs", [](CommandTarget& c) { c.SaveProjectAs(); }},
        {"mnuOpen", [](CommandTarget& c) { c.OpenProject(); }},
        {"mnuImport", [](CommandTarget& c) { c.ShowImport(); }},
        {"mnuExport", [](CommandTarget& c) { c.ShowExport(); }},
        {"mnuUndo", [](CommandTarget& c) { c.Undo(); }},
        {"mnuRedo", [](CommandTarget& c) { c.Redo(); }},
        {"mnuCopy", [](CommandTarget& c) { c.CopyData(); }},
        {"mnuPaste", [](CommandTarget& c) { c.PasteData(); }},
        {"mnuPasteSpecial", [](CommandTarget& c) { c.PasteSpecial(); }},
        {"mnuClear", [](CommandTarget& c) { c.SaveUndoAction(); c.ClearDesignData(); c.DrawAll(); }},
        {"mnuRemove", [](CommandTarget& c) { c.RemoveCharacter(); }},
        {"mnuWidthI", [](CommandTarget& c) { c.WidthInc(); }},
        {"mnuWidthD", [](CommandTarget& c) { c.WidthDec(); }},
        {"mnuHeightI", [](CommandTarget& c) { c.HeightInc(); }},
        {"mnuHeightD", [](CommandTarget& c) { c.HeightDec(); }},
        {"mnuShiftLeft", [](CommandTarget& c) { c.ShiftDataLeft(); c.DrawAll(); }},
        {"mnuShiftRight", [](CommandTarget& c) { c.ShiftDataRight(); c.DrawAll(); }},
        {"mnuShiftUp", [](CommandTarget& c) { c.ShiftDataUp(); c.DrawAll(); }},
        {"mnuShiftDown", [](CommandTarget& c) { c.ShiftDataDown(); c.DrawAll(); }},
        {"mnuReadFont", [](CommandTarget& c) { c.ReadFromFont(); }},
        {"mnuResetData", [](CommandTarget& c) { c.ResetData(); }},
        {"mnuFontSetting", [](CommandTarget& c) { c.ShowFontSetting(); }},
        {"mnuCharList", [](CommandTarget& c) { c.ShowCharListEditor(); }},
    };
    for (const char* tool : {"tlPoint", "tlLine", "tlBorder", "tlRectangle", "tlReplaceColor"}) {
      const QString key = QString::fromLatin1(tool);
      t.emplace_back(key, [key](CommandTarget& c) { c.SelectDrawTool(key); });
    }
    t.emplace_back("tlFlipVertical", [](CommandTarget& c) { c.FlipVertical(); });
    t.emplace_back("tlFlipHorizontal", [](CommandTarget& c) { c.FlipHorizontal(); });
    t.emplace_back("tlInvert", [](CommandTarget& c) { c.Invert(); });
    for (int o = 0; o < 2; ++o)
      for (int k = 1; k <= 6; ++k)
        t.emplace_back(QString(o == 0 ? "tlVG%1" : "tlHG%1").arg(k),
                       [o, k](CommandTarget& c) { c.ToggleGuideLine(o, k); });
    t.emplace_back("mnuPreviousChar", [](CommandTarget& c) { c.PreviousCharacter(); });
    t.emplace_back("mnuNextChar", [](CommandTarget& c) { c.NextCharacter(); });
    t.emplace_back("muuLCDPreview", [](CommandTarget& c) { c.ShowLCDPreview(); });
    t.emplace_back("mnuLEDPreview", [](CommandTarget& c) { c.ShowLEDPreview(); });
    t.emplace_back("mnuFontPreview", [](CommandTarget& c) { c.ShowFontPreview(); });
    return t;
  }();
  return table;
}

}  // namespace

bool DispatchToolClick(const QString& key, CommandTarget& t) {
  bool matched = false;
  for (const auto& [k, action] : Commands()) {
    if (k == key) {
      action(t);
      matched = true;
      break;
    }
  }
  if (key.left(7) == QLatin1String("tlColor")) t.SelectColor(key);
  return matched;
}

}  // namespace shell
