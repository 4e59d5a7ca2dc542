// Any bytes as the focus losses beside a report: refused, or read into a
// record that writes back to the same bytes, its losses in order.

#include "results/FocusLossFile.h"

#include <algorithm>
#include <cstdint>
#include <string_view>

#include "Require.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  ispyt::Parsed<ispyt::FocusLossRecord> read = ispyt::ReadFocusLossFile(bytes);
  if (!read.ok()) return 0;
  const ispyt::FocusLossRecord& r = *read.value;
  require(r.count >= 1 && r.listed.size() == static_cast<std::size_t>(
                                                 std::min(r.count, ispyt::kMaxListedFocusLosses)));
  for (const ispyt::FocusLoss& loss : r.listed) require(loss.at <= loss.back);
  require(ispyt::focusLossBytes(r) == bytes);
  return 0;
}
