// Shaping a long Persian text and one "Show" of the widest LED panel, each beside a plain
// baseline of the same work in the same run: Qt's own layout of the same text in one font
// (which shapes it with HarfBuzz) and a deep copy of it; one fill of the panel's surface.
// Shaping must stay at least 20 times faster than that layout.
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QTextLayout>
#include <benchmark/benchmark.h>
#include <cstdlib>

#include "document/ModConst.h"
#include "preview/LEDPanel.h"
#include "preview/Shaping.h"
#include "preview/TextOrder.h"

namespace {

// A Persian text of n characters: words of joining and non-joining letters, marks,
// lam-alef, digits and spaces.
QString PersianText(int n) {
  const std::u16string words[] = {u"\u0633\u0644\u0627\u0645", u"\u0628\u064E\u0647",
                                  u"\u06A9\u062A\u0627\u0628", u"\u0631\u0648\u0632",
                                  u"\u06F1\u06F2 123",         u"\u067E\u0646\u062C\u0631\u0647"};
  QString s;
  for (int i = 0; s.size() < n; ++i) {
    s += QString::fromStdU16String(words[i % 6]);
    s += QChar(' ');
  }
  s.truncate(n);
  return s;
}

const preview::CharTables& Tables() {
  static const preview::CharTables t = [] {
    preview::CharTables x;
    preview::InitCharTables(x);
    return x;
  }();
  return t;
}

void BM_ShapeText5000(benchmark::State& state) {
  const QString text = PersianText(5000);
  const auto& t = Tables();
  for (auto _ : state) {
    QString shaped = preview::ShapeText(t, text);
    benchmark::DoNotOptimize(shaped.data());
  }
  state.SetItemsProcessed(state.iterations() * text.size());
}
BENCHMARK(BM_ShapeText5000);

// Shaping and ordering as the previews do it, right to left.
void BM_ShapeAndOrder5000(benchmark::State& state) {
  const QString text = PersianText(5000);
  const auto& t = Tables();
  for (auto _ : state) {
    std::vector<int> codes = preview::DrawOrder(t, text, preview::Shape(t, text), true);
    benchmark::DoNotOptimize(codes.data());
  }
  state.SetItemsProcessed(state.iterations() * text.size());
}
BENCHMARK(BM_ShapeAndOrder5000);

void BM_ShapeText5000_Baseline_QtLayout(benchmark::State& state) {
  static int argc = 1;
  static char name[] = "bench";
  static char* argv[] = {name, nullptr};
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static QGuiApplication app(argc, argv);
  const QString text = PersianText(5000);
  const QFont font(QStringLiteral("DejaVu Sans"), 10);
  for (auto _ : state) {
    QTextLayout layout(text, font);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(1e9);  // one line, as the previews draw it
    layout.endLayout();
    benchmark::DoNotOptimize(line.naturalTextWidth());
  }
  state.SetItemsProcessed(state.iterations() * text.size());
}
BENCHMARK(BM_ShapeText5000_Baseline_QtLayout)->Unit(benchmark::kMicrosecond);

void BM_ShapeText5000_Baseline_Copy(benchmark::State& state) {
  const QString text = PersianText(5000);
  for (auto _ : state) {
    QString copy(text.constData(), text.size());  // a deep copy, not a shared reference
    benchmark::DoNotOptimize(copy.data());
  }
  state.SetItemsProcessed(state.iterations() * text.size());
}
BENCHMARK(BM_ShapeText5000_Baseline_Copy);

// picLED of a large window at 96 dots per inch.
constexpr int kSurfaceW = 1280, kSurfaceH = 300;
constexpr double kDotsPerMm = 96 / 25.4;

void BM_LEDShow2048x16(benchmark::State& state) {
  doc::ModConst s;
  doc::InitDefaults(s);
  // Every code of the block and the ASCII letters drawn, 8 x 16 with a pattern.
  for (int c = 32; c < 320; ++c) {
    std::string r{0, 8, 0, 16};
    for (int i = 0; i < 8 * 16; ++i) r.push_back(static_cast<char>((i + c) % 3 == 0));
    s.FontData[c] = r;
  }
  preview::LEDShowInputs in;
  in.sample = PersianText(400);  // more than the 2048 columns take
  in.ledSizeMm = 3;
  in.pitchMm = 4;
  in.columns = 2048;
  preview::LEDPanel panel;
  QImage surface(kSurfaceW, kSurfaceH, QImage::Format_RGB32);
  for (auto _ : state) {
    preview::ShowLEDSample(panel, in, 16, s.FontData, Tables());
    panel.Render(surface, kDotsPerMm, kDotsPerMm);
    benchmark::DoNotOptimize(surface.bits());
  }
  if (!panel.Lit(2047, 0) && !panel.Lit(2047, 1) && !panel.Lit(2047, 2)) state.SkipWithError("panel not filled");
}
BENCHMARK(BM_LEDShow2048x16)->Unit(benchmark::kMicrosecond);

void BM_LEDShow2048x16_Baseline_Fill(benchmark::State& state) {
  QImage surface(kSurfaceW, kSurfaceH, QImage::Format_RGB32);
  for (auto _ : state) {
    surface.fill(Qt::black);
    benchmark::DoNotOptimize(surface.bits());
  }
}
BENCHMARK(BM_LEDShow2048x16_Baseline_Fill)->Unit(benchmark::kMicrosecond);

}  // namespace
