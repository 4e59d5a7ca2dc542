#pragma once
// One task of an attempt on a real AttemptDesk over a bare 800x600 window
// on a virtual clock: the controls are laid out as on the main window,
// answered through their widgets and submitted with the main button.

#include <QApplication>
#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <vector>

#include "attempt/AttemptLog.h"
#include "attempt/ResultWriter.h"
#include "attempt/ui/AttemptDesk.h"
#include "attempt/ui/CardDropDown.h"
#include "attempt/ui/CardPopupList.h"
#include "platform/ManualScheduler.h"
#include "presentation/MainLayout.h"

namespace ispyt {

struct NoCard : AttemptCard {
  void show() override {}
  bool complete() const override { return true; }
  bool nameKnown() const override { return true; }
};

// A finished attempt on the desk goes nowhere: the result files are not
// the desk's business.
struct NoResults : ResultWriter {
  void evaluateExam(const std::string&) override {}
  void writeResults() override {}
  int grade() const override { return 0; }
  void sendResult() override {}
  void closeNetwork() override {}
};

// The pieces of the workstation an attempt on the desk works on.
struct DeskWorkstation {
  std::filesystem::path programFolder;
  Size screen;
  Settings settings;
  OpenTestState openTest;
  DecorSettings decor;
  FirstScreenLook look;
};

// The desk over a screen picture and its background in a bare window.
inline std::unique_ptr<AttemptDesk> makeDesk(DeskWorkstation& ws, Test& test, AttemptState& state,
                                             Scheduler& scheduler, Random& random,
                                             AttemptCard& card, TaskCanvas& canvas,
                                             AttemptLog& end, NoResults& results,
                                             AttemptDesk::Host host) {
  return std::make_unique<AttemptDesk>(
      AttemptDesk::Inputs{ws.settings, ws.openTest, ws.decor, test, state, ws.screen.width},
      scheduler, random, card, canvas, ws.look, AttemptDesk::End{end, results},
      std::move(host));
}

struct TaskDesk {
  struct Keyboard {
    bool typing = false;
    bool selector = false;
  };

  QTemporaryDir folder;
  DeskWorkstation ws;
  Test test;
  AttemptState attempt;
  ManualScheduler scheduler;
  Random random{3};
  NoCard card;
  QWidget window;
  QImage screen{800, 600, QImage::Format_RGB32};
  QImage background{800, 600, QImage::Format_RGB32};
  std::vector<Keyboard> keyboard;  // every call of the keyboard hook
  QString title;                   // the title label, as the desk set it last
  QColor titleColour;
  TaskCanvas canvas{{&screen, &background, &window, ScreenScale{}, {}, {}, [] {}}};
  AttemptLog end;
  NoResults results;
  std::unique_ptr<AttemptDesk> desk;

  // Starts an attempt of `task` alone in `mode` and lays it out;
  // `prepare` puts files into the test folder first.
  TaskDesk(const Task& task, int mode, const std::function<void(const QString&)>& prepare = {}) {
    if (prepare) prepare(folder.path());
    ws.screen = {800, 600};
    ws.settings.mode = mode;
    ws.settings.personalise = false;
    ws.settings.timeLimitMinutes = 10;
    ws.settings.delay = true;  // training keeps its marks on screen until the button
    // The result files of a finished attempt go to a folder of their own.
    ws.openTest.currentTestPath = folder.path().toStdString() + "/";
    ws.openTest.testFolder = folder.path().toStdString();
    ws.openTest.attemptCode = "B001";
    ws.openTest.testLoaded = true;
    test.title = "t";
    test.taskCount = 1;
    test.task(1) = task;
    background.fill(QColor(176, 196, 222));
    screen = background.copy();
    window.setGeometry(0, 0, 800, 600);
    AttemptDesk::Host host{[this](const QString& text, QColor colour) {
                             title = text;
                             titleColour = colour;
                           },
                           [] {}, [] {}, [] {},
                           [this](bool typing, bool selector) {
                             keyboard.push_back({typing, selector});
                           }};
    desk = makeDesk(ws, test, attempt, scheduler, random, card, canvas, end, results,
                    std::move(host));
    window.show();
    window.activateWindow();
    desk->testOpened();
    desk->click(mainButton());
    scheduler.advance(kStartDelayMs);  // the attempt starts, the task is shown
    scheduler.advance(1);              // its transition ends: the controls are laid out
  }

  QPoint mainButton() const { return desk->canvas().rect(layout::kMainButton).center(); }
  const TaskRecord& record() const { return desk->state().task(1); }
  const AttemptState& state() const { return desk->state(); }

  // The main button, then the submit delay.
  void submit() {
    desk->click(mainButton());
    scheduler.advance(kSubmitDelayMs);
  }

  // After the attempt's end and its closing, the mode sign shows the task
  // again in review.
  void review() {
    for (int i = 0; i < 400 && !desk->engine().diagramPromptShown(); ++i)
      scheduler.advance(kDiagramMs);
    desk->click(desk->canvas().rect(layout::kOptionArea).center());
    scheduler.advance(kClosingMs * (kClosingSteps + 5));
    desk->click(desk->canvas().rect(layout::kModeSign).center());
    scheduler.advance(1);
  }

  template <typename T>
  T* find(const QString& name) const {
    return window.findChild<T*>(name);
  }

  // Opens the list of `box` and clicks its entry `row`.
  static void choose(CardDropDown* box, int row) {
    QTest::mouseClick(box->findChild<QLabel*>("arrow"), Qt::LeftButton);
    auto* list = box->findChild<CardPopupList*>();
    QVERIFY(list && list->isVisible() && row < list->count());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
  }
};

// Types the way a keyboard does: one key event per character ('\b' is
// Backspace), so Cyrillic text arrives as from the Ukrainian layout.
inline void typeKeys(QWidget* widget, const QString& text) {
  for (QChar c : text) {
    const int key = c == ' ' ? Qt::Key_Space : c == '\b' ? Qt::Key_Backspace : Qt::Key_unknown;
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
    QApplication::sendEvent(widget, &press);
    QApplication::sendEvent(widget, &release);
  }
}

// The colour a widget shows at `at` (its own coordinates).
inline QColor shade(QWidget* widget, QPoint at) {
  return widget->grab().toImage().pixelColor(at * widget->devicePixelRatioF());
}

}  // namespace ispyt
