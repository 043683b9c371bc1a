#include "preview/LCDPreview.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>

#include "controls/DialogParts.h"
#include "controls/Button.h"
#include "controls/Modal.h"
#include "platform/Numbers.h"
#include "preview/LCDPicture.h"
#include "preview/TextOrder.h"

namespace preview {

frmLCDTest::frmLCDTest(const doc::Font& font, const std::array<QRgb, 16>& colors, const CharTables& tables,
                       QWidget* parent)
    : QDialog(parent), font_(font), colors_(colors), Tables(tables) {
  setWindowTitle(QStringLiteral("LCD Test"));
  setFont(controls::WindowFont());
  setFixedSize(LCDPictureWidth, LCDPictureHeight);
  background_ = LCDBackground();
  picture_ = background_;

  // The controls sit on the grey frame below the display.
  auto* lblText = new QLabel(QStringLiteral("Text:"), this);
  lblText->setGeometry(6, 169, 80, 20);
  txtText = new QLineEdit(this);
  txtText->setGeometry(86, 169, 180, 20);
  lblText->setBuddy(txtText);
  auto* lblChar = new QLabel(QStringLiteral("Char Number:"), this);
  lblChar->setGeometry(6, 194, 80, 20);
  txtChar = new QLineEdit(this);
  txtChar->setGeometry(86, 194, 42, 20);
  lblChar->setBuddy(txtChar);
  chkRightToLeft = new QCheckBox(QStringLiteral("Right To Left"), this);
  chkRightToLeft->setGeometry(136, 194, 130, 20);
  btnDraw = new controls::Button(QStringLiteral("Draw"), this);
  btnDraw->setGeometry(118, 220, 72, 24);
  btnDraw->setDefault(true);
  btnClose = new controls::Button(QStringLiteral("Close"), this);
  btnClose->setGeometry(194, 220, 72, 24);

  // Only the user's edits count as a change: emptying the other box must not empty
  // the box just typed into in turn.
  connect(txtText, &QLineEdit::textEdited, this, [this] { txtText_Change(); });
  connect(txtChar, &QLineEdit::textEdited, this, [this] { txtChar_Change(); });
  connect(btnDraw, &controls::Button::Click, this, [this] { btnDraw_Click(); });
  connect(btnClose, &controls::Button::Click, this, [this] { btnClose_Click(); });
}

void frmLCDTest::btnDraw_Click() {
  std::vector<int> codes;
  const bool rtl = chkRightToLeft->checkState() != Qt::Unchecked;
  if (const QString text = txtText->text(); !text.isEmpty()) {
    codes = DrawOrder(Tables, text, Shape(Tables, text), rtl);
  } else {
    // A number from 1 to 255 stands for the glyph of that code; anything else only clears.
    const std::optional<double> n = platform::WholeNumber(txtChar->text());
    const int code = n ? platform::RoundToInt32(*n) : 0;
    if (code >= 1 && code <= 255) codes.push_back(code);
  }
  DrawLCDText(picture_, background_, font_, colors_, codes, rtl);
  update();
}

void frmLCDTest::btnClose_Click() { done(QDialog::Accepted); }

void frmLCDTest::txtText_Change() {
  if (!txtChar->text().isEmpty()) txtChar->clear();
}

void frmLCDTest::txtChar_Change() {
  if (!txtText->text().isEmpty()) txtText->clear();
}

void frmLCDTest::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.drawImage(0, 0, picture_);
}

void ShowLCDPreview(const doc::Font& font, const std::array<QRgb, 16>& colors, const CharTables& tables,
                    QWidget* parent) {
  frmLCDTest w(font, colors, tables, parent);
  controls::Modal::Exec(w);
}

}  // namespace preview
