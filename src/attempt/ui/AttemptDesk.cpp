#include "attempt/ui/AttemptDesk.h"

#include <algorithm>

#include "platform/Paths.h"
#include "platform/qt/QtText.h"
#include "presentation/MainLayout.h"
#include "presentation/TaskWheel.h"
#include "presentation/qt/ClockFace.h"
#include "presentation/qt/MainButtonPicture.h"
#include "presentation/qt/ScorePanel.h"

namespace ispyt {
namespace {

const QColor kTitleBlue(0, 0, 255);
const QColor kTitleNavy(0, 0, 128);
// A task without an appendix; blue says there is one.
const QColor kTitleMaroon(128, 0, 0);

// Without the window's transition the new task is on screen at once, and
// its controls follow on the next tick.
constexpr int kNoTransitionMs = 1;

}  // namespace

AttemptDesk::AttemptDesk(Inputs in, Scheduler& scheduler, Random& random, AttemptCard& card,
                         TaskCanvas& canvas, const FirstScreenLook& look, End end, Host host)
    : in_(in),
      test_(in.test),
      state_(in.attempt),
      canvas_(canvas),
      look_(look),
      host_(std::move(host)),
      assembly_(random),
      choice_(canvas_, [this](int option) { engine_->optionClicked(option); }),
      typed_(
          canvas_, [this](int field, const std::string& text) { engine_->fieldEdited(field, text); },
          [this](bool typing) {
            // The selector stands in for the system's language indicator,
            // which a screen this small leaves no room for.
            if (host_.keyboardForTyping)
              host_.keyboardForTyping(typing, typing && in_.screenWidth <= kDesignWidth);
          }),
      matching_(canvas_, scheduler, [this](int item, const std::string& letter) {
        engine_->letterChosen(item, letter);
      }),
      completion_(canvas_, [this](int blank, const std::string& text) {
        engine_->blankChosen(blank, text);
      }),
      restoration_(canvas_, scheduler, in.decor, in.openTest.testFolder,
                   [this](char c) { engine_->gapCharacter(c); }) {
  engine_ = std::make_unique<AttemptEngine>(
      AttemptContext{in.settings, in.openTest, in.decor, test_, state_, scheduler, random,
                     *this, end.screen, *this, judges_, card, assembly_, end.results,
                     in.student ? *in.student : ownCard_, in.journal});
  controls_ = {&choice_, &typed_, &matching_, &completion_, &restoration_};
  transition_ = scheduler.createTimer([this] {
    transition_->stop();
    engine_->transitionEnded();
  });
  transition_->setSingleShot(true);
}

AttemptDesk::~AttemptDesk() = default;

void AttemptDesk::testOpened() {
  // The engine dropped the last attempt when the opening began.
  leaveControls();
  hideAppendix();
  late_.clear();
  canvas_.setFolder(cp1251FromPath(in_.openTest.testFolder));
  showMainButton(in_.openTest.testLoaded);
  drawScorePanel();
}

bool AttemptDesk::running() const {
  switch (engine_->phase()) {
    case AttemptPhase::Idle:
    case AttemptPhase::Closed:
      return false;
    default:
      return true;
  }
}

bool AttemptDesk::click(QPoint at) {
  const AttemptPhase phase = engine_->phase();
  // The title of a task with an appendix brings its window back.
  if (titleColour_ == kTitleBlue || titleColour_ == kTitleNavy) {
    if (canvas_.rect(layout::kTestSetCaption).contains(at) && appendix_) {
      appendix_->show();
      appendix_->raise();
      titleColour_ = kTitleBlue;
      showTitle();
      return true;
    }
  }
  const QRect button = canvas_.rect(layout::kMainButton);
  if (phase == AttemptPhase::Ended &&
      (button.contains(at) || canvas_.rect(layout::kCardArea).contains(at) ||
       canvas_.rect(layout::kOptionArea).contains(at))) {
    // A failed exam run goes on from the button; every other end waits
    // for a click once the diagram has turned.
    if (state_.end == AttemptEnd::Failed && button.contains(at))
      engine_->mainButton();
    else
      engine_->bandClicked();
    return true;
  }
  if (button.contains(at)) {
    engine_->mainButton();
    return true;
  }
  const QRect panel = canvas_.rect(layout::kScorePanel);
  if (panel.contains(at)) {
    if (canvas_.rect(layout::kModeSign).contains(at)) {
      engine_->modeSign();
      return true;
    }
    const TaskWheel wheel = taskWheel(canvas_.scale(), state_.taskCount);
    const int petal = wheel.petalAt({at.x() - panel.left(), at.y() - panel.top()});
    if (petal > 0) engine_->petalClicked(petal);
    return true;
  }
  if (shown_ && canvas_.rect(layout::kOptionArea).contains(at)) return shown_->click(at);
  return false;
}

void AttemptDesk::presentationKey(PresentationKey key) {
  TaskLook& look = canvas_.look();
  look.pointerSpeed = in_.decor.pointerSpeed;
  const KeyAction action = pressPresentationKey(key, engine_->presentationContext(), look, lookRandom_);
  in_.decor.pointerSpeed = look.pointerSpeed;
  const int k = state_.currentTask;
  if (k < 1 || k > state_.taskCount) return;
  if (action.question || action.questionAppears) drawQuestion(k);
  if ((action.options || action.matchingLayout || action.grid) && shown_)
    shown_->lay(test_.task(k), state_.task(k), state_.mode, false);
  canvas_.repaint();
}

bool AttemptDesk::keyPressed(int qtKey, const std::string& text) {
  return shown_ && engine_->phase() == AttemptPhase::Task && shown_->keyPressed(qtKey, text);
}

void AttemptDesk::drawQuestion(int k, bool animated) {
  if (!canvas_.drawCard(test_.task(k).question, canvas_.scale().font(28), animated,
                        [this] { engine_->transitionEnded(); }) &&
      animated)
    transition_->start(kNoTransitionMs);
}

TaskControls* AttemptDesk::controlsFor(TaskType type) {
  for (TaskControls* c : controls_)
    if (c->handles(type)) return c;
  return nullptr;
}

void AttemptDesk::leaveControls() {
  if (shown_) shown_->clear();
  shown_ = nullptr;
  canvas_.clear(canvas_.rect(layout::kOptionArea));
}

// ---- AttemptScreen -----------------------------------------------------------

void AttemptDesk::showMainButton(bool active) {
  paintMainButton(canvas_.screen(), canvas_.rect(layout::kMainButton), *canvas_.background(),
                  active);
  canvas_.repaint();
}

void AttemptDesk::showMessage(const std::string& text) {
  if (engine_->phase() != AttemptPhase::Starting && engine_->phase() != AttemptPhase::Card)
    host_.hideCard();
  leaveControls();
  hideAppendix();
  canvas_.drawCard(text, canvas_.scale().font(24), true);
  drawScorePanel();  // an end takes the mode sign and the task's number away
}

void AttemptDesk::cardReady(bool ready) {
  if (engine_->phase() != AttemptPhase::Card) return;
  state_.buttonActive = ready;
  showMainButton(ready);
}

void AttemptDesk::showTask(int k, bool) {
  host_.hideCard();
  leaveControls();
  drawScorePanel();
  drawQuestion(k, true);
  canvas_.repaint();
}

void AttemptDesk::layoutTask(int k, bool reviewing) {
  const Task& task = test_.task(k);
  titleColour_ = showAppendix(k) ? kTitleBlue : kTitleMaroon;
  showTitle();
  shown_ = controlsFor(task.type);
  if (shown_) shown_->lay(task, state_.task(k), state_.mode, reviewing);
  canvas_.repaint();
}

void AttemptDesk::showMarks(int k, const Judgement& marks) {
  if (shown_ && k == state_.currentTask) shown_->showMarks(test_.task(k), state_.task(k), marks);
}

void AttemptDesk::showGapEntry(int k, const GapEntry& entry) {
  if (shown_ && k == state_.currentTask)
    shown_->showGapEntry(test_.task(k), state_.task(k), entry);
}

void AttemptDesk::showGauge() { drawScorePanel(); }
void AttemptDesk::repaintOpenPetals() { drawScorePanel(); }
void AttemptDesk::redrawWheel() { drawScorePanel(); }
void AttemptDesk::showModeDecor(int) { drawScorePanel(); }

void AttemptDesk::showLatePetals(const std::vector<int>& tasks) {
  late_.insert(tasks.begin(), tasks.end());
  drawScorePanel();
}

void AttemptDesk::drawClock(int elapsed, bool running) {
  paintClock(canvas_.screen(), canvas_.rect(layout::kClockBox), canvas_.scale(), look_,
             {elapsed, state_.timeLimit * 60, running});
  canvas_.repaint();
}

void AttemptDesk::coloursTurned() {
  drawClock(state_.elapsed, engine_->clockRunning());
  drawScorePanel();
}

void AttemptDesk::blinkTitle() {
  // A hidden appendix is called to mind.
  if (titleColour_ != kTitleBlue && titleColour_ != kTitleNavy) return;
  if (appendix_ && appendix_->isVisible()) return;
  titleColour_ = titleColour_ == kTitleBlue ? kTitleNavy : kTitleBlue;
  showTitle();
}

void AttemptDesk::showTitle() {
  const int k = state_.currentTask;
  if (k < 1 || k > state_.taskCount) return;
  QString title = fromCp1251(taskTypeTitle(test_.task(k)));
  if (titleColour_ == kTitleBlue || titleColour_ == kTitleNavy) title += ui(":додаток");
  host_.setTitle(title, titleColour_);
}

bool AttemptDesk::showAppendix(int k) {
  if (!appendix_) {
    if (!canvas_.window() || findAppendix(in_.openTest.testFolder, k).kind == AppendixKind::None)
      return false;
    appendix_ = std::make_unique<AppendixWindow>(canvas_.window(), canvas_.scale());
  }
  return appendix_->showFor(in_.openTest.testFolder, k);
}

void AttemptDesk::hideAppendix() {
  if (appendix_) appendix_->hide();
}

void AttemptDesk::showTestSetTitle() {
  titleColour_ = QColor();
  host_.showTestSetTitle();
}

void AttemptDesk::attemptClosed() {
  hideAppendix();
  showMainButton(false);
  drawScorePanel();
  host_.attemptClosed();
}

void AttemptDesk::play(const std::string& name) {
  if (host_.playSound) host_.playSound(name);
}

// ---- the score panel -------------------------------------------------------------

QString AttemptDesk::scoreText() const {
  const bool shown = running() ? state_.mode == kModeHint || state_.mode == kModeTraining ||
                                     state_.mode == kModeExam
                               : state_.mode <= kModeTestPaper;
  if (!shown || state_.elementsJudged <= 0 || state_.wrongElements < 0) return {};
  const int right = state_.elementsJudged - state_.wrongElements;
  if (!in_.settings.resultsInPercent) return QString::number(right);
  return QString::number(roundHalfEven(100.0 * right / state_.elementsJudged)) + "%";
}

void AttemptDesk::drawScorePanel() {
  ScorePanelView view;
  const bool attempt = state_.taskCount > 0 && (running() || state_.end != AttemptEnd::None);
  if (attempt) {
    for (int k = 1; k <= state_.taskCount; ++k) {
      PetalLook look = PetalLook::Open;
      if (state_.task(k).countsDone())
        look = PetalLook::Done;
      else if (k == state_.currentTask)
        look = PetalLook::Current;
      else if (late_.count(k))
        look = PetalLook::Late;
      view.petals.push_back(look);
    }
    // The centre names the task on screen: during the attempt or in review.
    if ((state_.running || state_.reviewing) && state_.currentTask >= 1 &&
        state_.currentTask <= state_.taskCount)
      view.centreNumber = state_.currentTask;
    view.score = scoreText();
  }
  if (engine_->reviewAllowed())
    view.sign = ModeSign::Review;
  else if (state_.running && state_.mode == kModeHint)
    view.sign = ModeSign::Hint;
  else if (state_.running && state_.mode == kModeTestPaper)
    view.sign = ModeSign::GiveUp;
  paintScorePanel(canvas_.screen(), canvas_.rect(layout::kScorePanel), canvas_.scale(), look_,
                  view);
  canvas_.repaint();
}

}  // namespace ispyt
