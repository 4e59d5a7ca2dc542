#pragma once
// The rules of the card's name field, applied to each typed key before it
// goes in: no separator (blank or ".") at the start, no second blank in a
// row, at most 23 characters, no Enter, and a capital at the start of every
// word (Cyrillic, including Ukrainian і, є, ї and ґ).  Windows-1251 bytes.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace ispyt {

inline constexpr char kKeyBackspace = '\b';
inline constexpr char kKeyEnter = '\r';

struct NameField {
  std::string text;
  std::size_t cursor = 0;  // the insertion point, 0..text.size()
};

// What typing `key` at `cursor` puts into `text`: the key, its capital, or
// nothing when the key is refused.  Backspace is not a character here.
std::optional<char> nameCharacter(std::string_view text, std::size_t cursor, char key);

// Applies one key (backspace removes the character before the cursor);
// true when the text changed.
bool typeNameKey(NameField& field, char key);

// The text the field holds after `keys` are typed at its end, in turn; the
// same rules serve pasted text.
std::string typeName(std::string_view keys, std::string_view start = {});

}  // namespace ispyt
