#pragma once
// Creating a plug-in by ProgID and calling its members by name. Every failure (not
// registered, not loadable, a missing member, a failed call, an error the plug-in
// reports) comes back as a description; nothing a plug-in returns outlives the
// object, since its library is unloaded when the object is released.
#include <QPluginLoader>
#include <QString>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace plugins {

// What went wrong, in words for the user.
struct Failure {
  QString description;
};
// What a call gives back: the value, or the failure.
template <class T>
using Outcome = std::variant<T, Failure>;

class PluginObject {
 public:
  // Looks the ProgID up in the registry file, loads that library and checks that
  // its metadata serves this ProgID.
  static Outcome<std::unique_ptr<PluginObject>> Create(const QString& progId, const QString& registryFile);
  ~PluginObject();
  PluginObject(const PluginObject&) = delete;
  PluginObject& operator=(const PluginObject&) = delete;

  // A member read by name (property, or invokable without arguments) as text.
  Outcome<QString> ReadText(const char* member);
  // Export: CallPlugin(fileName, fontData); the plug-in gets its own copy.
  std::optional<QString> CallExport(const QString& fileName, const std::vector<std::string>& fontData);
  // Import: CallPlugin(fileName). The records when the result is a list of byte
  // strings (of any length: the caller checks it); nullopt for any other result.
  Outcome<std::optional<std::vector<std::string>>> CallImport(const QString& fileName);

 private:
  explicit PluginObject(std::unique_ptr<QPluginLoader> loader, QObject* root);
  std::optional<QString> ReportedError();

  std::unique_ptr<QPluginLoader> loader_;
  QObject* root_;
};

}  // namespace plugins
