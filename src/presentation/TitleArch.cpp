#include "presentation/TitleArch.h"

#include <cmath>

#include "platform/Cp1251.h"

namespace ispyt {

std::vector<ArchGlyph> layoutTitleArch(int w, int h, double sx, double sy, int count) {
  std::vector<ArchGlyph> glyphs;
  for (int k = 0; k < count; ++k) {
    double theta = 1.66897 + k * 0.147262;
    ArchGlyph g;
    g.x = w / 2.0 + std::sin(theta) * 130 * sx * 3;
    g.y = h + std::cos(theta) * 110 * sy * 3 - 30 * sy * 3;
    g.rotationTenths = (-45 - 1.3 * k) * (15 - 1.3 * k);
    g.characterIndex = count - 1 - k;
    glyphs.push_back(g);
  }
  return glyphs;
}

std::string titleArchText() { return cp1251("Система обробки тестiв"); }

}  // namespace ispyt
