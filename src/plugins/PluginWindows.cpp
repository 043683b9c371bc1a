#include "plugins/PluginWindows.h"

#include <algorithm>
#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <variant>

#include "controls/DialogParts.h"
#include "document/CharRecord.h"
#include "dialogs/FileDialog.h"
#include "dialogs/ShowMessage.h"
#include "controls/Modal.h"
#include "plugins/PluginContract.h"
#include "plugins/PluginHost.h"

namespace plugins {

bool IsImportableFont(const std::vector<std::string>& records) {
  if (records.size() != static_cast<size_t>(contract::RecordCount)) return false;
  return std::all_of(records.begin(), records.end(),
                     [](const std::string& r) { return r.empty() || doc::CharRecord::IsWellFormed(r); });
}

PluginWindow::PluginWindow(const QString& caption, const std::vector<PluginRecord>& table, PluginState& plugins,
                           FontHooks hooks, QWidget* parent)
    : QDialog(parent), table_(table), plugins_(plugins), hooks_(std::move(hooks)) {
  setWindowTitle(caption);
  auto* outer = new QVBoxLayout(this);
  lstPlugins = new QListWidget(this);
  outer->addWidget(lstPlugins, 1);
  lblDescribe = new QLabel(this);
  QFont mono(QStringLiteral("Courier New"));
  mono.setStyleHint(QFont::TypeWriter);
  lblDescribe->setFont(mono);
  lblDescribe->setWordWrap(true);
  lblDescribe->setMinimumHeight(64);
  lblDescribe->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  outer->addWidget(lblDescribe);
  const controls::DialogButtons buttons = controls::AddDialogButtons(*outer, this, QStringLiteral("Next"));
  bntOk = buttons.ok;
  btnCancel = buttons.cancel;
  resize(420, 320);

  // A plug-in is chosen by selecting it, with the mouse or the keys, just as by a click.
  // The current row alone is no choice: the list gets one as soon as it takes the focus.
  connect(lstPlugins, &QListWidget::itemSelectionChanged, this, [this] {
    if (Selected()) {
      lstPlugins_Click();
    } else {
      lblDescribe->clear();
      bntOk->setEnabled(false);
    }
  });
  connect(lstPlugins, &QListWidget::itemActivated, this, [this] {
    if (bntOk->isEnabled()) bntOk_Click();
  });
  connect(bntOk, &QPushButton::clicked, this, [this] { bntOk_Click(); });
  connect(btnCancel, &QPushButton::clicked, this, &PluginWindow::btnCancel_Click);
}

void PluginWindow::Form_Load() {
  const QSignalBlocker quiet(lstPlugins);
  lstPlugins->clear();
  if (!table_.empty() && !table_.front().ProgID.isEmpty())
    for (const PluginRecord& r : table_) lstPlugins->addItem(r.FullName);
  // No current row either, so the first key that moves in the list chooses its first row.
  lstPlugins->setCurrentIndex(QModelIndex());
  lblDescribe->clear();
  bntOk->setEnabled(false);
}

void PluginWindow::lstPlugins_Click() {
  const PluginRecord* r = Selected();
  if (!r) return;
  bntOk->setEnabled(true);
  lblDescribe->setText(r->Describe);
}

void PluginWindow::btnCancel_Click() { done(QDialog::Rejected); }

const PluginRecord* PluginWindow::Selected() const {
  const QList<QListWidgetItem*> chosen = lstPlugins->selectedItems();
  if (chosen.size() != 1) return nullptr;
  const int row = lstPlugins->row(chosen.front());
  if (row < 0 || static_cast<size_t>(row) >= table_.size() || table_[static_cast<size_t>(row)].ProgID.isEmpty())
    return nullptr;
  return &table_[static_cast<size_t>(row)];
}

std::optional<PluginWindow::Chosen> PluginWindow::ChooseFile(const QString& verb, const PluginRecord& record) {
  dialogs::frmDialog dlg;
  dlg.FileChooser1->SetFileTitle(QString());
  dlg.FileChooser1->SetFilter(record.FilterFile);
  dlg.FileChooser1->SetFilterIndex(0);
  dlg.setWindowTitle(verb + record.FullName);
  dlg.FileName = QString();
  dlg.ShowModal();
  if (dlg.Cancelled) return std::nullopt;
  return Chosen{dlg.FileName, !dlg.FileChooser1->FileTitle().isEmpty()};
}

void PluginWindow::ShowError(const QString& description) {
  // No title: the message window then carries the program's own.
  dialogs::ShowMessage(description, QString(), 0);
}

frmExport::frmExport(PluginState& plugins, const doc::Font& font, FontHooks hooks, QWidget* parent)
    : PluginWindow(QStringLiteral("Export To"), plugins.Tables.ExportPlugins, plugins, std::move(hooks), parent),
      font_(font) {
  Form_Load();
}

void frmExport::bntOk_Click() {
  const PluginRecord* record = Selected();
  if (!record) return;
  // The glyph on screen is part of the font handed over, as for Save.
  if (hooks_.Design) hooks_.Design->SaveFontData();
  const std::optional<Chosen> file = ChooseFile(QStringLiteral("Export "), *record);
  // "Ok" without a file chosen gives the folder alone: there is nothing to write to.
  if (file && file->HasFileTitle) {
    auto created = PluginObject::Create(record->ProgID, plugins_.Environment.RegistryFile);
    if (auto* error = std::get_if<Failure>(&created)) {
      ShowError(error->description);
    } else {
      auto& object = std::get<std::unique_ptr<PluginObject>>(created);
      if (const auto failed = object->CallExport(file->FileName, font_.FontData)) ShowError(*failed);
    }
  }
  done(QDialog::Accepted);
}

frmImport::frmImport(PluginState& plugins, doc::ModConst& s, FontHooks hooks, QWidget* parent)
    : PluginWindow(QStringLiteral("Import From"), plugins.Tables.ImportPlugins, plugins, std::move(hooks), parent),
      S(s) {
  Form_Load();
}

void frmImport::bntOk_Click() {
  const PluginRecord* record = Selected();
  if (!record) return;
  // The import replaces the whole font: unsaved work is offered a save first, as Open does.
  if (hooks_.Prompt && !hooks_.Prompt->ConfirmSaveProject()) {
    done(QDialog::Rejected);
    return;
  }
  const std::optional<Chosen> file = ChooseFile(QStringLiteral("Import "), *record);
  if (!file) {
    done(QDialog::Rejected);
    return;
  }
  std::optional<std::vector<std::string>> records;
  {
    auto created = PluginObject::Create(record->ProgID, plugins_.Environment.RegistryFile);
    if (auto* error = std::get_if<Failure>(&created)) {
      ShowError(error->description);
    } else {
      auto result = std::get<std::unique_ptr<PluginObject>>(created)->CallImport(file->FileName);
      if (auto* error = std::get_if<Failure>(&result))
        ShowError(error->description);
      else
        records = std::move(std::get<0>(result));
    }
  }
  if (records && IsImportableFont(*records)) {
    // The imported glyphs in the document's own header and authors.
    doc::Font font = S;
    font.FontData = std::move(*records);
    doc::ReplaceFont(S, std::move(font), doc::FontSource::Import);
    // Without a selected glyph nothing is loaded onto the emptied grid, so no glyph may stay
    // current: storing the empty grid would overwrite that code's imported glyph.
    if (hooks_.List && !hooks_.List->SelectedCode()) S.CurrentChar = -1;
    if (hooks_.Design) {
      hooks_.Design->LoadFontData();
      hooks_.Design->DrawFont();
    }
    // Every thumbnail is stale.
    if (hooks_.List) hooks_.List->RefreshCharIcons(-1);
  }
  done(QDialog::Accepted);
}

void ShowExport(PluginState& plugins, const doc::Font& font, FontHooks hooks, QWidget* parent) {
  frmExport w(plugins, font, std::move(hooks), parent);
  controls::Modal::Exec(w);
}

void ShowImport(PluginState& plugins, doc::ModConst& s, FontHooks hooks, QWidget* parent) {
  frmImport w(plugins, s, std::move(hooks), parent);
  controls::Modal::Exec(w);
}

}  // namespace plugins
