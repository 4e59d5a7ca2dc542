#include "presentation/AppearanceRules.h"

#include "platform/Cp1251.h"
#include "presentation/AppearanceDialogRules.h"

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

}  // namespace ispyt
