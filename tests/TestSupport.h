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

// The editor's surroundings without windows, one object for the three ports: the
// toolbar is a map of texts, checks and enabled states, the list a count and a
// selected code, the view counts its redraws.
class FakeDesignHost : public doc::GlyphList, public editor::ToolState, public editor::DesignView {
 public:
  std::optional<int> selected;
  int itemCount = 512;
  QString listName;
  QSize screen{1920, 1080};
  QMap<QString, QString> texts;
  QMap<QString, bool> checked;
  QMap<QString, bool> enabled;
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
  QString ToolText(const QString& key) override { return texts.value(key); }
  void SetToolText(const QString& key, const QString& text) override { texts[key] = text; }
  bool ToolChecked(const QString& key) override { return checked.value(key); }
  void SetToolChecked(const QString& key, bool on) override { checked[key] = on; }
  void SetToolEnabled(const QString& key, bool on) override { enabled[key] = on; }
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
