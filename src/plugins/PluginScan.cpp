#include "plugins/PluginScan.h"

#include <QDir>
#include <variant>

#include "platform/ShellRunner.h"
#include "platform/SystemTools.h"
#include "plugins/PluginContract.h"
#include "plugins/PluginHost.h"
#include "plugins/PluginRegistry.h"

namespace plugins {

PluginEnvironment PluginEnvironment::ForProgram(const QString& programFolder) {
  PluginEnvironment env;
  env.ProgramFolder = programFolder;
  env.RegistryFile = DefaultRegistryFile();
  env.RegisterTool = programFolder + QStringLiteral("/quillane-plugin-register");
  return env;
}

void PluginEnvironment::RunRegisterTool(const QString& libraryPath) const {
  // Its outcome is not needed: the second creation tells.
  platform::ShellRunner::ExecuteFile(RegisterTool, {QStringLiteral("-s"), libraryPath}, QString(), RegisterTimeoutMs);
}

std::vector<PluginRecord>& TableFor(PluginTables& tables, PluginKind kind) {
  switch (kind) {
    case PluginKind::Import: return tables.ImportPlugins;
    case PluginKind::Export: return tables.ExportPlugins;
    case PluginKind::Device: break;
  }
  return tables.DevicePlugins;
}

QString PluginFolder(const PluginEnvironment& env, PluginKind kind) {
  const char* name = kind == PluginKind::Import ? "Import" : kind == PluginKind::Export ? "Export" : "Device";
  return env.ProgramFolder + QStringLiteral("/Plugins/") + QLatin1String(name) + QLatin1Char('/');
}

void ScanPluginFolder(const QString& folder, PluginKind kind, PluginTables& tables, const PluginEnvironment& env,
                      const std::function<void(const QString&)>& found) {
  // The table comes from the kind asked for, never from the folder's path, which
  // may itself hold "Import" or "Export" higher up.
  std::vector<PluginRecord>& table = TableFor(tables, kind);
  table.clear();
  const QStringList files = QDir(folder).entryList({QStringLiteral("*.so")}, QDir::Files | QDir::Readable, QDir::Name);
  for (const QString& f : files) {
    const QString progId = ProgIdForFile(f);
    auto created = PluginObject::Create(progId, env.RegistryFile);
    if (std::holds_alternative<Failure>(created)) {
      const QString path = platform::SystemTools::GetRegisterPath(folder + f);
      if (env.Register)
        env.Register(path);
      else
        env.RunRegisterTool(path);
      created = PluginObject::Create(progId, env.RegistryFile);
      if (std::holds_alternative<Failure>(created)) continue;
    }
    auto& object = *std::get<std::unique_ptr<PluginObject>>(created);
    PluginRecord r;
    r.ProgID = progId;
    QString* fields[] = {&r.FullName, &r.FilterFile, &r.Describe};
    const char* members[] = {contract::FullNameMember, contract::FilterFileMember, contract::DescribeMember};
    bool complete = true;
    for (int i = 0; i < 3 && complete; ++i) {
      auto text = object.ReadText(members[i]);
      if (auto* s = std::get_if<0>(&text))
        *fields[i] = *s;
      else
        complete = false;
    }
    if (!complete) continue;
    table.push_back(std::move(r));
    if (found) found(table.back().FullName);
  }
  if (table.empty()) table.resize(1);
}

}  // namespace plugins
