// Any bytes as the lines of a ".rtf" appendix: a bounded number of lines,
// none longer than what was read, and no line end inside a line.

#include <cstdint>
#include <string_view>

#include "Require.h"
#include "presentation/Appendix.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::vector<std::string> lines = ispyt::plainLines(bytes);
  require(lines.size() <= 2001);
  std::size_t total = 0;
  for (const std::string& line : lines) {
    total += line.size();
    require(line.find('\r') == std::string::npos && line.find('\n') == std::string::npos);
  }
  require(total <= size);
  return 0;
}
