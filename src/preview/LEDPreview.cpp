#include "preview/LEDPreview.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QScreen>
#include <algorithm>
#include <cmath>

#include "controls/DialogParts.h"
#include "controls/Button.h"
#include "controls/Modal.h"
#include "platform/Numbers.h"
#include "platform/Units.h"

namespace preview {

namespace {

constexpr double kMmPerInch = 25.4;

// The screen's own dots per inch where it reports a plausible one, else the logical one.
double DotsPerInch(int physical, int logical) {
  return physical >= 50 && physical <= 1200 ? physical : std::max(1, logical);
}

int Px(double twips) { return static_cast<int>(std::lround(platform::TwipsToPixels(twips))); }

}  // namespace

LEDSurface::LEDSurface(const LEDPanel& panel, QWidget* parent) : QWidget(parent), panel_(panel) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

double LEDSurface::DotsPerMmX() const { return DotsPerInch(physicalDpiX(), logicalDpiX()) / kMmPerInch; }
double LEDSurface::DotsPerMmY() const { return DotsPerInch(physicalDpiY(), logicalDpiY()) / kMmPerInch; }

void LEDSurface::Invalidate() {
  dirty_ = true;
  update();
}

void LEDSurface::paintEvent(QPaintEvent*) {
  if (dirty_ || picture_.size() != size()) {
    if (picture_.size() != size()) picture_ = QImage(size(), QImage::Format_RGB32);
    panel_.Render(picture_, DotsPerMmX(), DotsPerMmY());
    dirty_ = false;
  }
  QPainter p(this);
  p.drawImage(0, 0, picture_);
}

frmLEDTest::frmLEDTest(const doc::Font& font, int ledRows, const CharTables& tables, QWidget* parent)
    : QDialog(parent), font_(font), ledRows_(ledRows), Tables(tables) {
  setWindowTitle(QStringLiteral("Preview"));
  setFont(controls::WindowFont());

  picTool = new QWidget(this);
  auto* rows = new QVBoxLayout(picTool);
  rows->setContentsMargins(6, 6, 6, 6);
  rows->setSpacing(4);
  auto* row1 = new QHBoxLayout;
  auto* row2 = new QHBoxLayout;
  rows->addLayout(row1);
  rows->addLayout(row2);
  auto addBox = [&](QHBoxLayout* row, const char* label, QLineEdit*& box, const char* text, int width) {
    auto* l = new QLabel(QString::fromLatin1(label), picTool);
    box = new QLineEdit(QString::fromLatin1(text), picTool);
    l->setBuddy(box);
    if (width > 0) box->setFixedWidth(width);
    row->addWidget(l);
    row->addWidget(box, width > 0 ? 0 : 1);
  };
  addBox(row1, "&Text:", txtSample, "ABC 123", 0);
  addBox(row1, "LED &Size:", txtLEDSize, "4", 44);
  addBox(row1, "&Pitch:", txtPitch, "4", 44);
  addBox(row1, "&Width:", txtWidth, "32", 52);
  bntOk = new controls::Button(QStringLiteral("Show"), picTool);
  bntOk->setDefault(true);
  row1->addWidget(bntOk);

  auto* lblColor = new QLabel(QStringLiteral("&Color:"), picTool);
  cmbColor = new QComboBox(picTool);
  for (const LEDColorPair& c : LEDColors) cmbColor->addItem(QString::fromLatin1(c.name));
  lblColor->setBuddy(cmbColor);
  row2->addWidget(lblColor);
  row2->addWidget(cmbColor);
  const char* checks[3] = {"Num En", "Num FA", "R-L"};
  for (int i = 0; i < 3; ++i) {
    chkNumber[i] = new QCheckBox(QString::fromLatin1(checks[i]), picTool);
    row2->addWidget(chkNumber[i]);
  }
  row2->addStretch(1);
  picTool->adjustSize();

  picLED = new LEDSurface(panel_, this);
  setMinimumWidth(Px(MinimumWidthTwips));
  connect(bntOk, &controls::Button::Click, this, [this] { bntOk_Click(); });
  Form_Load();
  Form_Resize();
}

void frmLEDTest::Form_Load() {
  cmbColor->setCurrentIndex(1);
  bntOk_Click();
}

void frmLEDTest::bntOk_Click() {
  bool limited = false;
  LEDShowInputs in;
  in.columns = LEDColumnsOf(txtWidth->text(), ledRows_, &limited);
  if (limited) txtWidth->setText(QString::number(in.columns));
  in.sample = txtSample->text();
  in.ledSizeMm = platform::LeadingNumber(txtLEDSize->text());
  in.pitchMm = platform::LeadingNumber(txtPitch->text());
  in.colorIndex = cmbColor->currentIndex();
  in.numEn = chkNumber[0]->isChecked();
  in.numFa = chkNumber[1]->isChecked();
  in.rightToLeft = chkNumber[2]->isChecked();
  ShowLEDSample(panel_, in, ledRows_, font_.FontData, Tables);

  if (!isVisible()) {
    // Room for the panel plus a pitch and a margin around it, within the screen.
    const double pitchPx = in.pitchMm * picLED->DotsPerMmX();
    const double pitchPy = in.pitchMm * picLED->DotsPerMmY();
    const double w = std::abs(pitchPx) * (panel_.Columns() + 1) + platform::TwipsToPixels(200);
    const double h =
        std::abs(pitchPy) * (panel_.Rows() + 1) + picTool->sizeHint().height() + platform::TwipsToPixels(200);
    QSize want(static_cast<int>(std::min(w, 1e5)), static_cast<int>(std::min(h, 1e5)));
    if (const QScreen* screen = this->screen()) want = want.boundedTo(screen->availableGeometry().size());
    resize(want.expandedTo(QSize(Px(MinimumWidthTwips), 0)));
  }
  picLED->Invalidate();
}

void frmLEDTest::Form_Resize() {
  if (width() < Px(MinimumWidthTwips)) resize(Px(MinimumWidthTwips), height());
  const int toolHeight = picTool->sizeHint().height();
  picTool->setGeometry(0, 0, width(), toolHeight);
  picLED->setGeometry(Px(50), toolHeight + Px(50), std::max(0, width() - Px(100)),
                      std::max(0, height() - toolHeight - Px(100)));
}

void frmLEDTest::resizeEvent(QResizeEvent* e) {
  QDialog::resizeEvent(e);
  Form_Resize();
}

void ShowLEDPreview(const doc::Font& font, int ledRows, const CharTables& tables, QWidget* parent) {
  frmLEDTest w(font, ledRows, tables, parent);
  controls::Modal::Exec(w);
}

}  // namespace preview
