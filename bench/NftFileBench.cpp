// Opening and saving a font: the user waits for both. A full font of 512 glyphs
// at 32 x 16, and one of large 300 x 300 glyphs (long framing). Then the memory of
// Open: a hostile file beside a plain font of the largest size the settings allow.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <QTemporaryDir>
#include <algorithm>
#include <cstdlib>
#include <new>

#include "document/CharRecord.h"
#include "document/FileCommands.h"
#include "document/ModConst.h"
#include "document/NftFile.h"

namespace {

// The bytes held through operator new while counting is on, and their peak. The
// file's own bytes (a QByteArray, taken with malloc) are not among them.
struct Allocations {
  bool counting = false;
  int64_t now = 0;
  int64_t peak = 0;
};
Allocations& Counted() {
  static Allocations a;
  return a;
}

}  // namespace

void* operator new(std::size_t n) {
  void* p = std::malloc(n ? n : 1);
  if (!p) throw std::bad_alloc();
  Allocations& a = Counted();
  if (a.counting) {
    a.now += static_cast<int64_t>(malloc_usable_size(p));
    a.peak = std::max(a.peak, a.now);
  }
  return p;
}
void operator delete(void* p) noexcept {
  Allocations& a = Counted();
  if (p && a.counting) a.now -= static_cast<int64_t>(malloc_usable_size(p));
  std::free(p);
}
void operator delete(void* p, std::size_t) noexcept { operator delete(p); }

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

namespace {

// The file commands without windows: the chooser answers the one path, the list has
// no items (so Open shows the grid instead of switching glyphs), nothing is asked.
struct NoList : doc::GlyphList {
  std::optional<int> SelectedCode() override { return std::nullopt; }
  int ItemCount() override { return 0; }
  void SelectCode(int) override {}
  void RefreshCharIcons(int) override {}
  QString ListName() override { return {}; }
};
struct NoDesign : doc::DesignProcedures {
  void SaveFontData() override {}
  void DrawFont() override {}
  void DrawAll() override {}
  void LoadFontData() override {}
};
struct OpenOnly : NoDesign, doc::FileCommandsHost {
  QString path;
  explicit OpenOnly(doc::GlyphList& list, QString p) : FileCommandsHost(list, *this), path(std::move(p)) {}
  int16_t Message(const QString&, const QString&, int32_t, const QString&) override { return 1; }
  std::optional<QString> ChooseFile(const QString&) override { return path; }
  void ShowFontSettings() override {}
  void SetFileNameCaption(const QString&) override {}
};

std::string Filled(int w, int h) {
  std::string r = {char(w / 255), char(w % 255), char(h / 255), char(h % 255)};
  r.resize(4 + static_cast<size_t>(w) * h, char(1));
  return r;
}

// Open of a file from start-up state: 0 a plain font of 1024 x 768 with one glyph of
// that size; 1 the hostile file, 133 KB whose header claims 65,279 x 65,279 and which
// holds one glyph 65,279 x 1 and one 1 x 65,279. peak_bytes: the most that Open held
// at once beyond what it found; grid_bytes: the editing grid it made.
void BM_NftOpenMemory(benchmark::State& state) {
  doc::ModConst font;
  doc::InitDefaults(font);
  if (state.range(0) == 0) {
    font.MaxWidth = 1024, font.MaxHeight = 768;
    font.FontData[0] = Filled(1024, 768);
  } else {
    font.MaxWidth = font.MaxHeight = doc::CharRecord::MaxSide;
    font.FontData[0] = Filled(doc::CharRecord::MaxSide, 1);
    font.FontData[1] = Filled(1, doc::CharRecord::MaxSide);
  }
  QTemporaryDir dir;
  const QString path = dir.filePath("open.nft");
  const QByteArray bytes = doc::NftFile::Build(font, "list");
  if (doc::NftFile::WriteFile(path, bytes)) {
    state.SkipWithError("cannot write the font");
    return;
  }
  NoList list;
  OpenOnly host(list, path);
  int64_t peak = 0;
  size_t grid = 0;
  for (auto _ : state) {
    state.PauseTiming();
    auto s = std::make_unique<doc::ModConst>();
    doc::InitDefaults(*s);
    Allocations& a = Counted();
    a = {true, 0, 0};
    state.ResumeTiming();
    doc::OpenProject(*s, host);
    state.PauseTiming();
    a.counting = false;
    peak = std::max(peak, a.peak);
    grid = static_cast<size_t>(s->DesignData.Stride()) *
           static_cast<size_t>(s->DesignData.HighY() + doc::DesignGrid::Margin + 1);
    if (s->FontFileName != path) state.SkipWithError("the font did not open");
    s.reset();
    state.ResumeTiming();
  }
  state.counters["file_bytes"] = static_cast<double>(bytes.size());
  state.counters["peak_bytes"] = static_cast<double>(peak);
  state.counters["grid_bytes"] = static_cast<double>(grid);
}
BENCHMARK(BM_NftOpenMemory)->ArgName("hostile")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
