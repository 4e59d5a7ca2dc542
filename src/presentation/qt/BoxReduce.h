#pragma once
// Smooth edges the way every enlarged drawing of the program gets them:
// draw at three times the size, then average each 3x3 block.

#include <QImage>

namespace ispyt {

QImage reduceByThree(const QImage& enlarged);

}  // namespace ispyt
