#pragma once
// The toolbar as the design window's logic sees it, over the main window's toolbar
// control: the keys of the tools that show the editor's state stand here, beside the
// layout that makes them.
#include "controls/ToolBarControl.h"
#include "editor/Ports.h"

namespace shell {

class ToolBarState final : public editor::ToolState {
 public:
  explicit ToolBarState(controls::ToolBarControl& bar) : bar_(bar) {}

  void SetRedoEnabled(bool enabled) override;
  void ShowZoom(int32_t zoom) override;
  void ShowGlyphSize(int32_t width, int32_t height) override;
  editor::FontImportSettings ImportSettings() override;
  QString ShiftAmountText() override;
  void ShowDrawTool(int32_t tool) override;
  void ShowColor(int32_t color) override;

 private:
  controls::BarTool& Tool(const QString& key) const { return bar_.Tools().Item(key); }

  controls::ToolBarControl& bar_;
};

}  // namespace shell
