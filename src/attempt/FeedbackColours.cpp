#include "attempt/FeedbackColours.h"

namespace ispyt {
namespace {

constexpr Rgb kPicked{255, 255, 0};
constexpr Rgb kRight{0, 255, 0};
constexpr Rgb kShownRight{0, 255, 255};
constexpr Rgb kOptionWrong{255, 100, 255};
constexpr Rgb kPositionWrong{255, 128, 80};  // sequence positions, matching pairs
constexpr Rgb kFieldRight{64, 255, 128};
constexpr Rgb kFieldWrong{255, 144, 64};
constexpr Rgb kFieldCorrectText{160, 160, 255};
constexpr Rgb kCharacterRight{0, 128, 0};
constexpr Rgb kCharacterWrong{255, 0, 0};
constexpr Rgb kCharacterPlain{0, 0, 128};
constexpr Rgb kCharacterBlink{0, 0, 255};

struct Palette {
  std::optional<Rgb> none, picked, right, wrong, shownRight;
};

const Palette& paletteOf(TaskType type) {
  static const Palette options{{}, kPicked, kRight, kOptionWrong, kShownRight};
  static const Palette sequence{{}, kPicked, kRight, kPositionWrong, kShownRight};
  static const Palette matching{{}, {}, kRight, kPositionWrong, kPositionWrong};
  static const Palette fields{{}, {}, kFieldRight, kFieldWrong, kFieldCorrectText};
  static const Palette characters{
      kCharacterPlain, {}, kCharacterRight, kCharacterWrong, kCharacterBlink};
  switch (type) {
    case TaskType::Sequence:
      return sequence;
    case TaskType::Matching:
      return matching;
    case TaskType::DirectInput:
    case TaskType::Completion:
      return fields;
    case TaskType::Restoration:
      return characters;
    case TaskType::SingleChoice:
    case TaskType::MultipleChoice:
    case TaskType::CountedChoice:
      break;
  }
  return options;
}

}  // namespace

std::optional<Rgb> feedbackColour(TaskType type, Feedback mark) {
  const Palette& p = paletteOf(type);
  switch (mark) {
    case Feedback::None:
      return p.none;
    case Feedback::Picked:
      return p.picked;
    case Feedback::Right:
      return p.right;
    case Feedback::Wrong:
      return p.wrong;
    case Feedback::ShownRight:
      return p.shownRight;
  }
  return {};
}

}  // namespace ispyt
