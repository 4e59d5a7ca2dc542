#include "attempt/NameInput.h"

#include "attempt/StudentCard.h"

namespace ispyt {
namespace {

bool isSeparator(char c) { return c == ' ' || c == '.'; }

bool hasSeparatorPair(std::string_view text) {
  for (std::size_t i = 1; i < text.size(); ++i)
    if (isSeparator(text[i - 1]) && isSeparator(text[i])) return true;
  return false;
}

// The capital of a lower-case Cyrillic letter of the code page; other
// characters as they are.
char wordStart(char key) {
  unsigned char c = static_cast<unsigned char>(key);
  if (c >= 224) return static_cast<char>(c - 32);
  switch (c) {
    case 179:
      return static_cast<char>(178);  // і
    case 186:
      return static_cast<char>(170);  // є
    case 191:
      return static_cast<char>(175);  // ї
    case 180:
      return static_cast<char>(165);  // ґ
    default:
      return key;
  }
}

}  // namespace

std::optional<char> nameCharacter(std::string_view text, std::size_t cursor, char key) {
  if (cursor > text.size()) cursor = text.size();
  if (static_cast<unsigned char>(key) < 32) return std::nullopt;  // Enter and other controls
  if (text.size() >= kMaxFullName) return std::nullopt;
  char before = cursor > 0 ? text[cursor - 1] : '\0';
  char after = cursor < text.size() ? text[cursor] : '\0';
  if (isSeparator(key) && cursor == 0) return std::nullopt;
  if (key == ' ' && (before == ' ' || after == ' ' || hasSeparatorPair(text))) return std::nullopt;
  if (cursor == 0 || isSeparator(before)) return wordStart(key);
  return key;
}

bool typeNameKey(NameField& field, char key) {
  if (field.cursor > field.text.size()) field.cursor = field.text.size();
  if (key == kKeyBackspace) {
    if (field.cursor == 0) return false;
    field.text.erase(--field.cursor, 1);
    return true;
  }
  std::optional<char> c = nameCharacter(field.text, field.cursor, key);
  if (!c) return false;
  field.text.insert(field.cursor++, 1, *c);
  return true;
}

std::string typeName(std::string_view keys, std::string_view start) {
  NameField field{std::string(start), start.size()};
  for (char key : keys) typeNameKey(field, key);
  return field.text;
}

}  // namespace ispyt
