#include "results/RecordFields.h"

#include <algorithm>

namespace ispyt {

void putInt32(std::string& record, std::size_t offset, std::int32_t value) {
  const auto bits = static_cast<std::uint32_t>(value);
  for (int i = 0; i < 4; ++i) record[offset + i] = static_cast<char>((bits >> (8 * i)) & 0xFF);
}

void putCounted(std::string& record, std::size_t offset, std::string_view text, int capacity) {
  const std::size_t length = std::min(text.size(), static_cast<std::size_t>(capacity));
  record[offset] = static_cast<char>(length);
  std::copy_n(text.begin(), length, record.begin() + offset + 1);
}

std::int32_t getInt32(std::string_view record, std::size_t offset) {
  std::uint32_t bits = 0;
  for (int i = 0; i < 4; ++i)
    bits |= static_cast<std::uint32_t>(static_cast<unsigned char>(record[offset + i])) << (8 * i);
  return static_cast<std::int32_t>(bits);
}

std::string getCounted(std::string_view record, std::size_t offset, int capacity) {
  const int length = std::min<int>(static_cast<unsigned char>(record[offset]), capacity);
  return std::string(record.substr(offset + 1, length));
}

}  // namespace ispyt
