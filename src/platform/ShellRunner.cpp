#include "platform/ShellRunner.h"

#include <QProcess>

namespace platform::ShellRunner {

int ExecuteFile(const QString& File, const QStringList& Parameters, const QString& Directory, int timeoutMs) {
  QProcess p;
  p.setProgram(File);
  p.setArguments(Parameters);
  if (!Directory.isEmpty()) p.setWorkingDirectory(Directory);
  // The caller looks at the outcome, not the text; nothing is left to fill a pipe.
  p.setStandardOutputFile(QProcess::nullDevice());
  p.setStandardErrorFile(QProcess::nullDevice());
  p.start();
  if (!p.waitForStarted(timeoutMs)) return -1;
  if (!p.waitForFinished(timeoutMs)) {
    p.kill();
    p.waitForFinished(1000);
    return -1;
  }
  return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

}  // namespace platform::ShellRunner
