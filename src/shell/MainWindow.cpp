#include "shell/MainWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

#include "dialogs/CharDefaultDialog.h"
#include "dialogs/FileCommandWindows.h"
#include "plugins/PluginWindows.h"
#include "preview/FontPreview.h"
#include "preview/LCDPreview.h"
#include "preview/LEDPreview.h"
#include "charlists/CharListEditor.h"
#include "charlists/CharListPanel.h"
#include "platform/FontFamilies.h"
#include "shell/MainLayout.h"
#include "shell/Selection.h"
#include "shell/SplashWindow.h"

namespace shell {

using charlists::CharListPanel;
using charlists::ShowCharListEditor;

// The file commands' host: messages and the file dialog as the windows show them,
// the settings dialog and the file name on the toolbar of this main window; and the
// save prompt as the plug-in windows ask it.
class MainFileCommands : public dialogs::FileCommandWindows, public doc::SavePrompt {
 public:
  MainFileCommands(frmMain& main, doc::GlyphList& list, doc::DesignProcedures& design)
      : FileCommandWindows(list, design), main_(main) {}
  void ShowFontSettings() override { main_.ShowFontSetting(); }
  void SetFileNameCaption(const QString& path) override { main_.ToolBar.Tools().Item("tlFileName").SetCaption(path); }
  bool ConfirmSaveProject() override { return doc::ConfirmSaveProject(main_.S, *this); }

 private:
  frmMain& main_;
};

frmMain::frmMain(doc::ModConst& state, QString programFolder, QWidget* parent)
    : QMainWindow(parent), S(state), programFolder_(std::move(programFolder)) {
  setWindowTitle(QStringLiteral("Quillane II"));
  Plugins.Environment = plugins::PluginEnvironment::ForProgram(programFolder_);
  // A sensible first size: most of the screen, never beyond it.
  if (const QScreen* sc = QGuiApplication::primaryScreen())
    resize(sc->availableSize().boundedTo(QSize(1280, 900)) * 0.95);
  else
    resize(1100, 760);
  InstalledFonts = [] { return platform::UserFontFamilies(QFontDatabase::families()); };
  mdiArea = new QMdiArea(this);
  setCentralWidget(mdiArea);
  ToolBar.Build(*this, MainLayout());
  picCharList = new CharListPanel(S, Ini, CharListPath(), this);
  Design = std::make_unique<editor::DesignEditor>(S, *picCharList, BarState);
  picCharList->SetPreviewPicture(&Design->PreviewPicture);

  // Direct connections: the handlers write the reference arguments back.
  connect(
      &ToolBar, &controls::ToolBarControl::ToolClick, this, [this](controls::BarTool& t) { ToolBar_ToolClick(t); },
      Qt::DirectConnection);
  connect(
      &ToolBar, &controls::ToolBarControl::ToolChange, this, [this](controls::BarTool& t) { ToolBar_ToolChange(t); },
      Qt::DirectConnection);
  connect(
      &ToolBar, &controls::ToolBarControl::ToolKeyDown, this,
      [this](controls::BarTool& t, int& k) { ToolBar_ToolKeyDown(t, k); }, Qt::DirectConnection);
  connect(
      &ToolBar, &controls::ToolBarControl::CloseQuery, this, [this](bool& cancel) { ToolBar_CloseQuery(cancel); },
      Qt::DirectConnection);
  picCharList->SetDesign(Design.get());
  fileCommands_ = std::make_unique<MainFileCommands>(*this, *picCharList, *Design);
}

frmMain::~frmMain() = default;

void frmMain::MDIForm_Load() {
  InitMainWindow();
  // The design window comes up inside the main window, maximised; its load draws the empty grid.
  DesignWindow = new editor::frmDesign(*Design);
  Design->AttachView(DesignWindow);
  mdiArea->addSubWindow(DesignWindow);
  DesignWindow->showMaximized();
  DesignWindow->Form_Load();
}

void frmMain::InitMainWindow() {
  // 1. Installed fonts, "tahoma" chosen by its whole name in any letter case.
  controls::BarTool& font = ToolBar.Bands().Item("bndFont").Tools().Item("tlFont");
  const QStringList families = InstalledFonts();
  for (const QString& family : families) font.AddItem(family);
  // Without Tahoma, the family drawn in its place, so that the box names the font imports use.
  if (const int tahoma = platform::IndexOfTahoma(families); tahoma >= 0) font.SetListIndex(tahoma);
  // 2. The character-list panel docks as the control of "tlCharList".
  ToolBar.Bands().Item("bndCharList").Tools().Item("tlCharList").SetControl(picCharList);
  if (QDockWidget* dock = ToolBar.Bands().Item("bndCharList").Dock())
    resizeDocks({dock}, {270}, Qt::Horizontal);  // room for both columns
  // 3, 4. List names from Item1 on, and the first list chosen: its texts fill
  // CharText and the 512 items.
  picCharList->ReadListNames();
  // 5, 6.
  S.LEDRows = 16;
  S.Zoom = 100;
  doc::InitDefaults(S);
}

void frmMain::ToolBar_ToolClick(controls::BarTool& tool) {
  const ToolClickCommands run = DispatchToolClick(tool.Name());
  if (run.matched) RunCommand(*run.matched);
  if (run.color) RunCommand(*run.color);
}

void frmMain::RunCommand(const CommandCall& call) {
  switch (call.command) {
    case Command::NewProject: doc::NewProject(S, *fileCommands_); break;
    case Command::SaveProject: doc::SaveProject(S, *fileCommands_); break;
    case Command::SaveProjectAs: doc::SaveProjectAs(S, *fileCommands_); break;
    case Command::OpenProject: doc::OpenProject(S, *fileCommands_); break;
    case Command::Undo: Design->Undo(); break;
    case Command::Redo: Design->Redo(); break;
    case Command::CopyData: Design->CopyData(); break;
    case Command::PasteData: Design->PasteData(); break;
    case Command::ClearDesignData:
      Design->ChangeGrid([this] {
        Design->SaveUndoAction();  // Clear is one undo step like every other edit
        doc::ClearDesignData(S);
      });
      break;
    case Command::RemoveCharacter: picCharList->RemoveCharacter(); break;
    case Command::WidthInc: Design->WidthInc(); break;
    case Command::WidthDec: Design->WidthDec(); break;
    case Command::HeightInc: Design->HeightInc(); break;
    case Command::HeightDec: Design->HeightDec(); break;
    case Command::ShiftDataLeft: Design->ShiftDataLeft(); break;
    case Command::ShiftDataRight: Design->ShiftDataRight(); break;
    case Command::ShiftDataUp: Design->ShiftDataUp(); break;
    case Command::ShiftDataDown: Design->ShiftDataDown(); break;
    case Command::ReadFromFont: Design->ReadFromFont(); break;
    case Command::ResetData: Design->ResetData(); break;
    case Command::FlipVertical: Design->FlipVertical(); break;
    case Command::FlipHorizontal: Design->FlipHorizontal(); break;
    case Command::Invert: Design->Invert(); break;
    case Command::PreviousCharacter: Design->PreviousCharacter(); break;
    case Command::NextCharacter: Design->NextCharacter(); break;
    case Command::ShowFontSetting: ShowFontSetting(); break;
    case Command::SelectDrawTool: shell::SelectDrawTool(*Design, call.arg); break;
    case Command::ToggleVerticalGuide: shell::ToggleGuideLine(*Design, 0, call.arg); break;
    case Command::ToggleHorizontalGuide: shell::ToggleGuideLine(*Design, 1, call.arg); break;
    case Command::SelectColor: shell::SelectColor(*Design, call.arg); break;
    case Command::PasteSpecial: Design->PasteSpecial(); break;
    // A saved list shows its new texts the next time it is chosen in the panel.
    case Command::ShowCharListEditor: ShowCharListEditor(Ini, CharListPath(), this); break;
    case Command::ShowLCDPreview: preview::ShowLCDPreview(S, S.ColorTable, Tables, this); break;
    case Command::ShowLEDPreview: preview::ShowLEDPreview(S, S.LEDRows, Tables, this); break;
    case Command::ShowFontPreview: preview::ShowFontPreview(FontNames(), this); break;
    case Command::ShowImport: plugins::ShowImport(Plugins, S, PluginHooks(), this); break;
    case Command::ShowExport: plugins::ShowExport(Plugins, S, PluginHooks(), this); break;
  }
  if (call.drawAllAfter) Design->DrawAll();
}

void frmMain::ToolBar_ToolChange(controls::BarTool& tool) {
  shell::ToolChange(*Design, tool.Name(), tool.Text());
  if (tool.Name() == QLatin1String("tlZoom")) GiveGridTheFocus();
}

void frmMain::ToolBar_ToolKeyDown(controls::BarTool& tool, int& keyCode) {
  shell::ToolKeyDown(*Design, tool.Name(), tool.Text(), keyCode);
  const QString& key = tool.Name();
  if (keyCode == 13 &&
      (key == QLatin1String("tlZoom") || key == QLatin1String("tlWidth") || key == QLatin1String("tlHeight")))
    GiveGridTheFocus();
}

void frmMain::GiveGridTheFocus() {
  // After a value is taken, the edit keys (undo, copy, paste) belong to the glyph again.
  if (DesignWindow)
    QTimer::singleShot(0, DesignWindow->picDesign, [grid = DesignWindow->picDesign] { grid->setFocus(); });
}

void frmMain::ToolBar_CloseQuery(bool& cancel) {
  if (!doc::ConfirmSaveProject(S, *fileCommands_)) cancel = true;
  CloseQueryDone = true;
  CloseQueryCancel = cancel;
}

void frmMain::MDIForm_QueryUnload(int& cancel, int) {
  if (CloseQueryDone) {
    cancel = CloseQueryCancel ? 1 : 0;
    CloseQueryDone = false;
  }
}

void frmMain::closeEvent(QCloseEvent* e) {
  int cancel = 0;
  MDIForm_QueryUnload(cancel, 0);
  if (cancel) {
    e->ignore();
    return;
  }
  QMainWindow::closeEvent(e);
}

plugins::FontHooks frmMain::PluginHooks() { return {Design.get(), fileCommands_.get(), picCharList}; }

QStringList frmMain::FontNames() {
  const controls::BarTool& font = ToolBar.Tools().Item("tlFont");
  QStringList names;
  for (int i = 0; i < font.ListCount(); ++i) names << font.List(i);
  return names;
}

void frmMain::ShowFontSetting() { dialogs::ShowFontSettings(S, *Design, this); }

// Application.

Application::Application() = default;
Application::~Application() = default;

void Application::Main() {
  Splash = new frmSpilash();
  Splash->setAttribute(Qt::WA_DeleteOnClose);
  if (const QScreen* sc = QGuiApplication::primaryScreen())
    Splash->move(sc->availableGeometry().center() - Splash->rect().center());
  Splash->show();
  Splash->repaint();
  QCoreApplication::processEvents();
  MainWindow = std::make_unique<frmMain>(S, QCoreApplication::applicationDirPath());
  MainWindow->MDIForm_Load();
  MainWindow->show();
  Splash->raise();
  Splash->Plugins = &MainWindow->Plugins;
  Splash->InitCharTables = [this] { preview::InitCharTables(MainWindow->Tables); };
  Splash->Init();
  MainWindow->activateWindow();
  if (MainWindow->DesignWindow) MainWindow->DesignWindow->picDesign->setFocus();
}

}  // namespace shell
