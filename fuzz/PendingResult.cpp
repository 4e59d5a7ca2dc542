// Any bytes as a kept result of "Pending": refused, or read into a result
// that writes back to the same bytes and can take another code.

#include "results/PendingResult.h"

#include <cstdint>
#include <string_view>

#include "Require.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  ispyt::Parsed<ispyt::PendingResult> read = ispyt::ReadPendingResult(bytes);
  if (!read.ok()) return 0;
  ispyt::PendingResult& r = *read.value;
  require(ispyt::pendingResultBytes(r) == bytes);
  ispyt::recode(r, r.attemptCode.substr(0, 1) + "777");
  ispyt::Parsed<ispyt::PendingResult> again = ispyt::ReadPendingResult(ispyt::pendingResultBytes(r));
  require(again.ok() && again.value->attemptCode == r.attemptCode);
  return 0;
}
