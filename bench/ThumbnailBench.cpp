// Rebuilding all 512 thumbnails (after an Open), reported per thumbnail.
#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

#include "document/ModConst.h"
#include "platform/IniFile.h"
#include "charlists/CharListPanel.h"

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

// A list file with one list, "Bench", and a fresh font.
struct BenchSetup {
  QTemporaryDir dir;
  QString path = dir.filePath("CharList.ini");
  platform::IniFile ini;
  doc::ModConst s;
  BenchSetup() {
    EnsureApplication();
    ini.WriteValue("List", "Item1", "Bench", path);
    doc::InitDefaults(s);
  }
};

void BM_RefreshAllThumbnails(benchmark::State& state) {
  BenchSetup b;
  auto& s = b.s;
  for (int c = 0; c < doc::GlyphCount; ++c) {
    std::string r{0, 64, 0, 64};
    for (int i = 0; i < 64 * 64; ++i) r.push_back(static_cast<char>((i * 7 + c) % 16));
    s.FontData[c] = r;
  }
  charlists::CharListPanel panel(s, b.ini, b.path);
  QImage preview(109, 133, QImage::Format_RGB32);
  panel.SetPreviewPicture(&preview);
  panel.ReadListNames();
  for (auto _ : state) panel.RefreshCharIcons(-1);
  state.SetItemsProcessed(state.iterations() * doc::GlyphCount);
  state.counters["per_thumbnail"] = benchmark::Counter(static_cast<double>(state.iterations() * doc::GlyphCount),
                                                       benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_RefreshAllThumbnails)->Unit(benchmark::kMillisecond);

void BM_PanelChooseList(benchmark::State& state) {
  BenchSetup b;
  for (int c = 0; c < doc::GlyphCount; ++c) b.ini.WriteValue("Bench", QStringLiteral("Chars%1").arg(c), "x", b.path);
  charlists::CharListPanel panel(b.s, b.ini, b.path);
  panel.ReadListNames();
  for (auto _ : state) panel.cmbList_Click();
}
BENCHMARK(BM_PanelChooseList)->Unit(benchmark::kMillisecond);

}  // namespace
