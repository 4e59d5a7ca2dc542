#include <gtest/gtest.h>

#include "ThreeTaskAttempt.h"
#include "results/AttemptRecords.h"
#include "results/ResultMessage.h"

namespace ispyt::results_test {
namespace {

ResultMessage threeTaskResultMessage(int mode, Settings settings = {}) {
  settings.shuffle = true;
  AttemptResult result;
  result.attemptCode = "b123";
  result.result120 = 61;
  result.dateText = "05.12.26";
  result.timeText = "09:04:07";
  StudentCard card = threeTaskCard();
  card.classGroup = " -";  // as writing the report leaves an empty class
  return resultMessageOf(threeTaskAttempt(mode), threeTaskTest(), settings, card, result,
                         cp1251("Алгебра"));
}

TEST(ResultMessage, ThreeTasksGiveTwentyLinesInFileOrder) {
  const std::string bytes = resultMessageBytes(threeTaskResultMessage(kModeTestPaper));
  EXPECT_EQ(bytes, threeTaskMessage("b123", "A07", 2, "61"));
  std::size_t lines = 0;
  for (std::size_t at = 0; (at = bytes.find("\r\n", at)) != std::string::npos; at += 2) ++lines;
  EXPECT_EQ(lines, 20u);
}

TEST(ResultMessage, MonitoringCardCodeCarriesThePasswordInDecimal) {
  Settings settings;
  settings.password = 1234;
  EXPECT_EQ(resultMessageBytes(threeTaskResultMessage(kModeMonitoring, settings)),
            threeTaskMessage("b123", "A07-1234", 4, "61"));
}

TEST(ResultMessage, NothingJudgedIsNoPerCentRatherThanADivisionByZero) {
  AttemptState a = threeTaskAttempt(kModeTraining);
  a.elementsJudged = 0;
  a.wrongElements = 0;
  for (int k = 1; k <= 3; ++k) a.task(k) = TaskRecord{};
  ResultMessage m =
      resultMessageOf(a, threeTaskTest(), Settings{}, threeTaskCard(), AttemptResult{}, "T");
  EXPECT_EQ(m.percent, 0);
  // Never judged, a task counts its elements.
  EXPECT_EQ(m.taskPercent[1], 100);
}

std::string replaceLine(std::string bytes, int line, const std::string& text) {
  std::size_t at = 0;
  for (int i = 1; i < line; ++i) at = bytes.find("\r\n", at) + 2;
  return bytes.replace(at, bytes.find("\r\n", at) - at, text);
}

TEST(ResultMessage, WhatIsWrittenReadsBack) {
  ResultMessage m = threeTaskResultMessage(kModeTraining);
  m.atEnd = false;
  m.elapsed = -5;
  m.answerText[2] = std::string(3000, 'x');  // cut to its line
  m.fullName = "a\tb\rc\nd";                 // control characters become blanks
  Parsed<ResultMessage> back = ReadResultMessage(resultMessageBytes(m));
  ASSERT_TRUE(back.ok()) << back.fault.position << ": " << back.fault.reason;
  EXPECT_EQ(back.value->answerText[2].size(), kMaxMessageLine);
  EXPECT_EQ(back.value->fullName, "a b c d");
  m.answerText[2].resize(kMaxMessageLine);
  m.fullName = "a b c d";
  EXPECT_EQ(*back.value, m);
  // No class at all reads as the writer sends it.
  const std::string noClass = replaceLine(resultMessageBytes(m), 9, "");
  EXPECT_EQ(ReadResultMessage(noClass).value->classGroup, " -");
}

TEST(ResultMessage, RefusesWhatIsNotOneAndSaysWhere) {
  const std::string good = threeTaskMessage("b123", "A07", 2, "61");
  struct Case {
    const char* name;
    std::string bytes;
    std::int64_t line;  // 0: cut short or too long as a whole
  };
  const Case cases[] = {
      {"empty", "", 0},
      {"cut short", good.substr(0, good.size() - 5), 0},
      {"a line more", good + "x\r\n", 0},
      {"LF line ends", "b123\nA07\n", 1},
      {"a bare CR", "b123\rA07\r\n", 1},
      {"empty code", replaceLine(good, 1, ""), 1},
      {"code too long", replaceLine(good, 1, "ABCDEFGHI"), 1},
      {"seconds not a number", replaceLine(good, 3, "7x"), 3},
      {"mode 5", replaceLine(good, 5, "5"), 5},
      {"shuffle 2", replaceLine(good, 6, "2"), 6},
      {"flag empty", replaceLine(good, 7, ""), 7},
      {"61 tasks", replaceLine(good, 14, "61"), 14},
      {"negative count", replaceLine(good, 14, "-1"), 14},
      {"more tasks than lines", replaceLine(good, 14, "4"), 0},
      {"fewer tasks than lines", replaceLine(good, 14, "2"), 0},
      {"a task's per cent not a number", replaceLine(good, 16, "abc"), 16},
      {"a number too large", replaceLine(good, 12, "99999999999"), 12},
      {"binary junk", std::string("\x01\x02\xff\xfe\r\n", 6), 1},
      {"a control byte in a text", replaceLine(good, 8, std::string("a\0b", 3)), 8},
      {"a line too long", std::string(kMaxMessageLine + 10, 'A'), 1},
  };
  for (const Case& c : cases) {
    Parsed<ResultMessage> read = ReadResultMessage(c.bytes);
    EXPECT_FALSE(read.ok()) << c.name;
    EXPECT_EQ(read.fault.position, c.line) << c.name << ": " << read.fault.reason;
  }
}

TEST(ResultMessage, ScanTakesOneMessageAtATimeAndRefusesJunkBeforeItsEnd) {
  const std::string one = threeTaskMessage("b123", "A07", 2, "61");
  const std::string two = threeTaskMessage("b124", "A07", 2, "61", "0");
  MessageScan scan = scanResultMessage(one + two);
  ASSERT_EQ(scan.state, MessageScan::State::Whole);
  EXPECT_EQ(scan.length, one.size());
  EXPECT_EQ(scan.message.attemptCode, "b123");
  scan = scanResultMessage(two.substr(0, 40));
  EXPECT_EQ(scan.state, MessageScan::State::Incomplete);
  // Line 3 gives junk away before the rest arrives.
  scan = scanResultMessage("b123\r\nA07\r\nGET / HTTP/1.1\r\n");
  ASSERT_EQ(scan.state, MessageScan::State::Refused);
  EXPECT_EQ(scan.fault.position, 3);
}

}  // namespace
}  // namespace ispyt::results_test
