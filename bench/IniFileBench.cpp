// Choosing a character list reads its 512 keys; the goal is about one parse of
// CharList.ini for all of them. Also the list editor's Save of 512 keys.
#include <benchmark/benchmark.h>

#include "ListFileFixture.h"
#include "platform/IniFile.h"

namespace {

using benchfixture::BigList;
using benchfixture::kKeys;

BigList& Fixture() {
  static BigList list;
  return list;
}

void BM_ParseCharList(benchmark::State& state) {
  const QString path = Fixture().path;
  for (auto _ : state) {
    platform::IniFile ini;  // a fresh object parses once on its first read
    benchmark::DoNotOptimize(ini.ReadValue("List", "Item1", "", path));
  }
}
BENCHMARK(BM_ParseCharList)->Unit(benchmark::kMillisecond);

void BM_ChooseList(benchmark::State& state) {
  const QString path = Fixture().path;
  int parses = 0;
  for (auto _ : state) {
    platform::IniFile ini;
    for (int c = 0; c < kKeys; ++c)
      benchmark::DoNotOptimize(ini.ReadValue("List 137", "Chars" + QString::number(c), "", path));
    parses = ini.ParseCount();
  }
  state.counters["parses"] = parses;
}
BENCHMARK(BM_ChooseList)->Unit(benchmark::kMillisecond);

void BM_SaveListKeyByKey(benchmark::State& state) {
  const QString path = Fixture().path;
  platform::IniFile ini;
  int round = 0;
  for (auto _ : state) {
    ++round;
    for (int c = 0; c < kKeys; ++c)
      ini.WriteValue("List 42", "Chars" + QString::number(c), QString::number(c + round), path);
  }
}
BENCHMARK(BM_SaveListKeyByKey)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_SaveListAtOnce(benchmark::State& state) {
  const QString path = Fixture().path;
  platform::IniFile ini;
  int round = 0;
  for (auto _ : state) {
    ++round;
    QList<QPair<QString, QString>> keys;
    for (int c = 0; c < kKeys; ++c) keys.append({"Chars" + QString::number(c), QString::number(c + round)});
    ini.WriteValues("List 43", keys, path);
  }
}
BENCHMARK(BM_SaveListAtOnce)->Unit(benchmark::kMillisecond);

}  // namespace
