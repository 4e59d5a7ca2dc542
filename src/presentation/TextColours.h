#pragma once
// The table of text colours that question and answer texts are drawn in;
// the appearance settings and the presentation keys pick entries by index.

#include "platform/Canvas.h"

namespace ispyt {

// Index 0..7; any other index is black.
inline Rgb textColour(int index) {
  static constexpr Rgb kTable[] = {{8, 8, 8},     {0, 32, 96},   {32, 96, 32},
                                   {160, 200, 255}, {128, 0, 0}, {128, 0, 64},
                                   {255, 255, 128}, {244, 244, 244}};
  return index >= 0 && index < 8 ? kTable[index] : kBlack;
}

}  // namespace ispyt
