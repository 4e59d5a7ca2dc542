#pragma once
// An attempt on a virtual clock over a test built in memory: the engine with
// a recording screen, a card that is filled on demand and a result writer
// that notes each call.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "attempt/AttemptEngine.h"
#include "attempt/AttemptLog.h"
#include "attempt/ChoiceJudge.h"
#include "attempt/TaskJudges.h"
#include "platform/ManualScheduler.h"

namespace ispyt {

struct FakeCard : AttemptCard {
  int shown = 0;
  bool filled = false;
  bool name = true;
  void show() override {
    ++shown;
    filled = false;
  }
  bool complete() const override { return filled; }
  bool nameKnown() const override { return name; }
};

struct FileOrder : AttemptAssembly {
  int calls = 0;
  void assemble(Test&, AttemptState&, Settings&) override { ++calls; }
};

struct RecordingResults : ResultWriter {
  std::vector<std::string> calls;
  int gradeValue = 0;
  void evaluateExam(const std::string& code) override { calls.push_back("exam " + code); }
  void writeResults() override { calls.push_back("write"); }
  int grade() const override { return gradeValue; }
  std::string gradeSound() const override {
    return gradeValue ? std::to_string(gradeValue) : "Last";
  }
  void sendResult() override { calls.push_back("send"); }
  void closeNetwork() override { calls.push_back("close"); }
};

// Option 1 is correct ("r1"), the others are not.
inline Task singleChoice(int options = 4) {
  Task t;
  t.type = TaskType::SingleChoice;
  t.itemCount = options;
  for (int j = 1; j <= options; ++j) {
    t.items[j] = (j == 1 ? "r" : "w") + std::to_string(j);
    t.itemLetters[j] = static_cast<char>('A' + j - 1);
  }
  t.correctTexts[1] = t.items[1];
  t.elementCount = 1;
  return t;
}

// Options 1 and 2 of 4 are correct: two elements.
inline Task multipleChoice() {
  Task t = singleChoice(4);
  t.type = TaskType::MultipleChoice;
  t.items[2] = "r2";
  t.correctTexts[2] = t.items[2];
  t.correctCount = t.elementCount = 2;
  return t;
}

class AttemptFixture : public ::testing::Test {
 protected:
  ManualScheduler scheduler;
  Random random{7};
  // The pieces of the workstation an attempt works on.
  struct {
    Settings settings;
    OpenTestState openTest;
    DecorSettings decor;
  } ws;
  ispyt::Test test;
  AttemptState state;
  AttemptLog log;
  ChoiceJudge choice;
  TaskJudges judges;
  FakeCard card;
  FileOrder assembly;
  RecordingResults results;
  StudentCard student;
  std::unique_ptr<AttemptEngine> engine;

  AttemptFixture() {
    judges.add(choice);
    ws.settings.personalise = false;
    ws.settings.timeLimitMinutes = 1;
    ws.openTest.currentTestPath = "/base/set/test";
    ws.openTest.attemptCode = "B123";
    engine = std::make_unique<AttemptEngine>(AttemptContext{
        ws.settings, ws.openTest, ws.decor, test, state, scheduler, random, log, log, log, judges,
        card, assembly, results, student});
  }

  void useTasks(const std::vector<Task>& tasks) {
    test.reset();
    test.title = "t";
    test.taskCount = static_cast<int>(tasks.size());
    for (size_t i = 0; i < tasks.size(); ++i) test.task(static_cast<int>(i) + 1) = tasks[i];
    ws.openTest.testLoaded = true;
  }

  void start(int mode, int tasks = 3, Task task = singleChoice()) {
    ws.settings.mode = mode;
    engine->testOpened();
    useTasks(std::vector<Task>(tasks, task));
    engine->mainButton();
    scheduler.advance(kStartDelayMs);
    settle();
  }

  // The screen transition of the task just shown ends.
  void settle() {
    if (engine->transitionRunning()) engine->transitionEnded();
  }

  // Picks the options and presses the main button; in a feedback pause the
  // button is pressed once more to move on.
  void answer(std::initializer_list<int> options) {
    for (int j : options) engine->optionClicked(j);
    engine->mainButton();
    scheduler.advance(kSubmitDelayMs);
    if (engine->phase() == AttemptPhase::Feedback) engine->mainButton();
    settle();
  }

  // Virtual seconds on the attempt clock.
  void waitSeconds(int seconds) {
    scheduler.advance(seconds * 1000LL);
    settle();
  }

  void waitForDiagramPrompt() {
    while (!engine->diagramPromptShown()) scheduler.advance(kDiagramMs);
  }

  std::string lastMessage() const { return log.messages.empty() ? "" : log.messages.back(); }
};

}  // namespace ispyt
