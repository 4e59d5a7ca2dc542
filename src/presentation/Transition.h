#pragma once
// The screen transition of the card area: whenever new content comes into
// the card (a task's question, the card's heading, an end message, the
// announcement of a test), one of seven effects brings it in step by step
// on the transition timer (1 ms), or none does.  When the effect is done,
// the next tick runs what waited for it (the task's answer controls, the
// intro) and stops the timer.

#include <functional>
#include <memory>
#include <string_view>
#include <vector>

#include "platform/Picture.h"
#include "platform/Random.h"
#include "platform/Scheduler.h"
#include "presentation/CardFrame.h"

namespace ispyt {

enum class Effect { None, Tear, Dissolve, Blinds, DriveIn, Fall, Appear, CrossFade };

// "Відрив", "Розчинення", "Жалюзі", "В`їзд", "Падіння", "Поява",
// "Проявлення"; any other name (Windows-1251) is none.
Effect effectOf(std::string_view name);

inline constexpr int kTransitionMs = 1;
inline constexpr int kNoEffectTicks = 15;
inline constexpr int kDissolveColumns = 35;
inline constexpr int kDissolveRows = 18;
inline constexpr int kDissolveCells = kDissolveColumns * kDissolveRows;
inline constexpr int kDissolvePerTick = 22;
inline constexpr int kCrossFadeFrames = 99;

// Where the card area is shown.  Positions are in the card area.
class CardScreen {
 public:
  virtual ~CardScreen() = default;
  // What the card area shows now.
  virtual Picture current() const = 0;
  virtual void show(const Picture& picture, Rect part, Point at) = 0;
  // The window shows the screen again.
  virtual void repaint() = 0;
};

struct TransitionLook {
  Effect effect = Effect::None;
  double scaleX = 1, scaleY = 1;
  Pixel frameColour = 0xFF606060u;
  // A card that appears from the background ("Прозорий" backdrop under
  // "Поява", "Жалюзі" or "Розчинення") shows no outline.
  bool outline = true;
};

class Transition {
 public:
  Transition(Scheduler& scheduler, CardScreen& screen, Random& random);
  ~Transition();

  // A new appearance: the card's backdrop (the screen background under
  // the card area), which is also the card's last content until content
  // comes.  The backdrop is made when a transition first needs it, so that
  // a look set at start-up costs the first frame nothing.
  void setLook(const TransitionLook& look, std::function<Picture()> backdrop);

  // Brings `content` (the card area's size, without frame) into the card
  // area.  `followUp` runs once, on the tick after the effect is done.  A
  // transition under way is replaced, and its follow-up dropped.
  void start(Picture content, std::function<void()> followUp = {});
  // Puts `content` in its frame into the card area with no effect, ending
  // a transition under way.
  void showAtOnce(Picture content);
  // The application closes: the transition ends where it is.
  void end();

  // The effect is under way.
  bool running() const { return running_; }
  // The effect, or what waits for it, is still to come.
  bool active() const;
  // Ticks since the start, the follow-up's tick included.
  int ticks() const { return ticks_; }
  // The content in its frame, while the effect brings it in; once it
  // stands on the screen, the screen alone keeps it.
  const Picture& newPicture() const { return new_; }
  // The dissolve's cells: column and row of cell 1..630, at index 0..629.
  const std::vector<Point>& dissolveOrder() const { return order_; }

 private:
  const Picture& backdrop();
  void compose(Picture content);
  void tick();
  void step();
  void done();
  void showWhole(const Picture& p);
  void showMoving(Rect part, Point at, bool torn);
  FrameStyle frameStyle(bool torn) const;

  Scheduler& scheduler_;
  CardScreen& screen_;
  Random& random_;
  std::unique_ptr<Timer> timer_;
  TransitionLook look_;
  std::function<Picture()> makeBackdrop_;  // until the backdrop is made
  Picture backdrop_;
  Picture lastContent_;
  Picture new_;
  Picture source_;  // the old content, when the effect needs its own copy
  const Picture* from_ = &new_;  // what the steps bring in or carry away
  Picture frame_;  // the frame being put together for the screen
  std::vector<Point> order_;
  std::function<void()> followUp_;
  bool running_ = false;
  int ticks_ = 0;
  int x_ = 0, y_ = 0, p_ = 1;
  int appearSteps_ = 0, stepX_ = 0, stepY_ = 0;  // "Поява"
};

}  // namespace ispyt
