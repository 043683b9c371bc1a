#pragma once
// The push button of every window: a click handler per button.
#include <QPushButton>

namespace controls {

class Button : public QPushButton {
  Q_OBJECT
 public:
  explicit Button(QWidget* parent = nullptr);
  explicit Button(const QString& caption, QWidget* parent = nullptr);

  void SetVisible(bool on) { setVisible(on); }
  // A disabled button raises no Click, neither from the mouse nor the keyboard.
  void SetEnabled(bool on) { setEnabled(on); }

 Q_SIGNALS:
  void Click();
};

}  // namespace controls
