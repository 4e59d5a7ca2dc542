// Any bytes as what a station sends: refused, incomplete, or read into a
// message that writes back to the same bytes when they are written as the
// program writes them, and that reads back equal.

#include "results/ResultMessage.h"

#include <cstdint>
#include <string_view>

#include "Require.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  ispyt::MessageScan scan = ispyt::scanResultMessage(bytes);
  if (scan.state != ispyt::MessageScan::State::Whole) return 0;
  require(scan.length <= bytes.size() && scan.length <= ispyt::kMaxResultMessage);
  const std::string written = ispyt::resultMessageBytes(scan.message);
  ispyt::Parsed<ispyt::ResultMessage> back = ispyt::ReadResultMessage(written);
  require(back.ok() && *back.value == scan.message);
  require(ispyt::resultMessageBytes(*back.value) == written);
  return 0;
}
