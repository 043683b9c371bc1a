#include "dialogs/CharDefaultDialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "controls/DialogParts.h"
#include "dialogs/ShowMessage.h"
#include "document/FontSizes.h"
#include "controls/Modal.h"
#include "platform/Numbers.h"

namespace dialogs {

namespace {

// A stored author field as its box shows it: all 50 characters, up to the first
// NUL (a field never set is made of NULs and shows empty).
QString ShownField(const QString& field) {
  const qsizetype nul = field.indexOf(QChar(0));
  return nul < 0 ? field : field.left(nul);
}

// Replaces the box's text by the text of its leading number and returns that number.
double NormaliseBox(QLineEdit* box) {
  double v = platform::LeadingNumber(box->text());
  if (v == 0) v = 0;  // no "-0" in the box
  box->setText(QString::number(v, 'g', 15));
  return v;
}

}  // namespace

frmCharDefault::frmCharDefault(doc::ModConst& state, doc::DesignProcedures& design, QWidget* parent)
    : QDialog(parent), S(state), Design(design) {
  setWindowTitle(QStringLiteral("Character Default"));
  QFont f = font();
  f.setFamily(QStringLiteral("Tahoma"));
  setFont(f);

  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(8);
  grid->setVerticalSpacing(6);
  int row = 0;
  auto addRow = [&](const char* label, QLineEdit*& box, bool sizeBox, const char* hint) {
    auto* l = new QLabel(QString::fromLatin1(label), this);
    box = new QLineEdit(this);
    l->setBuddy(box);
    grid->addWidget(l, row, 0);
    if (sizeBox) {
      box->setFixedWidth(72);
      grid->addWidget(box, row, 1);
      if (hint) grid->addWidget(new QLabel(QString::fromLatin1(hint), this), row, 2);
    } else {
      box->setMinimumWidth(300);
      grid->addWidget(box, row, 1, 1, 2);
    }
    ++row;
  };
  addRow("Max Char Width:", txtMaxWidth, true, "Max Charachter Width Between 1-1024");
  addRow("Max Char Height:", txtMaxHeight, true, "Max Charachter Height Between 1-768");
  addRow("Default Font Width:", txtWidth, true, nullptr);
  addRow("Default Font Height:", txtHeight, true, nullptr);
  addRow("Author Name:", txtAuthorName, false, nullptr);
  addRow("Author Company:", txtAuthorCompanyName, false, nullptr);
  addRow("Author Url:", txtAuthorUrl, false, nullptr);
  addRow("Author Email:", txtAuthorEmail, false, nullptr);
  grid->setColumnStretch(2, 1);

  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(14, 14, 14, 12);
  outer->setSpacing(14);
  outer->addLayout(grid);
  const controls::DialogButtons buttons = controls::AddDialogButtons(*outer, this, QStringLiteral("Ok"));
  bntOk = buttons.ok;
  btnCancel = buttons.cancel;
  connect(bntOk, &QPushButton::clicked, this, [this] { bntOk_Click(); });
  connect(btnCancel, &QPushButton::clicked, this, [this] { btnCancel_Click(); });

  QWidget* order[] = {txtMaxWidth,          txtMaxHeight, txtWidth,       txtHeight, txtAuthorName,
                      txtAuthorCompanyName, txtAuthorUrl, txtAuthorEmail, bntOk,     btnCancel};
  for (size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);

  Form_Load();
}

void frmCharDefault::Form_Load() {
  txtMaxWidth->setText(QString::number(S.MaxWidth));
  txtMaxHeight->setText(QString::number(S.MaxHeight));
  txtWidth->setText(QString::number(S.DefaultWidth));
  txtHeight->setText(QString::number(S.DefaultHeight));
  txtAuthorName->setText(ShownField(S.AuthorName));
  txtAuthorCompanyName->setText(ShownField(S.AuthorCompanyName));
  txtAuthorUrl->setText(ShownField(S.AuthorUrl));
  txtAuthorEmail->setText(ShownField(S.AuthorEmail));
}

void frmCharDefault::bntOk_Click() {
  const double maxWidth = NormaliseBox(txtMaxWidth);
  const double maxHeight = NormaliseBox(txtMaxHeight);
  const double width = NormaliseBox(txtWidth);
  const double height = NormaliseBox(txtHeight);

  if (const auto failure = doc::CheckFontSizes(maxWidth, maxHeight, width, height, {S.MaxWidth, S.MaxHeight})) {
    ShowMessage(*failure, windowTitle(), 0);
    return;
  }

  // The glyph on screen is stored before the grid changes.
  Design.SaveFontData();
  S.MaxWidth = platform::RoundToInt32(maxWidth);
  S.MaxHeight = platform::RoundToInt32(maxHeight);
  S.DefaultWidth = platform::RoundToInt32(width);
  S.DefaultHeight = platform::RoundToInt32(height);
  S.AuthorName = doc::FixedAuthorField(txtAuthorName->text());
  S.AuthorCompanyName = doc::FixedAuthorField(txtAuthorCompanyName->text());
  S.AuthorUrl = doc::FixedAuthorField(txtAuthorUrl->text());
  S.AuthorEmail = doc::FixedAuthorField(txtAuthorEmail->text());
  ReDimDesignData(S);
  // So that the reload below does not store the emptied grid over the glyph.
  S.CurrentChar = -1;
  Design.DrawFont();
  accept();
}

void frmCharDefault::btnCancel_Click() { reject(); }

bool ShowFontSettings(doc::ModConst& state, doc::DesignProcedures& design, QWidget* parent) {
  frmCharDefault dialog(state, design, parent);
  return controls::Modal::Exec(dialog) == QDialog::Accepted;
}

}  // namespace dialogs
