#include <gtest/gtest.h>

#include "JudgeMarks.h"
#include "attempt/MatchingJudge.h"
#include "platform/Cp1251.h"

namespace ispyt {
namespace {

// Three left items, four right-hand ones: left 1 matches "r2" (letter Б),
// left 2 "r3" (В), left 3 "r1" (А).
Task matching() {
  Task t;
  t.type = TaskType::Matching;
  t.itemCount = 4;
  t.elementCount = 3;
  for (int j = 1; j <= 4; ++j) t.rightItems[j] = "r" + std::to_string(j);
  t.correctTexts[1] = "r2";
  t.correctTexts[2] = "r3";
  t.correctTexts[3] = "r1";
  return t;
}

TEST(MatchingLetters, ALetterShownElsewhereEmptiesThePanel) {
  const Task task = matching();
  TaskRecord record;
  MatchingJudge judge;
  EXPECT_FALSE(judge.laidOut(task, record));
  EXPECT_FALSE(judge.letterChosen(task, record, 1, cp1251("А")));
  EXPECT_FALSE(judge.letterChosen(task, record, 2, cp1251("Б")));
  // Item 2 chooses the letter item 1 shows: item 2 is emptied.
  EXPECT_FALSE(judge.letterChosen(task, record, 2, cp1251("А")));
  EXPECT_EQ(record.given[2], "");
  EXPECT_EQ(record.given[1], cp1251("А"));
  EXPECT_FALSE(judge.letterChosen(task, record, 2, cp1251("Б")));
  EXPECT_TRUE(judge.letterChosen(task, record, 3, cp1251("В")));
  // Its own letter again keeps it.
  EXPECT_TRUE(judge.letterChosen(task, record, 1, cp1251("А")));
  EXPECT_EQ(record.given[1], cp1251("А"));
  // A letter no list offers changes nothing (four right items: А..Г).
  for (const char* letter : {"Д", "Z", "АБ"}) {
    EXPECT_TRUE(judge.letterChosen(task, record, 1, cp1251(letter))) << letter;
    EXPECT_EQ(record.given[1], cp1251("А")) << letter;
  }
  Task spare = task;
  spare.hasEmptyRightItem = true;  // "--" is not shown: only А..В
  judge.letterChosen(spare, record, 1, cp1251("Г"));
  EXPECT_EQ(record.given[1], cp1251("А"));
}

struct MatchingCase {
  const char* name;
  int mode;
  const char* letters;  // UTF-8, one per left item
  int wrong;
  std::string marksRecorded;  // optionMarks of the three left items
  bool pause;
  std::string marks;
};

class MatchingJudging : public ::testing::TestWithParam<MatchingCase> {};

TEST_P(MatchingJudging, CountsRecordsAndMarks) {
  const MatchingCase& c = GetParam();
  const Task task = matching();
  AttemptState state;
  state.mode = c.mode;
  TaskRecord record;
  MatchingJudge judge;
  const std::string letters = cp1251(c.letters);
  for (int p = 1; p <= 3; ++p) judge.letterChosen(task, record, p, letters.substr(p - 1, 1));
  const Judgement result = judge.judge(task, record, state);
  EXPECT_EQ(state.elementsJudged, 3);
  EXPECT_EQ(state.wrongElements, c.wrong);
  EXPECT_EQ(record.wrongCount, c.wrong);
  EXPECT_EQ(record.missCount, 0);
  EXPECT_EQ(record.answerText, letters);
  EXPECT_EQ(record.optionMarks, c.marksRecorded + std::string(10, '0'));
  EXPECT_EQ(state.feedbackPause, c.pause);
  EXPECT_EQ(marksOf(result, 3), c.marks);
}

// optionMarks holds the right-hand index + 13: А 14, Б 15, В 16, Г 17.
INSTANTIATE_TEST_SUITE_P(
    Cases, MatchingJudging,
    ::testing::Values(MatchingCase{"AllRight", 1, "БВА", 0, "\x0F\x10\x0E", false, "RRR"},
                      MatchingCase{"OneWrong", 1, "БВГ", 1, "\x0F\x10\x11", false, "RRW"},
                      MatchingCase{"OneWrongHint", 0, "БВГ", 1, "\x0F\x10\x11", true, "RRS"},
                      MatchingCase{"OneWrongExam", 3, "БВГ", 1, "\x0F\x10\x11", false, "RRW"},
                      MatchingCase{"AllWrongTestPaper", 2, "АБВ", 3, "\x0E\x0F\x10", false, "..."},
                      MatchingCase{"RightMonitoring", 4, "БВА", 0, "\x0F\x10\x0E", false, "..."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MatchingJudge, AnEmptyPanelIsRecordedAsTheFirstLetterAndWrong) {
  const Task task = matching();  // left 3 matches "r1", letter А
  MatchingJudge judge;
  AttemptState state;
  state.mode = 1;
  TaskRecord record;
  judge.letterChosen(task, record, 1, cp1251("Б"));
  judge.letterChosen(task, record, 2, cp1251("В"));
  judge.judge(task, record, state);
  EXPECT_EQ(record.optionMarks[2], '\x0E');
  EXPECT_EQ(state.wrongElements, 1);
  EXPECT_EQ(record.answerText, cp1251("БВ"));
}

TEST(MatchingGiveUp, EveryPairWrongMarkedThirteen) {
  MatchingJudge judge;
  AttemptState state;
  TaskRecord record;
  EXPECT_EQ(judge.giveUp(matching(), record, state), GiveUpOutcome::Submitted);
  EXPECT_EQ(state.elementsJudged, 3);
  EXPECT_EQ(state.wrongElements, 3);
  EXPECT_EQ(record.wrongCount, 3);
  EXPECT_EQ(record.optionMarks, std::string(kMaxItems, '\r'));
}

}  // namespace
}  // namespace ispyt
