#include "shell/Selection.h"

#include <QDebug>
#include <algorithm>
#include <exception>
#include <optional>

#include "controls/Modal.h"
#include "platform/Numbers.h"

namespace shell {

namespace {

constexpr int EnterKey = 13;

// The text's number: its leading number, rounded half to even into 32 bits.
int32_t TextNumber(const QString& text) { return platform::RoundToInt32(platform::LeadingNumber(text)); }

}  // namespace

void SelectDrawTool(editor::DesignEditor& ed, int32_t tool) {
  if (tool < doc::ToolPoint || tool > doc::ToolReplaceColor) return;
  ed.Tools.ShowDrawTool(tool);
  ed.S.CurrentTool = tool;
}

void SelectColor(editor::DesignEditor& ed, int32_t color) {
  if (color < 1 || color > 15) return;
  ed.Tools.ShowColor(color);
  ed.S.CurrentColor = color;
}

void ToggleGuideLine(editor::DesignEditor& ed, int32_t o, int32_t k) {
  if (o < 0 || o > 1 || k < 1 || k > 6) return;
  int32_t& guide = ed.S.GuideLine[o][k - 1];
  if (guide != 0) {
    guide = 0;
  } else {
    const auto answer = controls::Modal::InputBox("Enter Guide Line Position", "Guide Line");
    guide = answer ? std::clamp(TextNumber(*answer), -MaxGuidePosition, MaxGuidePosition) : 0;
  }
  ed.DrawAll();
}

void ToolChange(editor::DesignEditor& ed, const QString& key, const QString& text) {
  if (key != QLatin1String("tlZoom")) return;
  int32_t zoom = std::clamp(TextNumber(text), -MaxZoom, MaxZoom);
  if (zoom == 0) zoom = 100;
  ed.S.Zoom = zoom;
  // A failing redraw ends where it failed; the zoom box stays usable.
  try {
    ed.DrawAll();
  } catch (const std::exception& e) {
    qWarning() << "redraw after zoom change failed:" << e.what();
  } catch (...) {
    qWarning() << "redraw after zoom change failed";
  }
}

void ToolKeyDown(editor::DesignEditor& ed, const QString& key, const QString& text, int32_t keyCode) {
  if (keyCode != EnterKey) return;
  if (key == QLatin1String("tlZoom")) {
    ToolChange(ed, key, text);
  } else if (key == QLatin1String("tlWidth")) {
    // DrawAll lowers a width above MaxWidth; a record cannot hold a negative one.
    ed.ChangeGrid([&] {
      ed.CharWidth = std::max(0, TextNumber(text));
      ed.DrawAll();
    });
  } else if (key == QLatin1String("tlHeight")) {
    ed.ChangeGrid([&] {
      ed.CharHeight = std::max(0, TextNumber(text));
      ed.DrawAll();
    });
  }
}

}  // namespace shell
