#include <gtest/gtest.h>

#include "AttemptFixture.h"
#include "attempt/SequenceJudge.h"

namespace ispyt {
namespace {

// Shown as b, a; the correct order is a, b.
Task twoItemSequence() {
  Task t;
  t.type = TaskType::Sequence;
  t.itemCount = t.elementCount = 2;
  t.items[1] = "b";
  t.items[2] = "a";
  t.itemLetters[1] = 'B';
  t.itemLetters[2] = 'A';
  t.correctTexts[1] = "a";
  t.correctTexts[2] = "b";
  return t;
}

class JudgesInAttempt : public AttemptFixture {
 protected:
  JudgesInAttempt() { judges.add(sequence); }
  SequenceJudge sequence;
};

TEST_F(JudgesInAttempt, ASequenceMayBeSubmittedAsShown) {
  start(kModeTraining, 2, twoItemSequence());
  EXPECT_TRUE(state.answerReady);
  answer({});
  EXPECT_EQ(state.task(1).judgedElements, 2);
  EXPECT_EQ(state.task(1).wrongCount, 2);
  EXPECT_EQ(state.task(1).answerText, "BA");
  EXPECT_EQ(state.currentTask, 2);
  // Swapped into the correct order: both positions right.
  answer({1, 2});
  EXPECT_EQ(state.task(2).wrongCount, 0);
  EXPECT_EQ(state.task(2).answerText, "AB");
  EXPECT_EQ(state.elementsJudged, 4);
  EXPECT_EQ(state.wrongElements, 2);
}

TEST_F(JudgesInAttempt, APickedItemHoldsTheButtonAndMayBeGivenUp) {
  start(kModeTestPaper, 2, twoItemSequence());
  engine->optionClicked(1);
  EXPECT_FALSE(state.answerReady);
  EXPECT_FALSE(state.buttonActive);
  engine->modeSign();
  settle();
  EXPECT_TRUE(state.task(1).done);
  EXPECT_EQ(state.task(1).judgedElements, 2);
  EXPECT_EQ(state.task(1).wrongCount, 2);
  EXPECT_EQ(state.currentTask, 2);
}

TEST_F(JudgesInAttempt, ACountedChoiceIsReadyWithExactlyItsCorrectCount) {
  Task counted = multipleChoice();
  counted.type = TaskType::CountedChoice;
  start(kModeTraining, 1, counted);
  engine->optionClicked(1);
  EXPECT_FALSE(state.buttonActive);
  engine->optionClicked(3);
  EXPECT_TRUE(state.buttonActive);
  engine->optionClicked(4);  // refused: two are chosen already
  EXPECT_FALSE(state.task(1).chosen[4]);
  answer({});
  EXPECT_EQ(state.task(1).judgedElements, 2);
  EXPECT_EQ(state.task(1).wrongCount, 1);
  EXPECT_EQ(state.task(1).answerText, "AC");
}

}  // namespace
}  // namespace ispyt
