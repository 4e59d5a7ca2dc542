#pragma once
// The arched title "Система обробки тестiв": where each character stands
// on its ellipse and how far it is turned, on a canvas three times the
// title area's size.

#include <string>
#include <vector>

namespace ispyt {

struct ArchGlyph {
  double x = 0;
  double y = 0;
  double rotationTenths = 0;  // tenths of a degree, counter-clockwise
  int characterIndex = 0;     // into the title text
};

// The 22 characters, last one first, as they are drawn.
std::vector<ArchGlyph> layoutTitleArch(int canvasWidth, int canvasHeight, double scaleX,
                                       double scaleY, int characterCount = 22);

// The title text in Windows-1251 (its 'i' is the Latin letter).
std::string titleArchText();

}  // namespace ispyt
