#pragma once
// The program's message window: a prompt and up to three buttons, numbered 3, 2, 1
// from left to right. The caller writes the members, then ShowDialog shows it
// modally (through Modal::Exec) and returns the number of the pressed button.
#include <QDialog>
#include <QString>
#include <array>
#include <cstdint>

class QLabel;
class QPushButton;

namespace controls {

class MessageDialog : public QDialog {
  Q_OBJECT

 public:
  explicit MessageDialog(QWidget* parent = nullptr);

  // Colours: a plain 0x00BBGGRR value, or 0x80000000 | a system colour index
  // (24 tooltip background, 23 tooltip text, ...), taken from the palette.
  uint32_t BackColor = 0x80000018;
  uint32_t ForeColor = 0x80000017;

  // The text; a CR LF (or a lone LF) is a line break.
  QString Prompt;
  // Captions by button number; an empty (or all-blank) caption hides its button.
  QString Button1Caption;
  QString Button2Caption;
  QString Button3Caption;
  QString FontName = QStringLiteral("Tahoma");
  float FontSize = 10.0f;
  bool FontBold = true;
  // 1..3; a hidden default falls back to the rightmost shown button.
  int DefaultButton = 1;
  QString Title;

  // Shows the window modally; returns 1..3. Closing it without a button (title-bar
  // close or Escape) returns 1, the place of "Cancel" / "No" in every button set.
  // Without any captioned button the window offers a single "OK", which returns 1.
  // The argument is accepted for the caller's sake and not used.
  int ShowDialog(QString& arg);

  // Puts the members on the controls; ShowDialog does it before showing. Public so
  // that a test can look at the window without showing it.
  void Apply();

  // For test scripts: the text as shown, the button shown for a number, and the
  // same as clicking a button (done(button)).
  QString ShownText() const;
  bool ButtonShown(int button) const;
  QString ShownCaption(int button) const;
  // The button that is the default and has the focus.
  int DefaultShown() const;
  void Press(int button);

  // The font actually used for FontName, FontSize, FontBold: a missing family
  // gives the system's font in the same size and weight.
  QFont ResolvedFont() const;
  // Resolves a colour value as described at BackColor.
  static QColor ResolveColor(uint32_t value, bool foreground);

 private:
  QPushButton* button(int number) const { return buttons_[static_cast<size_t>(number - 1)]; }
  QLabel* text_ = nullptr;
  std::array<QPushButton*, 3> buttons_{};  // by number 1..3
  int defaultShown_ = 1;
};

}  // namespace controls
