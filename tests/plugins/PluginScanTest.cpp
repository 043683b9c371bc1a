#include <QFileInfo>
#include <gtest/gtest.h>
#include <variant>

#include "PluginTestSupport.h"
#include "platform/ShellRunner.h"
#include "plugins/PluginHost.h"
#include "plugins/PluginRegistry.h"

using namespace plugins;

namespace {

using PluginScan = plugintest::PluginFolderTest;

using plugintest::IsEmptyTable;

TEST(PluginProgId, IsTheLowerCaseFileNameWithEverySoReplaced) {
  const std::pair<const char*, const char*> cases[] = {
      {"BmpExport.so", "bmpexport.plugin"},
      {"a.so.so", "a.plugin.plugin"},
      {"TOOL.SO", "tool.plugin"},
      {"My.Sofa.so", "my.pluginfa.plugin"},
  };
  for (const auto& [file, progId] : cases) EXPECT_EQ(ProgIdForFile(file), progId) << file;
}

TEST_F(PluginScan, NoPluginsFolderLeavesThreeEmptyRecords) {
  ScanAll();
  EXPECT_TRUE(IsEmptyTable(state.Tables.ImportPlugins));
  EXPECT_TRUE(IsEmptyTable(state.Tables.ExportPlugins));
  EXPECT_TRUE(IsEmptyTable(state.Tables.DevicePlugins));
  EXPECT_TRUE(registered.isEmpty());
}

TEST_F(PluginScan, LibrariesThatCannotServeAreTriedOnceAndSkippedWhileTheScanGoesOn) {
  Install(PluginKind::Export, "Mismatch");     // serves other.plugin
  Install(PluginKind::Export, "NoDescribe");   // lacks a member
  Install(PluginKind::Export, "NotAPlugin");   // no plug-in at all
  Install(PluginKind::Export, "WriteExport");  // listed last, still found
  ScanAll();
  ASSERT_EQ(state.Tables.ExportPlugins.size(), 1u);
  EXPECT_EQ(state.Tables.ExportPlugins[0].FullName, "Record Writer");
  EXPECT_EQ(registered.size(), 4);
  EXPECT_EQ(registered.filter("NotAPlugin.so").size(), 1);
  EXPECT_FALSE(LookUpPlugin(state.Environment.RegistryFile, "notaplugin.plugin"));
  EXPECT_FALSE(LookUpPlugin(state.Environment.RegistryFile, "mismatch.plugin"));

  // Even when the registry claims it, a library is not taken for a ProgID its metadata does not serve.
  const QString registry = state.Environment.RegistryFile;
  const QString mismatch = Folder(PluginKind::Export) + "Mismatch.so";
  QFile f(registry);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(QStringLiteral("{\"mismatch.plugin\": \"%1\"}").arg(mismatch).toUtf8());
  f.close();
  const auto created = PluginObject::Create("mismatch.plugin", registry);
  ASSERT_TRUE(std::holds_alternative<Failure>(created));
  EXPECT_TRUE(std::get<Failure>(created).description.contains("does not serve"));
}

TEST_F(PluginScan, EachFolderFeedsItsOwnTableWhateverTheProgramPathHolds) {
  Install(PluginKind::Import, "TestImport");
  Install(PluginKind::Export, "WriteExport");
  Install(PluginKind::Device, "ErrorExport");
  ScanAll();
  ASSERT_EQ(state.Tables.ImportPlugins.size(), 1u);
  EXPECT_EQ(state.Tables.ImportPlugins[0].FullName, "Test Reader");
  ASSERT_EQ(state.Tables.ExportPlugins.size(), 1u);
  EXPECT_EQ(state.Tables.ExportPlugins[0].FullName, "Record Writer");
  ASSERT_EQ(state.Tables.DevicePlugins.size(), 1u);
  EXPECT_EQ(state.Tables.DevicePlugins[0].FullName, "Broken Disk");
  EXPECT_EQ(registered.size(), 3);
}

TEST(PluginRegisterTool, RefusesWrongUseAndNonPluginsWithoutARegistry) {
  QTemporaryDir dir;
  const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.path()));
  EXPECT_EQ(platform::ShellRunner::ExecuteFile(QN_PLUGIN_REGISTER_TOOL, {"-x", "a.so"}, {}, 10000), 2);
  EXPECT_EQ(platform::ShellRunner::ExecuteFile(QN_PLUGIN_REGISTER_TOOL, {"-s", QN_PLUGIN_FIXTURE_DIR "/NotAPlugin.so"},
                                               {}, 10000),
            1);
  EXPECT_EQ(platform::ShellRunner::ExecuteFile(QN_PLUGIN_REGISTER_TOOL, {"-s", dir.filePath("missing.so")}, {}, 10000),
            1);
  EXPECT_FALSE(QFile::exists(DefaultRegistryFile()));
  EXPECT_EQ(platform::ShellRunner::ExecuteFile(QN_PLUGIN_REGISTER_TOOL, {"-s", QN_PLUGIN_FIXTURE_DIR "/TestImport.so"},
                                               {}, 10000),
            0);
  EXPECT_EQ(LookUpPlugin(DefaultRegistryFile(), "testimport.plugin"),
            QStringLiteral(QN_PLUGIN_FIXTURE_DIR "/TestImport.so"));
  if (saved.isNull())
    qunsetenv("XDG_CONFIG_HOME");
  else
    qputenv("XDG_CONFIG_HOME", saved);
}

}  // namespace
