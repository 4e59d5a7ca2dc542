#pragma once
// A screen, an end screen and a sound player that only write down what the attempt asks of
// them: the headless runs of ispyt-tool and the engine's tests use it.

#include <string>
#include <vector>

#include "attempt/AttemptEndScreen.h"
#include "attempt/AttemptScreen.h"
#include "attempt/AttemptSounds.h"

namespace ispyt {

class AttemptLog : public AttemptScreen, public AttemptEndScreen, public AttemptSounds {
 public:
  // Every call, as "name" or "name argument" (texts Windows-1251).
  std::vector<std::string> events;
  std::vector<std::string> sounds;
  std::vector<std::string> messages;  // card prompt and end messages
  bool buttonActive = false;
  int tasksShown = 0;
  int lastTaskShown = 0;
  int lastClock = 0;
  double lastAngle = 0;
  bool promptShown = false;
  int closingSteps = 0;
  int closingGrade = 0;

  bool heard(const std::string& sound) const;
  int count(const std::string& event) const;

  void play(const std::string& name) override;
  void showMainButton(bool active) override;
  void showMessage(const std::string& text) override;
  void showTask(int k, bool reviewing) override;
  void layoutTask(int k, bool reviewing) override;
  void showMarks(int k, const Judgement& marks) override;
  void showGapEntry(int k, const GapEntry& entry) override;
  void showGauge() override;
  void repaintOpenPetals() override;
  void showLatePetals(const std::vector<int>& tasks) override;
  void redrawWheel() override;
  void showModeDecor(int mode) override;
  void drawClock(int elapsed, bool running) override;
  void blinkTitle() override;
  void showTestSetTitle() override;
  void drawDiagram(double angle, bool prompt) override;
  void drawClosingStep(int step, int grade) override;
  void attemptClosed() override;

 private:
  void add(std::string event) { events.push_back(std::move(event)); }
};

}  // namespace ispyt
