#pragma once
// How the end-of-attempt pictures move, apart from their painting: the
// shares the result diagram shows, how far it has swept at an angle, and
// how the grade medal and the closing shade change over the closing steps.

namespace ispyt {

struct DiagramShares {
  bool empty = true;  // nothing judged: the diagram shows no parts
  int rightElements = 0;
  int wrongElements = 0;
  double right = 0;  // 0..1
  int percent = 0;   // right, as the result stores it
};

// `wrong` outside 0..judged is taken as its nearest bound, so that the -1
// of an attempt broken off shows no wrong part rather than a broken one.
DiagramShares diagramShares(int judged, int wrong);

// 0 up to 2 pi (the exam's diagram starts at 1.8 pi), 1 from 6 pi on, when
// the prompt appears; eased in between.
double diagramSweep(double angle);

// The medal's size at closing step 1..: it grows past its size, then
// settles at 1 and stays.
double medalScale(int step);

// The share of the closing done, 0 before step 1 and 1 at the last step.
double closingShade(int step);

}  // namespace ispyt
