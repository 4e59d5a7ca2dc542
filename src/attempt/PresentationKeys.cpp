#include "attempt/PresentationKeys.h"

#include <algorithm>

namespace ispyt {
namespace {

// The types whose options F5 recolours.
bool recolouredOptions(TaskType t) {
  return t == TaskType::SingleChoice || t == TaskType::MultipleChoice ||
         t == TaskType::DirectInput || t == TaskType::Sequence;
}

// The types whose options F7 and F10 draw again.
bool restyledOptions(TaskType t) { return recolouredOptions(t) || t == TaskType::CountedChoice; }

// F10 switches the answer background only until a Restoration task has
// moved on twice from gap to gap.
constexpr int kGapCounterLimit = 2;

}  // namespace

KeyAction pressPresentationKey(PresentationKey key, const KeyContext& context, TaskLook& look,
                               Random& random) {
  KeyAction action;
  if (!context.active) return action;
  const TaskType type = context.type;
  const bool matching = type == TaskType::Matching;
  switch (key) {
    case PresentationKey::F5:
      if (matching || (recolouredOptions(type) && !context.optionChosen)) {
        look.answerColour = random.random(kTextColourCount);
        action.options = !matching;
        action.matchingLayout = matching;
      }
      break;
    case PresentationKey::F6:
      look.questionColour = random.random(kTextColourCount);
      action.question = true;
      break;
    case PresentationKey::F7:
      if (matching || (restyledOptions(type) && !context.optionChosen)) {
        look.answerBold = !look.answerBold;
        action.options = !matching;
        action.matchingLayout = matching;
      }
      break;
    case PresentationKey::F8:
      look.questionBold = !look.questionBold;
      action.question = true;
      break;
    case PresentationKey::F9:
      look.plainQuestionBackground = !look.plainQuestionBackground;
      action.questionAppears = true;
      break;
    case PresentationKey::F10:
      if (context.gapCounter >= kGapCounterLimit) break;
      look.plainAnswerBackground = !look.plainAnswerBackground;
      action.options = restyledOptions(type) && !context.optionChosen;
      action.matchingLayout = matching;
      action.grid = type == TaskType::Restoration;
      break;
    case PresentationKey::Left:
    case PresentationKey::Right: {
      const int speed = std::clamp(look.pointerSpeed + (key == PresentationKey::Left ? 1 : -1), 0,
                                   kSlowestPointer);
      action.pointerSpeed = speed != look.pointerSpeed;
      look.pointerSpeed = speed;
      break;
    }
  }
  return action;
}

}  // namespace ispyt
