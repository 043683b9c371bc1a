// The character-list editor frmCharList on a CharList.ini of the test's own.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>
#include <unistd.h>

#include "DocumentTestSupport.h"
#include "controls/Button.h"
#include "platform/IniFile.h"
#include "controls/MessageDialog.h"
#include "controls/Modal.h"
#include "charlists/CharListEditing.h"
#include "charlists/CharListEditor.h"

using charlists::frmCharList;
using controls::ScopedModalScript;
using platform::IniFile;

namespace {

class CharListEditorTest : public ::testing::Test {
 protected:
  QTemporaryDir dir;
  QString path = dir.filePath("CharList.ini");
  IniFile ini;

  void Put(const QByteArray& bytes) { ASSERT_TRUE(testsupport::WriteBytes(path, bytes)); }
  QByteArray Get() const { return testsupport::ReadBytes(path); }
  QString Read(const QString& section, const QString& key) { return IniFile().ReadValue(section, key, "", path); }
  static QStringList Entries(const frmCharList& w) {
    QStringList e;
    for (int i = 0; i < w.cmbList->count(); ++i) e.append(w.cmbList->itemText(i));
    return e;
  }
  static QString Line(const frmCharList& w, int code) { return w.lstChars->item(code)->text(); }
};

// One scripted message: keeps its text and default, presses a button.
controls::Modal::Answer Message(QString* shown, int press, int* defaultButton = nullptr) {
  return [=](QDialog& d) {
    auto& box = static_cast<controls::MessageDialog&>(d);
    box.Apply();
    if (shown) *shown = box.ShownText();
    if (defaultButton) *defaultButton = box.DefaultShown();
    box.Press(press);
    return d.result();
  };
}

TEST(CharListEditorLines, TheTwoLineFormsHideTheMarkerOnly) {
  struct Case {
    int code;
    const char* value;
    const char* loaded;
  } cases[] = {{65, "", "065 A"},  {32, "", "032 Space"},         {5, "", "005"},
               {128, "", "128"},   {127, "", "127 \x7f"},         {200, "x\\rtl", "200 x"},
               {66, "b", "066 b"}, {201, "x\\RTL", "201 x\\RTL"}, {0, "\\rtl\\rtl", "000 "}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code);
    EXPECT_EQ(charlists::LoadedLine(c.code, QString::fromLatin1(c.value)), QString::fromLatin1(c.loaded));
  }
  EXPECT_EQ(charlists::EditedLine(32, " "), "032  ");
  EXPECT_EQ(charlists::EditedLine(5, ""), "005 ");
  EXPECT_EQ(charlists::EditedLine(300, QString::fromUtf8("\xd9\xbe\\rtl")), QString::fromUtf8("300 \xd9\xbe"));
}

TEST_F(CharListEditorTest, OpensWithTheNamesUpToTheFirstEmptyAndLoadsTheFirst) {
  Put("[List]\nItem1=Latin\nItem2=Persian\nItem3=\nItem4=Lost\n\n[Latin]\nChars66=b\nChars200=x\\rtl\n");
  frmCharList w(ini, path);
  EXPECT_EQ(w.windowTitle(), "Character List");
  EXPECT_EQ(Entries(w), (QStringList{"Latin", "Persian"}));
  EXPECT_EQ(w.cmbList->currentText(), "Latin");
  ASSERT_EQ(w.lstChars->count(), 512);
  EXPECT_EQ(w.lstChars->currentRow(), 0);
  EXPECT_EQ(Line(w, 0), "000");
  EXPECT_EQ(Line(w, 32), "032 Space");
  EXPECT_EQ(Line(w, 65), "065 A");
  EXPECT_EQ(Line(w, 66), "066 b");
  EXPECT_EQ(w.ListChars[32], " ");
  EXPECT_EQ(w.ListChars[65], "A");
  EXPECT_EQ(w.ListChars[300], "");

  // "\rtl": the line hides it, the text box and ListChars keep it, Save writes it back.
  EXPECT_EQ(Line(w, 200), "200 x");
  w.lstChars->setCurrentRow(200);
  EXPECT_EQ(w.txtChar->text(), "x\\rtl");
  EXPECT_EQ(Line(w, 200), "200 x");
  w.btnSave->click();
  EXPECT_EQ(Read("Latin", "Chars200"), "x\\rtl");

  // Choosing a line rebuilds it in the edited form.
  w.lstChars->setCurrentRow(32);
  EXPECT_EQ(Line(w, 32), "032  ");
}

TEST_F(CharListEditorTest, EveryKeystrokeUpdatesTheLineAndListChars) {
  Put("[List]\nItem1=Latin\n");
  frmCharList w(ini, path);
  w.lstChars->setCurrentRow(65);
  ASSERT_EQ(w.txtChar->text(), "A");
  w.txtChar->end(false);
  QTest::keyClick(w.txtChar, Qt::Key_B);
  EXPECT_EQ(Line(w, 65), "065 Ab");
  EXPECT_EQ(w.ListChars[65], "Ab");
  QTest::keyClick(w.txtChar, Qt::Key_Backspace);
  QTest::keyClick(w.txtChar, Qt::Key_Backspace);
  EXPECT_EQ(Line(w, 65), "065 ");
  EXPECT_EQ(w.ListChars[65], "");
  // Nothing reaches the file before Save.
  EXPECT_EQ(Read("Latin", "Chars65"), "");
}

TEST_F(CharListEditorTest, TypingWithoutAnyListStoresNothing) {
  frmCharList w(ini, path);  // no file at all
  EXPECT_EQ(w.cmbList->count(), 0);
  EXPECT_EQ(w.lstChars->count(), 0);
  w.txtChar->setText("abc");
  QTest::keyClick(w.txtChar, Qt::Key_D);
  EXPECT_EQ(w.txtChar->text(), "abcd");
  for (const QString& t : w.ListChars) EXPECT_TRUE(t.isEmpty());
  EXPECT_FALSE(QFile::exists(path));
}

TEST_F(CharListEditorTest, AddOfAnExistingNameLoadsItAndSaveRegistersNothing) {
  Put("[List]\nItem1=Latin\nItem2=Persian\n\n[Persian]\nChars65=\xd8\xa7\n");
  frmCharList w(ini, path);
  w.cmbList->setEditText("Persian");
  w.btnAdd->click();
  EXPECT_EQ(Entries(w), (QStringList{"Latin", "Persian", "Persian"}));
  EXPECT_EQ(w.cmbList->currentIndex(), 2);
  EXPECT_EQ(w.ListChars[65], QString::fromUtf8("\xd8\xa7"));
  EXPECT_EQ(Line(w, 65), QString::fromUtf8("065 \xd8\xa7"));
  w.btnSave->click();
  for (int c : {0, 32, 65, 66, 511}) EXPECT_EQ(Read("Persian", QString("Chars%1").arg(c)), w.ListChars[c]) << c;
  EXPECT_EQ(Read("Persian", "Chars66"), "B");  // defaults are written too
  EXPECT_EQ(Read("List", "Item3"), "");
}

TEST_F(CharListEditorTest, SaveOfANewListTakesTheFirstFreeItem) {
  Put("[List]\nItem1=Latin\nItem2=Persian\n");
  frmCharList w(ini, path);
  w.cmbList->setEditText("L");
  w.btnAdd->click();
  EXPECT_EQ(w.ListChars[66], "B");  // a new name loads the defaults
  w.lstChars->setCurrentRow(66);
  w.txtChar->setText(QString::fromUtf8("\xd9\xbe\\rtl"));
  w.btnSave->click();
  EXPECT_EQ(Read("List", "Item3"), "L");
  EXPECT_EQ(Read("L", "Chars66"), QString::fromUtf8("\xd9\xbe\\rtl"));
  EXPECT_EQ(Read("L", "Chars32"), " ");
  EXPECT_EQ(Read("L", "Chars65"), "A");
  // Saving again finds the name registered.
  w.btnSave->click();
  EXPECT_EQ(Read("List", "Item4"), "");
}

TEST_F(CharListEditorTest, SaveWithAnEmptyNameWritesAnEmptySectionAndRegistersNothing) {
  Put("[List]\nItem1=Latin\n");
  frmCharList w(ini, path);
  w.cmbList->setEditText("");
  w.btnSave->click();
  EXPECT_EQ(Read("", "Chars65"), "A");
  EXPECT_EQ(Read("List", "Item1"), "Latin");
  EXPECT_EQ(Read("List", "Item2"), "");
}

TEST_F(CharListEditorTest, RemoveAsksAndRewritesTheNamesWithoutTheList) {
  Put("[List]\nItem1=A\nItem2=B\nItem3=C\n\n[B]\nChars65=b\nChars300=q\n\n[C]\nChars65=c\n");
  frmCharList w(ini, path);
  w.cmbList->setCurrentIndex(1);
  w.cmbList_Click();

  // "No" (the default) changes nothing.
  const QByteArray before = Get();
  QString shown;
  int defaultButton = 0;
  {
    ScopedModalScript script({Message(&shown, 1, &defaultButton)});
    w.btnRemove->click();
    EXPECT_EQ(script.Shown(), 1);
  }
  EXPECT_EQ(shown, "Do you want to remove B?");
  EXPECT_EQ(defaultButton, 1);
  EXPECT_EQ(Get(), before);
  EXPECT_EQ(Entries(w), (QStringList{"A", "B", "C"}));

  {
    ScopedModalScript script({Message(nullptr, 2)});
    w.btnRemove->click();
  }
  EXPECT_EQ(Read("List", "Item1"), "A");
  EXPECT_EQ(Read("List", "Item2"), "C");
  EXPECT_EQ(Read("List", "Item3"), "");
  EXPECT_EQ(Read("B", "Chars65"), "");
  EXPECT_EQ(Read("B", "Chars300"), "");
  EXPECT_EQ(Read("C", "Chars65"), "c");
  EXPECT_EQ(Entries(w), (QStringList{"A", "C"}));
  // No other list is taken for the removed one, and the texts stay in the window.
  EXPECT_EQ(w.cmbList->currentIndex(), -1);
  EXPECT_EQ(w.ListChars[65], "b");
  {
    ScopedModalScript script;
    w.btnRemove->click();  // nothing selected: no question
    EXPECT_EQ(script.Shown(), 0);
  }
}

// A CharList.ini the user may not write: Save says where and why, keeps every
// edit, and succeeds once the user has made the file writable again.
TEST_F(CharListEditorTest, ReadOnlyFileIsReportedAndNothingIsLost) {
  Put("[List]\nItem1=Latin\n\n[Latin]\nChars65=A\n");
  ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0444), 0);
  ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0777), 0);
  if (::geteuid() == 0) {
    ASSERT_EQ(::chown(QFile::encodeName(path).constData(), 65534, 65534), 0);
  }
  const QString file = path;
  const bool held = testsupport::AsOrdinaryUser([file] {
    IniFile userIni;
    frmCharList w(userIni, file);
    w.lstChars->setCurrentRow(65);
    w.txtChar->setText("z");
    QString shown;
    {
      ScopedModalScript script({Message(&shown, 1)});
      w.btnSave->click();
      if (script.Shown() != 1) return false;
    }
    const bool reported = shown.contains(file) && shown.contains("Permission denied");
    const bool kept =
        w.ListChars[65] == "z" && w.lstChars->item(65)->text() == "065 z" && w.cmbList->currentText() == "Latin";
    if (::chmod(QFile::encodeName(file).constData(), 0644) != 0) return false;
    ScopedModalScript none;
    w.btnSave->click();
    return reported && kept && none.Shown() == 0 && IniFile().ReadValue("Latin", "Chars65", "", file) == "z";
  });
  EXPECT_TRUE(held);
  EXPECT_EQ(Read("Latin", "Chars65"), "z");
}

}  // namespace
