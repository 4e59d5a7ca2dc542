#include <gtest/gtest.h>

#include <functional>

#include "AttemptFixture.h"
#include "attempt/CompletionJudge.h"
#include "attempt/MatchingJudge.h"
#include "attempt/RestorationJudge.h"
#include "attempt/TypedJudge.h"
#include "platform/Cp1251.h"

namespace ispyt {
namespace {

// One field; "Говерла" is accepted.
Task directInput() {
  Task t;
  t.type = TaskType::DirectInput;
  t.itemCount = t.elementCount = 1;
  t.items[1] = cp1251("Гора:");
  t.acceptedCount[1] = 1;
  t.accepted[1][1] = cp1251("Говерла");
  return t;
}

// Three left items; left item p matches right item p; one right item spare.
Task matching() {
  Task t;
  t.type = TaskType::Matching;
  t.elementCount = 3;
  t.itemCount = 4;
  for (int j = 1; j <= 4; ++j) {
    t.rightItems[j] = t.correctTexts[j] = "r" + std::to_string(j);
    t.rightLetters[j] = static_cast<char>('A' + j - 1);
    if (j <= 3) {
      t.items[j] = "l" + std::to_string(j);
      t.itemLetters[j] = static_cast<char>('a' + j - 1);
    }
  }
  return t;
}

// Two blanks of two variants; the variant lettered A is the correct one.
Task completion() {
  Task t;
  t.type = TaskType::Completion;
  t.items[1] = "x <gap> y <gap>";
  t.elementCount = t.blankCount = 2;
  t.variantCount = 2;
  for (int r = 1; r <= 2; ++r) {
    t.variants[r][1] = "wrong" + std::to_string(r);
    t.variantLetters[r][1] = 'B';
    t.variants[r][2] = t.correctTexts[r] = "right" + std::to_string(r);
    t.variantLetters[r][2] = 'A';
  }
  return t;
}

// Two gaps: cell 5 misses 'a', cell 6 misses 'b'.
Task restoration() {
  Task t;
  t.type = TaskType::Restoration;
  std::string grid(2 * kGridCells, '0');
  grid += '+';
  grid += std::string{static_cast<char>(5 + 40), 'a', '0', static_cast<char>(6 + 40), 'b', '0'};
  t.items[2] = grid;
  t.rightItems[1] = "ab________________";
  t.elementCount = 2;
  t.itemCount = 4;
  return t;
}

class AnswerInput : public AttemptFixture {
 protected:
  AnswerInput() {
    judges.add(typed);
    judges.add(matchingJudge);
    judges.add(completionJudge);
    judges.add(restorationJudge);
  }

  void submit() {
    engine->mainButton();
    scheduler.advance(kSubmitDelayMs);
    if (engine->phase() == AttemptPhase::Feedback) engine->mainButton();
    settle();
  }

  TypedJudge typed;
  MatchingJudge matchingJudge;
  CompletionJudge completionJudge;
  RestorationJudge restorationJudge;
};

struct InputCase {
  const char* name;
  Task (*task)();
  std::function<void(AttemptEngine&)> input;
  bool ready;              // the main button after the input
  std::string answerText;  // after the submit (UTF-8)
  int wrongCount;
};

TEST_F(AnswerInput, EachInputReachesItsJudgeAndTheButton) {
  const std::string a = cp1251("А"), b = cp1251("Б"), v = cp1251("В");
  const InputCase cases[] = {
      {"field typed", directInput,
       [](AttemptEngine& e) { e.fieldEdited(1, cp1251("Гoвeрлa")); },  // Latin o, e, a
       true, "Гoвeрлa", 0},
      {"field left empty", directInput, [](AttemptEngine&) {}, true, "_", 1},
      {"field typed, then cleared", directInput,
       [](AttemptEngine& e) {
         e.fieldEdited(1, "x");
         e.fieldEdited(1, "");
       },
       true, "_", 1},
      {"every pair lettered", matching,
       [&](AttemptEngine& e) {
         e.letterChosen(1, a);
         e.letterChosen(2, v);
         e.letterChosen(3, b);
       },
       true, "АВБ", 2},
      {"a letter shown by another panel empties this one", matching,
       [&](AttemptEngine& e) {
         e.letterChosen(1, a);
         e.letterChosen(2, b);
         e.letterChosen(3, v);
         e.letterChosen(2, a);
       },
       false, "", 0},
      {"one blank chosen", completion, [](AttemptEngine& e) { e.blankChosen(1, "right1"); }, true,
       "A_", 1},
      {"a blank chosen, then none", completion,
       [](AttemptEngine& e) {
         e.blankChosen(1, "right1");
         e.blankChosen(2, "wrong2");
         e.blankChosen(1, "");
       },
       true, "_B", 2},
      {"every gap given", restoration,
       [](AttemptEngine& e) {
         e.gapCharacter('a');
         e.gapCharacter(kGapBackspace);
       },
       true, "", 1},
      {"a gap still open", restoration, [](AttemptEngine& e) { e.gapCharacter('a'); }, false, "",
       0},
  };
  for (const InputCase& c : cases) {
    SCOPED_TRACE(c.name);
    start(kModeTraining, 2, c.task());
    c.input(*engine);
    EXPECT_EQ(state.answerReady, c.ready);
    EXPECT_EQ(log.buttonActive, c.ready);
    if (!c.ready) continue;
    submit();
    EXPECT_EQ(state.currentTask, 2);
    EXPECT_EQ(cp1251ToUtf8(state.task(1).answerText), c.answerText);
    EXPECT_EQ(state.task(1).wrongCount, c.wrongCount);
    EXPECT_EQ(state.task(1).judgedElements, c.task().elementCount);
  }
}

TEST_F(AnswerInput, AMatchingPanelEmptiedHoldsTheButtonUntilLetteredAgain) {
  start(kModeTraining, 1, matching());
  const std::string a = cp1251("А"), b = cp1251("Б"), v = cp1251("В");
  engine->letterChosen(1, a);
  engine->letterChosen(2, b);
  engine->letterChosen(3, v);
  EXPECT_TRUE(log.buttonActive);
  engine->letterChosen(2, a);  // item 1 shows А already
  EXPECT_EQ(state.task(1).given[2], "");
  EXPECT_EQ(state.task(1).given[1], a);
  EXPECT_FALSE(log.buttonActive);
  engine->letterChosen(2, b);
  EXPECT_TRUE(log.buttonActive);
}

// Input reaches the task only while it is shown and answered: not during
// the transition, not while a hint shows the answer, not in review, and not
// when it is the input of another type.
TEST_F(AnswerInput, InputOutsideAnsweringChangesNothing) {
  start(kModeTraining, 2, directInput());
  engine->letterChosen(1, cp1251("А"));
  engine->gapCharacter('a');
  engine->blankChosen(1, "x");
  EXPECT_EQ(state.task(1).given[1], "");
  EXPECT_EQ(state.task(1).gapAnswers, "");

  start(kModeTraining, 2, restoration());
  engine->gapCharacter('a');
  engine->gapCharacter('b');
  engine->mainButton();
  scheduler.advance(kSubmitDelayMs);  // task 2 is shown, its transition still runs
  ASSERT_EQ(state.currentTask, 2);
  ASSERT_TRUE(engine->transitionRunning());
  engine->gapCharacter('a');
  EXPECT_EQ(state.task(2).gapAnswers, "");
  settle();

  start(kModeHint, 2, restoration());
  engine->modeSign();
  ASSERT_EQ(engine->phase(), AttemptPhase::Hint);
  engine->gapCharacter('a');
  EXPECT_EQ(state.task(1).gapAnswers, "");
  EXPECT_EQ(state.elementsJudged, 0);
}

TEST_F(AnswerInput, InReviewTheRecordedAnswerStays) {
  start(kModeTraining, 1, directInput());
  engine->fieldEdited(1, cp1251("Говерла"));
  submit();
  waitForDiagramPrompt();
  engine->bandClicked();
  scheduler.advance(kClosingSteps * kClosingMs);
  engine->petalClicked(1);
  settle();
  ASSERT_TRUE(state.reviewing);
  engine->fieldEdited(1, "x");
  EXPECT_EQ(state.task(1).given[1], cp1251("Говерла"));
}

struct GapRun {
  const char* name;
  int mode;
  std::string typed;
  bool giveUp;  // the mode sign after the characters
  std::string recorded;
  int currentGap;  // of task 1, while it is still shown
  bool ready;
  std::string events;  // the gap events, "gap 1 1 wrong" and so on, joined by ';'
};

std::string gapEvents(const AttemptLog& log) {
  std::string s;
  for (const std::string& e : log.events)
    if (e.rfind("gap ", 0) == 0) s += (s.empty() ? "" : ";") + e;
  return s;
}

TEST_F(AnswerInput, RestorationCharactersByMode) {
  const GapRun runs[] = {
      {"hint mode: a wrong character keeps the gap", kModeHint, "xa", false, "xa", 2, false,
       "gap 1 1 wrong;gap 1 1 right"},
      {"hint mode: done once the right ones came", kModeHint, "xab", false, "xab", 3, true,
       "gap 1 1 wrong;gap 1 1 right;gap 1 2 right"},
      {"training: a wrong character moves on", kModeTraining, "x", false, "x", 2, false,
       "gap 1 1 wrong"},
      {"test paper: given up, a wrong one fills the gap", kModeTestPaper, "a", true, "a?", 3, true,
       "gap 1 1 right;gap 1 2 wrong"},
      {"after the last gap nothing is taken", kModeMonitoring, "abc", false, "ab", 3, true,
       "gap 1 1 right;gap 1 2 right"},
  };
  for (const GapRun& r : runs) {
    SCOPED_TRACE(r.name);
    log.events.clear();
    start(r.mode, 2, restoration());
    for (char ch : r.typed) engine->gapCharacter(ch);
    if (r.giveUp) engine->modeSign();
    EXPECT_EQ(state.task(1).gapAnswers, r.recorded);
    EXPECT_EQ(engine->currentGap(), r.currentGap);
    EXPECT_EQ(state.answerReady, r.ready);
    EXPECT_EQ(log.buttonActive, r.ready);
    EXPECT_EQ(gapEvents(log), r.events);
    EXPECT_EQ(state.elementsJudged, static_cast<int>(r.recorded.size()));
  }
}

TEST_F(AnswerInput, AWrongCharacterEndsTheExamTaskAtOnce) {
  start(kModeExam, 2, restoration());
  engine->gapCharacter('a');
  engine->gapCharacter('x');
  EXPECT_TRUE(state.task(1).done);
  EXPECT_EQ(state.end, AttemptEnd::Failed);
  EXPECT_EQ(lastMessage(), endMessage(AttemptEnd::Failed));
  EXPECT_EQ(state.elementsJudged, 2);
  EXPECT_EQ(state.wrongElements, 1);
  EXPECT_EQ(state.task(1).judgedElements, 2);
}

// Characters already judged cannot be taken back by asking for a hint.
TEST_F(AnswerInput, NoHintOnceACharacterIsJudged) {
  start(kModeHint, 2, restoration());
  engine->gapCharacter('a');
  engine->modeSign();
  EXPECT_EQ(engine->phase(), AttemptPhase::Task);
  EXPECT_EQ(state.hintsUsed, 0);
  EXPECT_EQ(state.displayOrder[1], 1);
}

// The readiness of a Restoration comes from its gaps, not from a click.
TEST_F(AnswerInput, AClickOnARestorationLeavesItsButton) {
  start(kModeHint, 1, restoration());
  engine->gapCharacter('x');
  engine->gapCharacter('a');
  engine->optionClicked(1);
  EXPECT_FALSE(state.answerReady);
  EXPECT_FALSE(log.buttonActive);
}

}  // namespace
}  // namespace ispyt
