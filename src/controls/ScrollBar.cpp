#include "controls/ScrollBar.h"

#include <algorithm>

namespace platform {

ScrollBar::ScrollBar(Qt::Orientation orientation, QWidget* parent) : QScrollBar(orientation, parent) {
  setRange(0, 0);
  connect(this, &QAbstractSlider::valueChanged, this, [this] { emit Change(); });
}

void ScrollBar::SetValue(int v) {
  const int before = value();
  setValue(v);
  if (value() == before) emit Change();
}

void ScrollBar::SetMax(int max) { setRange(0, std::max(0, max)); }

}  // namespace platform
