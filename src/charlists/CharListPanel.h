#pragma once
// The docked character-list panel of the main window (picCharList): the list names
// in cmbList, the 512 glyph codes of the chosen list with their thumbnails in lvChars.
#include <QImage>
#include <QString>
#include <QWidget>
#include <optional>

#include "document/ModConst.h"
#include "document/Ports.h"
#include "controls/ListView.h"

class QComboBox;
class QResizeEvent;

namespace platform {
class IniFile;
}

namespace charlists {

class CharListPanel : public QWidget, public doc::GlyphList {
  Q_OBJECT
 public:
  CharListPanel(doc::ModConst& state, platform::IniFile& ini, const QString& iniPath, QWidget* parent = nullptr);

  QComboBox* cmbList = nullptr;
  controls::ListView* lvChars = nullptr;
  controls::ImageList ImageList1;

  // The design window: its DrawFont runs on a double click on an item, its DrawAll
  // when Remove empties the glyph on screen. Without it the panel calls neither.
  void SetDesign(doc::DesignProcedures* design) { design_ = design; }
  // The design window's preview raster, where the thumbnails are drawn; while it is
  // missing or null the panel draws on a raster of its own.
  void SetPreviewPicture(QImage* picture) { preview_ = picture; }

  // Start-up: fills cmbList with the list names and chooses the first one.
  void ReadListNames();

  void cmbList_Click();
  void lvChars_DblClick();
  void picCharList_Resize();

  // Thumbnails of one glyph code, or of all 512 with -1.
  void RefreshCharIcons(int code) override;
  // The Remove command: empties the glyph of the selected item.
  void RemoveCharacter();

  // The code of the selected item; nullopt without one (no list loaded).
  std::optional<int> SelectedCode() override;
  // Selects the item of a code and scrolls it into view; raises no DblClick.
  void SelectCode(int code) override;
  int ItemCount() override { return lvChars->ListItems().Count(); }
  // The name of the chosen list ("" without one).
  QString ListName() override;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  doc::ModConst& S;
  platform::IniFile& ini_;
  QString iniPath_;
  doc::DesignProcedures* design_ = nullptr;
  QImage* preview_ = nullptr;
  QImage ownPreview_;
  QFont textFont_;  // of the "Text" column
};

}  // namespace charlists
