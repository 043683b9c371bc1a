#pragma once
// Replacing the whole content of a file so that no failure and no kill destroys the
// last good one.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace platform {

// Gives the file at path (created when missing) exactly these bytes. The path is read
// as the system reads it when the file is opened: each link, in the folders and at the
// end, is followed where it leads, and ".." is the parent of the folder reached so far.
// A loop of links is refused, and so is anything but a regular file, or a file the
// user may not write.
//
// A new file is written unnamed where the filesystem allows, flushed to disk and then
// named in one step; it gets what any new file of its folder gets. An existing file is
// replaced that way only when the new one can carry all the old one was: its owner and
// group, its mode, its extended attributes (its access list among them), and only when
// it has a single name. Otherwise, and where the folder takes no new file, it is
// rewritten in place, which keeps the file itself: a copy of the old content is kept
// first, flushed, in the user's state folder (KeptCopyFolders), the space for the new
// content is made sure of, the first sealLength bytes are overwritten with zeros, the
// rest written, and those first bytes written last. So a file cut short at any moment
// never starts with them (a font without its magic never opens as whole), and the copy
// is removed once the new content is on disk. No file is ever removed but one this
// call made itself and still holds.
//
// nullopt on success, else the reason in words (the system's own, such as "No space
// left on device"); the old file is then as it was.
std::optional<QString> SafeWrite(const QString& path, const QByteArray& bytes, qsizetype sealLength = 0);

// Where a rewrite in place keeps the old content until the new one is on disk, in the
// order they are tried: "quillane" in $XDG_STATE_HOME (~/.local/state without it), then
// "quillane-<user id>" in the system's temporary folder.
QStringList KeptCopyFolders();

// The copy that a rewrite in place of the file at path kept and did not get to remove,
// because it was cut short (the newest, where there are several); nullopt when there is
// none. The file is found as an open of the path finds it.
std::optional<QString> KeptCopyOf(const QString& path);

}  // namespace platform
