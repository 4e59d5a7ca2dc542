#pragma once
// Typed answers: how they are compared with the accepted answers, how a
// pasted text is tidied before judging, and which keys a field takes.
// All texts are Windows-1251 bytes.

#include <string>
#include <string_view>

#include "content/Test.h"

namespace ispyt {

// Equal, or of the same length with every differing byte a Latin/Cyrillic
// look-alike pair (a/а, T/Т, x/х, …), so a testee typing on the wrong
// keyboard layout is not judged wrong.
bool TypedEqual(std::string_view a, std::string_view b);

// One trailing space off; of every run of spaces pasted in, each space that
// directly follows a space is deleted in one pass (so three keep two); then
// one leading space off.
std::string NormaliseTyped(std::string_view s);

// The keys a field accepts while it holds `text`: a space not at the start,
// not after a space, and not once two neighbouring characters are both a
// space or a full stop; beyond kMaxTypedLength characters only Backspace.
bool acceptsTypedSpace(std::string_view text);
bool acceptsTypedKey(std::string_view text, char key, bool backspace);

}  // namespace ispyt
