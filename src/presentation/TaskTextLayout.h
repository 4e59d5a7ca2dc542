#pragma once
// One pass of the task-text layout over a grid of equal cells: measuring
// (does the text fit at this size?) or drawing onto a canvas.

#include "platform/Canvas.h"
#include "presentation/GapBoxes.h"
#include "presentation/TaskTextMarkup.h"

namespace ispyt {

struct LayoutFrame {
  int width = 0;
  int height = 0;
  int fontSize = 0;  // S, points
  bool bold = false;
  Rgb colour;
  int offset = 0;  // added to both coordinates of everything drawn
};

// The cell width g of font size S.
inline int cellWidth(int fontSize) { return fontSize - fontSize / 4; }

// The top of the first line at cell width g.
inline int firstLineTop(int g, int rowFactor) {
  return rowFactor == 1 ? g - g / 2 : 2 * (g - g / 3);
}

// Measures: true when every word fits a line and every line the height.
bool measureLayout(const MarkedText& text, const LayoutFrame& frame);

// The largest font size from minSize up to maxSize at which the text fits
// a width x height frame (the first line's top included), found from
// maxSize down; minSize when none larger does.
int largestFittingSize(const MarkedText& text, int width, int height, int maxSize, int minSize);

// Draws at the frame's size.  A word too long for a line is broken where
// the line ends and lines below the bottom are clipped, so that the
// smallest size still shows what fits.  Records the anchor of each gap.
void drawLayout(const MarkedText& text, const LayoutFrame& frame, Canvas& canvas,
                GapAnchors& anchors);

}  // namespace ispyt
