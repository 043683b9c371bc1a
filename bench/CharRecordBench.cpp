// Encoding and decoding the largest glyph the settings allow (1024 x 768), beside a
// plain copy of the same number of bytes: every store, undo state and paste pays
// one of these, so the ratio to the copy is the figure to watch.
#include <benchmark/benchmark.h>

#include <cstring>
#include <string>
#include <vector>

#include "document/CharRecord.h"

namespace {

constexpr int W = 1024;
constexpr int H = 768;

doc::DesignGrid FullGrid() {
  doc::DesignGrid g;
  g.ReDim(W, H);
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x) g.Set(x, y, static_cast<uint8_t>((x + 3 * y) % 16));
  return g;
}

void BM_EncodeLargestGlyph(benchmark::State& state) {
  const doc::DesignGrid g = FullGrid();
  for (auto _ : state) {
    auto r = doc::CharRecord::Encode(g, W, H);
    benchmark::DoNotOptimize(r->data());
  }
  state.SetBytesProcessed(state.iterations() * W * H);
}
BENCHMARK(BM_EncodeLargestGlyph)->Unit(benchmark::kMicrosecond);

void BM_DecodeLargestGlyph(benchmark::State& state) {
  const std::string record = *doc::CharRecord::Encode(FullGrid(), W, H);
  doc::DesignGrid g;
  g.ReDim(W, H);
  for (auto _ : state) {
    auto d = doc::CharRecord::Decode(record, g);
    benchmark::DoNotOptimize(d);
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * W * H);
}
BENCHMARK(BM_DecodeLargestGlyph)->Unit(benchmark::kMicrosecond);

// The yardstick: one copy of W x H bytes into a fresh buffer, as Encode makes one.
void BM_PlainCopySameBytes(benchmark::State& state) {
  const std::vector<char> src(static_cast<size_t>(W) * H, 7);
  for (auto _ : state) {
    std::string dst(src.size() + 4, '\0');
    std::memcpy(dst.data() + 4, src.data(), src.size());
    benchmark::DoNotOptimize(dst.data());
  }
  state.SetBytesProcessed(state.iterations() * W * H);
}
BENCHMARK(BM_PlainCopySameBytes)->Unit(benchmark::kMicrosecond);

}  // namespace
