#include "plugins/PluginRegistry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPluginLoader>
#include <QStandardPaths>

#include "platform/SafeWrite.h"
#include "plugins/PluginContract.h"

namespace plugins {

namespace {

// A registry holds a line per plug-in; anything this large is not one.
constexpr qint64 MaxRegistryBytes = 1 << 20;

QJsonObject ReadRegistry(const QString& registryFile) {
  QFile f(registryFile);
  if (!QFileInfo(registryFile).isFile() || !f.open(QIODevice::ReadOnly)) return {};
  if (f.size() > MaxRegistryBytes) return {};
  const QJsonDocument doc = QJsonDocument::fromJson(f.read(MaxRegistryBytes));
  return doc.isObject() ? doc.object() : QJsonObject{};
}

}  // namespace

QString ProgIdForFile(const QString& fileName) {
  return fileName.toLower().replace(QStringLiteral(".so"), QStringLiteral(".plugin"));
}

QString DefaultRegistryFile() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
         QStringLiteral("/quillane/plugin-registry.json");
}

std::optional<QString> LookUpPlugin(const QString& registryFile, const QString& progId) {
  const QJsonValue v = ReadRegistry(registryFile).value(progId);
  if (!v.isString() || v.toString().isEmpty()) return std::nullopt;
  return v.toString();
}

std::optional<QString> RegisterLibrary(const QString& libraryPath, const QString& registryFile) {
  const QFileInfo info(libraryPath);
  if (!info.isFile()) return QStringLiteral("%1: no such library").arg(libraryPath);
  const QString path = info.absoluteFilePath();
  QPluginLoader loader(path);
  const QString progId = loader.metaData()
                             .value(QStringLiteral("MetaData"))
                             .toObject()
                             .value(QString::fromLatin1(contract::MetaProgId))
                             .toString();
  if (progId.isEmpty()) return QStringLiteral("%1: not a plug-in (no ProgID in its metadata)").arg(path);
  if (!loader.instance()) return QStringLiteral("%1: %2").arg(path, loader.errorString());
  loader.unload();

  QJsonObject registry = ReadRegistry(registryFile);
  registry.insert(progId, path);
  if (!QDir().mkpath(QFileInfo(registryFile).absolutePath()))
    return QStringLiteral("%1: cannot make its folder").arg(registryFile);
  if (const auto reason = platform::SafeWrite(registryFile, QJsonDocument(registry).toJson()))
    return QStringLiteral("%1: %2").arg(registryFile, *reason);
  return std::nullopt;
}

}  // namespace plugins
