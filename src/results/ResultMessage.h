#pragma once
// The result message a workstation sends to the teacher's computer: text
// lines in Windows-1251, each ended by CR LF, 14 + 2N of them:
//
//    1 attempt code              8 full name
//    2 card code (in mode 4 "-"  9 class (" -" when empty)
//      and the test's password) 10 date dd.mm.yy
//    3 seconds taken            11 test name
//    4 time hh:mm:ss            12 per cent right
//    5 working mode 0..4        13 result on the 0..120 scale
//    6 shuffled 1 / 0           14 N, the number of tasks
//    7 1 at the end of an       15 ... 14+N   each task's per cent
//      attempt, 0 sent again    15+N ... 14+2N each task's answer text
//
// Tasks are in test-file order.  Numbers are decimal, a negative one with a
// leading "-".  The same reader serves the teacher's receiver, which takes
// messages as they arrive on a connection, and so refuses early what cannot
// become one.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "content/Test.h"
#include "results/AttemptResult.h"
#include "results/ReadFault.h"

namespace ispyt {

// Longer lines are refused; the writer cuts its texts to fit.
inline constexpr std::size_t kMaxMessageLine = 2048;
inline constexpr int kMessageHeaderLines = 14;
inline constexpr std::size_t kMaxResultMessage =
    (kMessageHeaderLines + 2 * kMaxTasks) * (kMaxMessageLine + 2);

struct ResultMessage {
  std::string attemptCode;
  std::string cardCode;
  int elapsed = 0;
  std::string timeText;
  int mode = 0;
  bool shuffle = false;
  bool atEnd = true;  // line 7
  std::string fullName;
  std::string classGroup;
  std::string dateText;
  std::string testName;
  int percent = 0;
  int result120 = 0;
  int taskCount = 0;
  PerTask taskPercent{};  // by task file number 1..taskCount
  std::array<std::string, kMaxTasks + 1> answerText;

  bool operator==(const ResultMessage&) const = default;
};

// A control character in a text becomes a blank and a text too long for
// its line is cut, so that every message written reads back.
std::string resultMessageBytes(const ResultMessage& message);

// How the bytes at the start of a stream stand.
struct MessageScan {
  enum class State { Incomplete, Whole, Refused };
  State state = State::Incomplete;
  std::size_t length = 0;  // Whole: the bytes of the first message
  ResultMessage message;   // Whole
  ReadFault fault;         // Refused: the line at fault and why
};

// The first message at the start of `bytes`; lines are checked as they
// come, so that junk is refused before its end.
MessageScan scanResultMessage(std::string_view bytes);

// Exactly one whole message.
Parsed<ResultMessage> ReadResultMessage(std::string_view bytes);

}  // namespace ispyt
