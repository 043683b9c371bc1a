#include "shell/ToolBarState.h"

namespace shell {

QString ToolBarState::ToolText(const QString& key) { return bar_.Tools().Item(key).Text(); }

void ToolBarState::SetToolText(const QString& key, const QString& text) { bar_.Tools().Item(key).SetText(text); }

bool ToolBarState::ToolChecked(const QString& key) { return bar_.Tools().Item(key).Checked(); }

void ToolBarState::SetToolChecked(const QString& key, bool checked) { bar_.Tools().Item(key).SetChecked(checked); }

void ToolBarState::SetToolEnabled(const QString& key, bool enabled) { bar_.Tools().Item(key).SetEnabled(enabled); }

}  // namespace shell
