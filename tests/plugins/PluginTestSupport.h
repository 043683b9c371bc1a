#pragma once
// A program folder of its own in a temporary folder, a registry redirected there
// through XDG_CONFIG_HOME, and the test plug-ins copied in under chosen names.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "plugins/PluginScan.h"

namespace plugintest {

// The single record of four empty strings that a folder without plug-ins leaves.
inline bool IsEmptyTable(const std::vector<plugins::PluginRecord>& t) {
  return t.size() == 1 && t[0].ProgID.isEmpty() && t[0].FullName.isEmpty() && t[0].FilterFile.isEmpty() &&
         t[0].Describe.isEmpty();
}

struct PluginFolderTest : ::testing::Test {
  QTemporaryDir dir;
  QByteArray savedXdg = qgetenv("XDG_CONFIG_HOME");
  plugins::PluginState state;
  QStringList registered;  // libraries handed to the registration program

  PluginFolderTest() {
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.filePath("config")));
    // The program folder's own path holds both folder words.
    state.Environment = plugins::PluginEnvironment::ForProgram(dir.filePath("Import/Export/program"));
    state.Environment.RegisterTool = QStringLiteral(QN_PLUGIN_REGISTER_TOOL);
    state.Environment.Register = [this](const QString& path) {
      registered << path;
      state.Environment.RunRegisterTool(path);
    };
  }
  ~PluginFolderTest() override {
    if (savedXdg.isNull())
      qunsetenv("XDG_CONFIG_HOME");
    else
      qputenv("XDG_CONFIG_HOME", savedXdg);
  }

  QString Folder(plugins::PluginKind kind) const { return plugins::PluginFolder(state.Environment, kind); }
  // Copies the test plug-in <fixture>.so into the kind's folder as fileName.
  void Install(plugins::PluginKind kind, const QString& fixture, QString fileName = {}) {
    if (fileName.isEmpty()) fileName = fixture + ".so";
    ASSERT_TRUE(QDir().mkpath(Folder(kind)));
    ASSERT_TRUE(QFile::copy(QStringLiteral(QN_PLUGIN_FIXTURE_DIR) + "/" + fixture + ".so", Folder(kind) + fileName));
  }
  void ScanAll() {
    for (auto kind : {plugins::PluginKind::Import, plugins::PluginKind::Export, plugins::PluginKind::Device})
      plugins::ScanPluginFolder(Folder(kind), kind, state.Tables, state.Environment);
  }
};

}  // namespace plugintest
