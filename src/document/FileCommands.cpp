#include "document/FileCommands.h"

#include <QFileInfo>

#include "document/NftFile.h"
#include "platform/SafeWrite.h"

namespace doc {

namespace {

const QString kBadFile = QStringLiteral("Bad Font File or your font file was damaged.");

// Writes the font to path; on success it becomes the font's file. A failure is
// reported and changes nothing: the old file, FontFileName and FontModified stay.
bool WriteFont(ModConst& s, FileCommandsHost& host, const QString& path) {
  const auto error = NftFile::WriteFile(path, NftFile::Build(s, host.List.ListName()));
  if (error) {
    host.Message(*error, QStringLiteral("Save File"), 0);
    return false;
  }
  s.FontFileName = path;
  s.FontModified = false;
  host.SetFileNameCaption(s.FontFileName);
  return true;
}

// Selects the first item (code "000") without raising a click; false when no
// character list is loaded (the list has no items).
bool SelectFirstListItem(GlyphList& list) {
  if (list.ItemCount() == 0) return false;
  list.SelectCode(0);
  return true;
}

}  // namespace

bool SaveProject(ModConst& s, FileCommandsHost& host) {
  host.Design.SaveFontData();
  if (s.FontFileName.isEmpty()) return SaveProjectAs(s, host);
  return WriteFont(s, host, s.FontFileName);
}

bool SaveProjectAs(ModConst& s, FileCommandsHost& host) {
  host.Design.SaveFontData();
  const auto path = host.ChooseFile(QStringLiteral("Save File..."));
  if (!path) return false;
  // Another file is replaced only when the user says so; "No" is the default.
  if (QFileInfo::exists(*path) && host.Message(QStringLiteral("%1 already exists. Do you want to replace it?"),
                                               QStringLiteral("Save File"), 4, *path) != 2)
    return false;
  return WriteFont(s, host, *path);
}

void OpenProject(ModConst& s, FileCommandsHost& host) {
  // Opening replaces the font, so unsaved work is offered for saving first.
  if (!ConfirmSaveProject(s, host)) return;
  const auto path = host.ChooseFile(QStringLiteral("Open File..."));
  if (!path) return;
  NftFile::ReadResult r = NftFile::Read(*path, s.FontData.size());
  if (r.status == NftFile::ReadStatus::CannotOpen) {
    host.Message(r.error, QStringLiteral("Open File"), 0);
    return;
  }
  if (r.status != NftFile::ReadStatus::Ok) {
    // A save in place that was cut short left the font without its magic, and the
    // font as it was in a copy: the user is told where.
    QStringList lines;
    if (r.status == NftFile::ReadStatus::Damaged) lines << r.error;
    if (const auto kept = platform::KeptCopyOf(*path))
      lines << QStringLiteral("The font as it was before a save that did not finish is kept in \"%1\".").arg(*kept);
    host.Message(lines.isEmpty() ? kBadFile : kBadFile + QStringLiteral("\\n%1"), QString(), 0,
                 lines.join(QStringLiteral("\\n")));
    return;
  }
  Font font;
  NftFile::Apply(std::move(r.content), font);
  // No glyph is current then, so the switch below stores nothing of the old grid.
  ReplaceFont(s, std::move(font), FontSource::File, *path);
  host.List.RefreshCharIcons(-1);
  const bool listed = SelectFirstListItem(host.List);
  if (listed) {
    host.Design.DrawFont();
  } else {
    host.Design.DrawAll();  // no list to pick a glyph from: show the empty grid
  }
  host.SetFileNameCaption(s.FontFileName);
}

void NewProject(ModConst& s, FileCommandsHost& host) {
  if (!ConfirmSaveProject(s, host)) return;
  // No glyph is current, so the next store cannot carry the old glyph's code
  // into the new font.
  s.CurrentChar = -1;
  s.FontData.assign(GlyphCount, std::string());
  ClearDesignData(s);
  const bool listed = SelectFirstListItem(host.List);
  host.Design.DrawAll();
  s.MaxHeight = 24;
  s.MaxWidth = 32;
  s.DefaultHeight = 16;
  s.DefaultWidth = 8;
  host.ShowFontSettings();
  // Its Cancel leaves the grid at the old maximum; make it cover the new one.
  const bool gridOff = s.DesignData.HighX() != s.MaxWidth + DesignGrid::Margin ||
                       s.DesignData.HighY() != s.MaxHeight + DesignGrid::Margin;
  if (gridOff) ReDimDesignData(s);
  // Its Cancel also leaves no glyph current, and whatever were drawn then would be
  // dropped at the next store: load the selected first item as its Ok does.
  if (s.CurrentChar < 0 && listed) {
    host.Design.DrawFont();
  } else if (gridOff) {
    host.Design.DrawAll();
  }
  s.FontFileName.clear();
  host.List.RefreshCharIcons(-1);
  host.SetFileNameCaption(QString());
}

bool ConfirmSaveProject(ModConst& s, FileCommandsHost& host) {
  host.Design.SaveFontData();
  if (!s.FontModified) return true;
  const int answer =
      host.Message(QStringLiteral("Project Changed.\r\nDo you want to save?"), QStringLiteral("Project Change"), 3);
  switch (answer) {
    case 2:  // "No"
      return true;
    case 3:  // "Yes": go on only when the font is really saved
      return SaveProject(s, host);
    default:  // "Cancel" or the window closed
      return false;
  }
}

}  // namespace doc
