#pragma once
// Builds test-file bytes for the content tests: lines joined by CR LF,
// headers with their check code.

#include <cstdint>
#include <initializer_list>
#include <string>

#include "content/CheckCode.h"

namespace ispyt::fixture {

inline std::string lines(std::initializer_list<std::string> ls) {
  std::string out;
  for (const std::string& l : ls) out += l + "\r\n";
  return out;
}

// A block: its header for `question`, the lines before the question, the
// question, the lines after it.
inline std::string block(std::uint8_t type, std::initializer_list<std::string> before,
                         const std::string& question, std::initializer_list<std::string> after) {
  std::string out = lines({taskHeader(type, question.size())}) + lines(before);
  return out + lines({question}) + lines(after);
}

inline std::string bytes(std::initializer_list<int> values) {
  std::string out;
  for (int v : values) out += static_cast<char>(v);
  return out;
}

}  // namespace ispyt::fixture
