#pragma once
// The times the station lost the pupil during an attempt: another window
// took the keyboard focus, or the pointer left the station's screen for
// another output.  Each loss is kept with its moments on the attempt
// clock, for the teacher to see beside the result.

#include <vector>

namespace ispyt {

enum class FocusLossKind {
  Window = 1,   // another window took the focus
  Pointer = 2,  // the pointer left the screen
};

struct FocusLoss {
  int at = 0;     // `elapsed` when the station lost the pupil
  int back = -1;  // `elapsed` when it had them again; -1 while away
  FocusLossKind kind = FocusLossKind::Window;

  bool operator==(const FocusLoss&) const = default;
};

// A loss the attempt noted beyond this many is counted, not listed.
inline constexpr int kMaxListedFocusLosses = 100;

class FocusLosses {
 public:
  // What the station sees at `elapsed`: whether one of its windows has the
  // focus, and whether the pointer is on its screen.  A loss begins when
  // either is lost and ends when both are back.
  void observe(int elapsed, bool windowActive, bool pointerOnScreen);
  void clear() { *this = FocusLosses(); }

  int count() const { return count_; }
  bool away() const { return away_; }
  const std::vector<FocusLoss>& listed() const { return listed_; }

 private:
  int count_ = 0;
  bool away_ = false;
  std::vector<FocusLoss> listed_;
};

}  // namespace ispyt
