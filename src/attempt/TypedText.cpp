#include "attempt/TypedText.h"

#include <array>
#include <utility>

#include "platform/Cp1251.h"

namespace ispyt {
namespace {

// Latin letter and its Cyrillic look-alike (as Windows-1251 bytes).
const std::array<std::pair<char, std::string>, 21>& lookAlikes() {
  static const std::array<std::pair<char, std::string>, 21> pairs{{
      {'a', cp1251("а")}, {'e', cp1251("е")}, {'c', cp1251("с")}, {'y', cp1251("у")},
      {'k', cp1251("к")}, {'x', cp1251("х")}, {'i', cp1251("і")}, {'p', cp1251("р")},
      {'o', cp1251("о")}, {'E', cp1251("Е")}, {'T', cp1251("Т")}, {'I', cp1251("І")},
      {'O', cp1251("О")}, {'P', cp1251("Р")}, {'A', cp1251("А")}, {'H', cp1251("Н")},
      {'K', cp1251("К")}, {'X', cp1251("Х")}, {'C', cp1251("С")}, {'B', cp1251("В")},
      {'M', cp1251("М")},
  }};
  return pairs;
}

bool lookAlike(char x, char y) {
  for (const auto& [latin, cyrillic] : lookAlikes())
    if ((x == latin && y == cyrillic[0]) || (y == latin && x == cyrillic[0])) return true;
  return false;
}

}  // namespace

bool TypedEqual(std::string_view a, std::string_view b) {
  if (a == b) return true;
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (a[i] != b[i] && !lookAlike(a[i], b[i])) return false;
  return true;
}

std::string NormaliseTyped(std::string_view s) {
  std::string t(s);
  if (!t.empty() && t.back() == ' ') t.pop_back();
  // The character that moves into a deleted place is not looked at again.
  for (std::size_t i = 1; i < t.size(); ++i)
    if (t[i] == ' ' && t[i - 1] == ' ') t.erase(i, 1);
  if (!t.empty() && t.front() == ' ') t.erase(0, 1);
  return t;
}

bool acceptsTypedSpace(std::string_view text) {
  if (text.empty() || text.back() == ' ') return false;
  for (std::size_t i = 1; i < text.size(); ++i) {
    const bool both =
        (text[i] == ' ' || text[i] == '.') && (text[i - 1] == ' ' || text[i - 1] == '.');
    if (both) return false;
  }
  return true;
}

bool acceptsTypedKey(std::string_view text, char key, bool backspace) {
  if (backspace) return true;
  if (static_cast<int>(text.size()) > kMaxTypedLength) return false;
  return key != ' ' || acceptsTypedSpace(text);
}

}  // namespace ispyt
