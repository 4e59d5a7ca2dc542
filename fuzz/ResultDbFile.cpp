// Any bytes as a result database: whole groups are read, a task count
// outside the test fails at its record, and every entry writes back to
// records that read the same.

#include "results/ResultDbFile.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "Require.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  ispyt::Parsed<ispyt::ResultDbFile> read = ispyt::ReadResultDb(bytes);
  if (!read.ok()) {
    require(read.fault.position >= 0 &&
            static_cast<std::size_t>(read.fault.position) < bytes.size());
    return 0;
  }
  for (const ispyt::ResultDbEntry& e : read.value->entries) {
    require(e.taskCount >= 0 && e.taskCount <= ispyt::kMaxTasks);
    ispyt::Parsed<ispyt::ResultDbFile> back = ispyt::ReadResultDb(ispyt::resultDbBytes(e));
    require(back.ok() && back.value->entries.size() == 1);
    const ispyt::ResultDbEntry& b = back.value->entries[0];
    require(b.attemptCode == e.attemptCode && b.fullName == e.fullName &&
            b.taskPercent == e.taskPercent && b.answerText == e.answerText &&
            b.result120 == e.result120 && b.cardCode == e.cardCode);
  }
  return 0;
}
