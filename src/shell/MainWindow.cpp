#include "shell/MainWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QScreen>
#include <QAction>
#include <QKeySequence>
#include <QTimer>

#include "dialogs/CharDefaultDialog.h"
#include "dialogs/FileCommandWindows.h"
#include "shell/CharListPanel.h"
#include "shell/MainLayout.h"
#include "shell/Selection.h"
#include "shell/SplashWindow.h"

namespace shell {

// The file commands' host: messages and the file dialog as the windows show them,
// the settings dialog and the file name on the toolbar of this main window.
class MainFileCommands : public doc::FileCommandWindows {
 public:
  MainFileCommands(frmMain& main, doc::GlyphList& list, doc::DesignProcedures design)
      : FileCommandWindows(list, std::move(design)), main_(main) {}
  void ShowFontSettings() override { main_.ShowFontSetting(); }
  void SetFileNameCaption(const QString& path) override {
    main_.ActiveBar31.Tools().Item("tlFileName").SetCaption(path);
  }

 private:
  frmMain& main_;
};

frmMain::frmMain(doc::ModConst& state, QString programFolder, QWidget* parent)
    : QMainWindow(parent), S(state), programFolder_(std::move(programFolder)) {
  setWindowTitle(QStringLiteral("Quillane II"));
  // A sensible first size: most of the screen, never beyond it.
  if (const QScreen* sc = QGuiApplication::primaryScreen())
    resize(sc->availableSize().boundedTo(QSize(1280, 900)) * 0.95);
  else
    resize(1100, 760);
  InstalledFonts = [] { return QFontDatabase::families(); };
  mdiArea = new QMdiArea(this);
  setCentralWidget(mdiArea);
  ActiveBar31.Build(*this, MainLayout());
  // The usual keys of the file and edit commands, beside the menus' "&" letters.
  const std::pair<const char*, QKeySequence> keys[] = {
      {"mnuNew", QKeySequence::New},     {"mnuOpen", QKeySequence::Open},   {"mnuSave", QKeySequence::Save},
      {"mnuUndo", QKeySequence::Undo},   {"mnuRedo", QKeySequence::Redo},   {"mnuCopy", QKeySequence::Copy},
      {"mnuPaste", QKeySequence::Paste}};
  for (const auto& [key, seq] : keys)
    if (QAction* a = ActiveBar31.Tools().Item(key).Action()) a->setShortcut(seq);
  picCharList = new CharListPanel(S, Ini, CharListPath(), this);
  Design = std::make_unique<editor::DesignEditor>(S, *this);
  picCharList->SetPreviewPicture(&Design->PreviewPicture);

  // Direct connections: the handlers write the reference arguments back.
  connect(&ActiveBar31, &platform::ToolBarControl::ToolClick, this,
          [this](platform::BarTool& t) { ActiveBar31_ToolClick(t); }, Qt::DirectConnection);
  connect(&ActiveBar31, &platform::ToolBarControl::ToolChange, this,
          [this](platform::BarTool& t) { ActiveBar31_ToolChange(t); }, Qt::DirectConnection);
  connect(&ActiveBar31, &platform::ToolBarControl::ToolKeyDown, this,
          [this](platform::BarTool& t, int& k) { ActiveBar31_ToolKeyDown(t, k); }, Qt::DirectConnection);
  connect(&ActiveBar31, &platform::ToolBarControl::CloseQuery, this,
          [this](bool& cancel) { ActiveBar31_CloseQuery(cancel); }, Qt::DirectConnection);
  picCharList->DesignDrawFont = [this] { Design->DrawFont(); };
  picCharList->DesignDrawAll = [this] { Design->DrawAll(); };
  designProcedures_ = {[this] { Design->SaveFontData(); }, [this] { Design->DrawFont(); },
                       [this] { Design->DrawAll(); }};
  fileCommands_ = std::make_unique<MainFileCommands>(*this, *picCharList, designProcedures_);
}

frmMain::~frmMain() = default;

void frmMain::MDIForm_Load() {
  InitMainWindow();
  // The design window comes up inside the main window, maximised; its load draws the empty grid.
  DesignWindow = new editor::frmDesign(*Design);
  mdiArea->addSubWindow(DesignWindow);
  DesignWindow->showMaximized();
  DesignWindow->Form_Load();
}

void frmMain::InitMainWindow() {
  // 1. Installed fonts, "tahoma" chosen by its whole name in any letter case.
  platform::BarTool& font = ActiveBar31.Bands().Item("bndFont").Tools().Item("tlFont");
  const QStringList families = InstalledFonts();
  for (int i = 0; i < families.size(); ++i) {
    font.AddItem(families[i]);
    if (families[i].toLower() == QLatin1String("tahoma")) font.SetListIndex(i);
  }
  // 2. The character-list panel docks as the control of "tlCharList".
  ActiveBar31.Bands().Item("bndCharList").Tools().Item("tlCharList").SetControl(picCharList);
  if (QDockWidget* dock = ActiveBar31.Bands().Item("bndCharList").Dock())
    resizeDocks({dock}, {270}, Qt::Horizontal);  // room for both columns
  // 3, 4. List names from Item1 on, and the first list chosen: its texts fill
  // CharText and the 512 items.
  picCharList->ReadListNames();
  // 5, 6.
  S.LEDRows = 16;
  S.Zoom = 100;
  doc::InitDefaults(S);
}

void frmMain::ActiveBar31_ToolClick(platform::BarTool& tool) { DispatchToolClick(tool.Name(), *this); }

void frmMain::ActiveBar31_ToolChange(platform::BarTool& tool) {
  shell::ToolChange(*Design, tool.Name(), tool.Text());
  if (tool.Name() == QLatin1String("tlZoom")) GiveGridTheFocus();
}

void frmMain::ActiveBar31_ToolKeyDown(platform::BarTool& tool, int& keyCode) {
  shell::ToolKeyDown(*Design, tool.Name(), tool.Text(), keyCode);
  const QString& key = tool.Name();
  if (keyCode == 13 && (key == QLatin1String("tlZoom") || key == QLatin1String("tlWidth") ||
                        key == QLatin1String("tlHeight")))
    GiveGridTheFocus();
}

void frmMain::GiveGridTheFocus() {
  // After a value is taken, the edit keys (undo, copy, paste) belong to the glyph again.
  if (DesignWindow) QTimer::singleShot(0, DesignWindow->picDesign, [grid = DesignWindow->picDesign] { grid->setFocus(); });
}

void frmMain::ActiveBar31_CloseQuery(bool& cancel) {
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

// DesignHost.

std::optional<int> frmMain::SelectedCode() { return picCharList->SelectedCode(); }

void frmMain::RefreshCharIcons(int code) { picCharList->RefreshCharIcons(code); }

QString frmMain::ToolText(const QString& key) { return ActiveBar31.Tools().Item(key).Text(); }

void frmMain::SetToolText(const QString& key, const QString& text) { ActiveBar31.Tools().Item(key).SetText(text); }

bool frmMain::ToolChecked(const QString& key) { return ActiveBar31.Tools().Item(key).Checked(); }

void frmMain::SetToolChecked(const QString& key, bool checked) {
  ActiveBar31.Tools().Item(key).SetChecked(checked);
}

void frmMain::SetToolEnabled(const QString& key, bool enabled) {
  ActiveBar31.Tools().Item(key).SetEnabled(enabled);
}

QSize frmMain::ScreenSize() {
  const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
  return screen ? screen->size() : QSize(1024, 768);
}

void frmMain::GridRedrawn() {
  if (DesignWindow) DesignWindow->GridRedrawn();
}

void frmMain::GridPictureChanged(const QRect& area) {
  if (DesignWindow) DesignWindow->GridPictureChanged(area);
}

void frmMain::PreviewRedrawn() {
  if (DesignWindow) DesignWindow->PreviewRedrawn();
}

int frmMain::ListItemCount() { return picCharList->ItemCount(); }

void frmMain::SelectListItem(int code) { picCharList->SelectCode(code); }

// CommandTarget.

void frmMain::NewProject() { doc::NewProject(S, *fileCommands_); }
void frmMain::SaveProject() { doc::SaveProject(S, *fileCommands_); }
void frmMain::SaveProjectAs() { doc::SaveProjectAs(S, *fileCommands_); }
void frmMain::OpenProject() { doc::OpenProject(S, *fileCommands_); }

void frmMain::RemoveCharacter() {
  picCharList->RemoveCharacter();
}

void frmMain::ShowFontSetting() { doc::ShowFontSettings(S, designProcedures_, this); }

void frmMain::SelectDrawTool(const QString& key) { shell::SelectDrawTool(*Design, key); }
void frmMain::ToggleGuideLine(int orientation, int number) { shell::ToggleGuideLine(*Design, orientation, number); }
void frmMain::SelectColor(const QString& key) { shell::SelectColor(*Design, key); }

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
  Splash->Init();
  MainWindow->activateWindow();
  if (MainWindow->DesignWindow) MainWindow->DesignWindow->picDesign->setFocus();
}

}  // namespace shell
