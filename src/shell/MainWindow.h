#pragma once
// frmMain, the main window: toolbar and menu control, the docked character-list
// panel, the MDI area holding the design window, and the start-up procedure Main.
#include <QMainWindow>
#include <QMdiArea>
#include <functional>
#include <memory>

#include "document/ModConst.h"
#include "document/Ports.h"
#include "editor/DesignEditor.h"
#include "editor/DesignWindow.h"
#include "platform/IniFile.h"
#include "controls/ToolBarControl.h"
#include "plugins/PluginScan.h"
#include "plugins/PluginWindows.h"
#include "preview/Shaping.h"
#include "shell/Dispatcher.h"
#include "shell/ToolBarState.h"

namespace charlists {
class CharListPanel;
}

namespace shell {

class frmSpilash;
class MainFileCommands;

class frmMain : public QMainWindow {
  Q_OBJECT
 public:
  // programFolder: where CharList.ini lives (the executable's folder).
  frmMain(doc::ModConst& state, QString programFolder, QWidget* parent = nullptr);
  ~frmMain() override;

  // The installed font families, in the order the font database lists them
  // (tests put their own list here before the load).
  std::function<QStringList()> InstalledFonts;

  // Load: InitMainWindow, then the design window comes up inside.
  void MDIForm_Load();
  void InitMainWindow();

  // Toolbar events.
  void ToolBar_ToolClick(controls::BarTool& tool);
  // Runs one command of a click: the only place where a command value becomes a call.
  void RunCommand(const CommandCall& call);
  void ToolBar_ToolChange(controls::BarTool& tool);
  void ToolBar_ToolKeyDown(controls::BarTool& tool, int& keyCode);
  void ToolBar_CloseQuery(bool& cancel);
  void MDIForm_QueryUnload(int& cancel, int unloadMode);

  QString CharListPath() const { return programFolder_ + QStringLiteral("/CharList.ini"); }

  doc::ModConst& S;
  controls::ToolBarControl ToolBar;
  // The toolbar as the design window's logic reads and sets it.
  ToolBarState BarState{ToolBar};
  platform::IniFile Ini;
  charlists::CharListPanel* picCharList = nullptr;
  QMdiArea* mdiArea = nullptr;
  std::unique_ptr<editor::DesignEditor> Design;
  editor::frmDesign* DesignWindow = nullptr;
  bool CloseQueryDone = false;
  bool CloseQueryCancel = false;
  // The glyph-code tables of the previews, filled once at start-up.
  preview::CharTables Tables;
  // The plug-in tables the start-up scan fills, and where plug-ins come from.
  plugins::PluginState Plugins;

  // frmCharDefault, modal (also the last step of New).
  void ShowFontSetting();

 protected:
  void closeEvent(QCloseEvent* e) override;

 private:
  void GiveGridTheFocus();
  // The names listed in the toolbar's "tlFont", in their order.
  QStringList FontNames();
  // What the import and export windows call of the editor and the panel.
  plugins::FontHooks PluginHooks();

  QString programFolder_;
  std::unique_ptr<MainFileCommands> fileCommands_;
};

// The program: Main shows the splash, the main window and runs the start-up work.
class Application {
 public:
  Application();
  ~Application();
  void Main();

  doc::ModConst S;
  std::unique_ptr<frmMain> MainWindow;
  frmSpilash* Splash = nullptr;
};

}  // namespace shell
