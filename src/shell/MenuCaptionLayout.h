#pragma once
// The six menu captions stand left to right: each starts a fixed gap after
// the end of the one before it, so their positions follow their widths.

#include <vector>

#include "presentation/ScreenScale.h"

namespace ispyt {

enum class MenuCaption { Test, Settings, Results, Appearance, Exit, Help };
inline constexpr int kMenuCaptionCount = 6;
// Their texts (UTF-8), in that order.
inline constexpr const char* kMenuCaptionTexts[kMenuCaptionCount] = {
    "Тест", "Установки", "Результат", "Оформлення", "Вихід", "?"};

// x of each caption, from the captions' rendered widths in screen pixels.
std::vector<int> layoutMenuCaptions(const std::vector<int>& widths, const ScreenScale& scale);

// The mode icon: its scaled size and place between the status strip and
// the clock box, and whether the small icon under it shrinks to 64x27.
struct ModeIconPlacement {
  Rect icon;
  bool smallIconShrinks = false;
};
ModeIconPlacement placeModeIcon(Size picture, const ScreenScale& scale);

}  // namespace ispyt
