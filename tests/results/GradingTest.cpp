// Grading arithmetic: the 0..120 result of every mode, the grade and when it
// is shown, task and attempt percentages, regrading of stored rows and the
// achievement levels.

#include <gtest/gtest.h>

#include "platform/Cp1251.h"
#include "results/ComputeGrade.h"
#include "results/Scoring.h"

namespace ispyt {
namespace {

// A finished attempt of n tasks of `elements` elements each, all judged,
// in mode 2 without weights or guessing correction.
GradingCounts attempt(int n, int elements, int mode = 2) {
  GradingCounts c;
  c.mode = mode;
  c.taskCount = n;
  c.tasksDone = n;
  c.elementsJudged = n * elements;
  for (int k = 1; k <= n; ++k) {
    c.elementCount[k] = elements;
    c.itemCount[k] = 4;
    c.judgedElements[k] = elements;
  }
  return c;
}

void wrong(GradingCounts& c, int k, int errors, int guessErrors = 0) {
  c.wrongCount[k] += errors;
  c.missCount[k] += guessErrors;
  c.wrongElements += errors;
}

TEST(ComputeResult, NoErrorGivesTheTopWhateverTheWeightsAndGuessing) {
  for (int guessing : {0, 1, 2, 4, 9}) {
    for (bool weighted : {false, true}) {
      GradingCounts c = attempt(5, 3);
      c.guessingCode = guessing;
      if (weighted)
        for (int k = 1; k <= 5; ++k) c.weight[k] = k;
      c.missCount[2] = 2;  // guess counts alone do not lower an errorless result
      EXPECT_EQ(ComputeResult(c).result120, 120) << guessing << weighted;
      EXPECT_EQ(ComputeGrade(c, 120, true, 12).grade, 12);
      EXPECT_EQ(ComputeGrade(c, 120, true, 5).grade, 5);
    }
  }
}

TEST(ComputeResult, OneWrongElementOfFortyInATestPaper) {
  GradingCounts c = attempt(10, 4);
  wrong(c, 7, 1);
  EXPECT_EQ(ComputeResult(c).result120, 117);
  GradeOutcome g = ComputeGrade(c, 117, true, 12);
  EXPECT_EQ(g.grade, 12);
  EXPECT_TRUE(g.shown);
  EXPECT_EQ(g.sound, "12");
}

TEST(ComputeResult, AnyErrorKeepsTheResultBelowTheTop) {
  GradingCounts hint = attempt(1, 300, 0);
  wrong(hint, 1, 1);  // 120 - 0.4 rounds to 120
  EXPECT_EQ(ComputeResult(hint).result120, 119);
  GradingCounts paper = attempt(60, 5);
  wrong(paper, 1, 1);  // 120 - 0.4 again
  EXPECT_EQ(ComputeResult(paper).result120, 119);
}

TEST(ComputeResult, HintModeCountsWrongElementsOverAllJudged) {
  GradingCounts c = attempt(4, 2, 0);
  wrong(c, 1, 2);      // a quarter of the elements
  c.missCount[1] = 5;  // no guessing correction in this mode
  c.guessingCode = 2;
  EXPECT_EQ(ComputeResult(c).result120, 90);
}

TEST(ComputeResult, WeightsShareOutTheScaleOverTheElementsJudged) {
  GradingCounts c = attempt(3, 4);
  c.weight = {0, 1, 1, 2};                    // values 30, 30, 60
  c.judgedElements[3] = 2;                    // judged elements replace the element count
  wrong(c, 3, 1);                             // 60 / 2
  wrong(c, 1, 1);                             // 30 / 4
  EXPECT_EQ(ComputeResult(c).result120, 82);  // 120 - 30 - 7.5 = 82.5, half to even
}

TEST(ComputeResult, GuessingCorrectionTakesAShareOfEachMissedElement) {
  struct Row {
    const char* name;
    int code;
    int expected;
  } rows[] = {
      {"none", 1, 108},       // 120 - 12
      {"medium", 4, 105},     // a quarter of 12 more
      {"very low", 9, 107},   // a ninth: 106.67
      {"very high", 2, 102},  // a half
      {"optimal", 0, 105},    // the item count, 4
  };
  for (const Row& row : rows) {
    GradingCounts c = attempt(10, 1);
    c.guessingCode = row.code;
    wrong(c, 3, 1, 1);
    EXPECT_EQ(ComputeResult(c).result120, row.expected) << row.name;
  }
}

TEST(ComputeResult, GuessingOnAnUnweightedTaskOfAWeightedTestUsesTheJudgedShare) {
  GradingCounts c = attempt(2, 2);
  c.weight = {0, 1, 0};  // task 2 has no weight: value 120 / T = 30
  c.guessingCode = 2;
  wrong(c, 2, 1, 1);
  EXPECT_EQ(ComputeResult(c).result120, 112);  // 120 - 1 * 30 / 2 / 2 = 112.5
}

TEST(ComputeResult, ExamResultByPassAndBestRun) {
  GradingCounts c = attempt(10, 2, 3);
  c.pass = 3;
  EXPECT_EQ(ComputeResult(c).result120, 96);
  c.pass = 1;
  c.tasksDone = 6;
  c.bestInExam = 15;  // 120 - 6 * 5
  EXPECT_EQ(ComputeResult(c).result120, 90);
  c.bestInExam = 0;
  EXPECT_EQ(ComputeResult(c).result120, 1);  // never below 1
  c.pass = 0;                                // only a damaged stored report has no pass
  c.tasksDone = 10;
  EXPECT_EQ(ComputeResult(c).result120, 120);
  GradingCounts half = attempt(16, 1, 3);
  half.pass = 2;  // 112.5
  EXPECT_EQ(ComputeResult(half).result120, 112);
}

TEST(ComputeResult, StoredReportIsGradedThroughItsDisplayOrder) {
  GradingCounts c = attempt(3, 2);
  c.displayOrder = PerTask{0, 3, 1, 2};
  wrong(c, 3, 2);  // the file's task 3, shown first
  ScoreOutcome s = ComputeResult(c);
  EXPECT_EQ(s.result120, 80);
  EXPECT_TRUE(s.everyPositionHoldsATask);

  (*c.displayOrder)[2] = 0;  // position 2 holds no task: it adds nothing
  s = ComputeResult(c);
  EXPECT_EQ(s.result120, 80);
  EXPECT_FALSE(s.everyPositionHoldsATask);
}

TEST(ComputeResult, ZeroDivisorsAddNothing) {
  GradingCounts nothing = attempt(3, 1, 0);
  nothing.elementsJudged = 0;
  EXPECT_EQ(ComputeResult(nothing).result120, 120);
  nothing.wrongElements = -1;  // broken off before any answer
  EXPECT_EQ(ComputeResult(nothing).result120, 119);
  nothing.elementsJudged = 5;  // broken off later: never above the scale
  EXPECT_EQ(ComputeResult(nothing).result120, 119);

  GradingCounts noElements = attempt(2, 2);
  noElements.elementCount[2] = 0;
  noElements.guessingCode = 0;
  noElements.itemCount[1] = 0;
  wrong(noElements, 2, 1, 1);  // costs nothing: the task has no elements
  wrong(noElements, 1, 1, 1);  // 120 / 4 * 2 / 2; its guess share has no item count
  EXPECT_EQ(ComputeResult(noElements).result120, 90);

  GradingCounts unjudged = attempt(2, 1);
  unjudged.elementsJudged = 0;
  wrong(unjudged, 1, 1, 1);
  unjudged.guessingCode = 2;
  EXPECT_EQ(ComputeResult(unjudged).result120, 119);

  GradingCounts exam = attempt(0, 1, 3);
  exam.pass = 2;
  exam.tasksDone = -1;
  EXPECT_EQ(ComputeResult(exam).result120, 120);
}

TEST(ComputeGrade, VeryPoorResultGivesOneUnlessEverythingWasWrong) {
  GradingCounts c = attempt(3, 1);
  c.guessingCode = 2;
  wrong(c, 1, 1, 1);
  wrong(c, 2, 1, 1);  // 120 - 80 - 40
  const int r = ComputeResult(c).result120;
  EXPECT_EQ(r, 0);
  GradeOutcome poor = ComputeGrade(c, r, true, 12);
  EXPECT_EQ(poor.grade, 1);
  EXPECT_TRUE(poor.shown);
  EXPECT_EQ(poor.sound, "1");

  wrong(c, 3, 1);
  GradeOutcome none = ComputeGrade(c, ComputeResult(c).result120, true, 12);
  EXPECT_EQ(none.grade, 0);
  EXPECT_FALSE(none.shown);
  EXPECT_EQ(none.sound, "Last");
}

TEST(ComputeGrade, WhenTheGradeIsShown) {
  struct Row {
    const char* name;
    int mode;
    bool showGrade;
    int bestInExam;
    int pass;
    bool allWrong;
    bool shown;
    int grade;
  } rows[] = {
      {"shown", 2, true, 1, 0, false, true, 9},
      {"grade switched off", 2, false, 1, 0, false, false, 9},
      {"monitoring", 4, true, 1, 0, false, false, 9},
      {"exam, no right element", 3, true, 0, 1, false, false, 9},
      {"exam, later pass", 3, false, 0, 2, false, true, 9},
      {"all wrong", 1, true, 1, 0, true, false, 0},
      {"all wrong, later pass", 3, true, 1, 2, true, true, 9},
      {"all wrong, monitoring later pass", 4, true, 1, 2, true, false, 9},
  };
  for (const Row& row : rows) {
    GradingCounts c = attempt(4, 1, row.mode);
    c.bestInExam = row.bestInExam;
    c.pass = row.pass;
    wrong(c, 1, 1);
    if (row.allWrong) c.wrongElements = c.elementsJudged;
    GradeOutcome g = ComputeGrade(c, 90, row.showGrade, 12);
    EXPECT_EQ(g.shown, row.shown) << row.name;
    EXPECT_EQ(g.grade, row.grade) << row.name;
    EXPECT_EQ(g.sound, row.shown ? "9" : "Last") << row.name;
  }
}

TEST(ComputeGrade, SoundsFollowTheTwelvePointSet) {
  GradingCounts c = attempt(4, 1);
  wrong(c, 1, 1);
  EXPECT_EQ(ComputeGrade(c, 120, true, 5).sound, "12");
  EXPECT_EQ(ComputeGrade(c, 72, true, 5).sound, "7");   // grade 3
  EXPECT_EQ(ComputeGrade(c, 60, true, 10).grade, 5);    // 5.0
  EXPECT_EQ(ComputeGrade(c, 66, true, 12).grade, 7);    // 6.6
  EXPECT_EQ(ComputeGrade(c, 65, true, 24).grade, 13);   // 13.0
  EXPECT_EQ(ComputeGrade(c, 75, true, 4).grade, 2);     // 2.5, half to even
  EXPECT_EQ(ComputeGrade(c, 5, true, 120).sound, "1");  // grade 5 of 120
}

TEST(TaskPercent, OfJudgedElementsElseOfTheElementCount) {
  EXPECT_EQ(TaskPercent(0, 4, 4), 0);  // never judged, F = E = 4
  EXPECT_EQ(TaskPercent(0, 1, 4), 75);
  EXPECT_EQ(TaskPercent(3, 1, 4), 66);
  EXPECT_EQ(TaskPercent(0, 0, 0), 0);
  GradingCounts c = attempt(2, 3);
  wrong(c, 2, 2);
  EXPECT_EQ(TaskPercent(c, 2), 33);
}

TEST(AttemptPercent, RightShareOfTheElementsJudged) {
  EXPECT_EQ(attemptPercent(0, 40), 100);
  EXPECT_EQ(attemptPercent(1, 3), 67);  // 100 - 33
  EXPECT_EQ(attemptPercent(40, 40), 0);
  EXPECT_EQ(attemptPercent(0, 0), 0);  // nothing judged
  EXPECT_EQ(wrongPercent(0, 0), 100);
}

TEST(RecomputeGrade, StoredRowsAgainstTheOpenTest) {
  GradingCounts c = attempt(10, 1);
  wrong(c, 4, 1);  // 108
  EXPECT_EQ(RecomputeGrade(c, 12), 11);
  c.guessingCode = 4;
  c.missCount[4] = 1;  // 105 -> 10.5 -> 10
  EXPECT_EQ(RecomputeGrade(c, 12), 10);

  GradingCounts bad = attempt(2, 1);
  bad.guessingCode = 9;
  wrong(bad, 1, 1, 20);  // 120 - 60 - 20 * 60 / 9 = -73: negative
  EXPECT_EQ(RecomputeGrade(bad, 12), 1);
  wrong(bad, 2, 1);
  EXPECT_EQ(RecomputeGrade(bad, 12), 0);  // every element wrong

  GradingCounts weighted = attempt(2, 2);
  weighted.weight = {0, 1, 0};
  weighted.guessingCode = 2;
  wrong(weighted, 2, 0, 3);  // no fallback value for an unweighted task here
  EXPECT_EQ(RecomputeGrade(weighted, 12), 12);

  GradingCounts empty;
  EXPECT_EQ(RecomputeGrade(empty, 12), 0);
}

TEST(GradeLevel, QuartersOfTheScale) {
  struct Row {
    int value;
    int scale;
    AchievementLevel level;
  } rows[] = {
      {0, 12, AchievementLevel::Low},        {3, 12, AchievementLevel::Low},
      {4, 12, AchievementLevel::Medium},     {6, 12, AchievementLevel::Medium},
      {7, 12, AchievementLevel::Sufficient}, {9, 12, AchievementLevel::Sufficient},
      {10, 12, AchievementLevel::High},      {12, 12, AchievementLevel::High},
      {1, 5, AchievementLevel::Low},         {2, 5, AchievementLevel::Medium},
      {3, 5, AchievementLevel::Sufficient},  {4, 5, AchievementLevel::High},
  };
  for (const Row& row : rows)
    EXPECT_EQ(GradeLevel(row.value, row.scale), row.level) << row.value << "/" << row.scale;
  EXPECT_EQ(levelName(GradeLevel(6, 12)), cp1251("Середній"));
  EXPECT_EQ(levelName(GradeLevel(7, 12)), cp1251("Достатній"));
}

}  // namespace
}  // namespace ispyt
