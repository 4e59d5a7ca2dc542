#pragma once
// The check code behind a task block's type byte: the question's length
// plus 101 in decimal, every '8' turned into '1', each digit stored as the
// byte of its value (77 bytes give 178 -> 171 -> 0x01 0x07 0x01).  The
// byte 8 therefore never occurs.

#include <cstddef>
#include <cstdint>
#include <string>

namespace ispyt {

std::string checkCode(std::size_t questionLength);

// The whole header line a block of this type and question must carry.
std::string taskHeader(std::uint8_t typeCode, std::size_t questionLength);

}  // namespace ispyt
