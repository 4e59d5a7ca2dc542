#pragma once
// What the attempt shows once its end message is up: the result diagram
// turning until the testee clicks, then the closing animation with the
// grade; and from the start, who takes the attempt under which code.  The
// result screen implements it; headless runs record it.

namespace ispyt {

class AttemptEndScreen {
 public:
  virtual ~AttemptEndScreen() = default;
  // An attempt (or a repeated exam run) has started: the name plate.
  virtual void attemptStarted() {}
  // The result diagram at `angle` radians; `prompt` once "Натисніть -->"
  // is shown.
  virtual void drawDiagram(double angle, bool prompt) = 0;
  // One of the 69 steps of the closing animation (1..69); `grade` is 0 when
  // no grade picture is drawn.
  virtual void drawClosingStep(int step, int grade) = 0;
  // The last step has been drawn.
  virtual void closingEnded() {}
};

}  // namespace ispyt
