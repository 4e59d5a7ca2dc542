#include "shell/MenuCaptionLayout.h"

#include <cstdlib>

#include "presentation/MainLayout.h"

namespace ispyt {

std::vector<int> layoutMenuCaptions(const std::vector<int>& widths, const ScreenScale& scale) {
  std::vector<int> xs;
  int x = scale.x(layout::kFirstMenuCaptionX);
  for (std::size_t i = 0; i < widths.size(); ++i) {
    if (i > 0) {
      bool help = i == static_cast<std::size_t>(MenuCaption::Help);
      x += widths[i - 1] + scale.x(help ? 18 : 20);
    }
    xs.push_back(x);
  }
  return xs;
}

ModeIconPlacement placeModeIcon(Size picture, const ScreenScale& scale) {
  double f = scale.scaleX > scale.scaleY ? scale.scaleY : scale.scaleX;
  int w = roundHalfEven(picture.width * f);
  int h = roundHalfEven(picture.height * f);
  if (std::abs(h - 78) <= 5) h = 78;
  if (std::abs(w - 100) <= 5) w = 100;
  if (w > 95) w = 100;
  if (h > 75) h = 78;

  Rect clock = scale.rect(layout::kClockBox);
  Rect strip = scale.rect(layout::kStatusStrip);
  ModeIconPlacement p;
  p.icon = {clock.x + clock.width / 2 - w / 2, (clock.bottom() + strip.y) / 2 - h / 2, w, h};
  p.smallIconShrinks = w == 100 && h == 78;
  return p;
}

}  // namespace ispyt
