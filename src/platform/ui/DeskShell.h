#pragma once
// The desktop as a Qt session lets the program hold it (Wayland, and any
// other that is neither X11 nor Windows), and the base of the X11 one:
//
//  - the taskbar is hidden by the desk windows standing above the panels,
//    the one that covers its screen full screen;
//  - the screen-saver flag keeps the session from blanking the screen
//    through its screen-saver service, where it has one;
//  - what the session does not allow (holding the keyboard, switching
//    its layouts) is said once on standard error.

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/SystemShell.h"
#include "platform/ui/SessionInhibitor.h"

namespace ispyt {

class DeskShell : public QObject, public SystemShell {
 public:
  DeskShell();
  ~DeskShell() override;

  // The windows that hold the desk, the main window first.  They take the
  // taskbar's state now (best before they are shown) and whenever it
  // changes.
  virtual void holdWindows(const std::vector<QWidget*>& windows);

  void setTaskbarVisible(bool visible) override;
  void setScreenSaverRunning(bool running) override;
  bool activateKeyboardLayout(std::string_view code) override;
  std::string activeKeyboardLayout() const override { return {}; }

  bool screenSaverRunning() const { return screenSaverRunning_; }
  const SessionInhibitor& sessionInhibitor() const { return inhibitor_; }

 protected:
  // Takes or lets go of the keyboard, and of the screen's own blanking.
  virtual void holdKeyboard(bool hold);
  // Says `text` on standard error, the first time only for each `topic`.
  void sayOnce(const std::string& topic, const std::string& text);
  QWidget* mainWindow() const;

 private:
  void placeWindows();

  std::vector<QPointer<QWidget>> windows_;
  bool taskbarVisible_ = true;
  bool screenSaverRunning_ = false;
  SessionInhibitor inhibitor_;
  std::set<std::string> said_;
};

// The shell of this session: the Windows one, the X11 one, or the desk
// shell; the recorder where there is no desktop (the offscreen platform).
std::unique_ptr<SystemShell> makeDeskShell();

}  // namespace ispyt
