#include "attempt/AttemptEngine.h"

#include <algorithm>
#include <cstdlib>
#include <numbers>

#include "attempt/AssembleAttempt.h"
#include "attempt/CardGate.h"
#include "attempt/RestorationJudge.h"
#include "content/LoadTest.h"
#include "platform/Cp1251.h"
#include "platform/Paths.h"

namespace ispyt {
namespace {

constexpr double kPi = std::numbers::pi;

// The diagram's angle counted in steps of pi/16: 2 pi is 32 of them, 1.8 pi
// 28.8, and the prompt comes once the angle passes 6 pi (96).
constexpr double kDiagramStart = 32.0;
constexpr double kExamDiagramStart = 28.8;
constexpr double kDiagramPromptPast = 96.0;
constexpr int kDiagramSoundStep = 8;

}  // namespace

int effectPause(const std::string& effect) {
  if (effect == cp1251("Проявлення")) return 3;
  if (effect == cp1251("Падіння") || effect == cp1251("В`їзд")) return 2;
  return 1;
}

std::string endMessage(AttemptEnd end) {
  switch (end) {
    case AttemptEnd::Failed:
      return cp1251("Спроба невдала");
    case AttemptEnd::BrokenOff:
      return cp1251(" Тест перервано");
    case AttemptEnd::Finished:
      return cp1251(" Тест завершено");
    case AttemptEnd::TimeOver:
      return cp1251("Час закінчено");
    case AttemptEnd::None:
      break;
  }
  return {};
}

std::string diagramPrompt() { return cp1251("Натисніть -->"); }

AttemptEngine::AttemptEngine(const AttemptContext& context) : c_(context) {
  startTimer_ = c_.scheduler.createTimer([this] {
    log(JournalStepKind::Start);
    startTimerFired();
  });
  startTimer_->setSingleShot(true);
  submitTimer_ = c_.scheduler.createTimer([this] {
    log(JournalStepKind::Submit);
    SubmitAnswer();
  });
  submitTimer_->setSingleShot(true);
  clock_ = c_.scheduler.createTimer([this] {
    log(JournalStepKind::Tick);
    ClockTick();
  });
  diagram_ = c_.scheduler.createTimer([this] {
    log(JournalStepKind::Diagram);
    diagramTick();
  });
  closing_ = c_.scheduler.createTimer([this] { closingTick(); });
}

AttemptEngine::~AttemptEngine() = default;

void AttemptEngine::startTimerFired() {
  if (c_.settings.personalise) {
    c_.screen.showMessage(cardPrompt());
    sound(kCardPromptSound);
    phase_ = AttemptPhase::Card;
    c_.card.show();
  } else {
    beginRun();
  }
}

void AttemptEngine::sound(const std::string& name) {
  if (!replaying_) c_.sounds.play(name);
}

void AttemptEngine::log(JournalStepKind kind, std::vector<std::string> args) {
  if (!journaling_ || replaying_ || !c_.journal) return;
  c_.journal->step({c_.scheduler.nowMs() - runStartMs_, kind, std::move(args)});
}

bool AttemptEngine::clockRunning() const { return clock_->isActive(); }

bool AttemptEngine::mode(std::initializer_list<int> modes) const {
  return std::find(modes.begin(), modes.end(), c_.state.mode) != modes.end();
}

void AttemptEngine::setButton(bool active) {
  c_.state.buttonActive = active;
  c_.screen.showMainButton(active);
}

void AttemptEngine::testOpened() {
  stopAttemptTimers();
  diagram_->stop();
  closing_->stop();
  transitionRunning_ = false;
  repeat_ = false;
  c_.state.reviewing = false;
  c_.state.hintsUsed = 0;
  phase_ = AttemptPhase::Idle;
}

// ---- rebuilding an attempt ---------------------------------------------------

void AttemptEngine::resume(const JournalReading& journal) {
  const JournalStart& start = journal.start;
  testOpened();
  replaying_ = true;
  c_.settings = start.settings;
  c_.student = start.card;
  c_.openTest.attemptCode = start.attemptCode;
  c_.random.setState(start.runState);
  effect_ = start.effect;
  beginRun();
  long long last = 0;
  long long lastTick = 0;
  for (const JournalStep& step : journal.steps) {
    replay(step);
    last = step.atMs;
    if (step.kind == JournalStepKind::Tick) lastTick = step.atMs;
  }
  replaying_ = false;
  // Time goes on from the journal's last step, the clock in its phase.
  runStartMs_ = c_.scheduler.nowMs() - last;
  journaling_ = c_.journal != nullptr;
  if (clock_->isActive()) {
    const long long sinceTick = (last - lastTick) % kClockMs;
    clock_->start(static_cast<int>(kClockMs - sinceTick));
    clockRephased_ = sinceTick != 0;
  }
}

void AttemptEngine::replay(const JournalStep& step) {
  using Kind = JournalStepKind;
  switch (step.kind) {
    case Kind::Button:
      if (phase_ == AttemptPhase::Card) replayedCard_ = step.number() == 1;
      mainButton();
      replayedCard_.reset();
      break;
    case Kind::Transition:
      transitionEnded();
      break;
    case Kind::Option:
      optionClicked(step.number());
      break;
    case Kind::Field:
      fieldEdited(step.number(), step.args.size() > 1 ? step.args[1] : std::string());
      break;
    case Kind::Letter:
      letterChosen(step.number(), step.args.size() > 1 ? step.args[1] : std::string());
      break;
    case Kind::Blank:
      blankChosen(step.number(), step.args.size() > 1 ? step.args[1] : std::string());
      break;
    case Kind::Gap:
      if (!step.args.empty() && !step.args[0].empty()) gapCharacter(step.args[0][0]);
      break;
    case Kind::Petal:
      petalClicked(step.number());
      break;
    case Kind::Sign:
      modeSign();
      break;
    case Kind::Band:
      bandClicked();
      break;
    case Kind::BreakOff:
      breakOff();
      break;
    // A timer's step fires it as the scheduler would: a one-shot timer
    // stops before its handler.
    case Kind::Start:
      startTimer_->stop();
      startTimerFired();
      break;
    case Kind::Submit:
      submitTimer_->stop();
      SubmitAnswer();
      break;
    case Kind::Tick:
      if (clock_->isActive()) ClockTick();
      break;
    case Kind::Diagram:
      if (diagram_->isActive()) diagramTick();
      break;
    case Kind::Mark:
      break;
  }
}

// ---- the main button -------------------------------------------------------

void AttemptEngine::mainButton() {
  AttemptState& s = c_.state;
  // On the card the button asks the card, which a rebuilt attempt cannot:
  // the journal keeps its answer.
  const bool cardComplete =
      phase_ == AttemptPhase::Card && (replayedCard_ ? *replayedCard_ : c_.card.complete());
  if (phase_ == AttemptPhase::Card)
    log(JournalStepKind::Button, {cardComplete ? "1" : "0"});
  else
    log(JournalStepKind::Button);
  switch (phase_) {
    case AttemptPhase::Idle:
    case AttemptPhase::Closed:
      if (c_.openTest.testLoaded && !transitionRunning_) StartAttempt();
      break;
    case AttemptPhase::Card:
      if (cardComplete) {
        beginRun();
      } else {
        sound(kCardPromptSound);
        c_.screen.showMessage(cardPrompt());
      }
      break;
    case AttemptPhase::Task:
      if (s.answerReady && !transitionRunning_) {
        setButton(false);
        phase_ = AttemptPhase::Submitting;
        submitTimer_->start(kSubmitDelayMs);
      }
      break;
    case AttemptPhase::Feedback:
      for (int k = 1; k <= kMaxTasks; ++k) {
        s.task(k).chosen = {};
        s.task(k).hintMarks = {};
      }
      s.feedbackPause = false;
      setButton(false);
      moveOn();
      break;
    case AttemptPhase::Hint:
      s.task(s.currentTask).hintMarks = {};
      setButton(false);
      ShowTask(s.currentTask);
      break;
    case AttemptPhase::Ended:
      if (s.end == AttemptEnd::Failed) {
        diagram_->stop();
        repeat_ = true;
        StartAttempt();
      }
      break;
    case AttemptPhase::Starting:
    case AttemptPhase::Submitting:
    case AttemptPhase::Closing:
      break;
  }
}

void AttemptEngine::StartAttempt() {
  setButton(false);
  c_.state.reviewing = false;
  phase_ = AttemptPhase::Starting;
  startTimer_->start(kStartDelayMs);
}

void AttemptEngine::beginRun() {
  AttemptState& s = c_.state;
  Settings& settings = c_.settings;
  if (!repeat_) {
    s.mode = std::clamp(settings.mode, 0, static_cast<int>(kModeMonitoring));
    s.timeLimit = settings.timeLimitMinutes;
    s.taskCount = c_.test.taskCount;
    s.elapsed = 0;
    s.lastMoveAt = 0;
    s.pauseAt = -1;
    s.resetTaskTables();
    s.tasksDone = 0;
    s.bestInExam = 0;
    s.pass = s.mode == kModeExam ? 1 : 0;
    s.timeOver = false;
    s.focusLosses.clear();
    fileWeights_ = settings.taskWeights;
    clock_->start(kClockMs);
    if (!replaying_) {
      effect_ = c_.decor.effect;
      runStartMs_ = c_.scheduler.nowMs();
      journaling_ = c_.journal != nullptr;
      if (journaling_)
        c_.journal->begin({c_.openTest.testFolder, c_.openTest.testName, c_.openTest.fileCheck,
                           c_.openTest.attemptCode, effect_, settings, c_.student,
                           c_.openTest.shuffleState, c_.random.state()});
    }
  }
  bool assemble = true;
  if (repeat_) {
    assemble = reloadTest();
    s.bestInExam = std::max(s.bestInExam, s.elementsJudged - s.wrongElements);
    ++s.pass;
    c_.screen.redrawWheel();
  }
  repeat_ = false;
  s.running = true;
  s.freeMovesAllowed = true;
  s.feedbackPause = false;
  s.end = AttemptEnd::None;
  if (assemble) c_.assembly.assemble(c_.test, s, settings);
  c_.endScreen.attemptStarted();
  s.currentTask = 1;
  s.elementsJudged = 0;
  s.wrongElements = 0;
  s.answerReady = false;
  ShowTask(1);
}

// A fresh option order for the next run, in file order again, with the
// weights back in file order for the assembly to arrange anew.  A file that
// has gone or broken since the test was opened leaves the test, its order
// and the weights as they were, so the run can go on; returns whether the
// test was read again.
bool AttemptEngine::reloadTest() {
  AttemptState& s = c_.state;
  Test fresh;
  LoadResult loaded =
      LoadTest(locate(c_.openTest.testFolder, "test.txt"), fresh, c_.random);
  const auto order = s.displayOrder;
  s.resetTaskTables();
  if (loaded.value <= 1) {
    s.displayOrder = order;
    return false;
  }
  c_.test = std::move(fresh);
  s.taskCount = c_.test.taskCount;
  c_.settings.taskWeights = fileWeights_;
  return true;
}

// ---- showing tasks and ending ---------------------------------------------

void AttemptEngine::ShowTask(int k) {
  AttemptState& s = c_.state;
  if (k >= 1 && k <= kMaxTasks) {
    s.task(k).chosen = {};
    s.task(k).hintMarks = {};
  }
  // A break-off ends the attempt whatever the time, so that its mark is
  // never mixed into the counts of a time-out.
  if (s.wrongElements == kBrokenOff) {
    s.freeMovesAllowed = false;
    s.currentTask = 1;
    s.answerReady = false;
    s.running = false;
    finish(AttemptEnd::BrokenOff, "Break");
    return;
  }
  if (s.elapsed > s.timeLimit * 60 - 4 && !s.reviewing) {
    timeOver();
    return;
  }
  if (s.mode == kModeExam && s.wrongElements > 0) {
    s.answerReady = false;
    finish(AttemptEnd::Failed, "Return");
    return;
  }
  if (k > s.taskCount) {
    c_.openTest.testLoaded = false;
    s.running = false;
    clock_->stop();
    s.tasksDone = s.currentTask - 1;
    finish(AttemptEnd::Finished, "test");
    return;
  }
  if (s.currentTask == 1) sound("Home");
  if (!s.reviewing) phase_ = AttemptPhase::Task;
  s.answerReady = false;
  transitionRunning_ = true;
  c_.screen.showTask(k, s.reviewing);
}

void AttemptEngine::timeOver() {
  AttemptState& s = c_.state;
  s.running = false;
  clock_->stop();
  c_.openTest.testLoaded = false;
  s.timeOver = true;
  s.answerReady = false;
  if (s.mode == kModeExam) {
    s.tasksDone = std::max(s.tasksDone, s.currentTask - 1);
  } else {
    s.tasksDone = s.doneCount();
    // Every task left unanswered counts whole.
    for (int k = 1; k <= s.taskCount; ++k) {
      TaskRecord& r = s.task(k);
      if (r.countsDone()) continue;
      const int elements = c_.test.task(k).elementCount;
      s.wrongElements += elements;
      s.elementsJudged += elements;
      r.wrongCount = elements;
    }
  }
  finish(AttemptEnd::TimeOver, "time");
}

void AttemptEngine::finish(AttemptEnd end, const char* sound) {
  AttemptState& s = c_.state;
  submitTimer_->stop();
  transitionRunning_ = false;
  this->sound(sound);
  s.end = end;
  phase_ = AttemptPhase::Ended;
  // Only a failed exam run goes on from the main button (a repeat).
  setButton(end == AttemptEnd::Failed);
  c_.screen.showMessage(endMessage(end));
  c_.screen.showTestSetTitle();

  diagramSteps_ = 0;
  promptShown_ = false;
  angle_ = (s.mode == kModeExam ? kExamDiagramStart : kDiagramStart) * kPi / 16;
  c_.endScreen.drawDiagram(angle_, false);
  diagram_->start(kDiagramMs);
}

void AttemptEngine::transitionEnded() {
  if (!transitionRunning_) return;
  log(JournalStepKind::Transition);
  transitionRunning_ = false;
  gapsReached_ = 0;
  AttemptState& s = c_.state;
  const int k = s.currentTask;
  if (!s.reviewing) {
    const Task& task = c_.test.task(k);
    const bool ready = c_.judge.handles(task.type) && c_.judge.laidOut(task, s.task(k));
    s.answerReady = ready;
    setButton(ready);
  }
  c_.screen.layoutTask(k, s.reviewing);
}

// ---- answering -------------------------------------------------------------

void AttemptEngine::optionClicked(int option) {
  log(JournalStepKind::Option, {std::to_string(option)});
  AttemptState& s = c_.state;
  if (phase_ != AttemptPhase::Task || transitionRunning_ || !s.running) return;
  const int k = s.currentTask;
  const Task& task = c_.test.task(k);
  // A Restoration takes characters only (gapCharacter).
  if (!c_.judge.handles(task.type) || task.type == TaskType::Restoration || option < 1 ||
      option > task.itemCount)
    return;
  answerChanged(c_.judge.optionClicked(task, s.task(k), option));
}

const Task* AttemptEngine::inputTask(TaskType type) const {
  const AttemptState& s = c_.state;
  if (phase_ != AttemptPhase::Task || transitionRunning_ || !s.running || s.reviewing ||
      !clockRunning() || s.currentTask < 1 || s.currentTask > s.taskCount)
    return nullptr;
  const Task& task = c_.test.task(s.currentTask);
  return task.type == type && c_.judge.handles(type) ? &task : nullptr;
}

// The answer of the current task changed: its readiness drives the main
// button, and the screen redraws what is picked.
void AttemptEngine::answerChanged(bool ready) {
  AttemptState& s = c_.state;
  const int k = s.currentTask;
  s.answerReady = ready;
  setButton(ready);
  Judgement picked;
  for (int j = 1; j <= kMaxItems; ++j)
    if (s.task(k).chosen[j]) picked.marks[j] = Feedback::Picked;
  c_.screen.showMarks(k, picked);
}

void AttemptEngine::fieldEdited(int field, const std::string& text) {
  log(JournalStepKind::Field, {std::to_string(field), text});
  if (const Task* task = inputTask(TaskType::DirectInput))
    answerChanged(c_.judge.fieldChanged(*task, c_.state.task(c_.state.currentTask), field, text));
}

void AttemptEngine::letterChosen(int item, const std::string& letter) {
  log(JournalStepKind::Letter, {std::to_string(item), letter});
  if (const Task* task = inputTask(TaskType::Matching))
    answerChanged(c_.judge.letterChosen(*task, c_.state.task(c_.state.currentTask), item, letter));
}

void AttemptEngine::blankChosen(int blank, const std::string& text) {
  log(JournalStepKind::Blank, {std::to_string(blank), text});
  if (const Task* task = inputTask(TaskType::Completion))
    answerChanged(c_.judge.blankChosen(*task, c_.state.task(c_.state.currentTask), blank, text));
}

void AttemptEngine::gapCharacter(char c) {
  log(JournalStepKind::Gap, {std::string(1, c)});
  AttemptState& s = c_.state;
  if (const Task* task = inputTask(TaskType::Restoration))
    gapTaken(c_.judge.characterEntered(*task, s.task(s.currentTask), s, c));
}

// In mode 3 a wrong character completes the task at once (the run then
// fails); otherwise the task is ready once every gap is done.
void AttemptEngine::gapTaken(const GapEntry& entry) {
  if (!entry.taken) return;
  c_.screen.showGapEntry(c_.state.currentTask, entry);
  if (currentGap() != entry.gap) ++gapsReached_;
  if (entry.failed) {
    setButton(false);
    phase_ = AttemptPhase::Submitting;
    SubmitAnswer();
    return;
  }
  answerChanged(entry.ready);
}

KeyContext AttemptEngine::presentationContext() const {
  const AttemptState& s = c_.state;
  KeyContext context;
  if (!clockRunning() || s.currentTask < 1 || s.currentTask > s.taskCount) return context;
  context.active = true;
  context.type = c_.test.task(s.currentTask).type;
  const TaskRecord& record = s.task(s.currentTask);
  context.optionChosen =
      std::any_of(record.chosen.begin(), record.chosen.end(), [](bool chosen) { return chosen; });
  context.gapCounter = gapsReached_;
  return context;
}

int AttemptEngine::currentGap() const {
  const AttemptState& s = c_.state;
  if (s.currentTask < 1 || s.currentTask > s.taskCount) return 0;
  const Task& task = c_.test.task(s.currentTask);
  if (task.type != TaskType::Restoration) return 0;
  return RestorationJudge::currentGap(task, s.task(s.currentTask), s.mode);
}

void AttemptEngine::SubmitAnswer() { submitOrGiveUp(false); }

void AttemptEngine::submitOrGiveUp(bool givenUp) {
  AttemptState& s = c_.state;
  submitTimer_->stop();
  if (s.currentTask < 1 || s.currentTask > s.taskCount) return;
  const int k = s.currentTask;
  const Task& task = c_.test.task(k);
  TaskRecord& record = s.task(k);
  sound("Next");
  record.done = true;
  const int before = s.elementsJudged;
  Judgement marks;
  if (!givenUp) marks = c_.judge.judge(task, record, s);
  record.judgedElements += s.elementsJudged - before;
  c_.screen.showMarks(k, marks);
  c_.screen.showGauge();
  if (s.mode == kModeTraining && c_.settings.delay) s.feedbackPause = true;
  if (s.feedbackPause) {
    phase_ = AttemptPhase::Feedback;
    setButton(true);
  } else {
    moveOn();
  }
}

void AttemptEngine::moveOn() {
  AttemptState& s = c_.state;
  s.currentTask = NextTask(s.currentTask);
  ShowTask(s.currentTask);
}

int AttemptEngine::NextTask(int k) const {
  const AttemptState& s = c_.state;
  if (k < s.taskCount && !s.task(k + 1).countsDone()) return k + 1;
  if (s.allDone()) return s.taskCount + 1;
  for (int i = 1; i <= s.taskCount; ++i)
    if (!s.task(i).countsDone()) return i;
  return s.taskCount + 1;
}

void AttemptEngine::modeSign() {
  log(JournalStepKind::Sign);
  AttemptState& s = c_.state;
  if (phase_ == AttemptPhase::Task && !s.reviewing && s.mode == kModeHint) {
    giveHint();
    return;
  }
  if (phase_ == AttemptPhase::Task && !s.reviewing) {
    if (!mode({kModeTraining, kModeTestPaper, kModeMonitoring}) || !clockRunning() ||
        s.answerReady || transitionRunning_)
      return;
    const int k = s.currentTask;
    const Task& task = c_.test.task(k);
    if (!c_.judge.handles(task.type)) return;
    const int before = s.elementsJudged;
    GiveUpOutcome outcome = c_.judge.giveUp(task, s.task(k), s);
    // A Restoration gap took a wrong character; the task stays.
    if (outcome == GiveUpOutcome::Continues)
      gapTaken(RestorationJudge::lastEntry(task, s.task(k), s.mode));
    if (outcome != GiveUpOutcome::Submitted) return;
    // What giving up counted belongs to the task like a judged answer.
    s.task(k).judgedElements += s.elementsJudged - before;
    submitOrGiveUp(true);
    return;
  }
  if (reviewAllowed()) {
    s.reviewing = true;
    s.currentTask = s.currentTask % s.taskCount + 1;
    ShowTask(s.currentTask);
    c_.screen.showGauge();
  }
}

// The hinted task moves to a later position p, the tasks after it up to p
// one place forward, so that it comes again once the answer has been seen.
void AttemptEngine::giveHint() {
  AttemptState& s = c_.state;
  Settings& settings = c_.settings;
  const int c = s.currentTask;
  if (!clockRunning() || transitionRunning_ || s.hintsUsed >= kMaxHints || c < 1 || c > s.taskCount)
    return;
  const Task& task = c_.test.task(c);
  TaskRecord& record = s.task(c);
  if (!c_.judge.handles(task.type) || record.countsDone()) return;
  for (int j = 1; j <= kMaxItems; ++j)
    if (record.chosen[j]) return;          // an answer is under way
  if (!record.gapAnswers.empty()) return;  // characters already judged
  const Judgement shown = c_.judge.hint(task, record);
  c_.screen.showMarks(c, shown);
  const int p = std::max(c, settings.shuffle ? s.taskCount - c_.random.random(s.taskCount - c)
                                             : s.taskCount - s.hintsUsed);
  ++s.hintsUsed;
  TaskOrder order = identityOrder();
  for (int k = c; k < p; ++k) order[k] = k + 1;
  order[p] = c;
  rearrangeTasks(order, c_.test, s, settings);
  phase_ = AttemptPhase::Hint;
  s.answerReady = false;
  setButton(true);
}

// ---- free moves ------------------------------------------------------------

bool AttemptEngine::freeMoveAllowed() const {
  const AttemptState& s = c_.state;
  if (phase_ != AttemptPhase::Task || s.reviewing || !clockRunning() || !s.freeMovesAllowed ||
      transitionRunning_)
    return false;
  if (s.currentTask < 1 || s.currentTask > s.taskCount) return false;
  const TaskRecord& current = s.task(s.currentTask);
  if (current.countsDone()) return false;
  for (int j = 1; j <= kMaxItems; ++j)
    if (current.chosen[j]) return false;
  if (!mode({kModeTraining, kModeTestPaper, kModeMonitoring})) return false;
  if (s.elapsed >= s.timeLimit * 60 - 10) return false;
  if (c_.settings.forbidFreeNavigation) return false;
  return std::abs(s.elapsed - s.lastMoveAt) >= effectPause(effect_);
}

bool AttemptEngine::reviewAllowed() const {
  const AttemptState& s = c_.state;
  return phase_ == AttemptPhase::Closed && s.end != AttemptEnd::None &&
         s.end != AttemptEnd::BrokenOff && !transitionRunning_ && s.taskCount > 0 &&
         mode({kModeTraining, kModeTestPaper, kModeMonitoring});
}

void AttemptEngine::petalClicked(int position) {
  log(JournalStepKind::Petal, {std::to_string(position)});
  AttemptState& s = c_.state;
  if (reviewAllowed()) {
    if (position < 1 || position > s.taskCount) return;
    s.reviewing = true;
    s.currentTask = position;
    ShowTask(position);
    return;
  }
  if (!freeMoveAllowed()) return;
  c_.screen.repaintOpenPetals();
  if (position < 1 || position > s.taskCount || position == s.currentTask ||
      s.task(position).countsDone())
    return;
  s.currentTask = position;
  s.lastMoveAt = s.elapsed;
  ShowTask(position);
}

// ---- the clock -------------------------------------------------------------

void AttemptEngine::ClockTick() {
  // The first tick after a resume came early, to keep the clock's phase.
  if (clockRephased_) {
    clockRephased_ = false;
    clock_->setInterval(kClockMs);
  }
  AttemptState& s = c_.state;
  if (s.elapsed == s.pauseAt && s.running) setButton(true);
  c_.screen.blinkTitle();
  const int limit = s.timeLimit * 60;
  if (limit == s.elapsed + 9) {
    std::vector<int> late;
    for (int k = 1; k <= s.taskCount; ++k)
      if (k != s.currentTask && !s.task(k).countsDone()) late.push_back(k);
    c_.screen.showLatePetals(late);
  }
  const int old = s.elapsed++;
  if (old <= limit) {
    c_.screen.drawClock(s.elapsed, true);
    return;
  }
  clock_->stop();
  s.running = false;
  c_.screen.drawClock(s.elapsed, false);
  // An attempt still waiting for an answer ends now rather than whenever the
  // testee next presses the button; an answer given after the time is up
  // does not count.
  const bool waiting = phase_ == AttemptPhase::Task || phase_ == AttemptPhase::Feedback ||
                       phase_ == AttemptPhase::Hint || phase_ == AttemptPhase::Card ||
                       phase_ == AttemptPhase::Starting ||
                       (phase_ == AttemptPhase::Ended && s.end == AttemptEnd::Failed);
  if (!waiting) return;
  startTimer_->stop();
  diagram_->stop();
  repeat_ = false;
  timeOver();
}

bool AttemptEngine::breakOff() {
  log(JournalStepKind::BreakOff);
  const bool underWay = clockRunning() || phase_ == AttemptPhase::Task ||
                        phase_ == AttemptPhase::Submitting || phase_ == AttemptPhase::Feedback ||
                        phase_ == AttemptPhase::Hint;
  if (!underWay || phase_ == AttemptPhase::Closing || phase_ == AttemptPhase::Closed) return false;
  AttemptState& s = c_.state;
  s.wrongElements = kBrokenOff;
  stopAttemptTimers();
  diagram_->stop();
  repeat_ = false;
  c_.openTest.currentTestPath = kNoTestOpen;
  ShowTask(s.currentTask);
  return true;
}

void AttemptEngine::stopAttemptTimers() {
  startTimer_->stop();
  submitTimer_->stop();
  clock_->stop();
}

// ---- after the end message -------------------------------------------------

void AttemptEngine::diagramTick() {
  ++diagramSteps_;
  const double start = c_.state.mode == kModeExam ? kExamDiagramStart : kDiagramStart;
  angle_ = (start + diagramSteps_) * kPi / 16;
  if (diagramSteps_ == kDiagramSoundStep) sound("Dia");
  if (start + diagramSteps_ > kDiagramPromptPast) promptShown_ = true;
  c_.endScreen.drawDiagram(angle_, promptShown_);
}

void AttemptEngine::bandClicked() {
  log(JournalStepKind::Band);
  if (phase_ != AttemptPhase::Ended || !promptShown_ || c_.state.end == AttemptEnd::Failed) return;
  diagram_->stop();
  handOver();
}

void AttemptEngine::handOver() {
  AttemptState& s = c_.state;
  s.tasksDone = std::max(s.tasksDone, s.currentTask - 1);
  if (s.mode == kModeExam) {
    // A break-off's marker is no wrong element: it must not add a right one.
    s.bestInExam = std::max(s.bestInExam, s.elementsJudged - std::max(s.wrongElements, 0));
    c_.screen.redrawWheel();
    c_.results.evaluateExam(c_.openTest.attemptCode);
  }
  c_.screen.showModeDecor(s.mode);
  if (s.mode <= kModeTestPaper) c_.screen.showGauge();
  c_.results.writeResults();
  // With its answers safe in the result files, or kept to be written
  // later, the attempt needs its journal no more.
  if (journaling_ && c_.journal && c_.results.answersSafe()) c_.journal->end();
  journaling_ = false;
  c_.openTest.currentTestPath = kNoTestOpen;
  c_.openTest.testLoaded = false;

  phase_ = AttemptPhase::Closing;
  closingStep_ = 0;
  const int grade = c_.results.grade();
  closingGrade_ =
      c_.settings.showGrade && s.mode <= kModeExam && grade >= 1 && grade <= 99 ? grade : 0;
  closing_->start(kClosingMs);
}

void AttemptEngine::closingTick() {
  ++closingStep_;
  c_.endScreen.drawClosingStep(closingStep_, closingGrade_);
  if (closingStep_ < kClosingSteps) return;
  closing_->stop();
  AttemptState& s = c_.state;
  s.currentTask = 0;
  phase_ = AttemptPhase::Closed;
  c_.endScreen.closingEnded();
  c_.screen.attemptClosed();
  if (const std::string name = c_.results.gradeSound(); !name.empty()) sound(name);
  if (s.mode != kModeExam && c_.card.nameKnown()) c_.results.sendResult();
  c_.results.closeNetwork();
}

}  // namespace ispyt
