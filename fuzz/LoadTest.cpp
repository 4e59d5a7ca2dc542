// Any bytes as a test file: the loader must return a result (loaded or
// incompatible) without a memory fault or a hang, and a loaded test must
// stay inside its tables.

#include "content/LoadTest.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static ispyt::Test test;
  ispyt::Random random(size);
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  ispyt::LoadResult r = ispyt::readTest(
      bytes, test, random, [](const std::string& name) { return name.size() % 2 == 0; });
  if (r.loaded() != (r.value > 0) || test.taskCount > ispyt::kMaxTasks) std::abort();
  for (int n = 1; n <= test.taskCount; ++n)
    if (test.task(n).itemCount > ispyt::kMaxItems + ispyt::kGridCells) std::abort();
  return 0;
}
