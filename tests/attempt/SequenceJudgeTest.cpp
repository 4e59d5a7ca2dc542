#include <gtest/gtest.h>

#include "JudgeMarks.h"
#include "attempt/SequenceJudge.h"

namespace ispyt {
namespace {

// The correct order is a, b, c (letters A, B, C); shown as c, a, b.
Task sequence() {
  Task t;
  t.type = TaskType::Sequence;
  t.itemCount = t.elementCount = 3;
  const char* shown[] = {"c", "a", "b"};
  for (int j = 1; j <= 3; ++j) {
    t.items[j] = shown[j - 1];
    t.itemLetters[j] = static_cast<char>('A' + (shown[j - 1][0] - 'a'));
    t.correctTexts[j] = std::string(1, static_cast<char>('a' + j - 1));
  }
  return t;
}

TEST(SequenceClicks, PickThenSwap) {
  const Task task = sequence();
  TaskRecord record;
  SequenceJudge judge;
  EXPECT_TRUE(judge.laidOut(task, record));
  EXPECT_EQ(record.given[1] + record.given[2] + record.given[3], "cab");
  EXPECT_FALSE(judge.optionClicked(task, record, 1));
  EXPECT_TRUE(record.chosen[1]);
  EXPECT_TRUE(judge.optionClicked(task, record, 1));  // the pick taken back
  EXPECT_FALSE(record.orderChanged);
  judge.optionClicked(task, record, 1);
  EXPECT_TRUE(judge.optionClicked(task, record, 3));
  EXPECT_EQ(record.given[1] + record.given[2] + record.given[3], "bac");
  EXPECT_TRUE(record.orderChanged);
  EXPECT_FALSE(record.chosen[1]);
  // Shown again, the order left stays; swapped back, it no longer counts.
  EXPECT_TRUE(judge.laidOut(task, record));
  EXPECT_EQ(record.given[1], "b");
  judge.optionClicked(task, record, 3);
  judge.optionClicked(task, record, 1);
  EXPECT_FALSE(record.orderChanged);
}

struct SequenceCase {
  const char* name;
  int mode;
  std::vector<int> clicks;
  int wrong;
  std::string answerText;
  bool pause;
  std::string marks;
};

class SequenceJudging : public ::testing::TestWithParam<SequenceCase> {};

TEST_P(SequenceJudging, CountsRecordsAndMarks) {
  const SequenceCase& c = GetParam();
  const Task task = sequence();
  AttemptState state;
  state.mode = c.mode;
  TaskRecord record;
  SequenceJudge judge;
  judge.laidOut(task, record);
  for (int j : c.clicks) judge.optionClicked(task, record, j);
  const Judgement result = judge.judge(task, record, state);
  EXPECT_EQ(state.elementsJudged, 3);
  EXPECT_EQ(state.wrongElements, c.wrong);
  EXPECT_EQ(record.wrongCount, c.wrong);
  EXPECT_EQ(record.missCount, c.wrong);
  EXPECT_EQ(record.answerText, c.answerText);
  EXPECT_EQ(state.feedbackPause, c.pause);
  EXPECT_EQ(marksOf(result, 3), c.marks);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SequenceJudging,
    ::testing::Values(SequenceCase{"Unchanged", 1, {}, 3, "CAB", false, "WWW"},
                      SequenceCase{"OneRight", 1, {1, 2}, 2, "ACB", false, "RWW"},
                      SequenceCase{"OneRightExam", 3, {1, 2}, 2, "ACB", false, ".WW"},
                      SequenceCase{"OneRightHint", 0, {1, 2}, 2, "ACB", true, "RSS"},
                      SequenceCase{"OneRightTestPaper", 2, {1, 2}, 2, "ACB", false, "..."},
                      SequenceCase{"AllRight", 1, {1, 2, 2, 3}, 0, "ABC", false, "RRR"},
                      SequenceCase{"AllRightMonitoring", 4, {1, 2, 2, 3}, 0, "ABC", false, "..."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SequenceGiveUp, UnmovedCountsWholeMovedIsJudged) {
  const Task task = sequence();
  SequenceJudge judge;
  AttemptState state;
  state.mode = 2;
  TaskRecord unmoved, moved;
  judge.laidOut(task, unmoved);
  judge.optionClicked(task, unmoved, 1);  // an item picked: no answer ready
  EXPECT_EQ(judge.giveUp(task, unmoved, state), GiveUpOutcome::Submitted);
  EXPECT_EQ(state.elementsJudged, 3);
  EXPECT_EQ(state.wrongElements, 3);
  EXPECT_EQ(unmoved.wrongCount, 3);
  EXPECT_EQ(unmoved.answerText, "CAB");
  EXPECT_FALSE(unmoved.chosen[1]);

  judge.laidOut(task, moved);
  judge.optionClicked(task, moved, 1);
  judge.optionClicked(task, moved, 2);  // a, c, b: one position right
  judge.optionClicked(task, moved, 3);
  EXPECT_EQ(judge.giveUp(task, moved, state), GiveUpOutcome::Submitted);
  EXPECT_EQ(state.elementsJudged, 6);
  EXPECT_EQ(moved.wrongCount, 2);
  EXPECT_EQ(moved.answerText, "ACB");
}

TEST(SequenceHint, ShowsEveryPositionAndClearsTheGuessCount) {
  SequenceJudge judge;
  TaskRecord record;
  record.missCount = 2;
  EXPECT_EQ(marksOf(judge.hint(sequence(), record), 3), "SSS");
  EXPECT_EQ(record.missCount, 0);
}

}  // namespace
}  // namespace ispyt
