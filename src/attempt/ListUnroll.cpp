#include "attempt/ListUnroll.h"

#include <algorithm>

namespace ispyt {

void ListUnroll::start(int fullHeight, int mainHeight, int items) {
  fullHeight_ = std::max(0, fullHeight);
  mainHeight_ = mainHeight;
  items_ = items;
  ticks_ = 0;
  height_ = 0;
  done_ = false;
}

bool ListUnroll::tick() {
  if (done_) return false;
  if (++ticks_ <= kListHiddenTicks) return true;
  height_ = std::min(height_ + kListGrowth, fullHeight_);
  // Out when taller than 4/7 of the main window, or whole.
  if (height_ * 7 > mainHeight_ * 4 || height_ >= fullHeight_) done_ = true;
  return !done_;
}

int ListUnroll::panelsShown() const { return done_ ? std::max(items_, 0) : 0; }

ListPlace listPlace(ListButton button, const ScreenScale& s, int mainHeight, int fullHeight) {
  ListPlace place;
  switch (button) {
    case ListButton::Minimise:
      place = {s.y(370), s.y(190)};
      break;
    case ListButton::Maximise:
      place = {s.y(25), mainHeight * 7 / 8};
      break;
    case ListButton::Restore:
      place = {s.y(25), 20};
      break;
  }
  place.height = std::min(place.height, fullHeight);
  return place;
}

}  // namespace ispyt
