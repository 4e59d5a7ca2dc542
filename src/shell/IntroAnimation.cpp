#include "shell/IntroAnimation.h"

namespace ispyt {

IntroAnimation::IntroAnimation(Scheduler& scheduler, IntroStage& stage)
    : stage_(stage), timer_(scheduler.createTimer([this] { tick(); })) {
  timer_->setInterval(kFirstInterval);
}

void IntroAnimation::startIfAtFirstStep() {
  if (step_ != 1) return;
  timer_->setInterval(kFirstInterval);
  timer_->start();
}

void IntroAnimation::stopForGood() {
  timer_->stop();
  stage_.releaseIdleCopies();
  step_ = 10;
}

void IntroAnimation::tick() {
  const int s = step_;
  if (s == 1) {
    stage_.loadClassLists();
  } else if (s == 2) {
    stage_.drawTitle(1);
  } else if (s == 3) {
    // The reveal effect draws for a while; the intro waits for it.
    timer_->stop();
    stage_.drawSidePictureAndLogoStage();
    timer_->start();
  } else if (s == 4) {
    stage_.keepSecondLogoStage();
  } else if (s == 5) {
    stage_.showPublisherLine();
  } else if (s >= 6 && s <= 14) {
    stage_.drawLogoFrame(s - 6);
  } else if (s == 15) {
    stage_.releaseLogoFrames();
    stage_.drawTitle(4);
  } else if (s == 16) {
    stage_.drawTitle(5);
  } else if (s >= 19 && s <= 39) {
    stage_.drawCaptionReveal(s - 18);
  } else if (s == 40) {
    stage_.drawFinishedTitle();
  } else if (s == 42) {
    stage_.releaseTitlePictures();
  } else if (s == 44) {
    stage_.drawTitle(2);
  } else if (s == 45) {
    stage_.drawTitle(3);
  } else if (s == 47) {
    stage_.makeMenuAvailable();
  } else if (s == 49) {
    timer_->setInterval(kIdleInterval);
  } else if (s >= 50 && s <= 57) {
    if (s % 2 == 0)
      stage_.drawIdle(1, 2);
    else
      stage_.drawIdle(2, 3);
  }
  // A handler may have stopped the intro for good (step 10 then stands).
  if (step_ != s) return;
  step_ = s == 57 ? 50 : s + 1;
}

}  // namespace ispyt
