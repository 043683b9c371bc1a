#include "shell/ToolBarState.h"

#include "shell/Commands.h"

namespace shell {

void ToolBarState::SetRedoEnabled(bool enabled) { Tool(QStringLiteral("mnuRedo")).SetEnabled(enabled); }

void ToolBarState::ShowZoom(int32_t zoom) { Tool(QStringLiteral("tlZoom")).SetText(QString::number(zoom)); }

void ToolBarState::ShowGlyphSize(int32_t width, int32_t height) {
  Tool(QStringLiteral("tlWidth")).SetText(QString::number(width));
  Tool(QStringLiteral("tlHeight")).SetText(QString::number(height));
}

editor::FontImportSettings ToolBarState::ImportSettings() {
  return {.family = Tool(QStringLiteral("tlFont")).Text(),
          .sizeText = Tool(QStringLiteral("tlSize")).Text(),
          .bold = Tool(QStringLiteral("tlBold")).Checked(),
          .italic = Tool(QStringLiteral("tlItalic")).Checked(),
          .underline = Tool(QStringLiteral("tlUnderline")).Checked()};
}

QString ToolBarState::ShiftAmountText() { return Tool(QStringLiteral("tlShift")).Text(); }

void ToolBarState::ShowDrawTool(int32_t tool) {
  // The drawing tools are the rows of SelectDrawTool, each with its CurrentTool value;
  // the "Text" button shares their check mark but selects no tool.
  Tool(QStringLiteral("tlText")).SetChecked(false);
  for (const CommandRow& row : CommandTable)
    if (row.command == Command::SelectDrawTool) Tool(QLatin1String(row.key)).SetChecked(row.arg == tool);
}

void ToolBarState::ShowColor(int32_t color) {
  for (int n = 1; n <= 15; ++n) Tool(QStringLiteral("tlColor%1").arg(n)).SetChecked(n == color);
}

}  // namespace shell
