#include "results/NamePlate.h"

namespace ispyt {

int namePlateFontSize(std::string_view fullName) {
  if (fullName.size() >= 18) return 14;
  if (fullName.size() >= 15) return 16;
  return 20;
}

std::vector<Point> codeUnderline(int x, int y, int width, int rise, bool zigzag) {
  if (!zigzag) return {{x + width / 16, y}, {x + width - width / 16, y}};
  std::vector<Point> points;
  constexpr int kSegments = 20;
  for (int i = 0; i <= kSegments; ++i)
    points.push_back({x + width * i / kSegments, i % 2 == 0 ? y : y + rise});
  return points;
}

}  // namespace ispyt
