// The list editor's Save: 512 keys and the name's registration, one atomic replace
// of a CharList.ini holding 200 lists; beside it one plain write of the same bytes.
#include <benchmark/benchmark.h>

#include <QFile>

#include "ListFileFixture.h"
#include "platform/IniFile.h"
#include "charlists/CharListEditing.h"

namespace {

void BM_CharListSave(benchmark::State& state) {
  benchfixture::BigList file;
  platform::IniFile ini;
  charlists::ListTexts texts;
  int round = 0;
  for (auto _ : state) {
    ++round;  // every press changes all 512 texts, so every press writes
    for (int c = 0; c < 512; ++c) texts[static_cast<size_t>(c)] = QString::number(c * 7 + round);
    if (charlists::SaveCharList(ini, file.path, "List 120", texts)) state.SkipWithError("save failed");
  }
  state.SetBytesProcessed(state.iterations() * QFile(file.path).size());
}
BENCHMARK(BM_CharListSave)->Unit(benchmark::kMillisecond);

// Baseline: the same number of bytes written once to a file, no parse, no replace.
void BM_PlainWriteOfTheSameBytes(benchmark::State& state) {
  benchfixture::BigList file;
  QByteArray bytes;
  {
    QFile f(file.path);
    if (f.open(QIODevice::ReadOnly)) bytes = f.readAll();
  }
  const QString plain = file.dir.filePath("plain.ini");
  for (auto _ : state) {
    QFile f(plain);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
      state.SkipWithError("write failed");
  }
  state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_PlainWriteOfTheSameBytes)->Unit(benchmark::kMillisecond);

}  // namespace
