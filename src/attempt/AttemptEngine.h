#pragma once
// The flow of one attempt: from the main button on the title screen through
// the card and the tasks to one of the four end messages, the result
// diagram, the hand-over to grading and result files, the closing animation
// and the review.  Every timer runs on the scheduler; what is shown, heard,
// judged and written goes through the seams of the context.

#include <array>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>

#include "attempt/AttemptAssembly.h"
#include "attempt/AttemptCard.h"
#include "attempt/AttemptEndScreen.h"
#include "attempt/AttemptJournal.h"
#include "attempt/AttemptScreen.h"
#include "attempt/AttemptSounds.h"
#include "attempt/AttemptState.h"
#include "attempt/PresentationKeys.h"
#include "attempt/ResultWriter.h"
#include "attempt/TaskJudge.h"
#include "content/OpenTestState.h"
#include "content/Settings.h"
#include "content/Test.h"
#include "platform/Random.h"
#include "platform/Scheduler.h"
#include "presentation/DecorSettings.h"

namespace ispyt {

struct AttemptContext {
  Settings& settings;  // a test paper's weights are reloaded with its test
  // Its folder and code; after the end no test is open.
  OpenTestState& openTest;
  const DecorSettings& decor;  // the effect sets the pause between free moves
  Test& test;
  AttemptState& state;
  Scheduler& scheduler;
  Random& random;
  AttemptScreen& screen;
  AttemptEndScreen& endScreen;
  AttemptSounds& sounds;
  TaskJudge& judge;
  AttemptCard& card;
  AttemptAssembly& assembly;
  ResultWriter& results;
  StudentCard& student;  // as the card left it; journalled with the run
  AttemptJournal* journal = nullptr;  // none: the attempt cannot be rebuilt
};

// Where the attempt stands.
enum class AttemptPhase {
  Idle,        // no attempt: the title screen, or the main menu
  Starting,    // the main button was pressed; the start timer runs
  Card,        // the registration card is shown
  Task,        // a task is shown (its transition may still run)
  Submitting,  // the main button was pressed; the submit timer runs
  Feedback,    // the correct answer is shown; the main button moves on
  Hint,        // mode 0: a hint shows the answer; the main button goes on
  Ended,       // an end message and the result diagram
  Closing,     // the closing animation
  Closed,      // after the end: review is possible
};

// The design timings.
inline constexpr int kStartDelayMs = 1;
inline constexpr int kSubmitDelayMs = 200;
inline constexpr int kClockMs = 1000;
inline constexpr int kDiagramMs = 50;
inline constexpr int kClosingMs = 10;
inline constexpr int kClosingSteps = 69;
// Hints an opening of a test gives in mode 0.
inline constexpr int kMaxHints = 2;

// The seconds that must pass between two free moves under an effect.
int effectPause(const std::string& effect);

// The end message of each end (Windows-1251).
std::string endMessage(AttemptEnd end);
std::string diagramPrompt();  // "Натисніть -->"

class AttemptEngine {
 public:
  explicit AttemptEngine(const AttemptContext& context);
  ~AttemptEngine();

  // Events from the screen.
  void mainButton();
  void transitionEnded();
  void optionClicked(int option);
  // Input other than option clicks, taken only by a task of its type, only
  // while the clock runs and no hint is shown, never in review.
  void fieldEdited(int field, const std::string& text);    // DirectInput
  void letterChosen(int item, const std::string& letter);  // Matching; empty: none
  void blankChosen(int blank, const std::string& text);    // Completion; empty: none
  // Restoration: a palette key, or a character typed on the keyboard when
  // the workstation allows typing; Backspace enters kGapBackspace.
  void gapCharacter(char c);
  void petalClicked(int position);
  // The mode sign beside the wheel: a hint (mode 0) or a give-up (modes 1,
  // 2, 4) during an attempt, the next task in review after the end.
  void modeSign();
  // A click in the button band of the task area (ends the diagram).
  void bandClicked();
  // "Вихід": breaks off an attempt under way (" Тест перервано"); false
  // when there is none, so the exit goes on as usual.
  bool breakOff();
  // A test was opened: whatever was left of the last attempt is dropped.
  void testOpened();
  // Rebuilds the attempt a journal holds, on the test opened as the journal
  // says: the run begun again and every step taken as it came, then the
  // attempt goes on from there (with the time it had used, the clock in
  // the phase it had).  Nothing is heard while it is rebuilt.
  void resume(const JournalReading& journal);
  // A note of a tool's in the journal of the run (a headless run marks the
  // script steps it has done); the engine passes over it when replaying.
  void note(const std::string& text) { log(JournalStepKind::Mark, {text}); }

  // The steps of the flow.
  void StartAttempt();
  void SubmitAnswer();
  void ShowTask(int k);
  int NextTask(int k) const;
  void ClockTick();

  AttemptPhase phase() const { return phase_; }
  bool transitionRunning() const { return transitionRunning_; }
  bool clockRunning() const;
  bool diagramPromptShown() const { return promptShown_; }
  double diagramAngle() const { return angle_; }
  // Whether a petal click would move now (for the pointer's shape).
  bool freeMoveAllowed() const;
  // The finished attempt may be looked through.
  bool reviewAllowed() const;
  // Restoration: the gap of the current task now waiting for a character
  // (its gap count + 1 once all are done); 0 when no Restoration is shown.
  int currentGap() const;
  // What the presentation keys (F5..F10, Left, Right) act on now.
  KeyContext presentationContext() const;

 private:
  void beginRun();
  void startTimerFired();
  // Writes an input or a fired timer into the journal of the run.
  void log(JournalStepKind kind, std::vector<std::string> args = {});
  void replay(const JournalStep& step);
  void sound(const std::string& name);
  bool reloadTest();
  void finish(AttemptEnd end, const char* sound);
  void timeOver();
  void diagramTick();
  void handOver();
  void closingTick();
  void stopAttemptTimers();
  void setButton(bool active);
  void submitOrGiveUp(bool givenUp);
  void moveOn();
  void giveHint();
  // The current task when it is a task of `type` that takes input now.
  const Task* inputTask(TaskType type) const;
  void answerChanged(bool ready);
  void gapTaken(const GapEntry& entry);
  bool mode(std::initializer_list<int> modes) const;

  AttemptContext c_;
  AttemptPhase phase_ = AttemptPhase::Idle;
  bool repeat_ = false;  // mode 3: the next start is a repeat of a failed run
  // The test's weights in file order, as the first run found them.
  std::array<int, kMaxTasks + 1> fileWeights_{};
  bool transitionRunning_ = false;
  double angle_ = 0;
  int diagramSteps_ = 0;
  bool promptShown_ = false;
  int gapsReached_ = 0;  // moves of the gap pointer since the task was laid out
  int closingStep_ = 0;
  int closingGrade_ = 0;
  std::string effect_;  // the transition effect of the run, which times free moves
  bool journaling_ = false;
  bool replaying_ = false;
  long long runStartMs_ = 0;
  std::optional<bool> replayedCard_;  // the card as the journal says it was
  bool clockRephased_ = false;        // the clock's first tick after a resume is short
  std::unique_ptr<Timer> startTimer_;
  std::unique_ptr<Timer> submitTimer_;
  std::unique_ptr<Timer> clock_;
  std::unique_ptr<Timer> diagram_;
  std::unique_ptr<Timer> closing_;
};

}  // namespace ispyt
