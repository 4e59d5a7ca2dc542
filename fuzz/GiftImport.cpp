// Any bytes as a GIFT file: the import must end with tasks the test file
// can hold, every question either a task or a refusal; the tasks written
// and loaded back are as many, and written out as GIFT again they import
// without a refusal.

#include "content/GiftImport.h"

#include <cstdint>
#include <string_view>

#include "Require.h"
#include "content/GiftExport.h"
#include "content/LoadTest.h"
#include "content/WriteTest.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace ispyt;
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  GiftImport gift = importGift(bytes);
  const int tasks = static_cast<int>(gift.source.tasks.size());
  require(tasks <= kMaxTasks);
  require(tasks + static_cast<int>(gift.refusals.size()) == gift.questions);
  if (tasks == 0) return 0;

  gift.source.title = std::string("T");  // not = "T": GCC 12 warns falsely
  Random random(size);
  static Test test;
  LoadResult loaded = readTest(writeTestFile(gift.source, random), test, random,
                               [](const std::string&) { return false; });
  require(loaded.loaded() && loaded.taskCount() == tasks);

  GiftExport out = exportGift(test, {});
  require(out.written + static_cast<int>(out.skipped.size()) == tasks);
  GiftImport again = importGift(out.gift);
  require(again.refusals.empty() && static_cast<int>(again.source.tasks.size()) == out.written);
  return 0;
}
