#include "controls/Button.h"

namespace controls {

Button::Button(QWidget* parent) : Button(QString(), parent) {}

Button::Button(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {
  connect(this, &QPushButton::clicked, this, [this] { emit Click(); });
}

}  // namespace controls
