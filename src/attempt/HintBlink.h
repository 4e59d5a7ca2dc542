#pragma once
// The hint of a Restoration gap in mode 0: after a wrong character the
// expected one blinks in its gap for 21 steps, shown on every second step,
// and the palette is drawn plain again once it ends.

namespace ispyt {

class HintBlink {
 public:
  static constexpr int kSteps = 21;

  // Starts at step 1 over `gap`; a blink under way starts again.
  void start(int gap);
  void stop() { step_ = 0; }
  // The next step; returns whether it still blinks.
  bool tick();

  bool blinking() const { return step_ > 0; }
  int gap() const { return blinking() ? gap_ : 0; }
  // Whether the expected character is drawn at this step.
  bool shown() const { return blinking() && step_ % 2 == 0; }

 private:
  int gap_ = 0;
  int step_ = 0;  // 1..kSteps while it blinks
};

}  // namespace ispyt
