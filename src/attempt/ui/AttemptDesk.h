#pragma once
// The attempt on the main window: the engine that runs the workstation's
// AttemptState, and the task screen it draws on — the question in the card
// area, the answer controls in the option area, the main button, the clock
// and the score panel with the wheel.  What follows the end message (the
// result pictures and files) is handed to the end screen and the writer.

#include <QColor>
#include <QPoint>
#include <QString>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "attempt/AllTaskJudges.h"
#include "attempt/AssembleAttempt.h"
#include "attempt/AttemptEngine.h"
#include "attempt/ui/ChoiceOptions.h"
#include "attempt/ui/CompletionBlanks.h"
#include "attempt/ui/MatchingPairs.h"
#include "attempt/ui/RestorationGrid.h"
#include "attempt/ui/TaskCanvas.h"
#include "attempt/ui/TypedFields.h"
#include "presentation/qt/FirstScreen.h"
#include "presentation/ui/AppendixWindow.h"

namespace ispyt {

class AttemptDesk : private AttemptScreen, private AttemptSounds {
 public:
  // What the desk asks of the window around it.
  struct Host {
    std::function<void(const QString& text, QColor colour)> setTitle;  // the title label
    std::function<void()> showTestSetTitle;
    std::function<void()> attemptClosed;  // "Тест" may be chosen again
    std::function<void()> hideCard;       // the registration card has been filled
    // Typed answers are on the screen (the layout chosen in the keyboard
    // selector loaded, the selector shown when `showSelector`), or gone.
    std::function<void(bool typing, bool showSelector)> keyboardForTyping;
    // A sound the attempt names, for the workstation's player.
    std::function<void(const std::string& name)> playSound;
  };

  // What the attempt works on; the workstation owns it.
  struct Inputs {
    Settings& settings;
    OpenTestState& openTest;
    DecorSettings& decor;  // the pointer speed changes with Left and Right
    Test& test;
    AttemptState& attempt;
    int screenWidth = kDesignWidth;
    StudentCard* student = nullptr;     // the card: the workstation's
    AttemptJournal* journal = nullptr;  // none: the attempt cannot be rebuilt
  };
  // Where a finished attempt goes once its end message is up.
  struct End {
    AttemptEndScreen& screen;
    ResultWriter& results;
  };

  AttemptDesk(Inputs in, Scheduler& scheduler, Random& random, AttemptCard& card,
              TaskCanvas& canvas, const FirstScreenLook& look, End end, Host host);
  ~AttemptDesk() override;

  AttemptEngine& engine() { return *engine_; }
  const AttemptState& state() const { return state_; }
  TaskCanvas& canvas() { return canvas_; }
  const RestorationGrid& restorationGrid() const { return restoration_; }
  // The current task's appendix window; none before a task had one.
  AppendixWindow* appendix() const { return appendix_.get(); }

  // A test was opened and its title screen drawn: the button invites.
  void testOpened();
  // An attempt is under way: the menu ignores the mouse, "Вихід" breaks off.
  bool running() const;
  // A left click on the window; true when the task screen took it.
  bool click(QPoint at);
  // F5..F10, Left and Right during an attempt: how the task looks.
  void presentationKey(PresentationKey key);
  // A key for the task on screen; true when it was taken.
  bool keyPressed(int qtKey, const std::string& text);
  // The card's name is long enough for the main button to start.
  void cardReady(bool ready);
  // The mode's decoration on the score panel.
  void showModeDecor(int mode) override;
  // F3 or F4 turned the clock's or the wheel's colours: both drawn anew.
  void coloursTurned();

 private:
  // AttemptScreen
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
  void drawClock(int elapsed, bool running) override;
  void blinkTitle() override;
  void showTestSetTitle() override;
  void attemptClosed() override;
  // AttemptSounds
  void play(const std::string& name) override;

  // At once, or (for a task shown anew) by the transition, after which its
  // controls are laid out.
  void drawQuestion(int k, bool animated = false);
  TaskControls* controlsFor(TaskType type);
  void leaveControls();
  // Shows the appendix of task k, or hides the window; true when it has one.
  bool showAppendix(int k);
  void hideAppendix();
  // The task's type in the title label, in its colour.
  void showTitle();
  void drawScorePanel();
  QString scoreText() const;

  Inputs in_;
  Test& test_;
  AttemptState& state_;
  TaskCanvas& canvas_;
  const FirstScreenLook& look_;  // the main window's, which a new appearance changes
  Host host_;
  AllTaskJudges judges_;
  // The presentation keys draw their colours from a generator of their own:
  // the attempt's draws stay as its journal replays them.
  Random lookRandom_ = Random::clockSeeded();
  StudentCard ownCard_;  // when none is given
  AttemptAssembler assembly_;
  std::unique_ptr<AttemptEngine> engine_;
  ChoiceOptions choice_;
  TypedFields typed_;
  MatchingPairs matching_;
  CompletionBlanks completion_;
  RestorationGrid restoration_;
  std::vector<TaskControls*> controls_;
  TaskControls* shown_ = nullptr;  // the controls of the task on screen
  std::unique_ptr<Timer> transition_;
  std::set<int> late_;  // petals filled light blue in the last seconds
  QColor titleColour_;
  std::unique_ptr<AppendixWindow> appendix_;
};

}  // namespace ispyt
