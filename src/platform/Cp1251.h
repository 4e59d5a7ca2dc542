#pragma once
// Windows-1251, the code page of every text and file the program handles.
// Domain text is kept as Windows-1251 bytes in std::string; these helpers
// convert at the edges (source literals, command-line text, JSON output).

#include <string>
#include <string_view>

namespace ispyt {

// UTF-8 to Windows-1251; a character the code page lacks becomes '?'.
std::string utf8ToCp1251(std::string_view utf8);

// Windows-1251 to UTF-8.  Every byte maps to a character (0x98 to U+0098),
// so the conversion is lossless both ways.
std::string cp1251ToUtf8(std::string_view bytes);

// The one way our UTF-8 source literals become domain text: cp1251("Тест").
inline std::string cp1251(std::string_view utf8Literal) { return utf8ToCp1251(utf8Literal); }

// Case mapping of the whole code page (Latin and Cyrillic, including
// Ґ Є І Ї Ў Ё and the other Cyrillic letters of the page).
char cp1251Upper(char c);
char cp1251Lower(char c);
std::string cp1251Upper(std::string_view bytes);
bool cp1251EqualNoCase(std::string_view a, std::string_view b);

}  // namespace ispyt
