#pragma once
// The attempt on the main window, wired: the registration card, the task
// screen with its engine, the result screen after the end, and the
// keyboard-language selector shown while typed answers are on screen.

#include <QColor>
#include <QString>
#include <functional>
#include <memory>
#include <string_view>

#include "attempt/ui/AttemptDesk.h"
#include "attempt/ui/CardDropDown.h"
#include "attempt/ui/CardPanel.h"
#include "attempt/ui/FocusWatch.h"
#include "attempt/ui/TaskCanvas.h"
#include "results/ui/ResultScreen.h"
#include "shell/ui/WindowParts.h"

namespace ispyt {

// The card's widgets are made when they are first needed: start-up and
// most lessons' first minutes show no card.
class CardOnDemand : public AttemptCard {
 public:
  explicit CardOnDemand(std::function<CardPanel*()> make) : make_(std::move(make)) {}
  CardPanel& panel() const {
    if (!panel_) panel_ = make_();
    return *panel_;
  }
  void show() override { panel().show(); }
  bool complete() const override { return panel().complete(); }
  bool nameKnown() const override { return panel().nameKnown(); }
  void hide() {
    if (panel_) panel_->hide();
  }

 private:
  std::function<CardPanel*()> make_;
  mutable CardPanel* panel_ = nullptr;  // owned by the window
};

class AttemptConductor {
 public:
  // What the attempt asks of the rest of the window.
  struct Host {
    std::function<void(const QString& text, QColor colour)> setTitle;  // the title label
    std::function<void()> showTestSetTitle;
    std::function<void()> attemptClosed;  // "Тест" may be chosen again
    ResultOutlet* results = nullptr;      // to the teacher's computer
  };

  AttemptConductor(const WindowParts& parts, Host host);

  AttemptDesk& desk() { return *desk_; }
  ResultScreen& resultScreen() { return results_; }
  CardPanel* card() const { return &card_.panel(); }
  // An attempt is under way: the menu ignores the mouse, "Вихід" breaks off.
  bool running() const { return desk_->running(); }
  // Rebuilds the attempt `journal` holds on the test just opened as it
  // says, and goes on writing the journal `file`.
  void resume(const JournalReading& journal, const std::filesystem::path& file) {
    journal_.adopt(file);
    desk_->engine().resume(journal);
  }
  // A left click on the window: the result screen's, or the task screen's.
  bool click(QPoint at) { return results_.click(at) || desk_->click(at); }
  // The appearance settings: the backdrops and the texts' colours and weight.
  void applyDecor();
  // A test was opened: with names picked by list the card offers the class
  // list the appearance dialog chose.
  void offerClassList();

 private:
  void chooseLayout(int row);
  CardDropDown& layoutSelector();
  CardPanel* makeCard();

  WindowParts parts_;
  CardDropDown* layoutSelector_ = nullptr;
  std::string_view layoutChoice_ = kLayoutUkrainian;  // for typed answers
  CardOnDemand card_;
  FileJournal journal_;
  TaskCanvas canvas_;
  ResultScreen results_;
  std::unique_ptr<AttemptDesk> desk_;
  FocusWatch focus_;
};

}  // namespace ispyt
