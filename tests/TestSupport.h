#pragma once
// Shared helpers for the tests of the editor and the layers above it.
#include <QMap>
#include <QRect>
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

// A design host without windows: the toolbar is a map of texts, checks and
// enabled states, the list view a count and a selected code.
class FakeDesignHost : public editor::DesignHost {
 public:
  std::optional<int> selected;
  int itemCount = 512;
  QSize screen{1920, 1080};
  QMap<QString, QString> texts;
  QMap<QString, bool> checked;
  QMap<QString, bool> enabled;
  std::vector<int> refreshed;   // RefreshCharIcons calls
  int gridRedraws = 0;
  int previewRedraws = 0;
  std::vector<int> selections;  // SelectListItem calls

  std::optional<int> SelectedCode() override { return selected; }
  void RefreshCharIcons(int code) override { refreshed.push_back(code); }
  QString ToolText(const QString& key) override { return texts.value(key); }
  void SetToolText(const QString& key, const QString& text) override { texts[key] = text; }
  bool ToolChecked(const QString& key) override { return checked.value(key); }
  void SetToolChecked(const QString& key, bool on) override { checked[key] = on; }
  void SetToolEnabled(const QString& key, bool on) override { enabled[key] = on; }
  QSize ScreenSize() override { return screen; }
  void GridRedrawn() override { ++gridRedraws; }
  void GridPictureChanged(const QRect&) override {}
  void PreviewRedrawn() override { ++previewRedraws; }
  int ListItemCount() override { return itemCount; }
  void SelectListItem(int code) override {
    selections.push_back(code);
    selected = code;
  }
};

// A fresh program state after InitDefaults, with Zoom 100, and an editor on it.
struct EditorFixture {
  doc::ModConst s;
  FakeDesignHost host;
  editor::DesignEditor ed{s, host};
  EditorFixture() {
    doc::InitDefaults(s);
    s.Zoom = 100;
  }
  int UndoSlotsInUse() const {
    int n = 0;
    for (const auto& slot : ed.UndoList) n += slot.empty() ? 0 : 1;
    return n;
  }
};

}  // namespace testsupport
