#include "platform/SystemTools.h"

#include <QFileInfo>

namespace platform::SystemTools {

int16_t GetFontCharset(const QString&) { return 0; }

QString GetRegisterPath(const QString& FullPath) { return QFileInfo(FullPath).absoluteFilePath(); }

}  // namespace platform::SystemTools
