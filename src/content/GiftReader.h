#pragma once
// Reading GIFT, the plain-text format question banks are kept in: questions
// separated by blank lines, each a text with one answer block in braces,
// "//" comment lines and "$CATEGORY:" lines between them.  The reader takes
// a file apart into questions and answers, each with its line, the texts
// still as written (escapes and markup in); what they become in a test is
// the import's business (GiftImport.h).  Any bytes are read in time linear
// in their length.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ispyt {

// The text format a question names after its title: "[html]",
// "[markdown]", or another name ("[plain]" and the like) for Plain.
enum class GiftFormat { Plain, Html, Markdown };

struct GiftText {
  std::string raw;  // UTF-8 as written: escapes, line ends and tags still in
  int line = 0;     // where it starts
};

enum class GiftBlock {
  None,       // no answer block: a description
  Empty,      // "{}": an essay
  TrueFalse,  // {T}, {F}, {TRUE}, {FALSE}
  Numeric,    // {#…}
  Answers,    // '=' and '~' answers: choices, short answers, matching pairs
};

struct GiftAnswer {
  int line = 0;
  bool right = false;            // '=' rather than '~'
  std::optional<double> weight;  // "%n%", in percent
  GiftText text;                 // feedback ("#…") cut off
};

struct GiftNumber {
  int line = 0;
  std::optional<double> weight;
  std::string value;      // as written; empty for a range
  std::string tolerance;  // after ':', empty when none
  std::string low, high;  // a range "low..high"
};

struct GiftQuestion {
  int line = 0;       // the question's first line
  int blockLine = 0;  // the line of its '{'
  // A fault of the GIFT syntax, in English; nothing below is set then.
  std::string error;
  int errorLine = 0;
  GiftFormat format = GiftFormat::Plain;
  // The text before the answer block and after it; an `after` of more than
  // blanks makes the block stand in the middle ("missing word").
  GiftText before, after;
  GiftBlock block = GiftBlock::None;
  bool truth = false;  // TrueFalse
  std::vector<GiftAnswer> answers;
  std::vector<GiftNumber> numbers;

  bool inMiddle() const;
};

// UTF-8 with or without a byte-order mark; lines end in LF or CR LF.
std::vector<GiftQuestion> readGift(std::string_view utf8);

// The length of the format marker a text starts with: '[', two to ten
// Latin letters, ']' (a subscript cannot stand first, with nothing to
// lower); 0 when there is none.
std::size_t giftFormatMarker(std::string_view text);

// A decimal number as GIFT writes it ("3.14", "-2", "0,5"); nothing when
// the text is not one.
std::optional<double> giftNumber(std::string_view text);

}  // namespace ispyt
