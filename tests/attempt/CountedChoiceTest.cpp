#include <gtest/gtest.h>

#include "AttemptFixture.h"
#include "JudgeMarks.h"

namespace ispyt {
namespace {

// Options 1 and 2 of 4 are correct ("r1", "r2"), 3 and 4 are not.
Task countedChoice() {
  Task t = multipleChoice();
  t.type = TaskType::CountedChoice;
  return t;
}

TEST(CountedChoiceClicks, NoMoreOptionsThanCorrectOnes) {
  const Task task = countedChoice();
  TaskRecord record;
  ChoiceJudge judge;
  EXPECT_FALSE(judge.laidOut(task, record));
  EXPECT_FALSE(judge.optionClicked(task, record, 1));
  EXPECT_TRUE(judge.optionClicked(task, record, 3));
  // A third option cannot be chosen until one is unchosen.
  EXPECT_TRUE(judge.optionClicked(task, record, 4));
  EXPECT_FALSE(record.chosen[4]);
  EXPECT_FALSE(judge.optionClicked(task, record, 3));
  EXPECT_TRUE(judge.optionClicked(task, record, 4));
  EXPECT_TRUE(record.chosen[4]);
  EXPECT_TRUE(record.chosen[1]);
  EXPECT_FALSE(record.chosen[3]);
}

struct CountedCase {
  const char* name;
  int mode;
  std::vector<int> chosen;
  int judged;
  int wrong;
  std::string answerText;
  std::string optionMarks;
  bool pause;
  std::string marks;
};

class CountedJudging : public ::testing::TestWithParam<CountedCase> {};

TEST_P(CountedJudging, CountsRecordsAndMarks) {
  const CountedCase& c = GetParam();
  const Task task = countedChoice();
  AttemptState state;
  state.mode = c.mode;
  TaskRecord record;
  ChoiceJudge judge;
  for (int j : c.chosen) judge.optionClicked(task, record, j);
  const Judgement result = judge.judge(task, record, state);
  EXPECT_EQ(state.elementsJudged, c.judged);
  EXPECT_EQ(state.wrongElements, c.wrong);
  EXPECT_EQ(record.wrongCount, c.wrong);
  EXPECT_EQ(record.missCount, c.wrong);
  EXPECT_EQ(record.answerText, c.answerText);
  EXPECT_EQ(record.optionMarks, c.optionMarks);
  EXPECT_EQ(state.feedbackPause, c.pause);
  EXPECT_EQ(marksOf(result, 4), c.marks);
}

// A correct option left unchosen neither counts nor is wrong, but mode 0
// still shows it.
INSTANTIATE_TEST_SUITE_P(
    Cases, CountedJudging,
    ::testing::Values(
        CountedCase{"AllRight", 1, {2, 1}, 2, 0, "AB", "1100000000000", false, "RR.."},
        CountedCase{"OneWrong", 1, {4, 1}, 2, 1, "AD", "1001000000000", false, "R..W"},
        CountedCase{"OneWrongHint", 0, {1, 3}, 2, 1, "AC", "1010000000000", true, "RSW."},
        CountedCase{"BothWrong", 3, {3, 4}, 2, 2, "CD", "0011000000000", false, "..WW"},
        CountedCase{"BothWrongTestPaper", 2, {3, 4}, 2, 2, "CD", "0011000000000", false, "...."},
        CountedCase{"NoneChosen", 1, {}, 0, 0, "", "0000000000000", false, "...."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CountedChoiceGiveUp, EveryElementWrong) {
  ChoiceJudge judge;
  AttemptState state;
  TaskRecord record;
  EXPECT_EQ(judge.giveUp(countedChoice(), record, state), GiveUpOutcome::Submitted);
  EXPECT_EQ(state.elementsJudged, 2);
  EXPECT_EQ(state.wrongElements, 2);
  EXPECT_EQ(record.wrongCount, 2);
}

}  // namespace
}  // namespace ispyt
