#include "content/DigitOffset.h"

namespace ispyt {

std::string encodeDigitOffset(long long value) {
  std::string text = std::to_string(value);
  for (char& c : text) c = c == '8' ? char(31) : char(c - 30);
  return text;
}

std::optional<long long> decodeDigitOffset(std::string_view bytes) {
  std::string text(bytes);
  for (char& c : text) c = c == char(31) ? '8' : char(static_cast<unsigned char>(c) + 30);
  // Spaces cannot come from an encoded number (they would be 2 before).
  if (text.find(' ') != std::string::npos) return std::nullopt;
  return parseDecimal(text);
}

std::optional<long long> parseDecimal(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  bool negative = !text.empty() && text.front() == '-';
  if (negative) text.remove_prefix(1);
  if (text.empty() || text.size() > 9) return std::nullopt;
  long long value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return negative ? -value : value;
}

}  // namespace ispyt
