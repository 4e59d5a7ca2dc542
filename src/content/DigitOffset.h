#pragma once
// The digit offset encoding of "Config.ini": the decimal text of a number
// with every character code lowered by 30, except "8", which becomes the
// byte 31 (its lowered code 26 would end the file).  "12" is the bytes 19 20.

#include <optional>
#include <string>
#include <string_view>

namespace ispyt {

std::string encodeDigitOffset(long long value);

// The number, or nothing when the bytes do not decode to a decimal number
// (an optional '-' and 1 to 9 digits).
std::optional<long long> decodeDigitOffset(std::string_view bytes);

// Plain decimal text in the same strict form; also used for the file's
// decimal lines (surrounding spaces allowed there).
std::optional<long long> parseDecimal(std::string_view text);

}  // namespace ispyt
