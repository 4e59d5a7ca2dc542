#pragma once
// The ground of the result screen's pictures: the task area as it stood,
// stretched to the picture, or a pale sky gradient when there is none.

#include <QImage>
#include <QPainter>
#include <QSize>

namespace ispyt {

void paintResultBackdrop(QPainter& painter, QSize size, const QImage& backdrop);

// A blank picture of `size` (at least 1 by 1) for the painters.
QImage resultCanvas(QSize size);

}  // namespace ispyt
