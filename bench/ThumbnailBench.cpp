// Rebuilding all 512 thumbnails (after an Open), reported per thumbnail.
#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

#include "document/ModConst.h"
#include "platform/IniFile.h"
#include "shell/CharListPanel.h"

namespace {

// Widgets and pixmaps need an application; the benchmark main makes none.
void EnsureApplication() {
  if (QCoreApplication::instance()) return;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "quillane_bench";
  static char* argv[] = {name, nullptr};
  static QApplication app(argc, argv);
}

void BM_RefreshAllThumbnails(benchmark::State& state) {
  EnsureApplication();
  QTemporaryDir dir;
  const QString path = dir.filePath("CharList.ini");
  platform::IniFile ini;
  ini.WriteValue("List", "Item1", "Bench", path);
  doc::ModConst s;
  doc::InitDefaults(s);
  for (int c = 0; c < doc::GlyphCount; ++c) {
    std::string r{0, 64, 0, 64};
    for (int i = 0; i < 64 * 64; ++i) r.push_back(static_cast<char>((i * 7 + c) % 16));
    s.FontData[c] = r;
  }
  shell::CharListPanel panel(s, ini, path);
  QImage preview(109, 133, QImage::Format_RGB32);
  panel.SetPreviewPicture(&preview);
  panel.ReadListNames();
  for (auto _ : state) panel.RefreshCharIcons(-1);
  state.SetItemsProcessed(state.iterations() * doc::GlyphCount);
  state.counters["per_thumbnail"] =
      benchmark::Counter(static_cast<double>(state.iterations() * doc::GlyphCount),
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_RefreshAllThumbnails)->Unit(benchmark::kMillisecond);

void BM_PanelChooseList(benchmark::State& state) {
  EnsureApplication();
  QTemporaryDir dir;
  const QString path = dir.filePath("CharList.ini");
  platform::IniFile ini;
  ini.WriteValue("List", "Item1", "Bench", path);
  for (int c = 0; c < doc::GlyphCount; ++c) ini.WriteValue("Bench", QStringLiteral("Chars%1").arg(c), "x", path);
  doc::ModConst s;
  doc::InitDefaults(s);
  shell::CharListPanel panel(s, ini, path);
  panel.ReadListNames();
  for (auto _ : state) panel.cmbList_Click();
}
BENCHMARK(BM_PanelChooseList)->Unit(benchmark::kMillisecond);

}  // namespace
