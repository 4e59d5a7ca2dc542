#pragma once
// The moment the results of the tests are stamped with: 5 December 2026,
// 9:04:07 ("05.12.26", "09:04:07" in the files).

#include <ctime>

namespace ispyt::results_test {

inline std::tm resultStamp() {
  std::tm t{};
  t.tm_year = 2026 - 1900;
  t.tm_mon = 11;
  t.tm_mday = 5;
  t.tm_hour = 9;
  t.tm_min = 4;
  t.tm_sec = 7;
  return t;
}

}  // namespace ispyt::results_test
