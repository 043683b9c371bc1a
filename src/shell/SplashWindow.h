#pragma once
// frmSpilash: the start-up window with the version and the status line.
#include <QLabel>
#include <QWidget>
#include <functional>

#include "controls/Button.h"
#include "plugins/PluginScan.h"

namespace shell {

class frmSpilash : public QWidget {
  Q_OBJECT
 public:
  explicit frmSpilash(QWidget* parent = nullptr);

  // Shows the OK button when set before the window loads; nothing sets it at start-up.
  bool ShowOkButton = false;

  void Form_Load();
  void cmdOK_Click();
  // The plug-in tables the scan fills and where plug-ins are found; the
  // application sets it before Init (without it nothing is scanned).
  plugins::PluginState* Plugins = nullptr;
  // Fills the glyph-code tables of text shaping; the application sets it.
  std::function<void()> InitCharTables;

  // Start-up work after the main window is up: the plug-in folders Import, Export
  // and Device, then the glyph-code tables; closes the window at the end.
  void Init();
  void ScanPluginFolder(plugins::PluginKind kind);

  // major.minor.revision, each a plain decimal number.
  static QString VersionText(int major, int minor, int revision);

  QLabel* lblVersion = nullptr;
  QLabel* lblText = nullptr;
  controls::Button* cmdOK = nullptr;

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  QImage picture_;
};

}  // namespace shell
