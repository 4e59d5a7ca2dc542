// LoadTest on a full test: 60 tasks, every kind, compiled by the writer.

#include <benchmark/benchmark.h>

#include <string>

#include "content/LoadTest.h"
#include "content/TestSource.h"
#include "content/WriteTest.h"

namespace {

std::string sixtyTaskFile() {
  std::string source = "title: Бенчмарк\n";
  const char* const kTasks[] = {
      "== single\n? Скільки буде 7 · 8?\n+ 56\n- 54\n- 64\n- 48\n- 58\n",
      "== multiple\n? Які числа прості?\n+ 2\n+ 7\n- 9\n- 15\n+ 11\n- 21\n- 27\n",
      "== input\n? Столиця?\nfield: Місто\n= Київ\n= м. Київ\nfield: Річка\n= Дніпро\n",
      "== sequence\n? Упорядкуйте\n- 1\n- 2\n- 3\n- 4\n- 5\n- 6\n- 7\n",
      "== matching\n? Пари\n< a\n> A\n< b\n> B\n< c\n> C\n< d\n> D\n> E\n",
      "== restoration\n? Формула\nrow: H_[2]SO_[4]\nrow: [N]a[C]l\n",
      "== counted\n? Парні\n+ 2\n- 3\n+ 4\n- 5\n",
      "== completion\n? Речення\ntext: Кит <gap> ссавцем, а <gap> рибою.\nblank:\n+ є\n- не є\n"
      "blank:\n+ акула\n- дельфін\n- кит\n",
  };
  for (int n = 0; n < 60; ++n) source += kTasks[n % 8];
  ispyt::ParsedSource parsed = ispyt::parseTestSource(source);
  ispyt::Random random(1);
  return ispyt::writeTestFile(*parsed.source, random);
}

void BM_LoadSixtyTasks(benchmark::State& state) {
  std::string file = sixtyTaskFile();
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
