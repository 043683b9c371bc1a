#pragma once
// The plug-in tables and the scan of the plug-in folders that fills them at start-up.
#include <QString>
#include <functional>
#include <vector>

namespace plugins {

struct PluginRecord {
  QString ProgID;
  QString FullName;
  QString FilterFile;
  QString Describe;
};

// Filled once at start-up, then only read. A table always has at least one record;
// a single record with an empty ProgID means its folder offered no plug-in.
struct PluginTables {
  std::vector<PluginRecord> ImportPlugins;
  std::vector<PluginRecord> ExportPlugins;
  std::vector<PluginRecord> DevicePlugins;
};

// Where the plug-ins, the registry and the registration program are.
struct PluginEnvironment {
  QString ProgramFolder;  // Plugins/Import, Plugins/Export, Plugins/Device below it
  QString RegistryFile;   // DefaultRegistryFile() in the program
  QString RegisterTool;   // the registration program
  int RegisterTimeoutMs = 10000;
  // Registers one library (default: runs RegisterTool -s <path> and waits for it).
  std::function<void(const QString& libraryPath)> Register;

  // The program's own: plug-ins and the registration program in programFolder.
  static PluginEnvironment ForProgram(const QString& programFolder);
  void RunRegisterTool(const QString& libraryPath) const;
};

// What the application keeps of the plug-ins for the run: the tables the start-up
// scan fills, and where plug-ins are created from.
struct PluginState {
  PluginTables Tables;
  PluginEnvironment Environment;
};

enum class PluginKind { Import, Export, Device };

// The table a kind of plug-in lands in, and its folder below the program folder.
std::vector<PluginRecord>& TableFor(PluginTables& tables, PluginKind kind);
QString PluginFolder(const PluginEnvironment& env, PluginKind kind);

// Lists the folder's "*.so" files (any case) and records each plug-in that can be
// created, registering it first when it is not yet known. A library that cannot be
// created, lacks a member or fails reading one is skipped without a message.
// found(FullName) runs after each recorded plug-in.
void ScanPluginFolder(const QString& folder, PluginKind kind, PluginTables& tables, const PluginEnvironment& env,
                      const std::function<void(const QString& fullName)>& found = {});

}  // namespace plugins
