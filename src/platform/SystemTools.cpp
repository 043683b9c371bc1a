#include "platform/SystemTools.h"

namespace platform::SystemTools {

int16_t GetFontCharset(const QString&) { return 0; }

}  // namespace platform::SystemTools
