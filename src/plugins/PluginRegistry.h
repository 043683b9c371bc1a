#pragma once
// The registry of plug-ins: ProgID -> absolute path of the library, kept in a small
// JSON file in the user's configuration folder. The registration program writes it,
// the editor reads it to create a plug-in by ProgID.
#include <QString>
#include <optional>

namespace plugins {

// The ProgID a library file must serve: its name in lower case with every ".so"
// replaced by ".plugin" (BmpExport.so -> bmpexport.plugin).
QString ProgIdForFile(const QString& fileName);

// <user configuration folder>/quillane/plugin-registry.json (XDG_CONFIG_HOME moves it).
QString DefaultRegistryFile();

// The registered path of a ProgID; nullopt when the file, or the entry, is missing
// or the file is not a registry.
std::optional<QString> LookUpPlugin(const QString& registryFile, const QString& progId);

// Loads the library in this process, reads the ProgID from its metadata, checks
// that its root object can be made, and records ProgID -> absolute path. nullopt on
// success, else what went wrong.
std::optional<QString> RegisterLibrary(const QString& libraryPath, const QString& registryFile);

}  // namespace plugins
