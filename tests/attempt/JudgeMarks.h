#pragma once
// The marks of a judgement as a short string for tables: one character per
// slot 1..n, '.' none, 'P' picked, 'R' right, 'W' wrong, 'S' shown right.

#include <string>

#include "attempt/TaskJudge.h"

namespace ispyt {

inline std::string marksOf(const Judgement& j, int n) {
  std::string s;
  for (int i = 1; i <= n; ++i) s += ".PRWS"[static_cast<int>(j.marks[i])];
  return s;
}

}  // namespace ispyt
