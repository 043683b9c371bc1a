#include "controls/MessageDialog.h"

#include <QApplication>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QVBoxLayout>

#include "controls/Modal.h"

namespace controls {

namespace {

// Blanks around a caption are padding for the old fixed-width buttons; our buttons
// size themselves, so only the words are shown.
QString Words(const QString& caption) { return caption.trimmed(); }

}  // namespace

MessageDialog::MessageDialog(QWidget* parent) : QDialog(parent) {
  setModal(true);
  setSizeGripEnabled(false);
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(18, 16, 18, 12);
  outer->setSpacing(14);

  text_ = new QLabel(this);
  text_->setTextFormat(Qt::PlainText);
  text_->setWordWrap(true);
  text_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  text_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  text_->setMinimumWidth(300);
  text_->setMaximumWidth(560);
  outer->addWidget(text_);

  auto* row = new QHBoxLayout;
  row->addStretch(1);
  // Left to right: button 3, button 2, button 1.
  for (int number = 3; number >= 1; --number) {
    auto* b = new QPushButton(this);
    b->setMinimumWidth(88);
    b->setAutoDefault(true);
    connect(b, &QPushButton::clicked, this, [this, number] { Press(number); });
    buttons_[static_cast<size_t>(number - 1)] = b;
    row->addWidget(b);
  }
  outer->addLayout(row);
}

QColor MessageDialog::ResolveColor(uint32_t value, bool foreground) {
  if ((value & 0x80000000u) == 0) {
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
  }
  const QPalette pal = QApplication::palette();
  switch (value & 0xFF) {
    case 5: return pal.color(QPalette::Base);
    case 8: return pal.color(QPalette::Text);
    case 13: return pal.color(QPalette::Highlight);
    case 14: return pal.color(QPalette::HighlightedText);
    case 15: return pal.color(QPalette::Button);
    case 17: return pal.color(QPalette::Disabled, QPalette::WindowText);
    case 18: return pal.color(QPalette::ButtonText);
    case 23: return pal.color(QPalette::ToolTipText);
    case 24: return pal.color(QPalette::ToolTipBase);
    default: return pal.color(foreground ? QPalette::WindowText : QPalette::Window);
  }
}

QFont MessageDialog::ResolvedFont() const {
  QFont f = QApplication::font();
  if (!FontName.isEmpty() && QFontDatabase::hasFamily(FontName)) f.setFamily(FontName);
  if (FontSize > 0) f.setPointSizeF(FontSize);
  f.setBold(FontBold);
  return f;
}

void MessageDialog::Apply() {
  setWindowTitle(Title);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, ResolveColor(BackColor, false));
  pal.setColor(QPalette::WindowText, ResolveColor(ForeColor, true));
  setPalette(pal);
  setAutoFillBackground(true);

  const QFont f = ResolvedFont();
  text_->setFont(f);
  QString shown = Prompt;
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  text_->setText(shown);

  const QString* captions[3] = {&Button1Caption, &Button2Caption, &Button3Caption};
  bool any = false;
  for (int n = 1; n <= 3; ++n) {
    const QString words = Words(*captions[n - 1]);
    button(n)->setText(words);
    button(n)->setFont(f);
    button(n)->setHidden(words.isEmpty());
    any = any || !words.isEmpty();
  }
  if (!any) {
    // A message without buttons still needs a way to close it.
    button(1)->setText(QStringLiteral("OK"));
    button(1)->setHidden(false);
  }

  defaultShown_ = 1;
  if (DefaultButton >= 1 && DefaultButton <= 3 && !button(DefaultButton)->isHidden()) {
    defaultShown_ = DefaultButton;
  } else {
    for (int n = 1; n <= 3; ++n) {
      if (!button(n)->isHidden()) {
        defaultShown_ = n;
        break;
      }
    }
  }
  for (int n = 1; n <= 3; ++n) button(n)->setDefault(n == defaultShown_);
  button(defaultShown_)->setFocus(Qt::OtherFocusReason);
  adjustSize();
}

int MessageDialog::ShowDialog(QString& arg) {
  (void)arg;
  Apply();
  const int result = Modal::Exec(*this);
  return (result >= 1 && result <= 3) ? result : 1;
}

QString MessageDialog::ShownText() const { return text_->text(); }

bool MessageDialog::ButtonShown(int number) const { return number >= 1 && number <= 3 && !button(number)->isHidden(); }

QString MessageDialog::ShownCaption(int number) const {
  return ButtonShown(number) ? button(number)->text() : QString();
}

int MessageDialog::DefaultShown() const { return defaultShown_; }

void MessageDialog::Press(int number) {
  if (number >= 1 && number <= 3) done(number);
}

}  // namespace controls
