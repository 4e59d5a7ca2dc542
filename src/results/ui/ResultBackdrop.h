#pragma once
// The ground of the result screen's pictures: the task area as it stood,
// stretched to the picture, or a pale sky gradient when there is none.

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QSize>

namespace ispyt {

void paintResultBackdrop(QPainter& painter, QSize size, const QImage& backdrop);
QLinearGradient resultSky(QSize size);

// A picture of `size` (at least 1 by 1) for the painters to cover.
QImage resultCanvas(QSize size);

}  // namespace ispyt
