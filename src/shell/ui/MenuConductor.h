#pragma once
// The menu of the main window: the six captions, the side list under
// "Тест" and "Результат", the dispatcher that acts on the item chosen, the
// password prompt, and the hot keys.  What a section starts elsewhere goes
// through the section actions and the host.

#include <QKeyEvent>
#include <QObject>
#include <array>
#include <functional>
#include <memory>
#include <string>

#include "attempt/PresentationKeys.h"
#include "shell/HotKeys.h"
#include "shell/MainMenu.h"
#include "shell/SectionActions.h"
#include "shell/SideMenuLayout.h"
#include "shell/ui/MenuCaptionLabel.h"
#include "shell/ui/PasswordPrompt.h"
#include "shell/ui/SideMenuWindow.h"
#include "shell/ui/WindowParts.h"

namespace ispyt {

class MenuConductor : public QObject {
  Q_OBJECT
 public:
  // What the menu asks of the rest of the window.
  struct Host {
    // false: it did not open.  `shuffleState` reads it as it was once read.
    std::function<bool(const std::string& name, const std::string* shuffleState)> openTest;
    std::function<void()> requestExit;
    std::function<void()> stopIntro;  // for good: a section was chosen
    std::function<bool()> attemptRunning;
    std::function<bool()> transitionRunning;
    std::function<void(PresentationKey)> presentationKey;
    std::function<void(HotKeyAction)> turnColours;  // F3: the clock's, F4: the wheel's
  };

  MenuConductor(const WindowParts& parts, SectionActions& actions, Host host);
  // The captions' fonts and places on the menu strip, from their widths:
  // the first use of fonts, so a step of its own.
  void placeCaptions();

  MainMenu& menu() { return menu_; }
  const MainMenu& menu() const { return menu_; }
  MenuCaptionLabel* caption(MenuCaption c) const { return captions_[static_cast<int>(c)]; }
  SideMenuWindow* sideMenu() const { return sideMenu_; }
  // Made when first asked for: most lessons never open the settings.
  PasswordPrompt* passwordPrompt();
  void hidePasswordPrompt();
  // The prompt if it was ever made, else null.
  PasswordPrompt* madePasswordPrompt() const { return prompt_; }

  // The captions show the menu's state again.
  void syncCaptions();
  // The intro has come far enough: "Тест" and "Оформлення" may be chosen.
  void makeAvailable();
  // The results caption's text and colour; the captions after it move.
  void showResultsCaption(const MenuCaptionText& caption);
  // The hot keys; the event is accepted when one was taken.
  void hotKey(QKeyEvent* event);
  // Opens the test `name` of the current set as the side list does; false
  // when it did not open.
  bool openTest(const std::string& name, const std::string* shuffleState = nullptr);
  // The appearance dialog wrote decor.ini: the dispatcher applies it, as
  // the section that opened the dialog.
  void appearanceConfirmed();
  // The appearance dialog closed: its section is no longer open.
  void appearanceClosed();

 private:
  void captionEntered(MenuCaption c);
  void captionClicked(MenuCaption c);
  void openTestList();
  void openResultList();
  void openSideMenu(const SideMenuLayout& layout, QPoint screenPosition);
  void sideItemClicked(int index);
  void runDispatcher();
  void askPassword();
  void passwordAccepted();

  WindowParts parts_;
  Workstation& ws_;
  SectionActions& actions_;
  Host host_;
  MainMenu menu_;
  std::array<MenuCaptionLabel*, kMenuCaptionCount> captions_{};
  SideMenuWindow* sideMenu_ = nullptr;
  PasswordPrompt* prompt_ = nullptr;
  std::unique_ptr<Timer> dispatcherTimer_;
  std::string chosenItem_;
  int resultPage_ = 0;
  std::vector<int> resultFocusLosses_;  // of the codes listed
};

}  // namespace ispyt
