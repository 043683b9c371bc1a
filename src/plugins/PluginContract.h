#pragma once
// What an import, export or device plug-in provides, for the people who write one.
//
// A plug-in is a Qt plug-in library (QPluginLoader) whose file name ends in ".so"
// (any case), dropped into Plugins/Import/, Plugins/Export/ or Plugins/Device/ below
// the program folder. Its root object is a QObject declared with
//
//     Q_PLUGIN_METADATA(IID QUILLANE_PLUGIN_IID FILE "myexport.json")
//
// and the JSON file names the ProgID it serves:  { "ProgID": "myexport.plugin" }
// The ProgID must be the library's file name in lower case with every ".so" replaced
// by ".plugin" (MyExport.so -> myexport.plugin); a library whose metadata names
// another ProgID is not loaded.
//
// Members, all found by name through the meta-object system:
//   PluginFullName, PluginFilterFile, Describe
//       Q_PROPERTY (or a Q_INVOKABLE without arguments) giving a QString: the name
//       in the lists and the file dialog's caption, the file-type filter in the form
//       "description|pattern|description|pattern", and a description.
//   Export:  Q_INVOKABLE QVariant CallPlugin(const QString& fileName, const QByteArrayList& fontData);
//       fontData holds 512 glyph records (index = glyph code; empty = not designed).
//       It is the plug-in's own copy; changing it changes nothing in the editor.
//   Import:  Q_INVOKABLE QVariant CallPlugin(const QString& fileName);
//       returns a QByteArrayList of exactly 512 records. Anything else, or a record
//       that is not well formed, is ignored whole and the font stays as it was.
//   A glyph record: width / 255, width % 255, height / 255, height % 255 (one byte
//   each), then width x height colour indices (0 empty, 1..15), rows top to bottom.
//
// Errors: before each CallPlugin the host sets the property ErrorDescription to "";
// a plug-in that fails sets it (setProperty, or a writable Q_PROPERTY) to a
// description for the user. The host shows that text and takes no result.
//
// Registration: quillane-plugin-register -s /path/to/MyExport.so
// The program does this by itself for a library it finds that is not yet registered.

#define QUILLANE_PLUGIN_IID "org.quillane.FontPlugin/1"

namespace plugins::contract {

// Key of the metadata JSON object that names the ProgID served.
inline constexpr const char* MetaProgId = "ProgID";
// The members read and called by name.
inline constexpr const char* FullNameMember = "PluginFullName";
inline constexpr const char* FilterFileMember = "PluginFilterFile";
inline constexpr const char* DescribeMember = "Describe";
inline constexpr const char* CallMember = "CallPlugin";
inline constexpr const char* ErrorProperty = "ErrorDescription";
// Records handed over and taken back.
inline constexpr int RecordCount = 512;

}  // namespace plugins::contract
