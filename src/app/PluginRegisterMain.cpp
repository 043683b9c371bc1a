// quillane-plugin-register -s <library>: records a plug-in library in the user's
// plug-in registry. It loads the library in its own process, so a broken plug-in
// cannot take the editor down with it.
#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

#include "plugins/PluginRegistry.h"

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const QStringList args = QCoreApplication::arguments();
  if (args.size() != 3 || args[1] != QStringLiteral("-s")) {
    std::fprintf(stderr, "usage: %s -s <plug-in library>\n", argc > 0 ? argv[0] : "quillane-plugin-register");
    return 2;
  }
  if (const auto error = plugins::RegisterLibrary(args[2], plugins::DefaultRegistryFile())) {
    std::fprintf(stderr, "%s\n", qPrintable(*error));
    return 1;
  }
  return 0;
}
