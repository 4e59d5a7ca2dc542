#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <numbers>

#include "AttemptFixture.h"
#include "attempt/AssembleAttempt.h"
#include "content/LoadTest.h"
#include "content/TestSource.h"
#include "content/WriteTest.h"
#include "platform/Cp1251.h"

namespace ispyt {
namespace {

constexpr double kPi = std::numbers::pi;

class AttemptEnds : public AttemptFixture, public ::testing::WithParamInterface<int> {};

TEST_P(AttemptEnds, EveryTaskAnsweredFinishesEvenWhenWrong) {
  start(GetParam(), 3);
  answer({1});
  answer({2});
  answer({3});  // the last answer is wrong too
  EXPECT_EQ(state.end, AttemptEnd::Finished);
  EXPECT_EQ(lastMessage(), cp1251(" Тест завершено"));
  EXPECT_TRUE(log.heard("test"));
  EXPECT_EQ(state.tasksDone, 3);
  EXPECT_EQ(state.elementsJudged, 3);
  EXPECT_EQ(state.wrongElements, 2);
  EXPECT_FALSE(state.running);
  EXPECT_FALSE(engine->clockRunning());
  EXPECT_FALSE(ws.openTest.testLoaded);
}

TEST_P(AttemptEnds, TimeOverChargesEveryUnansweredElement) {
  ws.settings.timeLimitMinutes = 1;
  start(GetParam(), 10, multipleChoice());
  waitSeconds(62);  // the clock stops once it has passed the limit
  EXPECT_EQ(state.end, AttemptEnd::TimeOver);
  EXPECT_EQ(lastMessage(), cp1251("Час закінчено"));
  EXPECT_TRUE(log.heard("time"));
  EXPECT_TRUE(state.timeOver);
  EXPECT_EQ(state.wrongElements, 20);
  EXPECT_EQ(state.elementsJudged, 20);
  for (int k = 1; k <= 10; ++k) EXPECT_EQ(state.task(k).wrongCount, 2) << k;
  EXPECT_EQ(state.tasksDone, 0);
}

INSTANTIATE_TEST_SUITE_P(Modes, AttemptEnds, ::testing::Values(0, 1, 2, 4));

TEST_F(AttemptFixture, ClockStopsTwoSecondsPastTheLimit) {
  start(kModeTestPaper, 3);
  waitSeconds(61);
  EXPECT_TRUE(engine->clockRunning());
  EXPECT_EQ(state.end, AttemptEnd::None);
  waitSeconds(1);
  EXPECT_EQ(state.elapsed, 62);
  EXPECT_FALSE(engine->clockRunning());
  EXPECT_EQ(state.end, AttemptEnd::TimeOver);
}

TEST_F(AttemptFixture, AnswerInTheLastFourSecondsIsJudgedThenTimeIsOver) {
  start(kModeTraining, 3);
  waitSeconds(57);  // elapsed 57 > 60 - 4
  answer({1});
  EXPECT_EQ(state.end, AttemptEnd::TimeOver);
  EXPECT_TRUE(state.task(1).done);
  EXPECT_EQ(state.tasksDone, 1);
  EXPECT_EQ(state.elementsJudged, 1 + 2);  // the answer, then tasks 2 and 3 whole
  EXPECT_EQ(state.wrongElements, 2);
}

TEST_F(AttemptFixture, ExamFailsAtTheNextTaskChangeWithoutChargingTheRest) {
  start(kModeExam, 5, multipleChoice());
  answer({1, 2});
  answer({1, 3});  // one wrong, one missed
  EXPECT_EQ(state.end, AttemptEnd::Failed);
  EXPECT_EQ(lastMessage(), cp1251("Спроба невдала"));
  EXPECT_TRUE(log.heard("Return"));
  EXPECT_EQ(state.elementsJudged, 5);
  EXPECT_EQ(state.wrongElements, 2);
  EXPECT_TRUE(state.running);  // the exam clock runs on
  EXPECT_EQ(state.task(3).wrongCount, 0);
  EXPECT_EQ(state.task(3).missCount, -1);
}

TEST_F(AttemptFixture, ExamTimeOverKeepsTheCountsAndCountsTasksReached) {
  start(kModeExam, 4);
  answer({1});
  answer({1});
  waitSeconds(62);
  EXPECT_EQ(state.end, AttemptEnd::TimeOver);
  EXPECT_EQ(state.wrongElements, 0);
  EXPECT_EQ(state.elementsJudged, 2);
  EXPECT_EQ(state.tasksDone, 2);
}

TEST_F(AttemptFixture, ExamRepeatStartsAgainOnTheRunningClock) {
  start(kModeExam, 3);
  EXPECT_EQ(state.pass, 1);
  answer({1});
  answer({2});  // fails
  waitSeconds(5);
  const int elapsed = state.elapsed;
  ASSERT_TRUE(log.buttonActive);
  engine->mainButton();
  scheduler.advance(kStartDelayMs);
  settle();
  EXPECT_EQ(engine->phase(), AttemptPhase::Task);
  EXPECT_EQ(state.pass, 2);
  EXPECT_EQ(state.bestInExam, 1);  // 2 judged, 1 wrong
  EXPECT_GE(state.elapsed, elapsed);
  EXPECT_EQ(state.currentTask, 1);
  EXPECT_EQ(state.wrongElements, 0);
  EXPECT_FALSE(state.task(1).done);
  EXPECT_EQ(state.task(1).missCount, -1);
  // The test folder does not exist here: the test stays as it was, in the
  // order it had.
  EXPECT_EQ(assembly.calls, 1);
  EXPECT_EQ(test.taskCount, 3);
  answer({1});
  answer({1});
  answer({1});
  EXPECT_EQ(state.end, AttemptEnd::Finished);
  waitForDiagramPrompt();
  engine->bandClicked();
  EXPECT_EQ(state.bestInExam, 3);
  EXPECT_EQ(results.calls.front(), "exam B123");
}

TEST_F(AttemptFixture, AnExamBrokenOffCountsOnlyTheRightAnswersAsItsBest) {
  start(kModeExam, 3);
  answer({1});
  engine->breakOff();
  EXPECT_EQ(state.end, AttemptEnd::BrokenOff);
  waitForDiagramPrompt();
  engine->bandClicked();
  EXPECT_EQ(state.bestInExam, 1);  // one right answer, not two
}

TEST_F(AttemptFixture, NextTaskGoesBackToTheFirstOpenTask) {
  start(kModeTraining, 5);
  for (int k : {1, 2, 4, 5}) state.task(k).done = true;
  EXPECT_EQ(engine->NextTask(5), 3);
  EXPECT_EQ(engine->NextTask(2), 3);
  EXPECT_EQ(engine->NextTask(3), 3);
  state.task(3).done = true;
  EXPECT_EQ(engine->NextTask(1), 6);
}

TEST_F(AttemptFixture, SequenceWithAChangedOrderCountsAsDone) {
  start(kModeTraining, 3);
  state.task(1).done = true;
  state.task(2).orderChanged = true;
  EXPECT_EQ(engine->NextTask(1), 3);
}

TEST_F(AttemptFixture, PetalClickTenSecondsBeforeTheEndIsRefused) {
  start(kModeTestPaper, 5);
  waitSeconds(49);  // 11 seconds left
  EXPECT_TRUE(engine->freeMoveAllowed());
  waitSeconds(1);  // 10 seconds left
  EXPECT_FALSE(engine->freeMoveAllowed());
  engine->petalClicked(3);
  EXPECT_EQ(state.currentTask, 1);
}

TEST_F(AttemptFixture, PetalClickElevenSecondsBeforeTheEndMoves) {
  start(kModeTestPaper, 5);
  waitSeconds(49);
  engine->petalClicked(3);
  EXPECT_EQ(state.currentTask, 3);
  EXPECT_EQ(state.lastMoveAt, 49);
  EXPECT_EQ(log.lastTaskShown, 3);
  EXPECT_EQ(log.count("petals"), 1);
}

struct EffectPause {
  const char* effect;
  int seconds;
};

class FreeMovePause : public AttemptFixture, public ::testing::WithParamInterface<EffectPause> {};

TEST_P(FreeMovePause, WaitsThePauseOfTheEffectBetweenMoves) {
  ws.decor.effect = cp1251(GetParam().effect);
  ws.settings.timeLimitMinutes = 5;
  start(kModeTraining, 5);
  waitSeconds(10);
  engine->petalClicked(2);
  ASSERT_EQ(state.currentTask, 2);
  settle();
  waitSeconds(GetParam().seconds - 1);
  engine->petalClicked(4);
  EXPECT_EQ(state.currentTask, 2);
  waitSeconds(1);
  engine->petalClicked(4);
  EXPECT_EQ(state.currentTask, 4);
}

INSTANTIATE_TEST_SUITE_P(Effects, FreeMovePause,
                         ::testing::Values(EffectPause{"Проявлення", 3}, EffectPause{"Падіння", 2},
                                           EffectPause{"В`їзд", 2}, EffectPause{"Відрив", 1},
                                           EffectPause{"Нема", 1}));

TEST_F(AttemptFixture, FreeMovesNeedTheirConditions) {
  ws.settings.timeLimitMinutes = 5;
  for (int mode : {kModeHint, kModeExam}) {
    start(mode, 4);
    waitSeconds(5);
    EXPECT_FALSE(engine->freeMoveAllowed()) << "mode " << mode;
    engine->breakOff();
  }
  start(kModeMonitoring, 4);
  waitSeconds(5);
  EXPECT_TRUE(engine->freeMoveAllowed());
  engine->optionClicked(2);
  EXPECT_FALSE(engine->freeMoveAllowed()) << "an option is chosen";
  engine->optionClicked(2);
  EXPECT_TRUE(engine->freeMoveAllowed());
  engine->petalClicked(1);  // the current task: petals repainted, no move
  EXPECT_EQ(state.lastMoveAt, 0);
  engine->petalClicked(3);
  EXPECT_TRUE(engine->transitionRunning());
  EXPECT_FALSE(engine->freeMoveAllowed()) << "a transition runs";
  settle();
  ws.settings.forbidFreeNavigation = true;
  waitSeconds(2);
  EXPECT_FALSE(engine->freeMoveAllowed()) << "free moves forbidden";
}

TEST_F(AttemptFixture, DoneTasksAreSkippedByPetalsAndChosenOrder) {
  ws.settings.timeLimitMinutes = 5;
  start(kModeTraining, 4);
  answer({1});
  waitSeconds(3);
  engine->petalClicked(1);  // done
  EXPECT_EQ(state.currentTask, 2);
  engine->petalClicked(4);
  settle();
  EXPECT_EQ(state.currentTask, 4);
  answer({1});
  EXPECT_EQ(state.currentTask, 2);  // past the last, the first open one
}

TEST_F(AttemptFixture, LastTenSecondsMarkTheOpenPetals) {
  start(kModeTraining, 4);
  answer({1});
  waitSeconds(51);
  EXPECT_EQ(log.count("late 3 4"), 0);
  waitSeconds(1);                       // the tick that finds 9 seconds left before it counts
  EXPECT_EQ(log.count("late 3 4"), 1);  // task 2 is current, task 1 done
}

TEST_F(AttemptFixture, HintModeWaitsAfterAWrongAnswer) {
  start(kModeHint, 2);
  engine->optionClicked(2);
  engine->mainButton();
  scheduler.advance(kSubmitDelayMs);
  EXPECT_EQ(engine->phase(), AttemptPhase::Feedback);
  EXPECT_TRUE(state.feedbackPause);
  EXPECT_TRUE(log.buttonActive);
  EXPECT_TRUE(state.task(1).hintMarks[1]);
  engine->mainButton();
  settle();
  EXPECT_FALSE(state.feedbackPause);
  EXPECT_EQ(state.currentTask, 2);
  EXPECT_FALSE(state.task(1).hintMarks[1]);
  EXPECT_FALSE(state.task(1).chosen[2]);
}

TEST_F(AttemptFixture, TrainingWithDelayWaitsAfterEveryAnswer) {
  ws.settings.delay = true;
  start(kModeTraining, 2);
  engine->optionClicked(1);
  engine->mainButton();
  scheduler.advance(kSubmitDelayMs);
  EXPECT_EQ(engine->phase(), AttemptPhase::Feedback);
}

TEST_F(AttemptFixture, MainButtonSubmitsOnlyAReadyAnswerAfterTwoHundredMs) {
  start(kModeTraining, 2);
  engine->mainButton();
  scheduler.advance(kSubmitDelayMs);
  EXPECT_FALSE(state.task(1).done);
  engine->optionClicked(1);
  EXPECT_TRUE(state.answerReady);
  engine->mainButton();
  EXPECT_FALSE(log.buttonActive);
  scheduler.advance(kSubmitDelayMs - 1);
  EXPECT_FALSE(state.task(1).done);
  engine->petalClicked(2);  // no free move while the answer is on its way
  scheduler.advance(1);
  EXPECT_TRUE(state.task(1).done);
  EXPECT_TRUE(log.heard("Next"));
  EXPECT_EQ(state.currentTask, 2);
  EXPECT_FALSE(state.answerReady);
}

TEST_F(AttemptFixture, CardComesFirstAndHoldsTheStart) {
  ws.settings.personalise = true;
  ws.settings.mode = kModeTraining;
  useTasks({singleChoice(), singleChoice()});
  engine->mainButton();
  EXPECT_FALSE(log.buttonActive);
  scheduler.advance(kStartDelayMs);
  EXPECT_EQ(engine->phase(), AttemptPhase::Card);
  EXPECT_EQ(card.shown, 1);
  EXPECT_EQ(lastMessage(), cp1251("____Заповніть¶ _реєстраційну¶ ____картку:"));
  EXPECT_EQ(log.count("sound see"), 1);
  engine->mainButton();
  EXPECT_EQ(engine->phase(), AttemptPhase::Card);
  EXPECT_EQ(log.count("sound see"), 2);
  EXPECT_FALSE(engine->clockRunning());
  card.filled = true;
  engine->mainButton();
  EXPECT_EQ(engine->phase(), AttemptPhase::Task);
  EXPECT_TRUE(engine->clockRunning());
  EXPECT_TRUE(log.heard("Home"));
}

TEST_F(AttemptFixture, BreakOffEndsAtOnce) {
  start(kModeTraining, 3);
  answer({1});
  EXPECT_TRUE(engine->breakOff());
  EXPECT_EQ(state.end, AttemptEnd::BrokenOff);
  EXPECT_EQ(lastMessage(), cp1251(" Тест перервано"));
  EXPECT_TRUE(log.heard("Break"));
  EXPECT_EQ(state.wrongElements, kBrokenOff);
  EXPECT_EQ(state.currentTask, 1);
  EXPECT_FALSE(state.freeMovesAllowed);
  EXPECT_FALSE(engine->clockRunning());
  EXPECT_EQ(ws.openTest.currentTestPath, kNoTestOpen);
  EXPECT_FALSE(engine->breakOff());
}

TEST_F(AttemptFixture, BreakOffAfterTheTimeIsNotMixedIntoATimeOut) {
  start(kModeTraining, 3, multipleChoice());
  waitSeconds(58);
  engine->breakOff();
  EXPECT_EQ(state.end, AttemptEnd::BrokenOff);
  EXPECT_EQ(state.wrongElements, kBrokenOff);
  EXPECT_EQ(state.elementsJudged, 0);
}

TEST_F(AttemptFixture, NoBreakOffBeforeTheClockStarts) {
  ws.settings.personalise = true;
  useTasks({singleChoice()});
  engine->mainButton();
  scheduler.advance(kStartDelayMs);
  EXPECT_FALSE(engine->breakOff());
  EXPECT_EQ(state.wrongElements, 0);
}

TEST_F(AttemptFixture, DiagramTurnsThenTheClickHandsOver) {
  start(kModeTraining, 1);
  answer({1});
  ASSERT_EQ(engine->phase(), AttemptPhase::Ended);
  EXPECT_DOUBLE_EQ(engine->diagramAngle(), 2 * kPi);
  scheduler.advance(7 * kDiagramMs);
  EXPECT_FALSE(log.heard("Dia"));
  scheduler.advance(kDiagramMs);
  EXPECT_TRUE(log.heard("Dia"));
  EXPECT_DOUBLE_EQ(engine->diagramAngle(), 2 * kPi + 8 * kPi / 16);
  scheduler.advance(56 * kDiagramMs);  // 64 steps: exactly 6 pi
  EXPECT_FALSE(engine->diagramPromptShown());
  engine->bandClicked();
  EXPECT_EQ(engine->phase(), AttemptPhase::Ended);
  scheduler.advance(kDiagramMs);
  EXPECT_TRUE(engine->diagramPromptShown());

  results.gradeValue = 11;
  engine->bandClicked();
  EXPECT_EQ(results.calls, (std::vector<std::string>{"write"}));
  EXPECT_EQ(ws.openTest.currentTestPath, kNoTestOpen);
  EXPECT_EQ(engine->phase(), AttemptPhase::Closing);
  scheduler.advance(68 * kClosingMs);
  EXPECT_EQ(state.currentTask, 2);
  EXPECT_EQ(log.closingSteps, 68);
  EXPECT_FALSE(log.heard("11"));
  scheduler.advance(kClosingMs);
  EXPECT_EQ(log.closingSteps, 69);
  EXPECT_EQ(log.closingGrade, 11);
  EXPECT_EQ(state.currentTask, 0);
  EXPECT_EQ(engine->phase(), AttemptPhase::Closed);
  EXPECT_EQ(results.calls, (std::vector<std::string>{"write", "send", "close"}));
  EXPECT_EQ(log.sounds.back(), "11");
  EXPECT_EQ(scheduler.activeTimers(), 0);
}

TEST_F(AttemptFixture, ExamDiagramStartsLowerAndNeverSends) {
  start(kModeExam, 1);
  answer({1});
  EXPECT_DOUBLE_EQ(engine->diagramAngle(), 1.8 * kPi);
  scheduler.advance(67 * kDiagramMs);
  EXPECT_FALSE(engine->diagramPromptShown());
  scheduler.advance(kDiagramMs);
  EXPECT_TRUE(engine->diagramPromptShown());
  engine->bandClicked();
  scheduler.advance(kClosingSteps * kClosingMs);
  EXPECT_EQ(results.calls, (std::vector<std::string>{"exam B123", "write", "close"}));
}

TEST_F(AttemptFixture, FailedExamIgnoresTheBand) {
  start(kModeExam, 2);
  answer({2});
  waitForDiagramPrompt();
  engine->bandClicked();
  EXPECT_EQ(engine->phase(), AttemptPhase::Ended);
  EXPECT_TRUE(results.calls.empty());
}

struct GradeCase {
  const char* name;
  int mode;
  bool showGrade;
  int grade;
  int drawn;
};

class ClosingGrade : public AttemptFixture, public ::testing::WithParamInterface<GradeCase> {};

TEST_P(ClosingGrade, IsDrawnOnlyWhenShownAndInRange) {
  ws.settings.showGrade = GetParam().showGrade;
  results.gradeValue = GetParam().grade;
  card.name = false;
  start(GetParam().mode, 1);
  answer({1});
  waitForDiagramPrompt();
  engine->bandClicked();
  scheduler.advance(kClosingSteps * kClosingMs);
  EXPECT_EQ(log.closingGrade, GetParam().drawn);
  EXPECT_EQ(std::count(results.calls.begin(), results.calls.end(), "send"), 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, ClosingGrade,
                         ::testing::Values(GradeCase{"Shown", 2, true, 9, 9},
                                           GradeCase{"Off", 2, false, 9, 0},
                                           GradeCase{"Monitoring", 4, true, 9, 0},
                                           GradeCase{"Zero", 1, true, 0, 0},
                                           GradeCase{"Hundred", 3, true, 100, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(AttemptFixture, ReviewStepsThroughTheTasksAfterTheEnd) {
  start(kModeTestPaper, 3);
  answer({1});
  answer({3});
  answer({1});
  waitForDiagramPrompt();
  engine->bandClicked();
  scheduler.advance(kClosingSteps * kClosingMs);
  ASSERT_TRUE(engine->reviewAllowed());
  engine->modeSign();
  EXPECT_TRUE(state.reviewing);
  EXPECT_EQ(state.currentTask, 1);
  EXPECT_EQ(log.count("review 1"), 1);
  settle();
  engine->modeSign();
  settle();
  EXPECT_EQ(state.currentTask, 2);
  EXPECT_EQ(state.task(2).answerText, "C");
  engine->petalClicked(1);
  settle();
  EXPECT_EQ(state.currentTask, 1);
  engine->optionClicked(2);  // answers are read-only in review
  EXPECT_FALSE(state.task(1).chosen[2]);
  engine->modeSign();
  engine->modeSign();  // ignored while the transition runs
  settle();
  engine->modeSign();
  settle();
  EXPECT_EQ(state.currentTask, 3);
  engine->modeSign();
  EXPECT_EQ(state.currentTask, 1);  // round again
}

TEST_F(AttemptFixture, NoReviewAfterABreakOffOrInTheHintAndExamModes) {
  for (int mode : {kModeHint, kModeExam}) {
    start(mode, 1);
    answer({1});
    waitForDiagramPrompt();
    engine->bandClicked();
    scheduler.advance(kClosingSteps * kClosingMs);
    EXPECT_FALSE(engine->reviewAllowed()) << mode;
  }
  start(kModeTraining, 2);
  engine->breakOff();
  waitForDiagramPrompt();
  engine->bandClicked();
  scheduler.advance(kClosingSteps * kClosingMs);
  EXPECT_FALSE(engine->reviewAllowed());
}

TEST_F(AttemptFixture, GivingUpCountsTheTaskWrongAndMovesOn) {
  start(kModeTestPaper, 2, multipleChoice());
  engine->modeSign();
  EXPECT_TRUE(state.task(1).done);
  EXPECT_EQ(state.elementsJudged, 2);
  EXPECT_EQ(state.wrongElements, 2);
  EXPECT_EQ(state.task(1).wrongCount, 2);
  EXPECT_EQ(state.task(1).judgedElements, 2);
  EXPECT_EQ(state.currentTask, 2);
  settle();
  engine->optionClicked(1);
  engine->modeSign();  // an answer is ready: no give-up
  EXPECT_FALSE(state.task(2).done);
}

TEST_F(AttemptFixture, NoGiveUpInTheHintMode) {
  start(kModeHint, 2);
  engine->modeSign();
  EXPECT_FALSE(state.task(1).done);
}

}  // namespace
}  // namespace ispyt

namespace ispyt {
namespace {

class Hints : public AttemptFixture {
 protected:
  void startNamed(int tasks) {
    ws.settings.mode = kModeHint;
    std::vector<Task> list(tasks, singleChoice());
    for (int k = 0; k < tasks; ++k) list[k].question = "q" + std::to_string(k + 1);
    useTasks(list);
    engine->mainButton();
    scheduler.advance(kStartDelayMs);
    settle();
  }
  std::string order() const {
    std::string o;
    for (int k = 1; k <= state.taskCount; ++k) o += std::to_string(state.displayOrder[k]);
    return o;
  }
};

TEST_F(Hints, MoveTheTaskBackAndShowTheNextOne) {
  startNamed(4);
  engine->modeSign();
  EXPECT_EQ(engine->phase(), AttemptPhase::Hint);
  EXPECT_EQ(order(), "2341");
  EXPECT_EQ(test.task(4).question, "q1");
  EXPECT_TRUE(state.task(4).hintMarks[1]);
  EXPECT_TRUE(log.buttonActive);
  engine->mainButton();
  settle();
  EXPECT_EQ(state.currentTask, 1);
  EXPECT_EQ(test.task(1).question, "q2");
  EXPECT_EQ(log.lastTaskShown, 1);
  // The second hint goes one place before the end; a third is not given.
  engine->modeSign();
  EXPECT_EQ(order(), "3421");
  engine->mainButton();
  settle();
  engine->modeSign();
  EXPECT_EQ(engine->phase(), AttemptPhase::Task);
  EXPECT_EQ(state.hintsUsed, 2);
  answer({1});
  answer({1});
  answer({1});
  answer({1});
  EXPECT_EQ(state.end, AttemptEnd::Finished);
  EXPECT_EQ(state.wrongElements, 0);
}

TEST_F(Hints, NotOnceAnOptionIsChosen) {
  startNamed(3);
  engine->optionClicked(2);
  engine->modeSign();
  EXPECT_EQ(engine->phase(), AttemptPhase::Task);
  EXPECT_EQ(order(), "123");
}

TEST_F(Hints, WithShuffledOrderGoToALaterRandomPlace) {
  ws.settings.shuffle = true;
  for (int round = 0; round < 20; ++round) {
    engine->testOpened();
    startNamed(5);
    engine->modeSign();
    int moved = 0;
    for (int k = 1; k <= 5; ++k)
      if (state.displayOrder[k] == 1) moved = k;
    EXPECT_GE(moved, 2);
    EXPECT_LE(moved, 5);
    engine->breakOff();
  }
}

}  // namespace
}  // namespace ispyt

namespace ispyt {
namespace {

TEST_F(AttemptFixture, ExamRepeatReloadsTheTestFile) {
  namespace fs = std::filesystem;
  const fs::path folder = fs::temp_directory_path() / ("ispyt-reload-" + std::to_string(getpid()));
  fs::create_directories(folder);
  ParsedSource parsed = parseTestSource(
      "title: Файл\n\n== single\n? a\n+ 1\n- 2\n- 3\n\n== single\n? b\n+ 1\n- 2\n- 3\n");
  ASSERT_TRUE(parsed.source);
  std::ofstream(folder / "test.txt", std::ios::binary) << writeTestFile(*parsed.source, random);
  ws.openTest.testFolder = folder;
  ASSERT_TRUE(LoadTest(folder / "test.txt", test, random).loaded());
  ws.openTest.testLoaded = true;
  ws.settings.mode = kModeExam;
  engine->mainButton();
  scheduler.advance(kStartDelayMs);
  settle();
  int wrong = 1;
  while (test.task(1).items[wrong] == test.task(1).correctTexts[wrong]) ++wrong;
  answer({wrong});
  ASSERT_EQ(state.end, AttemptEnd::Failed);
  test.title = "changed in memory";
  engine->mainButton();
  scheduler.advance(kStartDelayMs);
  EXPECT_EQ(test.title, cp1251("Файл"));
  EXPECT_EQ(state.taskCount, 2);
  EXPECT_EQ(state.pass, 2);
  fs::remove_all(folder);
}

}  // namespace
}  // namespace ispyt

namespace ispyt {
namespace {

// Puts the tasks in reverse order, as a shuffle might.
struct ReverseOrder : AttemptAssembly {
  void assemble(ispyt::Test& test, AttemptState& state, Settings& settings) override {
    TaskOrder order = identityOrder();
    for (int k = 1; k <= test.taskCount; ++k) order[k] = test.taskCount + 1 - k;
    rearrangeTasks(order, test, state, settings);
  }
};

TEST_F(AttemptFixture, ExamRepeatArrangesTheReloadedTestFromFileOrder) {
  namespace fs = std::filesystem;
  const fs::path folder = fs::temp_directory_path() / ("ispyt-order-" + std::to_string(getpid()));
  fs::create_directories(folder);
  ParsedSource parsed = parseTestSource(
      "title: t\n\n== single\n? a\n+ 1\n- 2\n\n== single\n? b\n+ 1\n- 2\n\n"
      "== single\n? c\n+ 1\n- 2\n");
  ASSERT_TRUE(parsed.source);
  std::ofstream(folder / "test.txt", std::ios::binary) << writeTestFile(*parsed.source, random);
  ws.openTest.testFolder = folder;
  ASSERT_TRUE(LoadTest(folder / "test.txt", test, random).loaded());
  ws.openTest.testLoaded = true;
  ws.settings.mode = kModeExam;
  ws.settings.taskWeights[1] = 10;
  ws.settings.taskWeights[2] = 20;
  ws.settings.taskWeights[3] = 30;
  ReverseOrder reverse;
  AttemptEngine exam(
      AttemptContext{ws.settings, ws.openTest, ws.decor, test, state, scheduler, random, log, log,
                     log, judges, card, reverse, results, student});
  auto run = [&] {
    exam.mainButton();
    scheduler.advance(kStartDelayMs);
    exam.transitionEnded();
  };
  auto expectReversed = [&] {
    EXPECT_EQ(test.task(1).question, "c");
    EXPECT_EQ(state.displayOrder[1], 3);
    EXPECT_EQ(ws.settings.taskWeights[1], 30);
    EXPECT_EQ(ws.settings.taskWeights[3], 10);
  };
  run();
  expectReversed();
  int wrong = 1;
  while (test.task(1).items[wrong] == test.task(1).correctTexts[wrong]) ++wrong;
  exam.optionClicked(wrong);
  exam.mainButton();
  scheduler.advance(kSubmitDelayMs);
  ASSERT_EQ(state.end, AttemptEnd::Failed);
  run();
  expectReversed();

  // With the file gone the run goes on in the order it had.
  fs::remove_all(folder);
  exam.optionClicked(wrong);
  exam.mainButton();
  scheduler.advance(kSubmitDelayMs);
  ASSERT_EQ(state.end, AttemptEnd::Failed);
  run();
  expectReversed();
  EXPECT_EQ(state.pass, 3);
}

}  // namespace
}  // namespace ispyt
