#pragma once
// The fields of fixed-size little-endian records: signed 32-bit integers and
// counted strings (a length byte, then `capacity` bytes, the unused ones
// zero).

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace ispyt {

// A record of `size` zero bytes.
inline std::string blankRecord(std::size_t size) { return std::string(size, '\0'); }

void putInt32(std::string& record, std::size_t offset, std::int32_t value);
// Text longer than the field is cut to its capacity.
void putCounted(std::string& record, std::size_t offset, std::string_view text, int capacity);

std::int32_t getInt32(std::string_view record, std::size_t offset);
// A length byte above the capacity reads as the whole field.
std::string getCounted(std::string_view record, std::size_t offset, int capacity);

}  // namespace ispyt
