#include <gtest/gtest.h>

#include "AttemptFixture.h"
#include "attempt/PresentationKeys.h"
#include "attempt/RestorationJudge.h"

namespace ispyt {
namespace {

using Key = PresentationKey;
using T = TaskType;

struct KeyCase {
  const char* name;
  Key key;
  T type;
  bool chosen;
  int gapCounter;
  int speed;            // the pointer speed before the key
  const char* redraw;   // O options, M matching layout, Q question, A question appears,
                        // G grid, P pointer speed
  const char* changed;  // the look's fields that changed
};

std::string redrawOf(const KeyAction& a) {
  std::string s;
  if (a.options) s += 'O';
  if (a.matchingLayout) s += 'M';
  if (a.question) s += 'Q';
  if (a.questionAppears) s += 'A';
  if (a.grid) s += 'G';
  if (a.pointerSpeed) s += 'P';
  return s;
}

std::string changes(const TaskLook& before, const TaskLook& after) {
  std::string s;
  auto add = [&](bool changed, const char* name) {
    if (changed) s += (s.empty() ? "" : " ") + std::string(name);
  };
  add(before.answerColour != after.answerColour, "answerColour");
  add(before.questionColour != after.questionColour, "questionColour");
  add(before.answerBold != after.answerBold, "answerBold");
  add(before.questionBold != after.questionBold, "questionBold");
  add(before.plainQuestionBackground != after.plainQuestionBackground, "questionBackground");
  add(before.plainAnswerBackground != after.plainAnswerBackground, "answerBackground");
  if (after.pointerSpeed != before.pointerSpeed)
    s += (s.empty() ? "pointer " : " pointer ") + std::to_string(after.pointerSpeed);
  return s;
}

TEST(PresentationKeys, WhatSwitchesAndWhatIsDrawnAgain) {
  const KeyCase cases[] = {
      {"F5 recolours the options", Key::F5, T::SingleChoice, false, 0, 1, "O", "answerColour"},
      {"F5 waits while an option is chosen", Key::F5, T::MultipleChoice, true, 0, 1, "", ""},
      {"F5 leaves a counted choice", Key::F5, T::CountedChoice, false, 0, 1, "", ""},
      {"F5 lays the matching out again", Key::F5, T::Matching, false, 0, 1, "M", "answerColour"},
      {"F5 leaves a completion", Key::F5, T::Completion, false, 0, 1, "", ""},
      {"F6 recolours the question", Key::F6, T::Restoration, false, 0, 1, "Q", "questionColour"},
      {"F7 bolds a counted choice", Key::F7, T::CountedChoice, false, 0, 1, "O", "answerBold"},
      {"F7 waits while an item is picked", Key::F7, T::Sequence, true, 0, 1, "", ""},
      {"F7 bolds the matching", Key::F7, T::Matching, false, 0, 1, "M", "answerBold"},
      {"F8 bolds the question", Key::F8, T::Completion, false, 0, 1, "Q", "questionBold"},
      {"F9 switches the question background", Key::F9, T::Matching, false, 0, 1, "A",
       "questionBackground"},
      {"F10 redraws the field labels", Key::F10, T::DirectInput, false, 0, 1, "O",
       "answerBackground"},
      {"F10 switches but redraws no chosen options", Key::F10, T::SingleChoice, true, 0, 1, "",
       "answerBackground"},
      {"F10 redraws the grid at the first gaps", Key::F10, T::Restoration, false, 1, 1, "G",
       "answerBackground"},
      {"F10 stops at the gap counter 2", Key::F10, T::Restoration, false, 2, 1, "", ""},
      {"F10 lays the matching out again", Key::F10, T::Matching, false, 0, 1, "M",
       "answerBackground"},
      {"Left slows the pointer", Key::Left, T::Restoration, false, 0, 1, "P", "pointer 2"},
      {"Left stops at the slowest", Key::Left, T::Restoration, false, 0, 3, "", ""},
      {"Right speeds the pointer", Key::Right, T::SingleChoice, false, 0, 1, "P", "pointer 0"},
      {"Right stops at the fastest", Key::Right, T::Restoration, false, 0, 0, "", ""},
  };
  for (const KeyCase& c : cases) {
    SCOPED_TRACE(c.name);
    Random random(5);
    // Colours no draw gives, so that every draw shows as a change.
    TaskLook look{.answerColour = -1, .questionColour = -1, .pointerSpeed = c.speed};
    const TaskLook before = look;
    const KeyContext context{true, c.type, c.chosen, c.gapCounter};
    const KeyAction action = pressPresentationKey(c.key, context, look, random);
    EXPECT_EQ(redrawOf(action), c.redraw);
    EXPECT_EQ(changes(before, look), c.changed);
    EXPECT_GE(look.answerColour, -1);
    EXPECT_LT(look.answerColour, kTextColourCount);
    EXPECT_LT(look.questionColour, kTextColourCount);

    // Outside a running attempt no key acts.
    TaskLook idle = before;
    const KeyContext inactive{false, c.type, c.chosen, c.gapCounter};
    EXPECT_FALSE(pressPresentationKey(c.key, inactive, idle, random).any());
    EXPECT_EQ(changes(before, idle), "");
  }
}

// The engine says where the keys act: the task's type, a picked option, and
// the gap counter, reset when a task is laid out.
class KeysInAttempt : public AttemptFixture {
 protected:
  KeysInAttempt() { judges.add(restoration); }
  RestorationJudge restoration;
};

TEST_F(KeysInAttempt, TheEngineCountsTheGapsReached) {
  Task grid;
  grid.type = TaskType::Restoration;
  grid.items[2] =
      std::string(2 * kGridCells, '0') + '+' + std::string{static_cast<char>(5 + 40), 'a', '0',
                                                           static_cast<char>(6 + 40), 'b', '0',
                                                           static_cast<char>(7 + 40), 'c', '0'};
  grid.elementCount = 3;
  EXPECT_FALSE(engine->presentationContext().active);
  start(kModeHint, 2, grid);
  KeyContext context = engine->presentationContext();
  EXPECT_TRUE(context.active);
  EXPECT_EQ(context.type, TaskType::Restoration);
  EXPECT_EQ(context.gapCounter, 0);
  engine->gapCharacter('x');  // wrong: mode 0 keeps the gap
  EXPECT_EQ(engine->presentationContext().gapCounter, 0);
  engine->gapCharacter('a');
  engine->gapCharacter('b');
  EXPECT_EQ(engine->presentationContext().gapCounter, 2);
  engine->gapCharacter('c');
  engine->mainButton();
  scheduler.advance(kSubmitDelayMs);
  settle();
  ASSERT_EQ(state.currentTask, 2);
  EXPECT_EQ(engine->presentationContext().gapCounter, 0);
}

TEST_F(KeysInAttempt, APickedOptionIsSeen) {
  start(kModeTraining, 1, singleChoice());
  engine->optionClicked(2);
  EXPECT_TRUE(engine->presentationContext().optionChosen);
}

}  // namespace
}  // namespace ispyt
