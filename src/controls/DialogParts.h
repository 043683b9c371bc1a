#pragma once
// Parts every dialog of the program shares, so that they look and behave alike.
#include <QFont>
#include <QString>

class QBoxLayout;
class QPushButton;
class QWidget;

namespace controls {

// The windows' own font, "Tahoma" at a pixel size; where it is not installed Qt draws
// the family it substitutes for it.
QFont WindowFont(int pixelSize = 11);

// The right-aligned row of a dialog's default button and its "Cancel", each wide
// enough to read, added to the bottom of `outer`.
struct DialogButtons {
  QPushButton* ok = nullptr;
  QPushButton* cancel = nullptr;
};
DialogButtons AddDialogButtons(QBoxLayout& outer, QWidget* parent, const QString& okCaption);

}  // namespace controls
