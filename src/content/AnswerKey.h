#pragma once
// Typed answers are stored under a key line: stored[i] = answer[i] + key[i]
// modulo 256, the key at least as long as the answer.  A space is written
// as '_' before scrambling, so reading turns every '_' back into a space.

#include <optional>
#include <string>
#include <string_view>

namespace ispyt {

// The answer hidden in `stored`, or nothing when the key is too short.
std::optional<std::string> unscrambleAnswer(std::string_view stored, std::string_view key);

// The stored form of `answer` (spaces already written as '_') under `key`
// (at least as long).
std::string scrambleAnswer(std::string_view answer, std::string_view key);

// Every '_' as a space: how stored answers and completion variants read.
std::string underscoresToSpaces(std::string text);

}  // namespace ispyt
