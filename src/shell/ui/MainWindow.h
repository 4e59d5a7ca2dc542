#pragma once
// The workstation's main window: a borderless window of the 800x600 design
// scaled to the screen, on which everything is drawn into one screen
// picture.  It owns the workstation's state and its platform services.

#include <QImage>
#include <QLabel>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>

#include "attempt/ui/AttemptDesk.h"
#include "attempt/ui/CardDropDown.h"
#include "attempt/ui/CardPanel.h"
#include "content/OpenTestView.h"
#include "content/Test.h"
#include "platform/Random.h"
#include "platform/SystemShell.h"
#include "platform/qt/ArtworkList.h"
#include "platform/qt/QtScheduler.h"
#include "platform/qt/QtTextSlots.h"
#include "presentation/ui/Announcement.h"
#include "presentation/ui/FirstScreen.h"
#include "shell/ExitRequest.h"
#include "shell/IntroAnimation.h"
#include "shell/MainMenu.h"
#include "shell/SectionActions.h"
#include "shell/MenuCaptionLayout.h"
#include "shell/Terminator.h"
#include "shell/Workstation.h"
#include "shell/ui/ExitConfirmPanel.h"
#include "shell/ui/IntroPictures.h"
#include "shell/ui/MenuCaptionLabel.h"
#include "shell/ui/PasswordPrompt.h"
#include "shell/ui/SideMenuWindow.h"


namespace ispyt {

class SurroundWindow;

struct MainWindowOptions {
  std::filesystem::path programFolder;
  // Ends the process; the program's default never returns.
  std::function<void()> endProcess;
  // The desktop service; the system's own when not given.
  std::unique_ptr<SystemShell> shell;
  // What the sections start in other subsystems; none when not given.
  std::unique_ptr<SectionActions> actions;
  // Shows a message box; a non-blocking one when not given.
  std::function<void(const QString&)> showMessage;
};

class MainWindow : public QWidget, private OpenTestView {
  Q_OBJECT
 public:
  explicit MainWindow(MainWindowOptions options);
  ~MainWindow() override;

  // Shows the surround window and then this one above it.
  void showOnScreen();

  Workstation& workstation() { return ws_; }
  const IntroAnimation& intro() const { return *intro_; }
  MenuCaptionLabel* caption(MenuCaption c) const { return captions_[static_cast<int>(c)]; }
  const MainMenu& menu() const { return menu_; }
  SideMenuWindow* sideMenu() const { return sideMenu_; }
  PasswordPrompt* passwordPrompt() const { return prompt_; }
  const Test& test() const { return test_; }
  // The results caption's text and colour; the captions after it move.
  void showResultsCaption(const MenuCaptionText& caption) override;
  SystemShell& systemShell() { return *shell_; }
  const QImage& screenPicture() const { return screen_; }
  bool exitConfirmationShown() const { return confirm_.shown(); }
  AttemptDesk& attempt() { return *desk_; }
  CardPanel* card() const { return card_; }

  // "Вихід" chosen (from its caption or a hot key).
  void requestExit();

 signals:
  void firstFramePainted();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void createControls();
  void scaleControls();
  void drawFirstScreen();
  void showAnnouncement();
  bool openTest(const std::string& name);
  void loadClassListsAtStart();

  // Opening a test asks these of the window.
  void resetAttempt() override { desk_->engine().testOpened(); }
  void resetAttemptTables() override {}       // the attempt's per-task tables
  void showMessage(const std::string& cp1251Text) override;
  void showSettingsDialog(const std::string&, const SettingsDialogState&) override {}
  void showTestSetTitle(const std::string& name, int designFontSize) override;
  void drawTitleScreen(const Test& test) override;
  void showModeDecor(int mode) override { desk_->showModeDecor(mode); }
  void loadClassLists() override {}           // the registration card's class lists
  void startTitleRedraw() override;
  void clearAttemptCounters() override {}     // the attempt engine's counters
  void playSound(const std::string&) override {}  // the sound player
  void startOpeningTransition();
  void showTestSetCaption();
  void makeMenuAvailable();
  void syncCaptions();
  void captionEntered(MenuCaption c);
  void captionClicked(MenuCaption c);
  void openTestList();
  void openResultList();
  void openSideMenu(const SideMenuLayout& layout, QPoint screenPosition);
  void sideItemClicked(int index);
  void runDispatcher();
  void askPassword();
  void passwordAccepted();
  void hotKey(QKeyEvent* event);
  bool attemptRunning() const { return desk_ && desk_->running(); }
  void createAttemptDesk();
  void showExitConfirmation();
  void answerExitConfirmation(ConfirmAnswer answer);
  QRect screenRect(const Rect& design) const;

  Workstation ws_;
  std::unique_ptr<SystemShell> shell_;
  Terminator terminator_;
  QtScheduler scheduler_;
  Random random_;
  ArtworkList artwork_;
  QImage desktop_;
  QImage background_;
  QImage screen_;
  FirstScreenLook look_;
  Test test_;
  QtTextSlots textSlots_;
  Announcement announcement_;
  std::unique_ptr<Timer> titleRedrawTimer_;
  std::function<void(const QString&)> messages_;
  QString publisherLine_;
  std::unique_ptr<SurroundWindow> surround_;
  std::unique_ptr<IntroPictures> introPictures_;
  std::unique_ptr<IntroAnimation> intro_;
  std::unique_ptr<Timer> transitionTimer_;
  std::unique_ptr<SectionActions> actions_;
  MainMenu menu_;
  std::array<MenuCaptionLabel*, kMenuCaptionCount> captions_{};
  SideMenuWindow* sideMenu_ = nullptr;
  PasswordPrompt* prompt_ = nullptr;
  std::unique_ptr<Timer> dispatcherTimer_;
  std::string chosenItem_;
  int resultPage_ = 0;
  QLabel* testSetCaption_ = nullptr;
  CardDropDown* layoutSelector_ = nullptr;
  std::string_view layoutChoice_ = kLayoutUkrainian;  // for typed answers
  bool firstFrame_ = true;
  bool transparentStartPending_ = false;

  ExitConfirmPanel confirm_;
  CardPanel* card_ = nullptr;
  std::unique_ptr<AttemptDesk> desk_;
};

}  // namespace ispyt
