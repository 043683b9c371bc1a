#pragma once
// Small system services in place of the outside SystemTools object.
#include <QString>
#include <cstdint>

namespace platform::SystemTools {

// The form of a library's path handed to the plug-in registration program: absolute,
// so that the registry entry does not depend on the folder the program runs in.
QString GetRegisterPath(const QString& FullPath);

}  // namespace platform::SystemTools
