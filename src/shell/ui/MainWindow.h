#pragma once
// The workstation's main window: a borderless window of the 800x600 design
// scaled to the screen, on which everything is drawn into one screen
// picture.  It owns the workstation's state and its platform services, runs
// the start-up, and hands each screen to the one that conducts it: the
// menu, the title screen of an opened test, the attempt, the exit.

#include <QImage>
#include <QWidget>
#include <functional>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "content/SettingsDialogState.h"
#include "platform/Audio.h"
#include "platform/PagesAhead.h"
#include "platform/Random.h"
#include "platform/SystemShell.h"
#include "platform/TcpClient.h"
#include "platform/qt/ArtworkList.h"
#include "platform/qt/QtScheduler.h"
#include "presentation/Sound.h"
#include "presentation/Transition.h"
#include "presentation/qt/FirstScreen.h"
#include "presentation/qt/QtCardScreen.h"
#include "results/ResultSender.h"
#include "shell/IntroAnimation.h"
#include "shell/SectionActions.h"
#include "shell/Terminator.h"
#include "shell/ResumeAttempt.h"
#include "shell/Workstation.h"
#include "shell/ui/AppearanceConductor.h"
#include "shell/ui/AttemptConductor.h"
#include "shell/ui/ExitConductor.h"
#include "shell/ui/InfoWindows.h"
#include "shell/ui/IntroPictures.h"
#include "shell/ui/MenuConductor.h"
#include "shell/ui/ResumeOffer.h"
#include "shell/ui/ResultsConductor.h"
#include "shell/ui/TitleScreen.h"

namespace ispyt {

class SettingsDialog;
class SurroundWindow;

struct MainWindowOptions {
  std::filesystem::path programFolder;
  // Ends the process; the program's default never returns.
  std::function<void()> endProcess;
  // The desktop service; the system's own when not given.
  std::unique_ptr<SystemShell> shell;
  // The media player; the system's audio device when not given.
  std::unique_ptr<Audio> audio;
  // What the sections start in other subsystems; none when not given.
  std::unique_ptr<SectionActions> actions;
  // Shows a message box; a non-blocking one when not given.
  std::function<void(const QString&)> showMessage;
  // Seeds the random generator; the clock does when not given.
  std::optional<std::uint64_t> seed;
  // The connection to the teacher's computer; the network's own when not given.
  std::unique_ptr<TcpClient> tcpClient;
  // Returns once the system's font configuration may be read; called before
  // the window's first font, so that a reading begun elsewhere runs beside
  // the window's first work.
  std::function<void()> fontsReady;
};

class MainWindow : public QWidget {
  Q_OBJECT
 public:
  explicit MainWindow(MainWindowOptions options);
  ~MainWindow() override;

  // Shows the surround window and then this one above it.
  void showOnScreen();

  Workstation& workstation() { return ws_; }
  const Test& test() const { return ws_.test; }
  const IntroAnimation& intro() const { return *intro_; }
  MenuCaptionLabel* caption(MenuCaption c) const { return menu_->caption(c); }
  const MainMenu& menu() const { return menu_->menu(); }
  SideMenuWindow* sideMenu() const { return menu_->sideMenu(); }
  PasswordPrompt* passwordPrompt() { return menu_->passwordPrompt(); }
  // The results caption's text and colour; the captions after it move.
  void showResultsCaption(const MenuCaptionText& caption) { menu_->showResultsCaption(caption); }
  SystemShell& systemShell() { return *shell_; }
  const QImage& screenPicture() const { return screen_; }
  bool exitConfirmationShown() const { return exit_->confirmationShown(); }
  AttemptDesk& attempt() { return attempt_->desk(); }
  CardPanel* card() const { return attempt_->card(); }
  SettingsDialog* settingsDialog() { return &settings(); }

  // A test of the current test set opened, as a click in the side list does.
  bool openTest(const std::string& name) { return menu_->openTest(name); }
  // "Установки" chosen, and the password given when the test has one.
  void openSettingsDialog(bool afterPassword);
  // A transition of the card area, or what waits for it, is under way:
  // clicks on the window wait for it.
  bool transitionRunning() const { return transition_->active(); }

  // "Вихід" chosen (from its caption or a hot key).
  void requestExit() { exit_->requestExit(); }
  // "Оформлення" chosen: the appearance dialog opens.
  void openAppearanceDialog() { appearance_->open(); }
  AppearanceDialog* appearanceDialog() const { return appearance_->dialog(); }
  // Stored results, their charts and cleaning.
  ResultsConductor& results() { return *results_; }
  // The help and about windows.
  InfoWindows& info() { return *info_; }
  // The dispatcher after the dialog was confirmed: decor.ini read back and
  // the first screen drawn anew in its appearance.
  void applyAppearance();
  // The offer to resume an attempt a crash cut off, while it is shown.
  ResumeOffer* resumeOffer() const { return resumeOffer_; }
  // The End key: the last result to the teacher's computer once more.
  void sendResultAgain() { sender_->resendLast(); }
  ResultSender& resultSender() { return *sender_; }

 signals:
  void firstFramePainted();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  WindowParts parts();
  void createScreens();
  // Made on first use, with the settings of the test opened last.
  SettingsDialog& settings();
  void drawFirstScreen();
  void announce();
  void loadClassListsAtStart();
  bool attemptRunning() const { return attempt_ && attempt_->running(); }
  // Once the menu is available: an attempt a crash cut off is offered to
  // be resumed.
  void offerResume();
  void resumeAttempt(const WaitingAttempt& attempt);

  Workstation ws_;
  std::unique_ptr<SystemShell> shell_;
  std::unique_ptr<Audio> audio_;
  Sound sound_;
  Terminator terminator_;
  QtScheduler scheduler_;
  Random random_;
  Random noise_;  // the patterns' grain, apart from the attempt's shuffles
  std::unique_ptr<TcpClient> tcp_;
  std::unique_ptr<ResultSender> sender_;
  ArtworkList artwork_;
  QImage desktop_;
  QImage background_;
  QImage screen_;
  QImage firstCanvas_;  // the first background's memory, until it is drawn
  std::optional<PagesAhead> firstPages_;  // of firstCanvas_ and screen_
  FirstScreenLook look_;
  std::function<void(const QString&)> messages_;
  QString publisherLine_;
  std::unique_ptr<SectionActions> actions_;
  std::unique_ptr<SurroundWindow> surround_;
  std::unique_ptr<IntroPictures> introPictures_;
  std::unique_ptr<IntroAnimation> intro_;
  std::unique_ptr<QtCardScreen> cardScreen_;
  std::unique_ptr<Transition> transition_;
  bool firstFrame_ = true;
  bool transparentStartPending_ = false;
  bool startedTransparent_ = false;
  bool corsivaInstalled_ = false;

  std::unique_ptr<MenuConductor> menu_;
  std::unique_ptr<TitleScreen> title_;
  std::unique_ptr<SettingsDialog> settings_;
  std::optional<std::pair<std::string, SettingsDialogState>> settingsFill_;  // until it is made
  std::unique_ptr<AttemptConductor> attempt_;
  std::unique_ptr<ExitConductor> exit_;
  std::unique_ptr<AppearanceConductor> appearance_;
  bool resumeOffered_ = false;
  ResumeOffer* resumeOffer_ = nullptr;
  std::unique_ptr<ResultsConductor> results_;
  std::unique_ptr<InfoWindows> info_;
};

}  // namespace ispyt
