#include "content/AnswerKey.h"

#include <algorithm>

namespace ispyt {

std::optional<std::string> unscrambleAnswer(std::string_view stored, std::string_view key) {
  if (key.size() < stored.size()) return std::nullopt;
  std::string answer(stored.size(), '\0');
  for (std::size_t i = 0; i < stored.size(); ++i)
    answer[i] = static_cast<char>(static_cast<unsigned char>(stored[i]) -
                                  static_cast<unsigned char>(key[i]));
  return underscoresToSpaces(std::move(answer));
}

std::string scrambleAnswer(std::string_view answer, std::string_view key) {
  std::string stored(answer.size(), '\0');
  for (std::size_t i = 0; i < answer.size(); ++i)
    stored[i] = static_cast<char>(static_cast<unsigned char>(answer[i]) +
                                  static_cast<unsigned char>(key[i]));
  return stored;
}

std::string underscoresToSpaces(std::string text) {
  std::replace(text.begin(), text.end(), '_', ' ');
  return text;
}

}  // namespace ispyt
