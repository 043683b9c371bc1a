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
#include "shell/Dispatcher.h"

namespace shell {

class CharListPanel;
class frmSpilash;
class MainFileCommands;

class frmMain : public QMainWindow, public editor::DesignHost, public CommandTarget {
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
  void ActiveBar31_ToolClick(platform::BarTool& tool);
  void ActiveBar31_ToolChange(platform::BarTool& tool);
  void ActiveBar31_ToolKeyDown(platform::BarTool& tool, int& keyCode);
  void ActiveBar31_CloseQuery(bool& cancel);
  void MDIForm_QueryUnload(int& cancel, int unloadMode);

  QString CharListPath() const { return programFolder_ + QStringLiteral("/CharList.ini"); }

  doc::ModConst& S;
  platform::ToolBarControl ActiveBar31;
  platform::IniFile Ini;
  CharListPanel* picCharList = nullptr;
  QMdiArea* mdiArea = nullptr;
  std::unique_ptr<editor::DesignEditor> Design;
  editor::frmDesign* DesignWindow = nullptr;
  bool CloseQueryDone = false;
  bool CloseQueryCancel = false;

  // DesignHost.
  std::optional<int> SelectedCode() override;
  void RefreshCharIcons(int code) override;
  QString ToolText(const QString& key) override;
  void SetToolText(const QString& key, const QString& text) override;
  bool ToolChecked(const QString& key) override;
  void SetToolChecked(const QString& key, bool checked) override;
  void SetToolEnabled(const QString& key, bool enabled) override;
  QSize ScreenSize() override;
  void GridRedrawn() override;
  void GridPictureChanged(const QRect& area) override;
  void PreviewRedrawn() override;
  int ListItemCount() override;
  void SelectListItem(int code) override;

  // CommandTarget.
  void NewProject() override;
  void SaveProject() override;
  void SaveProjectAs() override;
  void OpenProject() override;
  void ShowImport() override {}
  void ShowExport() override {}
  void Undo() override { Design->Undo(); }
  void Redo() override { Design->Redo(); }
  void CopyData() override { Design->CopyData(); }
  void PasteData() override { Design->PasteData(); }
  void PasteSpecial() override {}
  void ClearDesignData() override { doc::ClearDesignData(S); }
  void RemoveCharacter() override;
  void WidthInc() override { Design->WidthInc(); }
  void WidthDec() override { Design->WidthDec(); }
  void HeightInc() override { Design->HeightInc(); }
  void HeightDec() override { Design->HeightDec(); }
  void ShiftDataLeft() override { Design->ShiftDataLeft(); }
  void ShiftDataRight() override { Design->ShiftDataRight(); }
  void ShiftDataUp() override { Design->ShiftDataUp(); }
  void ShiftDataDown() override { Design->ShiftDataDown(); }
  void ReadFromFont() override { Design->ReadFromFont(); }
  void ResetData() override { Design->ResetData(); }
  void FlipVertical() override { Design->FlipVertical(); }
  void FlipHorizontal() override { Design->FlipHorizontal(); }
  void Invert() override { Design->Invert(); }
  void PreviousCharacter() override { Design->PreviousCharacter(); }
  void NextCharacter() override { Design->NextCharacter(); }
  void DrawAll() override { Design->DrawAll(); }
  void ShowFontSetting() override;
  void ShowCharListEditor() override {}
  void ShowLCDPreview() override {}
  void ShowLEDPreview() override {}
  void ShowFontPreview() override {}
  void SelectDrawTool(const QString& key) override;
  void ToggleGuideLine(int orientation, int number) override;
  void SelectColor(const QString& key) override;

 protected:
  void closeEvent(QCloseEvent* e) override;

 private:
  void GiveGridTheFocus();

  QString programFolder_;
  // The design window's procedures as the file commands and the settings dialog call them.
  doc::DesignProcedures designProcedures_;
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
