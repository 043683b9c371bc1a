// Must not build: the document layer links QtCore and QtGui only.
#include <QDialog>
