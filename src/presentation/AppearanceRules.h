#pragma once
// Rules of applying an appearance that are not drawing: which picture each
// name gives, the names that are rewritten when they give none, the card
// frame, the clock's hand and the captions' fonts.  Texts are Windows-1251.

#include <string>
#include <string_view>

#include "platform/Canvas.h"
#include "presentation/DecorSettings.h"

namespace ispyt {

// The transition effect the screens use: an unknown name becomes "Нема".
std::string settledEffect(std::string_view effect);

// The card's frame is drawn on the background unless the card has no
// backdrop of its own ("Прозорий") and the effect makes the card appear
// from the background ("Поява", "Жалюзі", "Розчинення").
bool cardFrameDrawn(std::string_view effect, std::string_view cardBackdrop);

// What the screen background is made of.  A picture of "Decor/Fon1" at
// least 800 pixels wide is stretched to the window, a narrower one tiled;
// without one, "Накат" tiles the built-in tile, "Прозорий" shows the
// desktop as it was at start-up, and any other name is the scheme's
// gradient.
enum class ScreenBackground { Stretched, Tiled, Roller, Desktop, Gradient };
// `pictureWidth` is the width of the name's picture, 0 when it has none.
ScreenBackground screenBackgroundOf(std::string_view name, int pictureWidth);

// What a card or option backdrop is made of: a picture of "Decor/Fon2",
// the built-in "Пергамент" tile, or the screen background itself.
enum class Backdrop { Picture, Parchment, Transparent };
Backdrop backdropOf(std::string_view name, bool hasPicture);

// What the names of an appearance settled on.  Applying it rewrites the
// names that gave nothing usable in `decor` ("Градієнт", "Прозорий",
// "Нема"), and they are saved so.
struct SettledAppearance {
  ScreenBackground background = ScreenBackground::Gradient;
  Backdrop card = Backdrop::Transparent;
  Backdrop options = Backdrop::Transparent;
  bool textured = false;  // the panels carry the scheme's fill
  bool cardFrame = true;
  Rgb secondHand;
};
// `backgroundWidth`: the width of the screen background's picture (0:
// none); `cardPicture`, `optionPicture`: the backdrops' pictures exist.
SettledAppearance settleAppearance(DecorSettings& decor, int backgroundWidth, bool cardPicture,
                                   bool optionPicture);

// Script captions on the panels: "MonoType Corsiva" at 15 points when it
// is installed, else "Calibri" at 12 (design sizes, before scaling).
struct ScriptFont {
  std::string family;
  int designSize = 0;
};
ScriptFont scriptFont(bool corsivaInstalled);

}  // namespace ispyt
