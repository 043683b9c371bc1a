#pragma once
// frmSpilash: the start-up window with the version and the status line.
#include <QElapsedTimer>
#include <QLabel>
#include <QWidget>

#include "controls/Button.h"

namespace shell {

class frmSpilash : public QWidget {
  Q_OBJECT
 public:
  explicit frmSpilash(QWidget* parent = nullptr);

  // Shows the OK button when set before the window loads; nothing sets it at start-up.
  bool ShowOkButton = false;

  void Form_Load();
  void cmdOK_Click();
  // Start-up work after the main window is up; closes the window at the end.
  void Init();

  // major.minor.revision, each a plain decimal number.
  static QString VersionText(int major, int minor, int revision);

  QLabel* lblVersion = nullptr;
  QLabel* lblText = nullptr;
  platform::Button* cmdOK = nullptr;

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  static constexpr qint64 MinimumShownMs = 1200;
  QImage picture_;
  QElapsedTimer shown_;
};

}  // namespace shell
