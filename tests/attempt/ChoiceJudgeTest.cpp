#include <gtest/gtest.h>

#include "AttemptFixture.h"
#include "JudgeMarks.h"

namespace ispyt {
namespace {

struct ChoiceCase {
  const char* name;
  bool multiple;
  int mode;
  std::vector<int> chosen;
  int judged;
  int wrong;
  std::string answerText;
  std::string optionMarks;
  bool pause;
  // Marks of options 1..4: '.' none, 'R' right, 'W' wrong, 'S' shown right.
  std::string marks;
};

class ChoiceJudging : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(ChoiceJudging, CountsRecordsAndMarks) {
  const ChoiceCase& c = GetParam();
  Task task = c.multiple ? multipleChoice() : singleChoice();
  // The options as the loader leaves them: shuffled, letters with them.
  std::swap(task.items[1], task.items[3]);
  std::swap(task.correctTexts[1], task.correctTexts[3]);
  std::swap(task.itemLetters[1], task.itemLetters[3]);
  AttemptState state;
  state.mode = c.mode;
  TaskRecord record;
  ChoiceJudge judge;
  for (int j : c.chosen) judge.optionClicked(task, record, j);
  Judgement result = judge.judge(task, record, state);
  EXPECT_EQ(state.elementsJudged, c.judged);
  EXPECT_EQ(state.wrongElements, c.wrong);
  EXPECT_EQ(record.wrongCount, c.wrong);
  EXPECT_EQ(record.missCount, c.wrong);
  EXPECT_EQ(record.answerText, c.answerText);
  EXPECT_EQ(record.optionMarks, c.optionMarks);
  EXPECT_EQ(state.feedbackPause, c.pause);
  EXPECT_EQ(marksOf(result, 4), c.marks);
}

// Option 3 holds the correct "r1" (letter A), option 1 holds "w3" (C).
INSTANTIATE_TEST_SUITE_P(
    Cases, ChoiceJudging,
    ::testing::Values(
        ChoiceCase{"SingleRightTraining", false, 1, {3}, 1, 0, "A", "0010000000000", false, "..R."},
        ChoiceCase{"SingleWrongTraining", false, 1, {1}, 1, 1, "C", "1000000000000", false, "W..."},
        ChoiceCase{"SingleWrongHint", false, 0, {1}, 1, 1, "C", "1000000000000", true, "W.S."},
        ChoiceCase{
            "SingleWrongTestPaper", false, 2, {1}, 1, 1, "C", "1000000000000", false, "...."},
        ChoiceCase{"SingleRightExam", false, 3, {3}, 1, 0, "A", "0010000000000", false, "...."},
        ChoiceCase{"SingleWrongExam", false, 3, {4}, 1, 1, "D", "0001000000000", false, "...W"},
        // Multiple: r2 stays at option 2 (B); correct are options 2 and 3.
        ChoiceCase{"MultipleAllRight", true, 1, {2, 3}, 2, 0, "AB", "0110000000000", false, ".RR."},
        ChoiceCase{"MultipleOneMissed", true, 1, {3}, 2, 1, "A", "0010000000000", false, "..R."},
        ChoiceCase{"MultipleWrongAndMissed",
                   true,
                   0,
                   {4, 1, 3},
                   4,
                   3,
                   "ACD",
                   "1011000000000",
                   true,
                   "WSRW"},
        ChoiceCase{
            "MultipleMonitoring", true, 4, {1, 2}, 3, 2, "BC", "1100000000000", false, "...."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ChoiceClicks, SingleChoiceTakesOneOptionAtATime) {
  Task task = singleChoice(10);
  TaskRecord record;
  ChoiceJudge judge;
  // The ninth option can be answered alone, and holds the only choice.
  EXPECT_TRUE(judge.optionClicked(task, record, 9));
  EXPECT_TRUE(judge.optionClicked(task, record, 2));
  EXPECT_FALSE(record.chosen[2]);
  EXPECT_FALSE(judge.optionClicked(task, record, 9));
  EXPECT_TRUE(judge.optionClicked(task, record, 2));
  EXPECT_TRUE(record.chosen[2]);
}

TEST(ChoiceClicks, MultipleChoiceTakesSeveral) {
  Task task = multipleChoice();
  TaskRecord record;
  ChoiceJudge judge;
  EXPECT_TRUE(judge.optionClicked(task, record, 1));
  EXPECT_TRUE(judge.optionClicked(task, record, 4));
  EXPECT_TRUE(judge.optionClicked(task, record, 1));
  EXPECT_FALSE(record.chosen[1]);
  EXPECT_FALSE(judge.optionClicked(task, record, 4));
}

TEST(ChoiceGiveUp, CountsTheWholeTaskWrong) {
  ChoiceJudge judge;
  AttemptState state;
  TaskRecord single, multiple;
  EXPECT_EQ(judge.giveUp(singleChoice(), single, state), GiveUpOutcome::Submitted);
  EXPECT_EQ(single.wrongCount, 1);
  judge.giveUp(multipleChoice(), multiple, state);
  EXPECT_EQ(multiple.wrongCount, 2);
  EXPECT_EQ(state.elementsJudged, 3);
  EXPECT_EQ(state.wrongElements, 3);
  EXPECT_EQ(multiple.missCount, 0);
}

}  // namespace
}  // namespace ispyt
