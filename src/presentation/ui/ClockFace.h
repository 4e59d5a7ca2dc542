#pragma once
// The analogue clock of the attempt on its panel: the face with its minute
// marks, the minutes left, the second hand, and the seconds left counted
// down in the last two minutes.

#include <QImage>

#include "presentation/ScreenScale.h"
#include "presentation/ui/FirstScreen.h"

namespace ispyt {

struct ClockReading {
  int elapsed = 0;       // seconds since the attempt started
  int limit = 0;         // seconds of the time limit; 0: no attempt, the face alone
  bool running = false;  // a stopped clock shows no countdown
};

// Draws the clock panel into `box` of `screen`, over the piece of
// `background` under it when one is given.
void paintClock(QImage& screen, QRect box, const QImage& background, const ScreenScale& scale,
                const FirstScreenLook& look, const ClockReading& reading);

}  // namespace ispyt
