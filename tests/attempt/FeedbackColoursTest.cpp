#include <gtest/gtest.h>

#include <string>

#include "attempt/FeedbackColours.h"

namespace ispyt {
namespace {

std::string rgb(std::optional<Rgb> c) {
  if (!c) return "-";
  return std::to_string(c->r) + "," + std::to_string(c->g) + "," + std::to_string(c->b);
}

struct ColourRow {
  TaskType type;
  // None, Picked, Right, Wrong, ShownRight
  const char* colours[5];
};

TEST(FeedbackColours, ByTheKindOfSlot) {
  const ColourRow rows[] = {
      {TaskType::SingleChoice, {"-", "255,255,0", "0,255,0", "255,100,255", "0,255,255"}},
      {TaskType::CountedChoice, {"-", "255,255,0", "0,255,0", "255,100,255", "0,255,255"}},
      {TaskType::Sequence, {"-", "255,255,0", "0,255,0", "255,128,80", "0,255,255"}},
      {TaskType::Matching, {"-", "-", "0,255,0", "255,128,80", "255,128,80"}},
      {TaskType::DirectInput, {"-", "-", "64,255,128", "255,144,64", "160,160,255"}},
      {TaskType::Completion, {"-", "-", "64,255,128", "255,144,64", "160,160,255"}},
      {TaskType::Restoration, {"0,0,128", "-", "0,128,0", "255,0,0", "0,0,255"}},
  };
  const Feedback marks[] = {Feedback::None, Feedback::Picked, Feedback::Right, Feedback::Wrong,
                            Feedback::ShownRight};
  for (const ColourRow& row : rows)
    for (int m = 0; m < 5; ++m)
      EXPECT_EQ(rgb(feedbackColour(row.type, marks[m])), row.colours[m])
          << "type " << static_cast<int>(row.type) << " mark " << m;
}

}  // namespace
}  // namespace ispyt
