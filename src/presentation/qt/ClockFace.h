#pragma once
// The analogue clock of the attempt on its panel: the face of the
// appearance, the minutes left, the second hand, and the seconds left
// counted down in the last two minutes.

#include <QImage>

#include "presentation/ScreenScale.h"
#include "presentation/qt/FirstScreen.h"

namespace ispyt {

struct ClockReading {
  int elapsed = 0;       // seconds since the attempt started
  int limit = 0;         // seconds of the time limit; 0: no attempt, the face alone
  bool running = false;  // a stopped clock shows no countdown
};

// One clock step into `box` of `screen`.
void paintClock(QImage& screen, QRect box, const ScreenScale& scale, const FirstScreenLook& look,
                const ClockReading& reading);

}  // namespace ispyt
