#include <gtest/gtest.h>

#include "JudgeMarks.h"
#include "attempt/CompletionJudge.h"

namespace ispyt {
namespace {

// Blank 1: "cat" (B), "dog" (A, correct), "owl" (C); blank 2: "red" (A),
// "blue" (C), "green" (B, correct).
Task completion() {
  Task t;
  t.type = TaskType::Completion;
  t.blankCount = t.elementCount = 2;
  t.variantCount = 3;
  t.variants[1] = {"", "cat", "dog", "owl"};
  t.variantLetters[1] = {0, 'B', 'A', 'C'};
  t.variants[2] = {"", "red", "blue", "green"};
  t.variantLetters[2] = {0, 'A', 'C', 'B'};
  t.correctTexts[1] = "dog";
  t.correctTexts[2] = "green";
  return t;
}

struct CompletionCase {
  const char* name;
  int mode;
  const char* blank1;
  const char* blank2;
  int wrong;
  std::string answerText;
  bool pause;
  std::string marks;
};

class CompletionJudging : public ::testing::TestWithParam<CompletionCase> {};

TEST_P(CompletionJudging, CountsRecordsAndMarks) {
  const CompletionCase& c = GetParam();
  const Task task = completion();
  AttemptState state;
  state.mode = c.mode;
  TaskRecord record;
  CompletionJudge judge;
  EXPECT_TRUE(judge.laidOut(task, record));
  judge.blankChosen(task, record, 1, c.blank1);
  judge.blankChosen(task, record, 2, c.blank2);
  const Judgement result = judge.judge(task, record, state);
  EXPECT_EQ(state.elementsJudged, 2);
  EXPECT_EQ(state.wrongElements, c.wrong);
  EXPECT_EQ(record.wrongCount, c.wrong);
  EXPECT_EQ(record.missCount, 0);
  EXPECT_EQ(record.answerText, c.answerText);
  EXPECT_EQ(state.feedbackPause, c.pause);
  EXPECT_EQ(marksOf(result, 2), c.marks);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CompletionJudging,
    ::testing::Values(CompletionCase{"BothRight", 1, "dog", "green", 0, "AB", false, "RR"},
                      CompletionCase{"OneWrong", 3, "cat", "green", 1, "BB", false, "WR"},
                      CompletionCase{"OneEmpty", 1, "dog", "", 1, "A_", false, "RW"},
                      CompletionCase{"BothEmpty", 1, "", "", 2, "__", false, "WW"},
                      CompletionCase{"WrongHint", 0, "owl", "green", 1, "CB", true, "SR"},
                      CompletionCase{"WrongTestPaper", 2, "owl", "blue", 2, "CC", false, ".."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CompletionGiveUp, EveryBlankWrongAndTheFirstListEmptied) {
  const Task task = completion();
  CompletionJudge judge;
  AttemptState state;
  TaskRecord record;
  judge.blankChosen(task, record, 1, "dog");
  EXPECT_EQ(judge.giveUp(task, record, state), GiveUpOutcome::Submitted);
  EXPECT_EQ(state.elementsJudged, 2);
  EXPECT_EQ(state.wrongElements, 2);
  EXPECT_EQ(record.wrongCount, 2);
  EXPECT_EQ(record.given[1], "");
}

}  // namespace
}  // namespace ispyt
