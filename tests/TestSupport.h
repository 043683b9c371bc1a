#pragma once
// Shared helpers for the tests of the editor and the layers above it.
#include <QRect>
#include <QSize>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "DocumentTestSupport.h"
#include "document/ModConst.h"
#include "editor/DesignEditor.h"

namespace testsupport {

// The editor's surroundings without windows, one object for the three ports: the
// toolbar keeps what it was last told to show and the import settings the test puts
// there, the list a count and a selected code, the view counts its redraws.
class FakeDesignHost : public doc::GlyphList, public editor::ToolState, public editor::DesignView {
 public:
  std::optional<int> selected;
  int itemCount = 512;
  QString listName;
  QSize screen{1920, 1080};
  std::optional<bool> redoEnabled;
  std::optional<int32_t> zoomShown;
  std::optional<QSize> glyphSizeShown;
  std::optional<int32_t> drawToolShown;
  std::optional<int32_t> colorShown;
  editor::FontImportSettings importSettings;
  QString shiftText;
  std::vector<int> refreshed;  // RefreshCharIcons calls
  int gridRedraws = 0;
  int previewRedraws = 0;
  std::vector<int> selections;  // SelectCode calls

  // doc::GlyphList.
  std::optional<int> SelectedCode() override { return selected; }
  int ItemCount() override { return itemCount; }
  void SelectCode(int code) override {
    selections.push_back(code);
    selected = code;
  }
  void RefreshCharIcons(int code) override { refreshed.push_back(code); }
  QString ListName() override { return listName; }
  // editor::ToolState.
  void SetRedoEnabled(bool on) override { redoEnabled = on; }
  void ShowZoom(int32_t zoom) override { zoomShown = zoom; }
  void ShowGlyphSize(int32_t width, int32_t height) override { glyphSizeShown = QSize(width, height); }
  editor::FontImportSettings ImportSettings() override { return importSettings; }
  QString ShiftAmountText() override { return shiftText; }
  void ShowDrawTool(int32_t tool) override { drawToolShown = tool; }
  void ShowColor(int32_t color) override { colorShown = color; }
  // editor::DesignView.
  QSize ScreenSize() override { return screen; }
  void GridRedrawn() override { ++gridRedraws; }
  void GridPictureChanged(const QRect&) override {}
  void PreviewRedrawn() override { ++previewRedraws; }
};

// A fresh program state after InitDefaults, with Zoom 100, and an editor on it.
struct EditorFixture {
  doc::ModConst s;
  FakeDesignHost host;
  editor::DesignEditor ed{s, host, host, &host};
  EditorFixture() {
    doc::InitDefaults(s);
    s.Zoom = 100;
  }
  int UndoSlotsInUse() const { return ed.History.InUse(); }
};

}  // namespace testsupport
