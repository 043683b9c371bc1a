#include "shell/SplashWindow.h"

#include <QCoreApplication>
#include <QPainter>

namespace shell {

namespace {

// The splash picture: a dot-matrix rendering of the program's name.
QImage MakeSplashPicture() {
  QImage img(500, 375, QImage::Format_RGB32);
  img.fill(qRgb(24, 40, 32));
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  QImage text(100, 20, QImage::Format_RGB32);
  text.fill(Qt::black);
  {
    QPainter tp(&text);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(14);
    f.setBold(true);
    tp.setFont(f);
    tp.setPen(Qt::white);
    tp.drawText(text.rect(), Qt::AlignCenter, QStringLiteral("Quillane II"));
  }
  // Each pixel of the small text becomes one LED dot.
  for (int y = 0; y < text.height(); ++y)
    for (int x = 0; x < text.width(); ++x) {
      const bool lit = qGray(text.pixel(x, y)) > 110;
      p.setPen(Qt::NoPen);
      p.setBrush(lit ? QColor(120, 255, 140) : QColor(40, 64, 50));
      p.drawEllipse(QPointF(x * 5 + 2.5, 120 + y * 5 + 2.5), 2.0, 2.0);
    }
  p.setPen(QColor(190, 220, 200));
  QFont f(QStringLiteral("DejaVu Sans"));
  f.setPixelSize(15);
  p.setFont(f);
  p.drawText(QRect(0, 240, 500, 30), Qt::AlignCenter, QStringLiteral("Bitmap fonts for dot-matrix displays"));
  return img;
}

}  // namespace

frmSpilash::frmSpilash(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), picture_(MakeSplashPicture()) {
  setFixedSize(picture_.size());
  lblVersion = new QLabel(this);
  lblVersion->setGeometry(20, 330, 200, 20);
  lblVersion->setStyleSheet(QStringLiteral("color: #cfe8d6;"));
  lblText = new QLabel(this);
  lblText->setGeometry(20, 350, 460, 20);
  lblText->setStyleSheet(QStringLiteral("color: #cfe8d6;"));
  cmdOK = new controls::Button(QStringLiteral("Ok"), this);
  cmdOK->setGeometry(410, 325, 75, 26);
  connect(cmdOK, &controls::Button::Click, this, [this] { cmdOK_Click(); });
  Form_Load();
}

QString frmSpilash::VersionText(int major, int minor, int revision) {
  return QStringLiteral("%1.%2.%3").arg(major).arg(minor).arg(revision);
}

void frmSpilash::Form_Load() {
  lblVersion->setText(VersionText(QN_VERSION_MAJOR, QN_VERSION_MINOR, QN_VERSION_PATCH));
  lblText->setText(QString());
  cmdOK->SetVisible(ShowOkButton);
}

void frmSpilash::cmdOK_Click() { close(); }

void frmSpilash::Init() {
  if (Plugins) {
    ScanPluginFolder(plugins::PluginKind::Import);
    ScanPluginFolder(plugins::PluginKind::Export);
    ScanPluginFolder(plugins::PluginKind::Device);
  }
  if (InitCharTables) InitCharTables();
  close();
}

void frmSpilash::ScanPluginFolder(plugins::PluginKind kind) {
  const plugins::PluginEnvironment& env = Plugins->Environment;
  plugins::ScanPluginFolder(plugins::PluginFolder(env, kind), kind, Plugins->Tables, env, [this](const QString& name) {
    lblText->setText(QStringLiteral("Find Plugin ") + name);
    lblText->repaint();
    // The main window is up already: it repaints and takes commands meanwhile.
    QCoreApplication::processEvents();
  });
}

void frmSpilash::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.drawImage(0, 0, picture_);
}

}  // namespace shell
