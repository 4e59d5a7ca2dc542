#pragma once
// What the attempt shows: the main button, the task area, the wheel, the
// clock face and the gauge.  The main window
// implements it; headless runs record it.  Texts are Windows-1251.

#include <string>
#include <vector>

#include "attempt/TaskJudge.h"

namespace ispyt {

class AttemptScreen {
 public:
  virtual ~AttemptScreen() = default;

  virtual void showMainButton(bool active) = 0;
  // A text drawn into the task area through the renderer: the card prompt
  // and the end messages.
  virtual void showMessage(const std::string& text) = 0;
  // The question of the task at wheel position k is drawn and the screen
  // transition starts; the screen calls AttemptEngine::transitionEnded when
  // it is over.
  virtual void showTask(int k, bool reviewing) = 0;
  // The answer controls of task k; in review they show the recorded answer.
  virtual void layoutTask(int k, bool reviewing) = 0;
  // The option marks of task k changed (picked, or judged).
  virtual void showMarks(int k, const Judgement& marks) = 0;
  // Restoration: a character went into a gap of task k (drawn in its mark's
  // colour; in mode 0 a wrong one makes the expected character blink); the
  // gap pointer moves on to RestorationJudge::currentGap.
  virtual void showGapEntry(int /*k*/, const GapEntry& /*entry*/) {}
  virtual void showGauge() = 0;
  // The petals of the tasks not done; `late` fills the given ones light
  // blue (the last ten seconds).
  virtual void repaintOpenPetals() = 0;
  virtual void showLatePetals(const std::vector<int>& tasks) = 0;
  virtual void redrawWheel() = 0;
  virtual void showModeDecor(int mode) = 0;
  virtual void drawClock(int elapsed, bool running) = 0;
  // The title label's blink between blue and navy, once a second.
  virtual void blinkTitle() = 0;
  virtual void showTestSetTitle() = 0;
  // The attempt is over: "Тест" in the menu is available again.
  virtual void attemptClosed() = 0;
};

}  // namespace ispyt
