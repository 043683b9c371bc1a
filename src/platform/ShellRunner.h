#pragma once
// Starting another program of ours and waiting for it, in place of the outside
// ShellRunner object.
#include <QString>
#include <QStringList>

namespace platform::ShellRunner {

// Runs File with these arguments in Directory ("" = the current folder) and waits
// at most timeoutMs for it; a program still running then is killed. Its exit code,
// or -1 when it could not start, crashed or was killed.
int ExecuteFile(const QString& File, const QStringList& Parameters, const QString& Directory, int timeoutMs);

}  // namespace platform::ShellRunner
