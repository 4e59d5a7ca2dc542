#pragma once
// The card's frame as a transition lays it over a picture: a rounded
// rectangle from (1, 1) to (w - 2, h - 2) with a corner ellipse of 30 x 30,
// one pixel wide; what lies outside it (the corners) is not the card's.
// The torn style squares the lower left and the upper right quarter, as of
// a card torn off its pad.

#include "platform/Picture.h"

namespace ispyt {

struct FrameStyle {
  Pixel colour = 0xFF606060u;
  bool outline = true;  // false: a card that appears from the background shows none
  bool torn = false;
};

// Copies the part `from` of `source` to `at` of `target` inside the frame
// of a card the part's size, with the frame's outline over it; the corners
// outside the frame keep what `target` shows there.
void drawFramed(Picture& target, const Picture& source, Rect from, Point at,
                const FrameStyle& style);

}  // namespace ispyt
