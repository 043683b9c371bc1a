#pragma once
// Replacing the whole content of a file so that no failure and no kill destroys the
// last good one.
#include <QByteArray>
#include <QString>
#include <optional>

namespace platform {

// Gives the file at path (created when missing) exactly these bytes. A link, or a chain
// of links, is followed to the real file; a loop is refused, and so is anything but a
// regular file, or a file the user may not write.
//
// The bytes go to a file of their own in the target's folder, unnamed while it is
// written where the filesystem allows, are flushed to disk, take the old file's mode
// and, where allowed, its owner and group, and then take the target's place in one
// step. Where the folder cannot take a new file but the file itself may be written, it
// is rewritten in place, and only once the space for the whole content is reserved.
// No file is ever removed but one this call made itself and still holds. A kill leaves
// nothing behind where the filesystem has unnamed files, short of the instant between
// naming the finished file beside the target and renaming it over it; elsewhere it
// may leave this call's own "<name>.XXXXXX", which no later call takes for its own.
//
// nullopt on success, else the reason in words (the system's own, such as "No space
// left on device"); the old file is then as it was.
std::optional<QString> SafeWrite(const QString& path, const QByteArray& bytes);

}  // namespace platform
