#pragma once
// The main window's selection of drawing tool, colour, guide lines, zoom and glyph
// size from the toolbar. Each works on the editor's state (ed.S) and reaches the
// toolbar through the editor's toolbar state (ed.Tools).
#include <QString>
#include <cstdint>

#include "editor/DesignEditor.h"

namespace shell {

// Limits on typed numbers, chosen so that Zoom x 10 and every product of a cell
// size (at most MaxZoom / 10) with a guide position stays far inside 32 bits.
constexpr int32_t MaxZoom = 10000;
constexpr int32_t MaxGuidePosition = 1000000;

// Drawing tool 0 .. 4 ("tlPoint" .. "tlReplaceColor"): the only check mark of
// "bndDrawTools" and CurrentTool. Other values change nothing.
void SelectDrawTool(editor::DesignEditor& ed, int32_t tool);
// Colour 1 .. 15 ("tlColor1" .. "tlColor15"): the only check mark of "bndColors"
// and CurrentColor. Other values change nothing.
void SelectColor(editor::DesignEditor& ed, int32_t color);
// Guide k (1..6) of orientation o (0 vertical, 1 horizontal): off when on, else
// asks for its position; then redraws.
void ToggleGuideLine(editor::DesignEditor& ed, int32_t o, int32_t k);
// The toolbar's value change: "tlZoom" sets Zoom from its text and redraws.
void ToolChange(editor::DesignEditor& ed, const QString& key, const QString& text);
// A key in a toolbar box: Enter (13) in "tlZoom", "tlWidth" or "tlHeight".
void ToolKeyDown(editor::DesignEditor& ed, const QString& key, const QString& text, int32_t keyCode);

}  // namespace shell
