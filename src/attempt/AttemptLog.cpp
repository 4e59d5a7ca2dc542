#include "attempt/AttemptLog.h"

#include <algorithm>

namespace ispyt {

bool AttemptLog::heard(const std::string& sound) const {
  return std::find(sounds.begin(), sounds.end(), sound) != sounds.end();
}

int AttemptLog::count(const std::string& event) const {
  return static_cast<int>(std::count(events.begin(), events.end(), event));
}

void AttemptLog::play(const std::string& name) {
  sounds.push_back(name);
  add("sound " + name);
}

void AttemptLog::showMainButton(bool active) {
  buttonActive = active;
  add(active ? "button active" : "button inactive");
}

void AttemptLog::showMessage(const std::string& text) {
  messages.push_back(text);
  add("message " + text);
}

void AttemptLog::showTask(int k, bool reviewing) {
  ++tasksShown;
  lastTaskShown = k;
  add((reviewing ? "review " : "task ") + std::to_string(k));
}

void AttemptLog::layoutTask(int k, bool reviewing) { add("layout " + std::to_string(k)); }
void AttemptLog::showMarks(int k, const Judgement&) { add("marks " + std::to_string(k)); }
void AttemptLog::showGapEntry(int k, const GapEntry& entry) {
  add("gap " + std::to_string(k) + " " + std::to_string(entry.gap) +
      (entry.right ? " right" : " wrong"));
}
void AttemptLog::showGauge() { add("gauge"); }
void AttemptLog::repaintOpenPetals() { add("petals"); }

void AttemptLog::showLatePetals(const std::vector<int>& tasks) {
  std::string e = "late";
  for (int k : tasks) e += " " + std::to_string(k);
  add(e);
}

void AttemptLog::redrawWheel() { add("wheel"); }
void AttemptLog::showModeDecor(int mode) { add("decor " + std::to_string(mode)); }
void AttemptLog::drawClock(int elapsed, bool running) {
  lastClock = elapsed;
  if (!running) add("clock stopped");
}
void AttemptLog::blinkTitle() {}
void AttemptLog::showTestSetTitle() { add("test set title"); }

void AttemptLog::drawDiagram(double angle, bool prompt) {
  lastAngle = angle;
  if (prompt && !promptShown) add("diagram prompt");
  promptShown = prompt;
}

void AttemptLog::drawClosingStep(int step, int grade) {
  closingSteps = step;
  closingGrade = grade;
}

void AttemptLog::attemptClosed() { add("closed"); }

}  // namespace ispyt
