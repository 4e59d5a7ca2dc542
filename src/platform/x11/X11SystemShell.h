#pragma once
// The desktop of an X11 session, held through Xlib on the display Qt
// opened:
//
//  - a keyboard layout code switches the XKB group to the configured
//    layout of its language ("ua", "us", "ru"); a language the server is
//    not configured with changes nothing, and is said once;
//  - while the screen-saver flag is set the main window grabs the keyboard
//    (task switching and the desktop's shortcuts reach nobody else; taken
//    again whenever a popup of the program let go of it or another client
//    held it), and the server's screen saver and power saving are
//    suspended, besides the session's own (DeskShell);
//  - everything taken is the connection's: the server gives it back when
//    the process ends, however it ends.

#include <QTimer>
#include <string>

#include "platform/ui/DeskShell.h"

struct _XDisplay;

namespace ispyt {

class X11SystemShell : public DeskShell {
 public:
  explicit X11SystemShell(_XDisplay* display);
  ~X11SystemShell() override;

  void holdWindows(const std::vector<QWidget*>& windows) override;
  bool activateKeyboardLayout(std::string_view code) override;
  std::string activeKeyboardLayout() const override;

  // The keyboard is the main window's (as far as the last grab knows).
  bool keyboardGrabbed() const { return grabbed_; }

 protected:
  void holdKeyboard(bool hold) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void grab();
  void suspendScreenSaver(bool suspend);
  // The layouts the server is configured with ("us,ua").
  std::string configuredLayouts() const;

  _XDisplay* display_;
  QTimer regrab_;
  bool grabbed_ = false;
  bool suspended_ = false;
};

}  // namespace ispyt
