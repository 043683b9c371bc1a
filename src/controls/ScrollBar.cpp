#include "controls/ScrollBar.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionSlider>
#include <algorithm>

namespace controls {

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

void ScrollBar::paintEvent(QPaintEvent* event) {
  if (isEnabled()) {
    QScrollBar::paintEvent(event);
    return;
  }
  QPainter painter(this);
  QStyleOptionSlider option;
  initStyleOption(&option);
  option.subControls &= ~QStyle::SC_ScrollBarSlider;
  style()->drawComplexControl(QStyle::CC_ScrollBar, &option, &painter, this);
}

}  // namespace controls
