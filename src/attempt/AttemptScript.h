#pragma once
// The script of a headless attempt (ispyt-tool simulate): the settings to
// try, the card's fields and then one step per line.  The file is UTF-8 text; lines end in LF or
// CR LF; blank lines and lines starting with '#' are skipped.
//
//   mode: <0..4>         the working mode instead of the test's own
//   time: <minutes>      the time limit instead of the test's own
//   district: <name>     the card: a district of the card's list,
//   school: <name>       a school of that district,
//   class: <number>      "1".."11",
//   letter: <letter>     "А".."Д" or nothing,
//   name: <full name>    the testee's name (needed when the test asks for a card)
//   answer <answer>      an answer to the task shown, as its type takes it:
//                        choice types: options by their letters as the test
//                        file gives them ("answer A", "answer A C");
//                        DirectInput: the typed texts of the fields, split
//                        by '|' ("answer Говерла", "answer 2 | 3"; "_" for
//                        an empty field);
//                        Sequence: the order left, by the items' letters
//                        ("answer A B C");
//                        Matching: per left item a right-hand item by its
//                        letter in the test file ("answer A B C"; "_"
//                        leaves a list empty);
//                        Completion: per blank the letter of its variant
//                        ("answer A B"; "_" for none);
//                        Restoration: the characters for the gaps in turn
//                        ("answer 2O"; "_" is the space key, "»" Backspace)
//   hint                 the mode sign in mode 0: the correct answer shown
//   give-up              the mode sign in modes 1, 2 and 4: the task given up
//                        (a Restoration gap takes a wrong character instead)
//   petal <n>            a click on the wheel's petal n
//   wait <seconds>       the clock runs on
//   Вихід                the exit caption: the attempt broken off
//
// Settings and card lines come before the first step.

#include <string>
#include <string_view>
#include <vector>

namespace ispyt {

struct ScriptStep {
  enum class Kind { Answer, Hint, GiveUp, Petal, Wait, Exit };
  Kind kind = Kind::Answer;
  std::string text;  // Answer: what follows the word, Windows-1251
  int number = 0;    // Petal, Wait
  int line = 0;      // 1-based line of the script
};

struct AttemptScript {
  int mode = -1;                                                 // -1: the test's own
  int timeLimit = -1;                                            // minutes; -1: the test's own
  std::string district, school, classNumber, classLetter, name;  // Windows-1251
  std::vector<ScriptStep> steps;
};

struct ScriptReading {
  AttemptScript script;
  int errorLine = 0;  // 0: read
  std::string error;  // what is wrong, in English
  bool ok() const { return errorLine == 0; }
};

inline constexpr std::size_t kMaxScriptBytes = 1 << 20;
inline constexpr int kMaxScriptSteps = 10000;
inline constexpr int kMaxScriptWait = 24 * 60 * 60;

ScriptReading readAttemptScript(std::string_view utf8);

// The words of an answer: the options' letters ("A C" and "AC" alike).
std::vector<char> answerLetters(std::string_view text);
// The typed texts of an answer, one per field: split at '|', each trimmed;
// "_" alone is an empty field.
std::vector<std::string> answerFields(std::string_view text);
// The characters of a Restoration answer: spaces between them are skipped,
// "_" is the space key.
std::string gapCharacters(std::string_view text);

}  // namespace ispyt
