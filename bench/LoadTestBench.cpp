// LoadTest on a full test: 60 tasks, every kind, compiled by the writer.

#include <benchmark/benchmark.h>

#include <string>

#include "SixtyTasks.h"
#include "content/LoadTest.h"

namespace {

void BM_LoadSixtyTasks(benchmark::State& state) {
  std::string file = ispyt::bench::sixtyTaskFile();
  ispyt::Test test;
  ispyt::Random random(2);
  auto noPictures = [](const std::string&) { return false; };
  for (auto _ : state) {
    ispyt::LoadResult r = ispyt::readTest(file, test, random, noPictures);
    if (r.value != 61) state.SkipWithError("the file did not load");
    benchmark::DoNotOptimize(test.tasks.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * file.size()));
}
BENCHMARK(BM_LoadSixtyTasks);

}  // namespace
