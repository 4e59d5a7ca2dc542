#pragma once
// The report file of an attempt, "<code>.rez" in the test folder: a text
// file (lines end in CR LF) of 15 header lines and, in modes 1, 2 and
// monitoring, one block per task position in the order shown.
//
// Header: code (letter, then each digit as the byte of its value) | mode as
// one raw byte | N | tasksDone | N bytes 0x01 answered / 0x00 | elements
// judged | pass | bestInExam | wrong elements | elapsed | shuffle "1"/"0" |
// full name | class (may be empty) | date dd.mm.yy | time hh:mm:ss.
//
// Block: file number | type | question | missCount | wrongCount | answer
// text | then by type, n the item count:
//   0 SingleChoice, 6 CountedChoice: n, a line of n mark bytes, n items
//   1 MultipleChoice: n, judged elements, the marks, n items
//   2 DirectInput: n, n items, n answers
//   3 Sequence: n, n answers (the order left)
//   4 Matching: n - 1, n - 1 items, n - 1 mark bytes, n right items from
//     the last to the first
//   5 Restoration: n, items[2] (grid), items[1] (picture), correct text
//   7 Completion: n, blanks b, n items, b answers (an empty one as " ")
// A type above 7 has no lines after the answer text.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "content/Test.h"
#include "results/ReadFault.h"

namespace ispyt {

struct ReportTask {
  int fileNumber = 1;  // 1..60
  int type = 0;        // 0..255; above 7 no body
  std::string question;
  int missCount = 0;
  int wrongCount = 0;
  std::string answerText;
  int itemCount = 0;       // n, 0..13 (Matching too: the file holds n - 1)
  int judgedElements = 0;  // MultipleChoice
  std::string marks;       // choice types n bytes, Matching n - 1
  // Items and right items 1..n as the attempt left them; for DirectInput,
  // Sequence and Completion the right items are the testee's answers.
  // Restoration: items[1] the picture name, items[2] the grid.
  Slots<std::string> items;
  Slots<std::string> rightItems;
  std::string correctText;  // Restoration
  int blankCount = 0;       // Completion, 0..13

  bool operator==(const ReportTask&) const = default;
};

struct Report {
  std::string attemptCode;  // a letter and three digits
  int mode = 0;             // 0..255
  int taskCount = 0;        // N, 0..60
  int tasksDone = 0;
  std::array<bool, kMaxTasks + 1> answered{};  // by position
  int elementsJudged = 0;
  int pass = 0;
  int bestInExam = 0;
  int wrongElements = 0;
  int elapsed = 0;
  bool shuffle = false;
  std::string fullName;
  std::string classGroup;
  std::string dateText;
  std::string timeText;
  std::vector<ReportTask> tasks;  // by position; empty in modes 0 and 3

  bool operator==(const Report&) const = default;
};

// The file; the attempt code must be a letter and three digits.
std::string reportBytes(const Report& report);

// The file's bytes back.  A file holding more than one report (which the
// program never writes) gives the last.  Fails at the first line that is
// not what the layout puts there.
Parsed<Report> ReadReport(std::string_view bytes);

// Gives the report in `bytes` another attempt code of the same length;
// false when its first line is not a code.
bool setReportCode(std::string& bytes, std::string_view attemptCode);

}  // namespace ispyt
