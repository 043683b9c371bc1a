#pragma once
// Shared helpers for the tests of every subsystem.
#include <QString>

namespace testsupport {
// Folder of the source tree, for fixtures under tests/ and data/.
inline QString SourceDir() { return QStringLiteral(QN_SOURCE_DIR); }
}  // namespace testsupport
