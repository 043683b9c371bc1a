// A glyph from a clipboard bitmap: the paste itself, the command on the clipboard,
// and one run against a real X server whose clipboard another program fills.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QMimeData>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include "TestSupport.h"
#include "editor/PasteSpecial.h"
#include "controls/MessageDialog.h"
#include "controls/Modal.h"

using controls::ScopedModalScript;
using editor::PasteOutcome;

namespace {

// White paper with ink in three corners, a light-grey and a red pixel.
QImage Pattern(int w, int h) {
  QImage img(w, h, QImage::Format_RGB32);
  img.fill(Qt::white);
  img.setPixel(0, 0, qRgb(0, 0, 0));
  img.setPixel(w - 1, 0, qRgb(0, 0, 0));
  img.setPixel(w - 1, h - 1, qRgb(0, 0, 0));
  if (w > 4 && h > 4) {
    img.setPixel(2, 3, qRgb(254, 254, 254));
    img.setPixel(3, 2, qRgb(255, 0, 0));
  }
  return img;
}

// Cells (0..w, 0..h) against the pattern: ink where the picture is not white.
::testing::AssertionResult GridShows(const doc::ModConst& s, const QImage& img, uint8_t ink) {
  for (int x = 0; x < img.width(); ++x)
    for (int y = 0; y < img.height(); ++y) {
      const uint8_t want = img.pixel(x, y) == qRgb(255, 255, 255) ? 0 : ink;
      if (s.DesignData.Get(x, y) != want)
        return ::testing::AssertionFailure() << "cell " << x << "," << y << " is " << int(s.DesignData.Get(x, y));
    }
  return ::testing::AssertionSuccess();
}

struct PasteFixture : ::testing::Test, testsupport::EditorFixture {
  PasteFixture() {
    s.CurrentChar = 65;
    s.CurrentColor = 3;
    ed.CharWidth = 8;
    ed.CharHeight = 14;
    s.DesignData.Set(5, 5, 7);  // the glyph before the paste
  }
};

TEST_F(PasteFixture, GlyphIsOneCellSmallerThanThePictureAndMaximaRise) {
  struct Case {
    int w, h;
    int32_t charW, charH, maxW, maxH;
  } cases[] = {{16, 16, 15, 15, 32, 16}, {40, 20, 39, 19, 39, 19}, {1, 1, 0, 0, 32, 16}, {2000, 3, 1999, 2, 1999, 16}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.w << " x " << c.h);
    doc::InitDefaults(s);
    s.CurrentChar = 65;
    s.CurrentColor = 3;
    s.DesignData.Set(5, 5, 7);
    const QImage img = Pattern(c.w, c.h);
    ASSERT_EQ(editor::PasteBitmap(s, img, ed.CharWidth, ed.CharHeight), PasteOutcome::Pasted);
    EXPECT_EQ(ed.CharWidth, c.charW);
    EXPECT_EQ(ed.CharHeight, c.charH);
    EXPECT_EQ(s.MaxWidth, c.maxW);
    EXPECT_EQ(s.MaxHeight, c.maxH);
    EXPECT_EQ(s.DesignData.HighX(), c.maxW + doc::DesignGrid::Margin);
    // The whole picture is sampled: its last column and row land just outside the glyph.
    EXPECT_TRUE(GridShows(s, img, 3));
    if (c.w > 5 && c.h > 5) {
      EXPECT_EQ(s.DesignData.Get(5, 5), 0);  // the old glyph is gone
    }
    EXPECT_FALSE(s.FontModified);
  }
}

TEST_F(PasteFixture, AnyColourButWhiteIsInkAndTransparencyIsPaper) {
  QImage img(6, 4, QImage::Format_ARGB32);
  img.fill(qRgb(250, 250, 250));  // a grey background becomes ink everywhere
  img.setPixel(1, 1, qRgba(0, 0, 0, 0));
  img.setPixel(2, 1, qRgb(255, 255, 255));
  ASSERT_EQ(editor::PasteBitmap(s, img, ed.CharWidth, ed.CharHeight), PasteOutcome::Pasted);
  for (int x = 0; x < 6; ++x)
    for (int y = 0; y < 4; ++y)
      EXPECT_EQ(s.DesignData.Get(x, y), (y == 1 && (x == 1 || x == 2)) ? 0 : 3) << x << "," << y;
}

TEST_F(PasteFixture, RefusalsChangeNothing) {
  const doc::DesignGrid grid = s.DesignData;
  struct Case {
    QImage img;
    int32_t currentChar;
    PasteOutcome want;
  } cases[] = {{QImage(), 65, PasteOutcome::NoPicture},
               {Pattern(4, 4), -1, PasteOutcome::NoGlyph},
               {QImage(32767, 1, QImage::Format_Mono), 65, PasteOutcome::TooLarge},
               {QImage(1, 32767, QImage::Format_Mono), 65, PasteOutcome::TooLarge}};
  for (const Case& c : cases) {
    s.CurrentChar = c.currentChar;
    EXPECT_EQ(editor::PasteBitmap(s, c.img, ed.CharWidth, ed.CharHeight), c.want);
    EXPECT_EQ(ed.CharWidth, 8);
    EXPECT_EQ(ed.CharHeight, 14);
    EXPECT_EQ(s.MaxWidth, 32);
    EXPECT_EQ(s.DesignData.Get(5, 5), 7);
    EXPECT_EQ(s.DesignData.HighX(), grid.HighX());
  }
  QImage widest(32766, 1, QImage::Format_Mono);
  widest.fill(1);
  s.CurrentChar = 65;
  EXPECT_EQ(editor::CheckPastedPicture(s, widest), PasteOutcome::Pasted);
}

// The command reads the system clipboard (here the in-process one of the test's
// platform), records the glyph on screen first and redraws.
TEST_F(PasteFixture, CommandPastesTheClipboardAndOneUndoBringsTheGlyphBack) {
  ed.FormLoad();
  s.CurrentChar = 65;
  s.DesignData.Set(5, 5, 7);
  ed.SaveUndoAction();        // an earlier edit's record
  s.DesignData.Set(6, 6, 2);  // the last edit, on screen
  QClipboard* clip = QGuiApplication::clipboard();
  const QImage img = Pattern(12, 10);
  clip->setImage(img);
  const int redraws = host.gridRedraws;
  {
    ScopedModalScript none;
    ed.PasteSpecial();
    EXPECT_EQ(none.Shown(), 0);
  }
  EXPECT_EQ(host.gridRedraws, redraws + 1);
  EXPECT_EQ(ed.CharWidth, 11);
  EXPECT_EQ(ed.CharHeight, 9);
  EXPECT_TRUE(GridShows(s, img, static_cast<uint8_t>(s.CurrentColor)));
  EXPECT_FALSE(clip->image().isNull());  // the clipboard keeps its picture

  ed.Undo();
  EXPECT_EQ(ed.CharWidth, 8);
  EXPECT_EQ(ed.CharHeight, 14);
  EXPECT_EQ(s.DesignData.Get(5, 5), 7);
  EXPECT_EQ(s.DesignData.Get(6, 6), 2);
  EXPECT_EQ(s.DesignData.Get(0, 0), 0);
}

TEST_F(PasteFixture, CommandIgnoresTextOrNothingAndRefusesAHugePicture) {
  QClipboard* clip = QGuiApplication::clipboard();
  const int usedSlots = UndoSlotsInUse();
  for (int round = 0; round < 2; ++round) {
    if (round == 0) {
      clip->setText(QStringLiteral("not a picture"));
    } else {
      clip->clear();
    }
    ScopedModalScript none;
    ed.PasteSpecial();
    EXPECT_EQ(none.Shown(), 0);
    EXPECT_EQ(host.gridRedraws, 0);
    EXPECT_EQ(UndoSlotsInUse(), usedSlots);
    EXPECT_EQ(s.DesignData.Get(5, 5), 7);
  }

  QImage huge(40000, 1, QImage::Format_Mono);
  huge.fill(0);
  clip->setImage(huge);
  QString shown;
  {
    ScopedModalScript script({[&shown](QDialog& d) {
      auto& box = static_cast<controls::MessageDialog&>(d);
      shown = box.Prompt;
      box.Press(1);
      return d.result();
    }});
    ed.PasteSpecial();
    EXPECT_EQ(script.Shown(), 1);
  }
  EXPECT_TRUE(shown.contains("40000 x 1")) << shown.toStdString();
  EXPECT_EQ(ed.CharWidth, 8);
  EXPECT_EQ(s.DesignData.Get(5, 5), 7);
  EXPECT_EQ(UndoSlotsInUse(), usedSlots);
  EXPECT_EQ(host.gridRedraws, 0);
  clip->clear();
}

// --- Against a real X server -------------------------------------------------

constexpr int ServerPattern[2] = {16, 16};

// Runs only as the child of the test below, inside its X server: the clipboard is
// the server's, filled by xclip.
TEST(PasteSpecialOnX11, DISABLED_ChildPastesFromTheServersClipboard) {
  ASSERT_EQ(QGuiApplication::platformName(), "xcb");
  testsupport::EditorFixture f;
  f.s.CurrentChar = 65;
  f.s.CurrentColor = 2;
  QClipboard* clip = QGuiApplication::clipboard();
  QElapsedTimer t;
  t.start();
  // xclip may still be taking the selection when this starts.
  while (clip->image().isNull() && t.elapsed() < 10000) {
    QCoreApplication::processEvents();
    QThread::msleep(50);
  }
  ASSERT_FALSE(clip->image().isNull()) << "no picture on the X clipboard";
  {
    ScopedModalScript none;
    f.ed.PasteSpecial();
  }
  EXPECT_EQ(f.ed.CharWidth, ServerPattern[0] - 1);
  EXPECT_EQ(f.ed.CharHeight, ServerPattern[1] - 1);
  EXPECT_TRUE(GridShows(f.s, Pattern(ServerPattern[0], ServerPattern[1]), 2));
}

// Kills what it started, however the test ends.
struct ProcessGuard {
  QProcess& p;
  ~ProcessGuard() {
    if (p.state() == QProcess::NotRunning) return;
    p.terminate();
    if (!p.waitForFinished(3000)) {
      p.kill();
      p.waitForFinished(3000);
    }
  }
};

TEST(PasteSpecialOnX11, PicturePutOnTheClipboardByAnotherProgramBecomesTheGlyph) {
  const QString xvfb = QStandardPaths::findExecutable("Xvfb");
  const QString xclip = QStandardPaths::findExecutable("xclip");
  if (xvfb.isEmpty() || xclip.isEmpty())
    GTEST_SKIP() << "Xvfb or xclip is not installed (Debian packages xvfb and xclip; scripts/setup.sh installs them)";
  if (!QFileInfo::exists(QLibraryInfo::path(QLibraryInfo::PluginsPath) + "/platforms/libqxcb.so"))
    GTEST_SKIP() << "Qt's X11 platform plug-in is not installed (Debian package qt6-qpa-plugins)";

  QTemporaryDir dir;
  const QString png = dir.filePath("glyph.png");
  ASSERT_TRUE(Pattern(ServerPattern[0], ServerPattern[1]).save(png, "PNG"));

  // The server picks a free display itself and tells it on its standard output.
  QProcess server;
  ProcessGuard serverGuard{server};
  server.start(xvfb, {"-displayfd", "1", "-nolisten", "tcp", "-screen", "0", "640x480x24"});
  ASSERT_TRUE(server.waitForStarted(10000)) << "Xvfb does not start";
  QByteArray display;
  QElapsedTimer t;
  t.start();
  while (!display.contains('\n') && t.elapsed() < 20000 && server.state() == QProcess::Running) {
    server.waitForReadyRead(500);
    display += server.readAllStandardOutput();
  }
  display = display.trimmed();
  ASSERT_FALSE(display.isEmpty()) << "Xvfb gave no display: " << server.readAllStandardError().toStdString();

  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("DISPLAY", ":" + QString::fromLatin1(display));
  env.insert("QT_QPA_PLATFORM", "xcb");
  env.remove("WAYLAND_DISPLAY");
  // The X keyboard library reads its key names with strndup past what the strict
  // string check of the sanitizer allows; the connection to the server is not ours.
  if (env.contains("ASAN_OPTIONS"))
    env.insert("ASAN_OPTIONS", env.value("ASAN_OPTIONS").replace("strict_string_checks=1", "strict_string_checks=0"));

  // xclip serves the selection from the background until the server goes away.
  QProcess fill;
  ProcessGuard fillGuard{fill};
  fill.setProcessEnvironment(env);
  fill.setStandardInputFile(QProcess::nullDevice());
  fill.setStandardOutputFile(QProcess::nullDevice());
  fill.start(xclip, {"-selection", "clipboard", "-t", "image/png", "-i", png});
  ASSERT_TRUE(fill.waitForFinished(10000)) << "xclip does not return";
  ASSERT_EQ(fill.exitCode(), 0) << fill.readAllStandardError().toStdString();

  QProcess child;
  ProcessGuard childGuard{child};
  child.setProcessEnvironment(env);
  child.setProcessChannelMode(QProcess::MergedChannels);
  child.start(QCoreApplication::applicationFilePath(),
              {"--gtest_also_run_disabled_tests",
               "--gtest_filter=PasteSpecialOnX11.DISABLED_ChildPastesFromTheServersClipboard"});
  ASSERT_TRUE(child.waitForFinished(60000)) << "the pasting program does not finish";
  const QString out = QString::fromLocal8Bit(child.readAll());
  EXPECT_EQ(child.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(child.exitCode(), 0) << out.toStdString();
  EXPECT_TRUE(out.contains("[  PASSED  ] 1 test")) << out.toStdString();
}

}  // namespace
