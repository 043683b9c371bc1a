#pragma once
// The toolbar's tools by key as the design window's logic sees them, over the main
// window's toolbar control.
#include "editor/Ports.h"
#include "controls/ToolBarControl.h"

namespace shell {

class ToolBarState final : public editor::ToolState {
 public:
  explicit ToolBarState(controls::ToolBarControl& bar) : bar_(bar) {}

  QString ToolText(const QString& key) override;
  void SetToolText(const QString& key, const QString& text) override;
  bool ToolChecked(const QString& key) override;
  void SetToolChecked(const QString& key, bool checked) override;
  void SetToolEnabled(const QString& key, bool enabled) override;

 private:
  controls::ToolBarControl& bar_;
};

}  // namespace shell
