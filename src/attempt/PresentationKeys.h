#pragma once
// The keys that change how the task screen looks during an attempt: F5 to
// F10 switch the colours, weights and backgrounds of the question and the
// answer, Left and Right set the speed of the Restoration gap pointer.
// This model decides what switches and what must be drawn again; the screen
// draws.

#include "content/Test.h"
#include "platform/Random.h"

namespace ispyt {

enum class PresentationKey { F5, F6, F7, F8, F9, F10, Left, Right };

// Entries of the text colour table drawn at random.
inline constexpr int kTextColourCount = 8;
inline constexpr int kSlowestPointer = 3;

// How the task screen looks now.  The screen starts it from the theme and
// the workstation's pointer speed.
struct TaskLook {
  int answerColour = 0;    // index into the text colour table
  int questionColour = 0;  // index into the text colour table
  bool answerBold = false;
  bool questionBold = false;
  bool plainQuestionBackground = false;  // light cyan instead of the backdrop tile
  bool plainAnswerBackground = false;    // light yellow instead of the backdrop tile
  int pointerSpeed = 1;                  // 0 jumps, 1 fast .. 3 slowest
};

// Where the attempt stands when a key comes.
struct KeyContext {
  bool active = false;  // the clock runs and a task of the test is current
  TaskType type = TaskType::SingleChoice;
  bool optionChosen = false;  // an option (or sequence item) of the task is picked
  // Reset when a task is laid out; counts the moves of the Restoration gap
  // pointer to a next gap.
  int gapCounter = 0;
};

// What the screen must draw again after a key.
struct KeyAction {
  bool options = false;         // the options (or field labels, sequence items)
  bool matchingLayout = false;  // the Matching items laid out again and drawn
  bool question = false;
  bool questionAppears = false;  // the question is drawn with the effect "Поява"
  bool grid = false;             // the Restoration grid
  bool pointerSpeed = false;     // the pointer speed changed

  bool any() const {
    return options || matchingLayout || question || questionAppears || grid || pointerSpeed;
  }
};

// Applies `key` to `look`; colours are drawn from `random`.
KeyAction pressPresentationKey(PresentationKey key, const KeyContext& context, TaskLook& look,
                               Random& random);

}  // namespace ispyt
