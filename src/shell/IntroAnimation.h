#pragma once
// The intro and idle animation of the first screen: a step counter driven
// by a timer of 100 ms (300 ms from step 49); each step draws one prepared
// picture through the stage, and steps 50..57 repeat for as long as the
// program waits for its first user.

#include <memory>

#include "platform/Scheduler.h"

namespace ispyt {

// What the intro draws.  The main window implements it with its pictures.
class IntroStage {
 public:
  virtual ~IntroStage() = default;
  virtual void loadClassLists() = 0;                 // step 1
  virtual void drawTitle(int variant) = 0;           // steps 2, 15, 16, 44, 45
  virtual void drawSidePictureAndLogoStage() = 0;    // step 3 (keeps idle copy 1)
  virtual void keepSecondLogoStage() = 0;            // step 4 (keeps idle copy 2)
  virtual void showPublisherLine() = 0;              // step 5
  virtual void drawLogoFrame(int frame) = 0;         // steps 6..14: frames 0..8
  virtual void releaseLogoFrames() = 0;              // step 15
  virtual void drawCaptionReveal(int characters) = 0;  // steps 19..39: 1..21
  virtual void drawFinishedTitle() = 0;              // step 40
  virtual void releaseTitlePictures() = 0;           // step 42
  virtual void makeMenuAvailable() = 0;              // step 47
  virtual void drawIdle(int copy, int frame) = 0;    // steps 50..57
  virtual void releaseIdleCopies() = 0;              // when the intro is stopped
};

class IntroAnimation {
 public:
  static constexpr int kFirstInterval = 100;
  static constexpr int kIdleInterval = 300;

  IntroAnimation(Scheduler& scheduler, IntroStage& stage);

  // IntroStep := 1; the timer starts when the opening transition ends.
  void reset() { step_ = 1; }
  // Starts the timer when the intro is at its first step (after start-up).
  void startIfAtFirstStep();
  // A click on "Тест" or "Оформлення", or a new appearance: the intro is
  // over for the rest of the run.
  void stopForGood();

  int step() const { return step_; }
  bool running() const { return timer_->isActive(); }
  int interval() const { return timer_->interval(); }

 private:
  void tick();

  IntroStage& stage_;
  std::unique_ptr<Timer> timer_;
  int step_ = 0;
};

}  // namespace ispyt
