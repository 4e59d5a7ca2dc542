#pragma once
// The "Відповідники" window of a Matching task unrolls under its title
// bar: hidden for its first ticks, then growing; once it is out the answer
// panels of the left items appear.  Its title bar's buttons move it above
// or over the option area.

#include "presentation/ScreenScale.h"

namespace ispyt {

inline constexpr int kListUnrollTickMs = 20;
inline constexpr int kListHiddenTicks = 10;
inline constexpr int kListGrowth = 10;  // pixels a tick

class ListUnroll {
 public:
  // `fullHeight`: the window with its whole picture; `mainHeight`: the
  // main window's; `items`: the task's left items.
  void start(int fullHeight, int mainHeight, int items);
  // One tick of the window's timer; false once it is out (the timer stops).
  bool tick();

  bool visible() const { return ticks_ > kListHiddenTicks; }
  int height() const { return height_; }
  bool done() const { return done_; }
  // The answer panels shown: none while the window unrolls, then every
  // left item's.
  int panelsShown() const;

 private:
  int fullHeight_ = 0;
  int mainHeight_ = 0;
  int items_ = 0;
  int ticks_ = 0;
  int height_ = 0;
  bool done_ = true;
};

// Where the title bar's buttons put the window: its top below the main
// window's and its height, never more than `fullHeight`.
struct ListPlace {
  int top = 0;
  int height = 0;
};
enum class ListButton { Minimise, Maximise, Restore };
ListPlace listPlace(ListButton button, const ScreenScale& s, int mainHeight, int fullHeight);

}  // namespace ispyt
