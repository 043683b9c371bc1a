// Opening and saving a font: the user waits for both. A full font of 512 glyphs
// at 32 x 16, and one of large 300 x 300 glyphs (long framing).
#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include "document/ModConst.h"
#include "document/NftFile.h"

namespace {

doc::ModConst FullFont(int w, int h) {
  doc::ModConst s;
  doc::InitDefaults(s);
  for (int c = 0; c < doc::GlyphCount; ++c) {
    std::string r = {char(w / 255), char(w % 255), char(h / 255), char(h % 255)};
    r.resize(4 + static_cast<size_t>(w) * h, char(c % 16));
    s.FontData[static_cast<size_t>(c)] = std::move(r);
  }
  return s;
}

void BM_NftBuildAndParse(benchmark::State& state) {
  const doc::ModConst s = FullFont(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  for (auto _ : state) {
    const QByteArray b = doc::NftFile::Build(s, "list");
    auto r = doc::NftFile::Parse(b);
    benchmark::DoNotOptimize(r.content.FontData.data());
  }
}
BENCHMARK(BM_NftBuildAndParse)->Args({32, 16})->Args({300, 300})->Unit(benchmark::kMillisecond);

void BM_NftSaveAndOpen(benchmark::State& state) {
  const doc::ModConst s = FullFont(32, 16);
  QTemporaryDir dir;
  const QString path = dir.filePath("bench.nft");
  for (auto _ : state) {
    auto err = doc::NftFile::WriteFile(path, doc::NftFile::Build(s, "list"));
    auto r = doc::NftFile::Read(path);
    benchmark::DoNotOptimize(err);
    benchmark::DoNotOptimize(r.content.FontData.data());
  }
}
BENCHMARK(BM_NftSaveAndOpen)->Unit(benchmark::kMillisecond);

}  // namespace
