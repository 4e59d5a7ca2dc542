#pragma once
// The main screen's upper half as opening a test draws it: the test set's
// name in the title label, the title screen from the test's title, and the
// announcement in the card area.  It is what opening a test shows through.

#include <QColor>
#include <QLabel>
#include <functional>
#include <memory>
#include <string>

#include "platform/Scheduler.h"
#include "presentation/qt/QtTextSlots.h"
#include "presentation/qt/Announcement.h"
#include "shell/OpenTestView.h"
#include "shell/ui/WindowParts.h"

namespace ispyt {

class TitleScreen : private OpenTestView {
 public:
  // What opening a test asks of the attempt and of the menu.
  struct Host {
    std::function<void()> resetAttempt;  // the last attempt is dropped
    std::function<void(int mode)> showModeDecor;
    std::function<void(const MenuCaptionText&)> showResultsCaption;
    std::function<void()> testOpened;  // its title screen is drawn
    std::function<void(const std::string& testName, const SettingsDialogState&)> fillSettings;
  };

  TitleScreen(const WindowParts& parts, Host host);

  // Opens the test `name` of the current set; false when it did not open.
  // `shuffleState` reads it with the option order it once had.
  bool openTest(const std::string& name, const std::string* shuffleState = nullptr);

  // The announcement of the open test (or of the set) comes into the card
  // area; `followUp` runs on the tick after its transition.
  void showAnnouncement(std::function<void()> followUp = {});
  // A new appearance: the announcement is made anew on its background.
  void appearanceChanged() { announcement_.forget(); }
  // The title label: the test set's name in maroon, or another text.
  void showTestSetCaption();
  void setCaption(const QString& text, QColor colour);
  void setCaptionVisible(bool visible) { caption_->setVisible(visible); }

 private:
  void resetAttempt() override { host_.resetAttempt(); }
  void resetAttemptTables() override {}  // the attempt's per-task tables
  void showMessage(const std::string& cp1251Text) override;
  void showSettingsDialog(const std::string& name, const SettingsDialogState& state) override {
    host_.fillSettings(name, state);
  }
  void showTestSetTitle(const std::string& name, int designFontSize) override;
  void drawTitleScreen(const Test& test) override;
  void showModeDecor(int mode) override { host_.showModeDecor(mode); }
  void showResultsCaption(const MenuCaptionText& caption) override {
    host_.showResultsCaption(caption);
  }
  void loadClassLists() override {}        // the registration card's class lists
  void startTitleRedraw() override { redraw_->start(1); }
  void clearAttemptCounters() override {}  // the attempt engine's counters
  void playMusic(const std::string& name, bool start) override {
    parts_.sound.PlayMusic(name, start);
  }

  WindowParts parts_;
  Workstation& ws_;
  Host host_;
  QLabel* caption_ = nullptr;
  QtTextSlots textSlots_;
  Announcement announcement_;
  std::unique_ptr<Timer> redraw_;
};

}  // namespace ispyt
