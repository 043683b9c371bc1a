#include <QClipboard>
#include <QDialog>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>
#include <cstdio>
#include <deque>
#include <new>
#include <functional>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

#include "FileCommandsFixture.h"
#include "document/CharRecord.h"
#include "document/GlyphRemoval.h"
#include "document/NftFile.h"
#include "controls/MessageDialog.h"
#include "controls/Modal.h"

using namespace doc;
using namespace dialogs;
using controls::ScopedModalScript;

namespace {

using testsupport::FileCommandsTest;
using testsupport::Message;

TEST_F(FileCommandsTest, SaveWithoutNameAsksThenWritesAndClearsModified) {
  EditGlyph();
  host.chooserAnswers = {Path("a.nft")};
  EXPECT_TRUE(SaveProject(s, host));
  EXPECT_EQ(host.chooserCaptions, std::vector<QString>{"Save File..."});
  EXPECT_EQ(s.FontFileName, Path("a.nft"));
  EXPECT_FALSE(s.FontModified);
  EXPECT_EQ(host.captions.back(), Path("a.nft"));
  const auto r = NftFile::Read(Path("a.nft"));
  ASSERT_EQ(r.status, NftFile::ReadStatus::Ok);
  EXPECT_EQ(r.content.FontData, s.FontData);
  EXPECT_EQ(r.content.FontData[65][4 + 1 * 10 + 1], 5);  // the glyph on screen is saved
}

TEST_F(FileCommandsTest, CancelledSaveAsWritesNothing) {
  EditGlyph();
  host.chooserAnswers = {std::nullopt};
  EXPECT_FALSE(SaveProject(s, host));
  EXPECT_TRUE(s.FontModified);
  EXPECT_TRUE(s.FontFileName.isEmpty());
  EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

TEST_F(FileCommandsTest, FailedWriteIsReportedAndKeepsNameAndModified) {
  WriteBytes(Path("plain"), "x");
  s.FontFileName = Path("plain") + "/old.nft";  // parent is a regular file
  EditGlyph();
  QString shown;
  {
    ScopedModalScript script({Message(&shown, 1)});
    EXPECT_FALSE(SaveProject(s, host));
    EXPECT_EQ(script.Shown(), 1);
  }
  EXPECT_TRUE(shown.contains(s.FontFileName)) << shown.toStdString();
  EXPECT_TRUE(s.FontModified);
  // Save As to an unwritable place keeps the old name too.
  s.FontFileName = Path("keep.nft");
  host.chooserAnswers = {Path("nofolder") + "/new.nft"};
  {
    ScopedModalScript script({Message(&shown, 1)});
    EXPECT_FALSE(SaveProjectAs(s, host));
  }
  EXPECT_EQ(s.FontFileName, Path("keep.nft"));
  EXPECT_TRUE(s.FontModified);
  EXPECT_TRUE(host.captions.empty());
}

// A full disk refuses the save with the system's reason and leaves the old font byte
// for byte, whether the font goes to a new file or, in a folder the user may not
// write, is rewritten in place.
TEST_F(FileCommandsTest, SaveOnAFullDiskKeepsTheOldFontAndSaysWhy) {
  const QString folder = Path("disk");
  ASSERT_TRUE(QDir(dir.path()).mkdir("disk"));
  ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0755), 0);
  const QString font = folder + "/font.nft";
  EditGlyph();
  for (const mode_t folderMode : {mode_t{0777}, mode_t{0555}}) {
    SCOPED_TRACE(folderMode == 0777 ? "to a new file" : "in place");
    const auto held = testsupport::OnSmallFilesystem(folder, 64, [&] {
      s.FontFileName = font;
      if (!SaveProject(s, host)) return false;
      const QByteArray old = testsupport::ReadBytes(font);
      // Four glyphs of 160 x 120: more than the disk holds.
      for (int code = 1; code <= 4; ++code)
        s.FontData[code] = testsupport::MakeRecord(160, 120, [](int, int) { return 1; });
      s.FontModified = true;
      if (::chmod(QFile::encodeName(font).constData(), 0666) != 0 ||
          ::chmod(QFile::encodeName(folder).constData(), folderMode) != 0)
        return false;
      return testsupport::AsOrdinaryUser([&] {
        QString shown;
        {
          ScopedModalScript script({Message(&shown, 1)});
          EXPECT_FALSE(SaveProject(s, host));
          EXPECT_EQ(script.Shown(), 1);
        }
        EXPECT_EQ(shown.toStdString(),
                  "Cannot save the font to \"" + font.toStdString() + "\": No space left on device.");
        EXPECT_EQ(testsupport::ReadBytes(font), old);
        EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System), QStringList{"font.nft"});
        EXPECT_TRUE(s.FontModified);
        return !::testing::Test::HasFailure();
      });
    });
    if (!held) GTEST_SKIP() << "no small filesystem can be mounted here (that takes root)";
    EXPECT_TRUE(*held);
  }
}

// Copies the user keeps beside the font are never removed by a save, whatever their
// names, and even when they carry the mark that earlier versions set on their own
// temporary files: a save killed at the wrong moment left it on the font itself, and
// `cp -a` carries it to the copies. Nor does a save leave a file of its own, whether it
// replaces the font or, in a folder the user may not write, rewrites it in place.
TEST_F(FileCommandsTest, SaveRemovesNoFileOfTheUserAndLeavesNoneOfItsOwn) {
  constexpr char kEarlierMark[] = "user.quillane.partial-save";
  const QString font = Path("font.nft");
  EditGlyph();
  s.FontFileName = font;
  ASSERT_TRUE(SaveProject(s, host));
  const QByteArray saved = testsupport::ReadBytes(font);
  const auto mark = [&](const QString& path) {
    return ::setxattr(QFile::encodeName(path).constData(), kEarlierMark, "1", 1, 0) == 0;
  };
  if (!mark(font)) GTEST_SKIP() << "this filesystem keeps no extended attributes";
  const QStringList copies = {"font.nft.backup", "font.nft.ABC123", "font.nft.Ab3dE9", ".font.nft.save-1f2e3d"};
  for (const QString& name : copies) {
    ASSERT_TRUE(testsupport::WriteBytes(dir.filePath(name), saved));
    ASSERT_TRUE(mark(dir.filePath(name)));
  }
  ASSERT_EQ(::chmod(QFile::encodeName(font).constData(), 0666), 0);
  QStringList all = copies + QStringList{"font.nft"};
  all.sort();

  for (const mode_t folderMode : {mode_t{0777}, mode_t{0555}}) {
    SCOPED_TRACE(folderMode == 0777 ? "replaced" : "in place");
    const uint8_t color = folderMode == 0777 ? 3 : 4;
    s.DesignData.Set(2, 2, color);
    ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), folderMode), 0);
    const auto held = testsupport::TryAsOrdinaryUser([&] { return SaveProject(s, host); });
    ::chmod(QFile::encodeName(dir.path()).constData(), 0755);
    if (!held) GTEST_SKIP() << "cannot drop root's rights to test a folder the user may not write";
    EXPECT_TRUE(*held);
    const NftFile::ReadResult r = NftFile::Read(font);
    ASSERT_EQ(r.status, NftFile::ReadStatus::Ok);
    EXPECT_EQ(r.content.FontData[65][4 + 2 * 10 + 2], color);
    QStringList left = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System);
    left.sort();
    EXPECT_EQ(left.join(", ").toStdString(), all.join(", ").toStdString());
    for (const QString& name : copies)
      EXPECT_EQ(testsupport::ReadBytes(dir.filePath(name)), saved) << name.toStdString();
  }
}

// Save As onto an existing file asks first, "No" the default: "No" (or closing the
// box) writes nothing and answers as a cancel; "Yes" replaces it. Save of the font's
// own file asks nothing.
TEST_F(FileCommandsTest, SaveAsOverAnExistingFileAsksFirst) {
  EditGlyph();
  WriteBytes(Path("other.nft"), "keep me");
  QString shown;
  host.chooserAnswers = {Path("other.nft")};
  {
    ScopedModalScript script({[&shown](QDialog& d) {
      auto& box = static_cast<controls::MessageDialog&>(d);
      shown = box.Prompt;
      EXPECT_EQ(box.Button2Caption.trimmed(), "Yes");
      EXPECT_EQ(box.Button1Caption.trimmed(), "No");
      EXPECT_EQ(box.DefaultButton, 1);
      box.Press(1);
      return d.result();
    }});
    EXPECT_FALSE(SaveProjectAs(s, host));
    EXPECT_EQ(script.Shown(), 1);
  }
  EXPECT_EQ(shown, Path("other.nft") + " already exists. Do you want to replace it?");
  QFile kept(Path("other.nft"));
  ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
  EXPECT_EQ(kept.readAll(), "keep me");
  EXPECT_TRUE(s.FontFileName.isEmpty());
  EXPECT_TRUE(s.FontModified);

  host.chooserAnswers = {Path("other.nft")};
  {
    ScopedModalScript script({Message(nullptr, 2)});  // "Yes"
    EXPECT_TRUE(SaveProjectAs(s, host));
    EXPECT_EQ(script.Shown(), 1);
  }
  EXPECT_EQ(NftFile::Read(Path("other.nft")).status, NftFile::ReadStatus::Ok);
  EXPECT_EQ(s.FontFileName, Path("other.nft"));
  EXPECT_FALSE(s.FontModified);

  s.DesignData.Set(2, 2, 3);
  {
    ScopedModalScript script;
    EXPECT_TRUE(SaveProject(s, host));
    EXPECT_EQ(script.Shown(), 0);
  }
  EXPECT_EQ(NftFile::Read(Path("other.nft")).content.FontData[65][4 + 2 * 10 + 2], 3);
}

TEST_F(FileCommandsTest, OpenLoadsFontAndShowsGlyphZero) {
  // A font on disk with glyph 0 and a different header.
  ModConst other;
  InitDefaults(other);
  other.MaxWidth = 40;
  other.MaxHeight = 30;
  other.AuthorName = FixedAuthorField("Ann");
  other.FontData[0] = std::string("\0\x03\0\x02", 4) + std::string(6, '\x02');
  WriteBytes(Path("f.nft"), NftFile::Build(other, "x"));

  host.chooserAnswers = {Path("f.nft")};
  OpenProject(s, host);
  EXPECT_EQ(host.chooserCaptions, std::vector<QString>{"Open File..."});
  EXPECT_EQ(s.FontData, other.FontData);
  EXPECT_EQ(s.MaxWidth, 40);
  EXPECT_EQ(s.DesignData.HighX(), 60);
  EXPECT_EQ(s.AuthorName, other.AuthorName);
  EXPECT_EQ(s.CurrentChar, 0);
  EXPECT_EQ(f.ed.CharWidth, 3);
  EXPECT_EQ(s.DesignData.Get(2, 1), 2);
  EXPECT_FALSE(s.FontModified);
  EXPECT_EQ(s.FontFileName, Path("f.nft"));
  EXPECT_EQ(list.refreshed.back(), -1);
  EXPECT_EQ(host.captions.back(), Path("f.nft"));
}

// A file that fails to open or fails the check: reported, and font, header, file
// name, modified flag and the editor are exactly as before.
TEST_F(FileCommandsTest, RejectedFileChangesNothing) {
  EditGlyph();
  s.FontFileName = Path("mine.nft");
  ModConst good;
  InitDefaults(good);
  good.FontData[3] = std::string("\0\x02\0\x02", 4) + std::string(4, '\x01');
  const QByteArray bytes = NftFile::Build(good, "x");
  QByteArray badMagic = bytes;
  badMagic[0] = 'X';
  QByteArray badRecord = bytes;
  badRecord[999 + 3 * 2] = 7;
  // Size bytes 255, 255: a width of 65,280, one past what a glyph can have.
  ModConst wide = good;
  wide.FontData[3] = std::string("\xFF\xFF\0\x01", 4) + std::string(65280, '\x01');
  WriteBytes(Path("magic.nft"), badMagic);
  WriteBytes(Path("cut.nft"), bytes.left(1500));
  WriteBytes(Path("record.nft"), badRecord);
  WriteBytes(Path("size.nft"), NftFile::Build(wide, "x"));
  QDir(dir.path()).mkdir("folder.nft");
  // Not regular files: read whole, a device never ends and a pipe blocks.
  ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), Path("zero.nft")));
  ASSERT_EQ(::mkfifo(QFile::encodeName(Path("pipe.nft")).constData(), 0600), 0);

  const struct {
    const char* file;
    const char* expect;
  } cases[] = {
      {"magic.nft", "Bad Font File or your font file was damaged."},
      {"cut.nft", "Bad Font File or your font file was damaged.\r\n"},
      {"record.nft", "Bad Font File or your font file was damaged.\r\n"},
      {"size.nft",
       "Bad Font File or your font file was damaged.\r\nGlyph 3: the record's size is not one a glyph can have."},
      {"folder.nft", "folder.nft"},
      {"zero.nft", "zero.nft\": it is not a regular file."},
      {"pipe.nft", "pipe.nft\": it is not a regular file."},
      {"missing.nft", "missing.nft"}};
  const auto fontBefore = s.FontData;
  const auto gridBefore = s.DesignData.Get(1, 1);
  for (const auto& c : cases) {
    host.chooserAnswers = {Path(c.file)};
    QString shown;
    // The save prompt ("No"), then the report.
    ScopedModalScript script({Message(nullptr, 2), Message(&shown, 1)});
    OpenProject(s, host);
    EXPECT_EQ(script.Remaining(), 0u) << c.file;
    EXPECT_TRUE(shown.contains(c.expect)) << c.file << ": " << shown.toStdString();
    EXPECT_EQ(s.FontData, fontBefore) << c.file;
    EXPECT_EQ(s.MaxWidth, 32);
    EXPECT_EQ(s.FontFileName, Path("mine.nft")) << c.file;
    EXPECT_EQ(s.CurrentChar, 65);
    EXPECT_EQ(s.DesignData.Get(1, 1), gridBefore);
    EXPECT_TRUE(s.FontModified);
    EXPECT_TRUE(host.captions.empty());
    EXPECT_FALSE(QFile::exists(Path("missing.nft")));
  }
}

TEST_F(FileCommandsTest, SavePromptOnlyWhenChangedAndItsAnswers) {
  {
    ScopedModalScript script;
    EXPECT_TRUE(ConfirmSaveProject(s, host));  // unchanged: no question
    EXPECT_EQ(script.Shown(), 0);
  }
  EditGlyph();
  QString shown;
  {
    ScopedModalScript script({Message(&shown, 1)});  // Cancel
    EXPECT_FALSE(ConfirmSaveProject(s, host));
  }
  EXPECT_EQ(shown, "Project Changed.\r\nDo you want to save?");
  {
    ScopedModalScript script({Message(nullptr, 2)});  // No
    EXPECT_TRUE(ConfirmSaveProject(s, host));
    EXPECT_TRUE(s.FontModified);
  }
  {
    // Yes, then the chooser is cancelled: nothing saved, so the close must not go on.
    host.chooserAnswers = {std::nullopt};
    ScopedModalScript script({Message(nullptr, 3)});
    EXPECT_FALSE(ConfirmSaveProject(s, host));
    EXPECT_TRUE(s.FontModified);
  }
  {
    host.chooserAnswers = {Path("y.nft")};
    ScopedModalScript script({Message(nullptr, 3)});
    EXPECT_TRUE(ConfirmSaveProject(s, host));
    EXPECT_FALSE(s.FontModified);
    EXPECT_TRUE(QFile::exists(Path("y.nft")));
  }
}

TEST_F(FileCommandsTest, OpenAsksFirstAndCancelStops) {
  EditGlyph();
  ScopedModalScript script({Message(nullptr, 1)});
  OpenProject(s, host);  // no chooser expected
  EXPECT_TRUE(host.chooserCaptions.empty());
  EXPECT_TRUE(s.FontModified);
}

TEST_F(FileCommandsTest, NewEmptiesFontWithoutCarryingTheOldGlyph) {
  EditGlyph();
  s.AuthorName = FixedAuthorField("Kept");
  s.FontFileName = Path("old.nft");
  ScopedModalScript script({Message(nullptr, 2)});  // do not save
  NewProject(s, host);                              // settings dialog cancelled
  EXPECT_EQ(host.settingsShown, 1);
  EXPECT_EQ(s.MaxWidth, 32);
  EXPECT_EQ(s.MaxHeight, 24);
  EXPECT_EQ(s.DefaultWidth, 8);
  EXPECT_EQ(s.DefaultHeight, 16);
  EXPECT_EQ(s.DesignData.HighY(), 44);  // the grid covers the new maximum
  EXPECT_TRUE(s.FontFileName.isEmpty());
  EXPECT_EQ(host.captions.back(), QString());
  EXPECT_EQ(list.refreshed.back(), -1);
  EXPECT_TRUE(s.FontModified);
  EXPECT_EQ(s.AuthorName, FixedAuthorField("Kept"));
  // The first list item is the glyph being edited, so what is drawn now is kept,
  // and nothing of the old glyph 65 reaches the new font.
  EXPECT_EQ(s.CurrentChar, 0);
  s.DesignData.Set(2, 2, 3);
  f.ed.SaveFontData();
  ASSERT_FALSE(s.FontData[0].empty());
  EXPECT_EQ(s.FontData[0][4 + 2 * f.ed.CharWidth + 2], 3);
  for (size_t code = 1; code < s.FontData.size(); ++code) EXPECT_TRUE(s.FontData[code].empty()) << code;
}

// A pasted picture raises the maxima past the settings' limits; the font saved with
// it opens with them and the glyph whole, and once the glyph is removed, the saved
// font opens again, as 1024 x 768.
TEST_F(FileCommandsTest, FontSavedAfterRemovingAPastedGlyphOpensAgain) {
  EditGlyph();
  QImage picture(1101, 901, QImage::Format_RGB32);
  picture.fill(Qt::white);
  picture.setPixel(1099, 899, qRgb(0, 0, 0));  // the glyph's last cell
  QGuiApplication::clipboard()->setImage(picture);
  f.ed.PasteSpecial();
  QGuiApplication::clipboard()->clear();
  ASSERT_EQ(s.MaxWidth, 1100);
  ASSERT_EQ(s.MaxHeight, 900);
  host.chooserAnswers = {Path("pasted.nft")};
  ASSERT_TRUE(SaveProject(s, host));
  const std::string pasted = s.FontData[65];
  ASSERT_EQ(pasted.size(), 4u + 1100 * 900);

  const auto open = [&] {
    host.chooserAnswers = {Path("pasted.nft")};
    ScopedModalScript none;  // the font was just saved: no question, and no refusal
    OpenProject(s, host);
    EXPECT_EQ(none.Shown(), 0);
  };
  open();
  EXPECT_EQ(s.FontFileName, Path("pasted.nft"));
  EXPECT_EQ(s.MaxWidth, 1100);
  EXPECT_EQ(s.MaxHeight, 900);
  EXPECT_EQ(s.FontData[65], pasted);
  f.host.selected = 65;
  f.ed.DrawFont();
  EXPECT_EQ(f.ed.CharWidth, 1100);
  EXPECT_EQ(f.ed.CharHeight, 900);
  EXPECT_EQ(s.DesignData.Get(1099, 899), s.CurrentColor);

  f.host.selected = 66;  // the Remove command takes the selected glyph, here not the one on screen
  f.ed.DrawFont();
  ASSERT_EQ(s.FontData[65], pasted);
  ASSERT_TRUE(RemoveGlyph(s, 65).emptied);
  ASSERT_TRUE(SaveProject(s, host));
  open();
  EXPECT_EQ(s.MaxWidth, 1024);
  EXPECT_EQ(s.MaxHeight, 768);
  EXPECT_EQ(s.DesignData.HighX(), 1024 + DesignGrid::Margin);
  EXPECT_EQ(s.DesignData.HighY(), 768 + DesignGrid::Margin);
  EXPECT_TRUE(s.FontData[65].empty());
  EXPECT_EQ(s.CurrentChar, 0);
}

// 133 KB whose header claims 65,279 x 65,279 and which holds one glyph 65,279 x 1 and
// one 1 x 65,279: the grid follows the glyph with the most cells (about 53 MB), not
// the header (4.1 GB), and every record stays. Outside the sanitizer the open runs in
// a child whose address space may grow by no more than 256 MB.
TEST_F(FileCommandsTest, ThinGlyphsBeyondTheLimitsOpenInTensOfMegabytes) {
  constexpr int32_t side = doc::CharRecord::MaxSide;  // 65,279
  ModConst hostile;
  InitDefaults(hostile);
  hostile.MaxWidth = hostile.MaxHeight = side;
  hostile.FontData[0] = testsupport::MakeRecord(side, 1, [](int x, int) { return uint8_t(x % 15 + 1); });
  hostile.FontData[1] = testsupport::MakeRecord(1, side, [](int, int y) { return uint8_t(y % 15 + 1); });
  const QByteArray bytes = NftFile::Build(hostile, "x");
  ASSERT_LT(bytes.size(), 140 * 1024);
  WriteBytes(Path("thin.nft"), bytes);

  // True when the font opened as it should; says what is wrong otherwise.
  const auto opens = [&] {
    host.chooserAnswers = {Path("thin.nft")};
    ScopedModalScript none;
    OpenProject(s, host);
    const struct {
      const char* what;
      bool holds;
    } checks[] = {
        {"no message", none.Shown() == 0},
        {"opened", s.FontFileName == Path("thin.nft")},
        {"maxima", s.MaxWidth == side && s.MaxHeight == 768},
        {"default", s.DefaultWidth == 10 && s.DefaultHeight == 16},
        {"grid", s.DesignData.HighX() == side + DesignGrid::Margin && s.DesignData.HighY() == 768 + DesignGrid::Margin},
        {"records", s.FontData == hostile.FontData},
        {"glyph 0 shown whole",
         f.ed.CharWidth == side && f.ed.CharHeight == 1 && s.DesignData.Get(side - 1, 0) == (side - 1) % 15 + 1},
    };
    bool all = true;
    for (const auto& c : checks)
      if (!c.holds) {
        std::fprintf(stderr, "thin glyphs: %s fails\n", c.what);
        all = false;
      }
    return all;
  };
  const int status = testsupport::InChildWithAddressSpace(size_t{256} << 20, opens);
  ASSERT_NE(status, testsupport::kCannotSetUp) << "cannot set the memory limit";
  EXPECT_EQ(status, 0) << "1: opened wrongly (see above), 3: out of memory, 4: another exception, -1: killed";
  if (!testsupport::kAddressSpaceCanBeBounded)
    GTEST_SKIP() << "opened without a memory limit: the address sanitizer reserves terabytes of address space, "
                    "so RLIMIT_AS cannot bound it";
}

// A font with one wide and one tall glyph opens at the size of the one with the most
// cells, so the other is shown clipped: visiting it must not cut it, while an edit of it
// stores what the user sees and changed.
TEST_F(FileCommandsTest, VisitingAClippedGlyphKeepsItsCells) {
  ModConst font;
  InitDefaults(font);
  font.MaxWidth = 1500;
  font.MaxHeight = 800;
  font.FontData[0] = testsupport::MakeRecord(1500, 2, [](int x, int) { return uint8_t(x % 15 + 1); });
  font.FontData[1] = testsupport::MakeRecord(3, 800, [](int x, int y) { return uint8_t((x + y) % 15 + 1); });
  WriteBytes(Path("mixed.nft"), NftFile::Build(font, "x"));
  host.chooserAnswers = {Path("mixed.nft")};
  OpenProject(s, host);
  ASSERT_EQ(s.MaxWidth, 1500);
  ASSERT_EQ(s.MaxHeight, 768);

  f.host.selected = 1;
  f.ed.DrawFont();
  EXPECT_EQ(f.ed.CharHeight, 768);  // shown clipped
  f.host.selected = 2;
  f.ed.DrawFont();
  EXPECT_EQ(s.FontData[1], font.FontData[1]);
  EXPECT_FALSE(s.FontModified);
  ASSERT_TRUE(SaveProject(s, host));
  EXPECT_EQ(NftFile::Read(Path("mixed.nft")).content.FontData[1], font.FontData[1]);

  f.host.selected = 1;
  f.ed.DrawFont();
  s.DesignData.Set(0, 0, 9);
  f.host.selected = 2;
  f.ed.DrawFont();
  EXPECT_EQ(CharRecord::ReadSize(s.FontData[1])->height, 768);
  EXPECT_EQ(s.FontData[1][4], 9);
  EXPECT_TRUE(s.FontModified);
}

TEST_F(FileCommandsTest, WithoutListOpenShowsEmptyGridAndNoGlyph) {
  f.host.itemCount = 0;
  WriteBytes(Path("f.nft"), NftFile::Build(s, "x"));
  host.chooserAnswers = {Path("f.nft")};
  OpenProject(s, host);
  EXPECT_EQ(host.drawFonts, 0);
  EXPECT_EQ(s.CurrentChar, -1);
  EXPECT_EQ(s.FontFileName, Path("f.nft"));
}

}  // namespace
