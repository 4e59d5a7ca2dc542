#pragma once
// A full test for the benchmarks: 60 tasks of every kind, as the writer
// compiles them.

#include <string>

#include "content/TestSource.h"
#include "content/WriteTest.h"

namespace ispyt::bench {

inline std::string sixtyTaskFile(const std::string& title = "Бенчмарк") {
  std::string source = "title: " + title + "\n";
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
  ParsedSource parsed = parseTestSource(source);
  Random random(1);
  return writeTestFile(*parsed.source, random);
}

}  // namespace ispyt::bench
