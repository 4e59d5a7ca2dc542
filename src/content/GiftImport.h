#pragma once
// GIFT questions as the tasks of a test, by the shape of each answer block:
//
//   one right answer among wrong ones      single choice
//   right answers with equal weights       multiple choice
//   {T} {F} {TRUE} {FALSE}                 single choice "Правильно" / "Неправильно"
//   right answers only {=a =b}             typed input accepting each
//   numbers {#5} {#5:0}                    typed input of the number
//   pairs {=a -> x =b -> y = -> z}         matching ("= -> z" unmatched)
//   a choice in the middle of the text     completion, its variants at the gap
//
// Any other block in the middle of the text keeps its kind, the place of
// the block shown as "…".  A question that cannot become a task (an essay,
// a description, a tolerance or a range, weights a task cannot count,
// texts too long or outside Windows-1251) is left out with the reason.

#include <string>
#include <string_view>
#include <vector>

#include "content/TestSource.h"

namespace ispyt {

struct GiftRefusal {
  int line = 0;
  std::string message;  // what and why, in English
};

struct GiftImport {
  TestSource source;  // no title: the caller names the test
  std::vector<GiftRefusal> refusals;
  int questions = 0;  // every question of the file, those left out included
};

// The question of a completion task made from a text without its own.
inline constexpr const char* kGapQuestion = "Заповніть пропуск.";  // UTF-8
// The label of the field a typed answer is written in.
inline constexpr const char* kAnswerLabel = "Відповідь:";
// The options of a true-false question.
inline constexpr const char* kTrue = "Правильно";
inline constexpr const char* kFalse = "Неправильно";

// Texts longer than these the task screen would draw too small to read.
inline constexpr std::size_t kMaxQuestionText = 1000;
inline constexpr std::size_t kMaxOptionText = 250;
inline constexpr std::size_t kMaxVariantText = 60;  // a blank's list grows with its longest variant

GiftImport importGift(std::string_view utf8);

}  // namespace ispyt
