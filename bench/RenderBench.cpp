// Full redraws of the design window beside a plain fill of a picture of the same size:
// a redraw should cost at most about four fills.
#include <benchmark/benchmark.h>

#include <QImage>

#include "document/ModConst.h"
#include "editor/DesignEditor.h"

namespace {

// Surroundings that only answer the screen size; the redraw's other calls go nowhere.
class QuietHost : public doc::GlyphList, public editor::ToolState, public editor::DesignView {
 public:
  std::optional<int> SelectedCode() override { return std::nullopt; }
  int ItemCount() override { return 512; }
  void SelectCode(int) override {}
  void RefreshCharIcons(int) override {}
  QString ListName() override { return {}; }
  void SetRedoEnabled(bool) override {}
  void ShowZoom(int32_t) override {}
  void ShowGlyphSize(int32_t, int32_t) override {}
  editor::FontImportSettings ImportSettings() override { return {}; }
  QString ShiftAmountText() override { return {}; }
  void ShowDrawTool(int32_t) override {}
  void ShowColor(int32_t) override {}
  QSize ScreenSize() override { return {1920, 1080}; }
  void GridRedrawn() override {}
  void GridPictureChanged(const QRect&) override {}
  void PreviewRedrawn() override {}
};

struct Scene {
  doc::ModConst s;
  QuietHost host;
  editor::DesignEditor ed{s, host, host, &host};
  Scene(int width, int height, int zoom) {
    doc::InitDefaults(s);
    s.MaxWidth = width;
    s.MaxHeight = height;
    doc::ReDimDesignData(s);
    // A busy glyph: every third cell inked, the rest empty (centre dots).
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x)
        if ((x + y) % 3 == 0) s.DesignData.Set(x, y, static_cast<uint8_t>(1 + (x ^ y) % 15));
    s.GuideLine[0][0] = width / 2;
    s.GuideLine[1][1] = height / 2;
    ed.CharWidth = width;
    ed.CharHeight = height;
    s.Zoom = zoom;
    ed.DrawAll();  // the zoom settles; every later redraw is the same
  }
};

void DrawAll(benchmark::State& state, int width, int height, int zoom) {
  Scene scene(width, height, zoom);
  for (auto _ : state) {
    scene.ed.DrawAll();
    benchmark::DoNotOptimize(scene.ed.DesignPicture.constBits());
  }
  const QSize size = scene.ed.DesignPicture.size();
  state.counters["pixels"] = static_cast<double>(size.width()) * size.height();
  state.counters["cellSize"] = scene.ed.CellSize;
}

void Fill(benchmark::State& state, int width, int height, int zoom) {
  Scene scene(width, height, zoom);
  QImage picture(scene.ed.DesignPicture.size(), QImage::Format_RGB32);
  uint pixel = 0xFF000000u;
  for (auto _ : state) {
    picture.fill(++pixel);
    benchmark::DoNotOptimize(picture.constBits());
  }
  state.counters["pixels"] = static_cast<double>(picture.width()) * picture.height();
}

// 1024 x 768 cells at cell size 1: a 1536 x 1152 picture.
BENCHMARK_CAPTURE(DrawAll, Glyph1024x768Cell1, 1024, 768, 5)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Fill, Glyph1024x768Cell1, 1024, 768, 5)->Unit(benchmark::kMicrosecond);
// 32 x 16 cells at zoom 300 (cell size 30): a 1440 x 720 picture.
BENCHMARK_CAPTURE(DrawAll, Glyph32x16Zoom300, 32, 16, 300)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Fill, Glyph32x16Zoom300, 32, 16, 300)->Unit(benchmark::kMicrosecond);

// A glyph far beyond the screen at cell size 1 (a 9000 x 6000 picture) is held as a
// window; each step scrolls far enough that the window is rendered anew.
void ScrollHugeGlyph(benchmark::State& state) {
  Scene scene(6000, 4000, 5);
  const QRect views[] = {QRect(0, 0, 1600, 900), QRect(7000, 4800, 1600, 900)};
  size_t k = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(scene.ed.RenderArea(views[++k % 2]));
  }
  const QSize size = scene.ed.DesignPicture.size();
  state.counters["heldPixels"] = static_cast<double>(size.width()) * size.height();
  state.counters["picturePixels"] = static_cast<double>(scene.ed.PictureSize.width()) * scene.ed.PictureSize.height();
}
BENCHMARK(ScrollHugeGlyph)->Unit(benchmark::kMicrosecond);

void FillHeldWindow(benchmark::State& state) {
  QImage picture(2880, 1620, QImage::Format_RGB32);
  uint pixel = 0xFF000000u;
  for (auto _ : state) {
    picture.fill(++pixel);
    benchmark::DoNotOptimize(picture.constBits());
  }
}
BENCHMARK(FillHeldWindow)->Unit(benchmark::kMicrosecond);

}  // namespace
