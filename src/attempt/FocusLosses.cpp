#include "attempt/FocusLosses.h"

namespace ispyt {

void FocusLosses::observe(int elapsed, bool windowActive, bool pointerOnScreen) {
  const bool away = !windowActive || !pointerOnScreen;
  if (away == away_) return;
  away_ = away;
  if (away) {
    ++count_;
    if (static_cast<int>(listed_.size()) < kMaxListedFocusLosses)
      listed_.push_back(
          {elapsed, -1, windowActive ? FocusLossKind::Pointer : FocusLossKind::Window});
  } else if (!listed_.empty() && listed_.back().back < 0) {
    listed_.back().back = elapsed;
  }
}

}  // namespace ispyt
