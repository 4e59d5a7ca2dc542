#pragma once
// "Вихід" on the main window: ending at once, breaking off an attempt
// under way, or the exit confirmation with its two answers.

#include <QImage>
#include <QPoint>
#include <functional>

#include "shell/Terminator.h"
#include "shell/ui/ExitConfirmPanel.h"
#include "shell/ui/MenuConductor.h"
#include "shell/ui/WindowParts.h"

namespace ispyt {

class ExitConductor {
 public:
  // What the exit asks of the rest of the window.
  struct Host {
    std::function<bool()> attemptRunning;
    std::function<bool()> transitionRunning;
    std::function<void()> breakOff;  // the attempt under way
    std::function<void(bool visible)> setTitleVisible;
    std::function<QImage()> grabWindow;  // the window as it stands
  };

  ExitConductor(const WindowParts& parts, MenuConductor& menu, Terminator& terminator, Host host);

  // "Вихід" chosen (from its caption or a hot key).
  void requestExit();
  bool confirmationShown() const { return confirm_.shown(); }
  // The confirmation over the screen while it is shown.
  const QImage& picture() const { return confirm_.picture(); }
  // The mouse over the confirmation; true when it took the event.
  bool mouseMoved(QPoint at);
  bool clicked(QPoint at);

 private:
  void showConfirmation();
  void answer(ConfirmAnswer answer);

  WindowParts parts_;
  MenuConductor& menu_;
  Terminator& terminator_;
  Host host_;
  ExitConfirmPanel confirm_;
};

}  // namespace ispyt
