#pragma once
// Texts between GIFT and the test file.  A GIFT text of the plain format
// is the renderer's markup, as the text of a make-test source is (x]2[,
// {1\2}, #2x#, `p, ¶ …): only the GIFT escapes are resolved, so that a test
// written out as GIFT comes back the same.  HTML and Markdown texts are
// turned into markup: line breaks, sub- and superscripts and bold, italic
// and underlined words are kept, other tags dropped, and the characters
// the renderer would read as marks are kept literal or refused.
// Characters Windows-1251 lacks but the renderer draws (≤ ≥ ≈, arrows, ∞,
// Greek letters) become their markup.

#include <string>
#include <string_view>

#include "content/GiftReader.h"

namespace ispyt {

struct GiftTextResult {
  std::string text;   // Windows-1251 markup, one line
  std::string fault;  // what keeps the text out, in English; "" when none
  // The UTF-8 of the character at fault, as it may stand in the raw text
  // (for finding its line); empty when the fault is not one character's.
  std::string culprit;
};

// `raw` as a text of the test file: escapes resolved, the lines it spans
// joined by one space, "\n" a line break ("¶"), blanks at its ends kept.
GiftTextResult giftToMarkup(std::string_view raw, GiftFormat format);

// A Windows-1251 text of markup as GIFT text in UTF-8: '~', '=', '#', '{',
// '}', ':' and '\' escaped, "¶" written "\n".
std::string markupToGift(std::string_view cp1251);

}  // namespace ispyt
