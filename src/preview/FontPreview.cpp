#include "preview/FontPreview.h"

#include <QComboBox>
#include <QFontInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

#include "controls/DialogParts.h"
#include "controls/Button.h"
#include "controls/Modal.h"
#include "platform/FontFamilies.h"
#include "platform/Numbers.h"

namespace preview {

QString FontPreviewSample() {
  return QString::fromUtf8(
      "0 1 2 3 4 5 6 7 8 9 A B C D E F G H I J a b c d e f g h i j "
      "\u0627 \u0628 \u067E \u062A  \u062B  \u062C \u0686 \u062D \u062E \u062F \u0630 \u0631 "
      "\u0632 \u0698 \u0633 \u0634 \u0635 \u0636 \u0639 \u063A");
}

double FontPreviewSize(const QString& sizeText) {
  const double v = platform::LeadingNumber(sizeText);
  if (v <= 0) return 8;  // a font has no size 0 or below
  return v > 300 ? 300 : v;
}

frmFontPreview::frmFontPreview(const QStringList& fontNames, QWidget* parent) : QDialog(parent), fontNames_(fontNames) {
  setWindowTitle(QStringLiteral("Font Preview"));
  setFont(controls::WindowFont());
  resize(720, 420);

  lstFont = new QListWidget(this);
  lblPreview = new QLabel(this);
  lblPreview->setWordWrap(true);
  lblPreview->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  lblPreview->setFrameShape(QFrame::StyledPanel);
  lblPreview->setAutoFillBackground(true);
  lblPreview->setBackgroundRole(QPalette::Base);
  txtSampleText = new QLineEdit(QStringLiteral("Sample Text"), this);
  lblSampleText = new QLabel(QStringLiteral("Sample Text"), this);
  lblSampleText->setMinimumHeight(40);
  cmbSize = new QComboBox(this);
  cmbSize->setEditable(true);
  cmbSize->addItems({"8", "10", "12", "14", "18", "24", "32", "48"});
  cmbSize->setEditText(QStringLiteral("14"));
  cmbStyle = new QComboBox(this);
  cmbStyle->addItems({"Normal", "Bold", "Italic", "Bold And Italic"});
  cmbStyle->setCurrentIndex(-1);
  btnOk = new controls::Button(QStringLiteral("Ok"), this);
  btnOk->setDefault(true);

  auto* sizeLabel = new QLabel(QStringLiteral("&Size:"), this);
  sizeLabel->setBuddy(cmbSize);
  auto* styleLabel = new QLabel(QStringLiteral("S&tyle:"), this);
  styleLabel->setBuddy(cmbStyle);
  auto* left = new QGridLayout;
  left->addWidget(lstFont, 0, 0, 1, 2);
  left->addWidget(sizeLabel, 1, 0);
  left->addWidget(cmbSize, 1, 1);
  left->addWidget(styleLabel, 2, 0);
  left->addWidget(cmbStyle, 2, 1);
  auto* right = new QVBoxLayout;
  right->addWidget(txtSampleText);
  right->addWidget(lblSampleText);
  right->addWidget(lblPreview, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(btnOk);
  right->addLayout(buttons);
  auto* all = new QHBoxLayout(this);
  all->addLayout(left, 0);
  all->addLayout(right, 1);
  lstFont->setFixedWidth(200);

  connect(lstFont, &QListWidget::currentRowChanged, this, [this] { lstFont_Click(); });
  connect(cmbSize, &QComboBox::editTextChanged, this, [this] { lstFont_Click(); });
  connect(cmbSize, &QComboBox::activated, this, [this] { lstFont_Click(); });
  connect(cmbStyle, &QComboBox::currentIndexChanged, this, [this] { lstFont_Click(); });
  connect(txtSampleText, &QLineEdit::textChanged, this, [this] { txtSampleText_Change(); });
  connect(btnOk, &controls::Button::Click, this, [this] { btnOk_Click(); });
  Form_Load();
}

void frmFontPreview::Form_Load() {
  lblPreview->setText(FontPreviewSample());
  lstFont->clear();
  lstFont->addItems(fontNames_);
  // Where "Tahoma" is not installed, the family drawn in its place, so that the window
  // never opens blank; else the first name.
  int row = platform::IndexOfTahoma(fontNames_);
  if (row < 0 && lstFont->count() > 0) row = 0;
  lstFont->setCurrentRow(row);
  cmbStyle->setCurrentIndex(0);
}

void frmFontPreview::lstFont_Click() {
  const QListWidgetItem* item = lstFont->currentItem();
  if (!item || item->text().isEmpty()) return;
  QFont f = lblPreview->font();
  f.setFamilies({item->text()});
  f.setPointSizeF(FontPreviewSize(cmbSize->currentText()));
  const int style = cmbStyle->currentIndex();
  f.setBold(style == 1 || style == 3);
  f.setItalic(style == 2 || style == 3);
  lblPreview->setFont(f);
  lblSampleText->setFont(f);  // both labels always show the same font
}

void frmFontPreview::txtSampleText_Change() { lblSampleText->setText(txtSampleText->text()); }

void frmFontPreview::btnOk_Click() { done(QDialog::Accepted); }

void ShowFontPreview(const QStringList& fontNames, QWidget* parent) {
  frmFontPreview w(fontNames, parent);
  controls::Modal::Exec(w);
}

}  // namespace preview
