#pragma once
// The file commands over a real editor, with the windows around them played by the
// test: shared by the tests of the file commands.
#include <QDialog>
#include <QFile>
#include <QTemporaryDir>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <vector>

#include "TestSupport.h"
#include "controls/MessageDialog.h"
#include "controls/Modal.h"
#include "dialogs/FileCommandWindows.h"

namespace testsupport {

using namespace doc;
using dialogs::FileCommandWindows;

// The character list as the file commands see it, over the fixture's design host.
class FakeGlyphList : public GlyphList {
 public:
  explicit FakeGlyphList(testsupport::FakeDesignHost& h) : h_(h) {}
  std::vector<int> refreshed;
  QString listName = QStringLiteral("Persian");

  std::optional<int> SelectedCode() override { return h_.selected; }
  int ItemCount() override { return h_.itemCount; }
  void SelectCode(int code) override { h_.selected = code; }
  void RefreshCharIcons(int code) override { refreshed.push_back(code); }
  QString ListName() override { return listName; }

 private:
  testsupport::FakeDesignHost& h_;
};

// The editor's procedures as the main window hands them over, counting DrawFont.
class CountingDesign : public DesignProcedures {
 public:
  explicit CountingDesign(editor::DesignEditor& ed) : ed_(ed) {}
  int drawFonts = 0;
  void SaveFontData() override { ed_.SaveFontData(); }
  void DrawFont() override {
    ++drawFonts;
    ed_.DrawFont();
  }
  void DrawAll() override { ed_.DrawAll(); }
  void LoadFontData() override { ed_.LoadFontData(); }

 private:
  editor::DesignEditor& ed_;
};

// The main window as the file commands see it, over a real editor: messages go
// through the real message window (scripted), the file chooser is played here.
class FakeFileHost : public CountingDesign, public FileCommandWindows {
 public:
  FakeFileHost(testsupport::EditorFixture& f, FakeGlyphList& list)
      : CountingDesign(f.ed), FileCommandWindows(list, *this) {}
  std::deque<std::optional<QString>> chooserAnswers;
  std::vector<QString> chooserCaptions;
  std::vector<QString> captions;  // tlFileName
  std::function<void()> settings = [] {};
  int settingsShown = 0;

  void ShowFontSettings() override {
    ++settingsShown;
    settings();
  }
  void SetFileNameCaption(const QString& path) override { captions.push_back(path); }
  std::optional<QString> ChooseFile(const QString& caption) override {
    chooserCaptions.push_back(caption);
    if (chooserAnswers.empty()) {
      ADD_FAILURE() << "unexpected file chooser";
      return std::nullopt;
    }
    auto a = chooserAnswers.front();
    chooserAnswers.pop_front();
    return a;
  }
};

// One scripted message: checks its text and presses a button.
inline controls::Modal::Answer Message(QString* shown, int press) {
  return [shown, press](QDialog& d) {
    auto& box = static_cast<controls::MessageDialog&>(d);
    if (shown) *shown = box.Prompt;
    box.Press(press);
    return d.result();
  };
}

struct FileCommandsTest : ::testing::Test {
  testsupport::EditorFixture f;
  FakeGlyphList list{f.host};
  FakeFileHost host{f, list};
  QTemporaryDir dir;
  ModConst& s = f.s;

  QString Path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
  // Glyph 65 drawn and current, the font changed.
  void EditGlyph() {
    f.host.selected = 65;
    f.ed.DrawFont();
    s.DesignData.Set(1, 1, 5);
    f.ed.SaveFontData();
    ASSERT_TRUE(s.FontModified);
  }
  void WriteBytes(const QString& path, const QByteArray& b) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(b);
  }
};

}  // namespace testsupport
