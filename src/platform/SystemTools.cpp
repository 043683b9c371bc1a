#include "platform/SystemTools.h"

#include <QFileInfo>

namespace platform::SystemTools {

QString GetRegisterPath(const QString& FullPath) { return QFileInfo(FullPath).absoluteFilePath(); }

}  // namespace platform::SystemTools
