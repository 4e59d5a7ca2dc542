#pragma once
// The main button under the clock: a raised key with an arrow, bright when
// it may be pressed and greyed while it may not.

#include <QImage>

namespace ispyt {

void paintMainButton(QImage& screen, QRect box, const QImage& background, bool active);

}  // namespace ispyt
