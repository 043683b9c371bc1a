#include "plugins/PluginHost.h"

#include <QByteArrayList>
#include <QJsonObject>
#include <QMetaMethod>
#include <QVariant>
#include <exception>

#include "plugins/PluginContract.h"
#include "plugins/PluginRegistry.h"

namespace plugins {

namespace {

// Copies that own their bytes: a string literal of the plug-in points into its
// library, which is gone once the object is released.
QString OwnCopy(const QString& s) { return QString(s.constData(), s.size()); }
std::string OwnBytes(const QByteArray& b) { return std::string(b.constData(), static_cast<size_t>(b.size())); }

Failure Failed(const char* member, const QString& why) {
  return {QStringLiteral("The plug-in's %1 failed: %2").arg(QLatin1String(member), why)};
}

QString ExceptionText(const std::exception_ptr& e) {
  try {
    std::rethrow_exception(e);
  } catch (const std::exception& ex) {
    return QString::fromLocal8Bit(ex.what());
  } catch (...) {
    return QStringLiteral("an unknown error");
  }
}

}  // namespace

PluginObject::PluginObject(std::unique_ptr<QPluginLoader> loader, QObject* root)
    : loader_(std::move(loader)), root_(root) {}

PluginObject::~PluginObject() { loader_->unload(); }

Outcome<std::unique_ptr<PluginObject>> PluginObject::Create(const QString& progId, const QString& registryFile) {
  const std::optional<QString> path = LookUpPlugin(registryFile, progId);
  if (!path) return Failure{QStringLiteral("The plug-in %1 is not registered.").arg(progId)};
  auto loader = std::make_unique<QPluginLoader>(*path);
  const QString served = loader->metaData()
                             .value(QStringLiteral("MetaData"))
                             .toObject()
                             .value(QString::fromLatin1(contract::MetaProgId))
                             .toString();
  if (served != progId) return Failure{QStringLiteral("%1 does not serve the plug-in %2.").arg(*path, progId)};
  QObject* root = loader->instance();
  if (!root) return Failure{QStringLiteral("The plug-in %1 cannot be loaded: %2").arg(progId, loader->errorString())};
  return std::unique_ptr<PluginObject>(new PluginObject(std::move(loader), root));
}

Outcome<QString> PluginObject::ReadText(const char* member) {
  try {
    const QMetaObject* mo = root_->metaObject();
    QVariant v;
    if (mo->indexOfProperty(member) >= 0 || root_->dynamicPropertyNames().contains(member)) {
      v = root_->property(member);
    } else {
      const int index = mo->indexOfMethod(QMetaObject::normalizedSignature((QByteArray(member) + "()").constData()));
      if (index < 0) return Failed(member, QStringLiteral("the plug-in has no such member"));
      const QMetaMethod m = mo->method(index);
      if (m.returnMetaType().id() == QMetaType::Void) return Failed(member, QStringLiteral("it gives no value"));
      v = QVariant(m.returnMetaType());
      if (!m.invoke(root_, Qt::DirectConnection, QGenericReturnArgument(m.typeName(), v.data())))
        return Failed(member, QStringLiteral("the call did not run"));
    }
    if (!v.isValid() || !v.canConvert<QString>()) return Failed(member, QStringLiteral("it gives no text"));
    return OwnCopy(v.toString());
  } catch (...) {
    return Failed(member, ExceptionText(std::current_exception()));
  }
}

std::optional<QString> PluginObject::ReportedError() {
  const QVariant e = root_->property(contract::ErrorProperty);
  const QString text = e.canConvert<QString>() ? e.toString() : QString();
  if (text.isEmpty()) return std::nullopt;
  return OwnCopy(text);
}

std::optional<QString> PluginObject::CallExport(const QString& fileName, const std::vector<std::string>& fontData) {
  QByteArrayList copy;
  copy.reserve(static_cast<qsizetype>(fontData.size()));
  for (const std::string& r : fontData) copy.append(QByteArray(r.data(), static_cast<qsizetype>(r.size())));
  try {
    root_->setProperty(contract::ErrorProperty, QString());
    QVariant result;
    if (!QMetaObject::invokeMethod(root_, contract::CallMember, Qt::DirectConnection, Q_RETURN_ARG(QVariant, result),
                                   Q_ARG(QString, fileName), Q_ARG(QByteArrayList, copy)))
      return Failed(contract::CallMember, QStringLiteral("the plug-in has no CallPlugin(QString, QByteArrayList)"))
          .description;
    return ReportedError();
  } catch (...) {
    return Failed(contract::CallMember, ExceptionText(std::current_exception())).description;
  }
}

Outcome<std::optional<std::vector<std::string>>> PluginObject::CallImport(const QString& fileName) {
  try {
    root_->setProperty(contract::ErrorProperty, QString());
    QVariant result;
    if (!QMetaObject::invokeMethod(root_, contract::CallMember, Qt::DirectConnection, Q_RETURN_ARG(QVariant, result),
                                   Q_ARG(QString, fileName)))
      return Failed(contract::CallMember, QStringLiteral("the plug-in has no CallPlugin(QString)"));
    if (std::optional<QString> error = ReportedError()) return Failure{*error};
    std::optional<std::vector<std::string>> records;
    if (result.typeId() == QMetaType::QByteArrayList) {
      records.emplace();
      for (const QByteArray& b : result.value<QByteArrayList>()) records->push_back(OwnBytes(b));
    } else if (result.typeId() == QMetaType::QVariantList) {
      records.emplace();
      for (const QVariant& item : result.toList()) {
        if (item.typeId() != QMetaType::QByteArray) return std::optional<std::vector<std::string>>{};
        records->push_back(OwnBytes(item.toByteArray()));
      }
    }
    return records;
  } catch (...) {
    return Failed(contract::CallMember, ExceptionText(std::current_exception()));
  }
}

}  // namespace plugins
