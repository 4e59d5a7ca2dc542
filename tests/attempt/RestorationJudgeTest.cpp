#include <gtest/gtest.h>

#include "attempt/RestorationJudge.h"

namespace ispyt {
namespace {

// A grid with two gaps: cell 5 misses 'a', cell 6 misses 'b'.
Task restoration() {
  Task t;
  t.type = TaskType::Restoration;
  std::string grid(2 * kGridCells, '0');
  grid.replace(0, 4, "ABCD");
  grid += '+';
  grid += std::string{static_cast<char>(5 + 40), 'a', '0', static_cast<char>(6 + 40), 'b', '0'};
  t.items[2] = grid;
  t.elementCount = 2;
  return t;
}

TEST(RestorationGrid, GapsFromTheGridString) {
  const Task task = restoration();
  EXPECT_EQ(RestorationJudge::gapCount(task), 2);
  EXPECT_EQ(RestorationJudge::missingAt(task, 2), 'b');
  EXPECT_EQ(RestorationJudge::cellOf(task, 1), 5);
  Task cut = task;
  cut.items[2].pop_back();  // a last triple cut short still names its gap
  EXPECT_EQ(RestorationJudge::gapCount(cut), 2);
  EXPECT_EQ(RestorationJudge::missingAt(cut, 2), 'b');
}

TEST(RestorationGrid, AHintMarksTheGapsStillToFill) {
  const Task task = restoration();
  TaskRecord record;
  EXPECT_EQ(RestorationJudge().hint(task, record).marks[1], Feedback::ShownRight);
  EXPECT_TRUE(record.hintMarks[1] && record.hintMarks[2]);
  TaskRecord begun;
  begun.gapAnswers = "a";  // the first gap is done
  RestorationJudge().hint(task, begun);
  EXPECT_FALSE(begun.hintMarks[1]);
  EXPECT_TRUE(begun.hintMarks[2]);
}

TEST(RestorationGrid, LevelsAndPaletteKeys) {
  Task task = restoration();
  task.items[2][kGridCells + 4] = '1';  // cell 5 lowered
  task.items[2][kGridCells + 5] = '2';  // cell 6 raised
  task.items[2][kGridCells + 6] = 'x';  // not a level: on the line
  EXPECT_EQ(RestorationJudge::cellLevel(task, 4), 0);
  EXPECT_EQ(RestorationJudge::cellLevel(task, 5), 1);
  EXPECT_EQ(RestorationJudge::cellLevel(task, 6), 2);
  EXPECT_EQ(RestorationJudge::cellLevel(task, 7), 0);
  EXPECT_EQ(RestorationJudge::cellLevel(task, 91), 0);
  task.rightItems[1] = "ab_c______________";
  EXPECT_EQ(RestorationJudge::paletteKeys(task), "abc");
  // A gap that misses a space or '»' brings both extra keys.
  for (char missing : {' ', kGapBackspace}) {
    Task spaced = task;
    spaced.items[2][2 * kGridCells + 2] = missing;
    EXPECT_EQ(RestorationJudge::paletteKeys(spaced), std::string("abc \273")) << missing;
  }
}

struct GapCase {
  const char* name;
  int mode;
  std::string typed;
  int judged;
  int wrong;
  int missCount;
  bool ready;
  bool failed;
  std::string recorded;  // gapAnswers
  Feedback mark;         // how the last character taken is drawn
};

class RestorationJudging : public ::testing::TestWithParam<GapCase> {};

TEST_P(RestorationJudging, JudgedAsTheCharactersCome) {
  const GapCase& c = GetParam();
  const Task task = restoration();
  AttemptState state;
  state.mode = c.mode;
  TaskRecord record;
  RestorationJudge judge;
  EXPECT_FALSE(judge.laidOut(task, record));
  GapEntry last;
  for (char ch : c.typed) last = judge.characterEntered(task, record, state, ch);
  EXPECT_EQ(state.elementsJudged, c.judged);
  EXPECT_EQ(record.judgedElements, c.judged);
  EXPECT_EQ(state.wrongElements, c.wrong);
  EXPECT_EQ(record.wrongCount, c.wrong);
  EXPECT_EQ(record.missCount, c.missCount);
  EXPECT_EQ(last.ready, c.ready);
  EXPECT_EQ(last.failed, c.failed);
  EXPECT_EQ(record.gapAnswers, c.recorded);
  EXPECT_EQ(last.mark, c.mark);
  // Judging at the submit adds nothing for gaps already done.
  if (c.ready || c.failed) {
    judge.judge(task, record, state);
    EXPECT_EQ(state.elementsJudged, c.judged);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RestorationJudging,
    ::testing::Values(
        GapCase{"RightTraining", 1, "ab", 2, 0, 0, true, false, "ab", Feedback::Right},
        GapCase{"WrongMovesOnInTraining", 1, "xb", 2, 1, 0, true, false, "xb", Feedback::Right},
        GapCase{"NothingAfterTheLastGap", 2, "xbq", 2, 1, 0, false, false, "xb", Feedback::None},
        GapCase{"BackspaceCharacter", 4, "\273b", 2, 1, 0, true, false, "\273b", Feedback::None},
        GapCase{"WrongWaitsInHintMode", 0, "xab", 3, 1, 0, true, false, "xab", Feedback::Right},
        GapCase{"WrongAgainWhileShown", 0, "xyab", 4, 2, 1, true, false, "xyab", Feedback::Right},
        GapCase{"HalfDoneHintMode", 0, "ax", 2, 1, 0, false, false, "ax", Feedback::ShownRight},
        GapCase{"WrongFailsTheExam", 3, "ax", 2, 1, 0, false, true, "ax", Feedback::Wrong}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RestorationJudge, AfterAFailedExamNothingIsTaken) {
  const Task task = restoration();
  AttemptState state;
  state.mode = 3;
  TaskRecord record;
  RestorationJudge judge;
  judge.characterEntered(task, record, state, 'x');
  EXPECT_FALSE(judge.characterEntered(task, record, state, 'a').taken);
  EXPECT_EQ(state.elementsJudged, 1);
}

TEST(RestorationJudge, AGapLeftOpenCountsWrongWhenSubmitted) {
  const Task task = restoration();
  AttemptState state;
  state.mode = 1;
  TaskRecord record;
  RestorationJudge judge;
  judge.characterEntered(task, record, state, 'a');
  judge.judge(task, record, state);
  EXPECT_EQ(state.elementsJudged, 2);
  EXPECT_EQ(state.wrongElements, 1);
}

TEST(RestorationJudge, ShownAgainAfterAllGapsTheAnswerIsReady) {
  const Task task = restoration();
  AttemptState state;
  state.mode = 2;
  TaskRecord record;
  RestorationJudge judge;
  judge.characterEntered(task, record, state, 'x');
  EXPECT_FALSE(judge.laidOut(task, record));
  judge.characterEntered(task, record, state, 'y');
  EXPECT_TRUE(judge.laidOut(task, record));
}

TEST(RestorationGiveUp, AWrongCharacterIntoTheCurrentGap) {
  const Task task = restoration();
  AttemptState state;
  state.mode = 2;
  TaskRecord record;
  RestorationJudge judge;
  EXPECT_EQ(judge.giveUp(task, record, state), GiveUpOutcome::Continues);
  EXPECT_EQ(state.elementsJudged, 1);
  EXPECT_EQ(state.wrongElements, 1);
  EXPECT_EQ(record.judgedElements, 1);
  EXPECT_EQ(RestorationJudge::currentGap(task, record, state.mode), 2);
  const GapEntry entry = RestorationJudge::lastEntry(task, record, state.mode);
  EXPECT_TRUE(entry.taken);
  EXPECT_FALSE(entry.right);
  EXPECT_EQ(entry.gap, 1);
}

}  // namespace
}  // namespace ispyt
