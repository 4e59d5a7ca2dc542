#include "presentation/AppearanceRules.h"

#include "platform/Cp1251.h"
#include "presentation/AppearanceDialogRules.h"
#include "presentation/ColourSchemes.h"

namespace ispyt {

std::string settledEffect(std::string_view effect) {
  for (const std::string& name : effectNames())
    if (name == effect) return name;
  return cp1251("Нема");
}

bool cardFrameDrawn(std::string_view effect, std::string_view cardBackdrop) {
  const bool appears =
      effect == cp1251("Поява") || effect == cp1251("Жалюзі") || effect == cp1251("Розчинення");
  return !(appears && cardBackdrop == cp1251("Прозорий"));
}

ScreenBackground screenBackgroundOf(std::string_view name, int pictureWidth) {
  if (pictureWidth >= 800) return ScreenBackground::Stretched;
  if (pictureWidth > 0) return ScreenBackground::Tiled;
  if (name == cp1251("Накат")) return ScreenBackground::Roller;
  if (name == cp1251("Прозорий")) return ScreenBackground::Desktop;
  return ScreenBackground::Gradient;
}

Backdrop backdropOf(std::string_view name, bool hasPicture) {
  if (hasPicture) return Backdrop::Picture;
  if (name == cp1251("Пергамент")) return Backdrop::Parchment;
  return Backdrop::Transparent;
}

SettledAppearance settleAppearance(DecorSettings& decor, int backgroundWidth, bool cardPicture,
                                   bool optionPicture) {
  SettledAppearance s;
  s.background = screenBackgroundOf(decor.programBackground, backgroundWidth);
  if (s.background == ScreenBackground::Gradient) decor.programBackground = cp1251("Градієнт");
  decor.effect = settledEffect(decor.effect);
  s.card = backdropOf(decor.questionBackground, cardPicture);
  if (s.card == Backdrop::Transparent) decor.questionBackground = cp1251("Прозорий");
  s.options = backdropOf(decor.answerBackground, optionPicture);
  if (s.options == Backdrop::Transparent) decor.answerBackground = cp1251("Прозорий");
  s.cardFrame = cardFrameDrawn(decor.effect, decor.questionBackground);
  // The hand's colour goes by the scheme as it was read.
  s.secondHand = secondHandColour(decor.colourScheme, decor.clockBackground, decor.clockColour);
  s.textured = colourSchemeOf(decor.colourScheme).textured;
  if (!s.textured) decor.colourScheme = cp1251("Прозорий");
  return s;
}

ScriptFont scriptFont(bool corsivaInstalled) {
  if (corsivaInstalled) return {"MonoType Corsiva", 15};
  return {"Calibri", 12};
}

}  // namespace ispyt
