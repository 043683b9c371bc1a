#include "charlists/CharListEditor.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>

#include "dialogs/ShowMessage.h"
#include "controls/Button.h"
#include "platform/IniFile.h"
#include "controls/Modal.h"
#include "platform/Units.h"
#include "charlists/CharLists.h"

namespace charlists {

namespace {

// A control's place in twips, as the window was laid out, turned into pixels.
QRect TwipsRect(double left, double top, double width, double height) {
  using platform::TwipsToPixels;
  return QRect(qRound(TwipsToPixels(left)), qRound(TwipsToPixels(top)), qRound(TwipsToPixels(width)),
               qRound(TwipsToPixels(height)));
}

QFont Tahoma(double points) {
  QFont f(QStringLiteral("Tahoma"));
  f.setPointSizeF(points);
  return f;
}

}  // namespace

frmCharList::frmCharList(platform::IniFile& ini, const QString& iniPath, QWidget* parent)
    : QDialog(parent), ini_(ini), path_(iniPath) {
  setObjectName(QStringLiteral("frmCharList"));
  setWindowTitle(QStringLiteral("Character List"));
  setFont(Tahoma(8.25));

  cmbList = new QComboBox(this);
  cmbList->setObjectName(QStringLiteral("cmbList"));
  cmbList->setEditable(true);
  // The typed text is the name of a new list; only Add makes it an entry.
  cmbList->setInsertPolicy(QComboBox::NoInsert);
  cmbList->setGeometry(TwipsRect(120, 120, 3015, 315));
  cmbList->resize(cmbList->width(), std::max(cmbList->height(), cmbList->sizeHint().height()));

  btnAdd = new controls::Button(QStringLiteral("Add"), this);
  btnAdd->setObjectName(QStringLiteral("btnAdd"));
  btnAdd->setGeometry(TwipsRect(3240, 120, 1335, 375));
  btnRemove = new controls::Button(QStringLiteral("Remove"), this);
  btnRemove->setObjectName(QStringLiteral("btnRemove"));
  btnRemove->setGeometry(TwipsRect(4680, 120, 1335, 375));

  lstChars = new QListWidget(this);
  lstChars->setObjectName(QStringLiteral("lstChars"));
  QFont listFont(QStringLiteral("Courier New"));
  listFont.setPointSizeF(15.75);
  listFont.setBold(true);
  listFont.setStyleHint(QFont::TypeWriter);  // a monospace font where Courier New is missing
  lstChars->setFont(listFont);
  lstChars->setSelectionMode(QAbstractItemView::SingleSelection);
  lstChars->setUniformItemSizes(true);  // 512 lines of one height: no measuring each
  lstChars->setGeometry(TwipsRect(120, 600, 3015, 5295));

  txtChar = new QLineEdit(this);
  txtChar->setObjectName(QStringLiteral("txtChar"));
  txtChar->setFont(Tahoma(15.75));
  txtChar->setGeometry(TwipsRect(3240, 600, 4695, 615));

  btnSave = new controls::Button(QStringLiteral("Save"), this);
  btnSave->setObjectName(QStringLiteral("btnSave"));
  btnSave->setGeometry(TwipsRect(6360, 5280, 1575, 615));

  // Enter in the text boxes must not press a button behind the user's back.
  for (controls::Button* b : {btnAdd, btnRemove, btnSave}) {
    b->setAutoDefault(false);
    b->setDefault(false);
  }
  setTabOrder(cmbList, btnAdd);
  setTabOrder(btnAdd, btnRemove);
  setTabOrder(btnRemove, lstChars);
  setTabOrder(lstChars, txtChar);
  setTabOrder(txtChar, btnSave);
  setFixedSize(TwipsRect(0, 0, 6360 + 1575 + 120, 5280 + 615 + 120).size());

  connect(cmbList, &QComboBox::activated, this, [this](int) { cmbList_Click(); });
  connect(lstChars, &QListWidget::currentRowChanged, this, [this](int) { lstChars_Click(); });
  connect(txtChar, &QLineEdit::textChanged, this, [this](const QString&) { txtChar_Change(); });
  connect(btnAdd, &controls::Button::Click, this, [this] { btnAdd_Click(); });
  connect(btnSave, &controls::Button::Click, this, [this] { btnSave_Click(); });
  connect(btnRemove, &controls::Button::Click, this, [this] { btnRemove_Click(); });

  Form_Load();
}

void frmCharList::Form_Load() {
  cmbList->clear();
  cmbList->addItems(ReadListNames(ini_, path_));
  if (cmbList->count() > 0) {
    cmbList->setCurrentIndex(0);
    cmbList_Click();
  }
}

void frmCharList::cmbList_Click() {
  EditedList list = LoadListForEditing(ini_, cmbList->currentText(), path_);
  ListChars = std::move(list.ListChars);
  {
    // The lines are rebuilt whole; the selection comes afterwards, once.
    const QSignalBlocker block(lstChars);
    lstChars->clear();
    lstChars->addItems(list.Lines);
  }
  SelectLine(0);
}

void frmCharList::SelectLine(int row) {
  if (lstChars->currentRow() == row) {
    lstChars_Click();
  } else {
    lstChars->setCurrentRow(row);
  }
}

void frmCharList::lstChars_Click() {
  const int i = lstChars->currentRow();
  if (i < 0 || i >= doc::GlyphCount) return;
  txtChar->setText(ListChars[static_cast<size_t>(i)]);
}

void frmCharList::txtChar_Change() {
  // Without a list there is no line, and so no code to store the text under.
  const int i = lstChars->currentRow();
  if (i < 0 || i >= doc::GlyphCount || i >= lstChars->count()) return;
  ListChars[static_cast<size_t>(i)] = txtChar->text();
  lstChars->item(i)->setText(EditedLine(i, txtChar->text()));
}

void frmCharList::btnAdd_Click() {
  cmbList->addItem(cmbList->currentText());
  cmbList->setCurrentIndex(cmbList->count() - 1);
  cmbList_Click();
}

void frmCharList::btnSave_Click() {
  if (const auto failed = SaveCharList(ini_, path_, cmbList->currentText(), ListChars)) ReportWriteFailure(*failed);
}

void frmCharList::btnRemove_Click() {
  const int selected = cmbList->currentIndex();
  if (selected < 0) return;
  const QString name = cmbList->itemText(selected);
  if (dialogs::ShowMessage(QStringLiteral("Do you want to remove %1?"), windowTitle(), 4, name) != 2) return;
  QStringList left;
  for (int n = 0; n < cmbList->count(); ++n)
    if (n != selected) left.append(cmbList->itemText(n));
  // The entry stays while the file still holds the list, so the two keep agreeing.
  if (const auto failed = RemoveCharList(ini_, path_, name, cmbList->count(), left)) {
    ReportWriteFailure(*failed);
    return;
  }
  // No other entry becomes selected: a second Remove must not take a list the user
  // never chose. The text stays, and with it the texts still in the window.
  const QString typed = cmbList->currentText();
  cmbList->removeItem(selected);
  cmbList->setCurrentIndex(-1);
  cmbList->setEditText(typed);
}

void frmCharList::ReportWriteFailure(const QString& reason) {
  // Nothing in the window changes, so the user can mend the cause and try again.
  dialogs::ShowMessage(QStringLiteral("Cannot write %1\\n%2"), windowTitle(), 0, path_, reason);
}

void ShowCharListEditor(platform::IniFile& ini, const QString& iniPath, QWidget* parent) {
  frmCharList window(ini, iniPath, parent);
  controls::Modal::Exec(window);
}

}  // namespace charlists
