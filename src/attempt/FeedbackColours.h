#pragma once
// The colour a judged (or picked) slot is drawn in, by the kind of slot its
// task type has: options, sequence positions, matching pairs, typed fields
// and blanks, or Restoration characters.  The judges already leave out the
// marks a mode does not show; this only names the colours.

#include <optional>

#include "attempt/TaskJudge.h"
#include "content/Test.h"
#include "platform/Canvas.h"

namespace ispyt {

// Nothing for a slot drawn as usual.  For a Matching pair, ShownRight (mode
// 0) is a wrong pair whose panel gets the correct letter; for a field or
// blank it is the correct text written in.  A Restoration character marked
// None is drawn navy (modes 2 and 4), ShownRight is the blink of the
// expected character.
std::optional<Rgb> feedbackColour(TaskType type, Feedback mark);

}  // namespace ispyt
