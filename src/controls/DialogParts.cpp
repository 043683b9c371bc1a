#include "controls/DialogParts.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace controls {

QFont WindowFont(int pixelSize) {
  QFont f(QStringLiteral("Tahoma"));
  f.setPixelSize(pixelSize);
  return f;
}

DialogButtons AddDialogButtons(QBoxLayout& outer, QWidget* parent, const QString& okCaption) {
  DialogButtons b{new QPushButton(okCaption, parent), new QPushButton(QStringLiteral("Cancel"), parent)};
  b.ok->setMinimumWidth(88);
  b.cancel->setMinimumWidth(88);
  b.ok->setDefault(true);
  auto* row = new QHBoxLayout;
  row->addStretch(1);
  row->addWidget(b.ok);
  row->addWidget(b.cancel);
  outer.addLayout(row);
  return b;
}

}  // namespace controls
