#pragma once
// Shared helpers for the tests of every subsystem.
#include <QFile>
#include <QMap>
#include <QRect>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

#include "document/ModConst.h"
#include "editor/DesignEditor.h"

namespace testsupport {

// Folder of the source tree, for fixtures under tests/ and data/.
inline QString SourceDir() { return QStringLiteral(QN_SOURCE_DIR); }

// The whole content of a small test file ("" when it cannot be read), and a file
// made with exactly these bytes.
inline QByteArray ReadBytes(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
inline bool WriteBytes(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

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
  std::vector<int> refreshed;   // RefreshCharIcons calls
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

// A CharRecord of w x h cells whose cell (x, y) is cell(x, y), built by hand so that
// tests do not lean on the encoder they may be checking.
inline std::string MakeRecord(int w, int h, const std::function<uint8_t(int, int)>& cell) {
  std::string r{static_cast<char>(w / 255), static_cast<char>(w % 255), static_cast<char>(h / 255),
                static_cast<char>(h % 255)};
  r.reserve(4 + static_cast<size_t>(w) * static_cast<size_t>(h));
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) r.push_back(static_cast<char>(cell(x, y)));
  return r;
}

// A fresh program state after InitDefaults, with Zoom 100, and an editor on it.
struct EditorFixture {
  doc::ModConst s;
  FakeDesignHost host;
  editor::DesignEditor ed{s, host, host, &host};
  EditorFixture() {
    doc::InitDefaults(s);
    s.Zoom = 100;
  }
  int UndoSlotsInUse() const {
    return ed.History.InUse();
  }
};

// Runs check as an ordinary user and tells whether it held. Root may write any
// file, so as root it runs in a child process that gives up root first (user and
// group 65534); files it must reach need permissions for others.
inline bool AsOrdinaryUser(const std::function<bool()>& check) {
  if (::geteuid() != 0) return check();
  const pid_t child = ::fork();
  if (child < 0) return false;
  if (child == 0) {
    ::alarm(60);  // a stuck child must not hold the test
    const bool ok = ::setgid(65534) == 0 && ::setuid(65534) == 0 && check();
    ::_exit(ok ? 0 : 1);
  }
  int status = 0;
  if (::waitpid(child, &status, 0) != child) return false;
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace testsupport
