#pragma once
// Rules of applying an appearance that are not drawing.  Texts are
// Windows-1251.

#include <string>
#include <string_view>

namespace ispyt {

// The transition effect the screens use: an unknown name becomes "Нема".
std::string settledEffect(std::string_view effect);

// The card's frame is drawn on the background unless the card has no
// backdrop of its own ("Прозорий") and the effect makes the card appear
// from the background ("Поява", "Жалюзі", "Розчинення").
bool cardFrameDrawn(std::string_view effect, std::string_view cardBackdrop);

}  // namespace ispyt
