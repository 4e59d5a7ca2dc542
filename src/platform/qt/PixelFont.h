#pragma once
// A font given in points at the screen's scale, sized in pixels so that it
// looks the same whatever resolution the system reports.

#include <QFont>

namespace ispyt {

QFont pixelFont(const char* family, int points, bool bold = false);

}  // namespace ispyt
