#include "shell/MainMenu.h"

#include "platform/Cp1251.h"

namespace ispyt {

MenuCaptionText resultsCaption(int storedResults) {
  if (storedResults == 0) return {cp1251("Результат"), CaptionColour::Grey};
  return {cp1251("Результат ") + std::to_string(storedResults), CaptionColour::Navy};
}

MainMenu::MainMenu() {
  colour_.fill(CaptionColour::Grey);
  setColour(MenuCaption::Exit, CaptionColour::Navy);
  setColour(MenuCaption::Help, CaptionColour::Navy);
}

void MainMenu::hover(MenuCaption c, bool attemptRunning) {
  if (restingDuringAttempt(c) && attemptRunning) return;
  for (int i = 0; i < kMenuCaptionCount; ++i) {
    auto other = static_cast<MenuCaption>(i);
    if (other == c) continue;
    if (other == MenuCaption::Exit || other == MenuCaption::Help)
      colour_[i] = CaptionColour::Navy;
    else if (colour_[i] != CaptionColour::Grey)
      colour_[i] = CaptionColour::Navy;
  }
  if (c == MenuCaption::Help || colour(c) != CaptionColour::Grey) setColour(c, CaptionColour::Blue);
}

}  // namespace ispyt
