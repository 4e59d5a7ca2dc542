#pragma once
// What every screen of the main window works with: the workstation, the
// platform services, and the one screen picture the window shows over its
// background.  The main window owns them all and hands this to each screen.

#include <QImage>
#include <QRect>
#include <QString>
#include <QWidget>
#include <functional>

#include "platform/Random.h"
#include "platform/Scheduler.h"
#include "platform/SystemShell.h"
#include "platform/qt/ArtworkList.h"
#include "platform/qt/QtGeometry.h"
#include "presentation/Sound.h"
#include "presentation/Transition.h"
#include "presentation/qt/FirstScreen.h"
#include "shell/Workstation.h"

namespace ispyt {

struct WindowParts {
  QWidget* window = nullptr;  // the parent of every control
  Workstation& ws;
  SystemShell& shell;
  Scheduler& scheduler;
  Random& random;
  QImage& screen;  // what the window shows
  QImage& background;
  const QImage& desktop;  // as it was before the window covered it
  const ArtworkList& artwork;
  const FirstScreenLook& look;
  std::function<void()> repaint;
  std::function<void(const QString&)> showMessage;  // a message box
  Transition& transition;  // of the card area
  // The one player of effects and music.
  Sound& sound;

  QRect rect(const Rect& design) const { return qrect(ws.scale.rect(design)); }
};

}  // namespace ispyt
