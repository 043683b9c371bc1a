#pragma once
// frmExport ("Export To") and frmImport ("Import From"): pick a plug-in, choose a
// file, and hand the font to the plug-in or take a whole font from it.
#include <QDialog>
#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "document/ModConst.h"
#include "document/Ports.h"
#include "plugins/PluginScan.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace plugins {

// The editor, the glyph list and the file commands as the two windows need them.
struct FontHooks {
  // SaveFontData before an export (the glyph on screen is part of the font), LoadFontData
  // once an import replaced the font.
  doc::DesignProcedures* Design = nullptr;
  // Asked before an import replaces a changed font; none asks nothing.
  doc::SavePrompt* Prompt = nullptr;
  // Its thumbnails are rebuilt after an import; none without a list.
  doc::GlyphList* List = nullptr;
};

// The records an import may take over: exactly 512, each empty or a record that
// holds all its cells, as the font file demands.
bool IsImportableFont(const std::vector<std::string>& records);

class PluginWindow : public QDialog {
  Q_OBJECT
 public:
  QListWidget* lstPlugins = nullptr;
  QLabel* lblDescribe = nullptr;
  QPushButton* bntOk = nullptr;
  QPushButton* btnCancel = nullptr;

  // The window's load: the list from the table, nothing selected, Next disabled.
  void Form_Load();
  void lstPlugins_Click();
  virtual void bntOk_Click() = 0;
  void btnCancel_Click();

 protected:
  PluginWindow(const QString& caption, const std::vector<PluginRecord>& table, PluginState& plugins, FontHooks hooks,
               QWidget* parent);
  const PluginRecord* Selected() const;
  struct Chosen {
    QString FileName;
    bool HasFileTitle = false;
  };
  // frmDialog with the record's filter and "<verb><FullName>" as caption; nullopt when cancelled.
  std::optional<Chosen> ChooseFile(const QString& verb, const PluginRecord& record);
  // A plain message with the program's title and a single OK.
  static void ShowError(const QString& description);

  const std::vector<PluginRecord>& table_;
  PluginState& plugins_;
  FontHooks hooks_;
};

class frmExport : public PluginWindow {
  Q_OBJECT
 public:
  frmExport(PluginState& plugins, const doc::Font& font, FontHooks hooks, QWidget* parent = nullptr);
  // Chooses the target file and calls the plug-in with a copy of FontData.
  void bntOk_Click() override;

 private:
  const doc::Font& font_;
};

class frmImport : public PluginWindow {
  Q_OBJECT
 public:
  frmImport(PluginState& plugins, doc::ModConst& s, FontHooks hooks, QWidget* parent = nullptr);
  // Offers to save a changed font, chooses the source file, calls the plug-in and
  // replaces the font with a result that passes IsImportableFont.
  void bntOk_Click() override;

 private:
  doc::ModConst& S;
};

// The commands "mnuExport" and "mnuImport": show the window modally.
void ShowExport(PluginState& plugins, const doc::Font& font, FontHooks hooks, QWidget* parent = nullptr);
void ShowImport(PluginState& plugins, doc::ModConst& s, FontHooks hooks, QWidget* parent = nullptr);

}  // namespace plugins
