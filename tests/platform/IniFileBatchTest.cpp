// Many keys in one write of the file: the list editor's Save and Remove.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <sys/stat.h>

#include "DocumentTestSupport.h"
#include "platform/IniFile.h"

using platform::IniFile;

namespace {

class IniFileBatchTest : public ::testing::Test {
 protected:
  QTemporaryDir dir;
  QString path = dir.filePath("CharList.ini");
  IniFile ini;

  static void Put(const QString& file, const QByteArray& bytes) { ASSERT_TRUE(testsupport::WriteBytes(file, bytes)); }
  static QByteArray Get(const QString& file) { return testsupport::ReadBytes(file); }
};

const QByteArray Start =
    "; lists\n"
    "[List]\n"
    "Item1=Latin\n"
    "Item2=Old\n"
    "\n"
    "[Latin]\n"
    "Chars65=A\n"
    "Chars66=B\n"
    "\n"
    "[Old]\n"
    "Chars1=x\n";

TEST_F(IniFileBatchTest, BatchWritesExactlyWhatSingleWritesWrite) {
  const QList<IniFile::KeyWrite> writes = {
      {"Latin", "Chars65", "a"}, {"Latin", "Chars66", ""},       {"Old", "Chars1", ""},
      {"List", "Item2", ""},     {"New", "Chars32", " "},        {"List", "Item2", "New"},
      {"Missing", "Chars1", ""}, {"latin", "Chars67", "C\\rtl"}, {"", "Chars0", "e"},
  };
  const QString single = dir.filePath("single.ini");
  Put(path, Start);
  Put(single, Start);
  IniFile one;
  for (const auto& w : writes) one.WriteValue(w.section, w.key, w.value, single);

  EXPECT_EQ(ini.WriteBatch(writes, path), std::nullopt);
  EXPECT_EQ(Get(path), Get(single));
  EXPECT_EQ(IniFile().ReadValue("New", "Chars32", "", path), " ");
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), (QStringList{"CharList.ini", "single.ini"}));
}

TEST_F(IniFileBatchTest, FailedBatchGivesTheReasonAndLeavesFileAndReadsAlone) {
  const QString bad = dir.filePath("no/such/folder/CharList.ini");
  const auto reason = ini.WriteBatch({{"L", "K", "v"}}, bad);
  ASSERT_TRUE(reason.has_value());
  EXPECT_FALSE(reason->isEmpty());
  EXPECT_TRUE(ini.LastWriteFailed());
  EXPECT_EQ(ini.ReadValue("L", "K", "dflt", bad), "dflt");

  // A file the user may not write (its folder allows it) or may not read: an
  // unreadable file would otherwise be replaced by the new keys alone.
  for (const mode_t mode : {mode_t{0444}, mode_t{0222}}) {
    SCOPED_TRACE(mode);
    Put(path, Start);
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), mode), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0777), 0);
    EXPECT_TRUE(testsupport::AsOrdinaryUser([&] {
      IniFile user;
      const auto failed = user.WriteBatch({{"Latin", "Chars65", "z"}, {"List", "Item3", "z"}}, path);
      // The next read shows the disk, not the refused keys.
      const bool batchRefused = failed && !failed->isEmpty() && user.ReadValue("List", "Item3", "", path).isEmpty();
      // A single write takes the same road.
      IniFile single;
      single.WriteValue("List", "Item3", "z", path);
      return batchRefused && single.LastWriteFailed();
    }));
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0644), 0);
    EXPECT_EQ(Get(path), Start);
  }
}

TEST_F(IniFileBatchTest, BatchThatChangesNothingDoesNotWrite) {
  Put(path, Start);
  ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0444), 0);
  ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0777), 0);
  EXPECT_TRUE(testsupport::AsOrdinaryUser([&] {
    IniFile user;
    return !user.WriteBatch({{"Latin", "Chars65", "A"}, {"Missing", "K", ""}}, path).has_value();
  }));
}

}  // namespace
