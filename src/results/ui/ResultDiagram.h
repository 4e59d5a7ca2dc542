#pragma once
// The result diagram of an ended attempt: a ring that sweeps round as the
// angle grows, its right part green and its wrong part pink, the right
// percentage in its middle and, once asked, the prompt "Натисніть -->"
// under it.

#include <QImage>
#include <QSize>

namespace ispyt {

// `angle` as the attempt flow turns it (2 pi .. past 6 pi); `judged` and
// `wrong` are the elements as grading counts them (gradingCounts), so that
// a broken-off attempt shows its tasks left as wrong.  Nothing judged
// gives the empty ring.  `backdrop` (may be null) is stretched under it.
QImage resultDiagram(QSize size, double angle, int judged, int wrong, bool prompt,
                     const QImage& backdrop);

}  // namespace ispyt
