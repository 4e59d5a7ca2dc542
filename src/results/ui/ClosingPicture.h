#pragma once
// The closing of the result screen, one picture per step: with a grade, a
// medal bearing it grows over the dimming screen and settles; without one,
// the screen closes in a shrinking circle.

#include <QImage>
#include <QSize>

namespace ispyt {

// `step` 1..69; `grade` 0 for none, else 1..99 on a scale of `gradeScale`
// (its quarter picks the medal's metal); `backdrop` (may be null) is the
// screen being closed.
QImage closingPicture(QSize size, int step, int grade, int gradeScale, const QImage& backdrop);

}  // namespace ispyt
