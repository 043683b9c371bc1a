#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QDialog>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>

#include "controls/Button.h"
#include "controls/FileChooser.h"
#include "controls/ScrollBar.h"

using namespace controls;

namespace {

TEST(ButtonTest, ClickOnlyWhileEnabled) {
  Button b("Ok");
  QSignalSpy clicks(&b, &Button::Click);
  b.click();
  QTest::mouseClick(&b, Qt::LeftButton);
  EXPECT_EQ(clicks.count(), 2);
  b.SetEnabled(false);
  b.click();
  QTest::mouseClick(&b, Qt::LeftButton);
  QTest::keyClick(&b, Qt::Key_Space);
  EXPECT_EQ(clicks.count(), 2);
  b.SetVisible(false);
  EXPECT_TRUE(b.isHidden());
}

TEST(ScrollBarTest, ChangeOnEveryProgramWrite) {
  ScrollBar bar(Qt::Horizontal);
  QSignalSpy changes(&bar, &ScrollBar::Change);
  bar.SetMax(100);
  bar.SetValue(40);
  EXPECT_EQ(bar.Value(), 40);
  EXPECT_EQ(changes.count(), 1);
  bar.SetValue(0);
  bar.SetValue(0);  // the redraw writes 0 even when already there
  EXPECT_EQ(changes.count(), 3);
  bar.SetValue(500);  // kept within the range
  EXPECT_EQ(bar.Value(), 100);
  bar.SetValue(-5);
  EXPECT_EQ(bar.Value(), 0);
  EXPECT_EQ(bar.minimum(), 0);
}

TEST(ScrollBarTest, LoweringMaxMovesTheValueWithChange) {
  ScrollBar bar(Qt::Vertical);
  bar.SetMax(50);
  bar.SetValue(50);
  QSignalSpy changes(&bar, &ScrollBar::Change);
  bar.SetMax(20);
  EXPECT_EQ(bar.Value(), 20);
  EXPECT_EQ(changes.count(), 1);
  bar.SetMax(-3);
  EXPECT_EQ(bar.maximum(), 0);
  bar.SetEnabled(false);
  EXPECT_FALSE(bar.isEnabled());
}

TEST(ScrollBarTest, UserMoveRaisesChange) {
  ScrollBar bar(Qt::Horizontal);
  bar.SetMax(10);
  QSignalSpy changes(&bar, &ScrollBar::Change);
  bar.triggerAction(QAbstractSlider::SliderSingleStepAdd);
  EXPECT_EQ(bar.Value(), 1);
  EXPECT_EQ(changes.count(), 1);
}

// A disabled bar shows no thumb, wherever its position and whatever its range; an
// enabled one shows it where the position puts it.
TEST(ScrollBarTest, DisabledBarDrawsNoThumb) {
  const auto look = [](bool enabled, int max, int value) {
    ScrollBar bar(Qt::Horizontal);
    bar.resize(200, 17);
    bar.SetMax(max);
    bar.SetValue(value);
    bar.SetEnabled(enabled);
    return bar.grab().toImage();
  };
  const QImage idle = look(false, 0, 0);
  if (qEnvironmentVariableIsSet("QN_GRAB_DIR")) idle.save(qEnvironmentVariable("QN_GRAB_DIR") + "/scrollbar.png");
  EXPECT_EQ(idle, look(false, 100, 50));
  EXPECT_EQ(idle, look(false, 100, 100));
  EXPECT_NE(look(true, 100, 0), look(true, 100, 100));
}

TEST(FileChooserTest, ParsesTheFilterPairs) {
  const auto types = FileChooser::ParseFilter("Font File (*.nft)|*.nft|All Files (*.*)|*.*");
  ASSERT_EQ(types.size(), 2);
  EXPECT_EQ(types[0].description, "Font File (*.nft)");
  EXPECT_EQ(types[0].patterns, QStringList{"*.nft"});
  EXPECT_EQ(types[1].description, "All Files (*.*)");
  EXPECT_EQ(types[1].patterns, QStringList{"*"});

  const auto multi = FileChooser::ParseFilter("Pictures|*.bmp; *.PNG|Odd|");
  ASSERT_EQ(multi.size(), 2);
  EXPECT_EQ(multi[0].patterns, (QStringList{"*.bmp", "*.PNG"}));
  EXPECT_EQ(multi[1].patterns, QStringList{"*"});
  EXPECT_EQ(FileChooser::ParseFilter("C Header|*.h|").size(), 1);
  EXPECT_TRUE(FileChooser::ParseFilter("").isEmpty());
}

class FileChooserFixture : public ::testing::Test {
 protected:
  QTemporaryDir dir;
  FileChooser chooser;
  QFileDialog* inner() { return chooser.findChild<QFileDialog*>(); }
  QLineEdit* nameBox() { return chooser.findChild<QLineEdit*>("fileNameEdit"); }
  // The folder view the user sees (details or list).
  QAbstractItemView* View() {
    for (auto* v : inner()->findChildren<QAbstractItemView*>())
      if (v->isVisible() && (v->objectName() == "treeView" || v->objectName() == "listView")) return v;
    return nullptr;
  }
  void Touch(const QString& name) { QFile(dir.filePath(name)).open(QIODevice::WriteOnly); }
};

TEST_F(FileChooserFixture, FolderPathEndsInSlashAndJoinsWithTheTitle) {
  chooser.SetFolder(dir.path());
  chooser.SetFileTitle("a.nft");
  EXPECT_EQ(chooser.FolderPath(), dir.path() + "/");
  EXPECT_EQ(chooser.FileTitle(), "a.nft");
  EXPECT_EQ(chooser.FolderPath() + chooser.FileTitle(), dir.filePath("a.nft"));
  chooser.SetFileTitle("");
  EXPECT_EQ(chooser.FolderPath() + chooser.FileTitle(), dir.path() + "/");
  chooser.SetFolder("\\");
  EXPECT_EQ(chooser.FolderPath(), "/");
}

TEST_F(FileChooserFixture, TypedPathNamesItsOwnFolder) {
  ASSERT_TRUE(QDir(dir.path()).mkdir("sub"));
  chooser.SetFolder(dir.path());
  nameBox()->setText("sub/b.nft");
  EXPECT_EQ(chooser.FolderPath(), dir.filePath("sub") + "/");
  EXPECT_EQ(chooser.FileTitle(), "b.nft");
  nameBox()->setText("/tmp/c.nft");
  EXPECT_EQ(chooser.FolderPath() + chooser.FileTitle(), "/tmp/c.nft");
}

TEST_F(FileChooserFixture, MissingStartFolderFallsBackToItsParent) {
  chooser.SetFolder(dir.filePath("no/such"));
  EXPECT_EQ(chooser.FolderPath(), dir.path() + "/");
}

TEST_F(FileChooserFixture, FilterAndIndexChooseTheFileType) {
  chooser.SetFilter("Font File (*.nft)|*.nft|All Files (*.*)|*.*");
  chooser.SetFilterIndex(1);
  // The chooser shows the descriptions alone.
  EXPECT_EQ(inner()->selectedNameFilter(), "All Files (*.*)");
  chooser.SetFilterIndex(0);
  EXPECT_EQ(inner()->selectedNameFilter(), "Font File (*.nft)");
  EXPECT_EQ(inner()->nameFilters().first(), "Font File (*.nft) (*.[nN][fF][tT])");
  chooser.SetFilterIndex(7);
  EXPECT_EQ(inner()->selectedNameFilter(), "Font File (*.nft)");
}

TEST_F(FileChooserFixture, TypingRaisesChangeButProgramWritesDoNot) {
  QSignalSpy changes(&chooser, &FileChooser::Change);
  chooser.SetFolder(dir.path());
  chooser.SetFileTitle("x.nft");
  chooser.SetFilter("A|*.a");
  EXPECT_EQ(changes.count(), 0);
  QTest::keyClicks(nameBox(), "new");
  EXPECT_GE(changes.count(), 3);
  EXPECT_EQ(chooser.FileTitle(), "x.nftnew");
}

TEST_F(FileChooserFixture, EnterOnATypedNewNameAccepts) {
  chooser.SetFolder(dir.path());
  QSignalSpy accepts(&chooser, &FileChooser::Accept);
  chooser.show();
  nameBox()->setFocus();
  QTest::keyClicks(nameBox(), "brand new.nft");
  QTest::keyClick(nameBox(), Qt::Key_Return);
  EXPECT_EQ(accepts.count(), 1);
  EXPECT_TRUE(chooser.isVisible());
  EXPECT_TRUE(inner()->isVisible());
  EXPECT_EQ(chooser.FolderPath() + chooser.FileTitle(), dir.filePath("brand new.nft"));
}

TEST_F(FileChooserFixture, EnterWithoutANameDoesNotAccept) {
  chooser.SetFolder(dir.path());
  QSignalSpy accepts(&chooser, &FileChooser::Accept);
  chooser.show();
  nameBox()->setFocus();
  QTest::keyClick(nameBox(), Qt::Key_Return);
  EXPECT_EQ(accepts.count(), 0);
}

TEST_F(FileChooserFixture, DoubleClickOnAFileAccepts) {
  Touch("glyphs.nft");
  chooser.SetFilter("Font File (*.nft)|*.nft");
  chooser.SetFolder(dir.path());
  chooser.resize(600, 400);
  chooser.show();
  QAbstractItemView* list = View();
  ASSERT_NE(list, nullptr);
  QSignalSpy accepts(&chooser, &FileChooser::Accept);
  QModelIndex file;
  ASSERT_TRUE(QTest::qWaitFor([&] {
    const QModelIndex root = list->rootIndex();
    for (int r = 0; r < list->model()->rowCount(root); ++r) {
      const QModelIndex i = list->model()->index(r, 0, root);
      if (i.data().toString() == "glyphs.nft") file = i;
    }
    return file.isValid();
  }));
  QSignalSpy changes(&chooser, &FileChooser::Change);
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(file).center());
  EXPECT_EQ(chooser.FileTitle(), "glyphs.nft");
  EXPECT_GE(changes.count(), 1);
  EXPECT_EQ(accepts.count(), 0);
  QTest::keyClick(list, Qt::Key_Return);  // Enter in the list accepts once, not twice
  EXPECT_EQ(accepts.count(), 1);
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(file).center());
  EXPECT_EQ(accepts.count(), 2);
  EXPECT_EQ(chooser.FolderPath() + chooser.FileTitle(), dir.filePath("glyphs.nft"));
}

TEST_F(FileChooserFixture, DoubleClickOnAFolderEntersIt) {
  ASSERT_TRUE(QDir(dir.path()).mkdir("sub"));
  chooser.SetFolder(dir.path());
  chooser.resize(600, 400);
  chooser.show();
  QAbstractItemView* list = View();
  ASSERT_NE(list, nullptr);
  QModelIndex sub;
  ASSERT_TRUE(QTest::qWaitFor([&] {
    const QModelIndex root = list->rootIndex();
    for (int r = 0; r < list->model()->rowCount(root); ++r)
      if (list->model()->index(r, 0, root).data().toString() == "sub") sub = list->model()->index(r, 0, root);
    return sub.isValid();
  }));
  QSignalSpy accepts(&chooser, &FileChooser::Accept);
  QSignalSpy changes(&chooser, &FileChooser::Change);
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(sub).center());
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(sub).center());
  EXPECT_EQ(accepts.count(), 0);
  EXPECT_GE(changes.count(), 1);
  EXPECT_EQ(chooser.FolderPath(), dir.filePath("sub") + "/");
}

TEST_F(FileChooserFixture, FilterHidesOtherFilesWhateverTheirCase) {
  Touch("a.nft");
  Touch("B.NFT");
  Touch("c.txt");
  chooser.SetFilter("Font File (*.nft)|*.nft");
  chooser.SetFolder(dir.path());
  chooser.show();
  QAbstractItemView* list = View();
  ASSERT_NE(list, nullptr);
  QStringList shown;
  EXPECT_TRUE(QTest::qWaitFor([&] {
    shown.clear();
    const QModelIndex root = list->rootIndex();
    for (int r = 0; r < list->model()->rowCount(root); ++r) shown << list->model()->index(r, 0, root).data().toString();
    return shown.size() >= 2;
  }));
  QTest::qWait(50);  // a third, wrongly shown file would have arrived by now
  shown.clear();
  for (int r = 0; r < list->model()->rowCount(list->rootIndex()); ++r)
    shown << list->model()->index(r, 0, list->rootIndex()).data().toString();
  shown.sort();
  EXPECT_EQ(shown, (QStringList{"B.NFT", "a.nft"}));
}

TEST_F(FileChooserFixture, EscapeReachesTheWindowAround) {
  QDialog outer;
  auto* c = new FileChooser(&outer);
  (new QVBoxLayout(&outer))->addWidget(c);
  outer.show();
  bool rejected = false;
  QObject::connect(&outer, &QDialog::rejected, [&] { rejected = true; });
  auto* box = c->findChild<QLineEdit*>("fileNameEdit");
  box->setFocus();
  QTest::keyClick(box, Qt::Key_Escape);
  EXPECT_TRUE(rejected);
  EXPECT_TRUE(c->findChild<QFileDialog*>()->isVisible() || !outer.isVisible());
}

}  // namespace
