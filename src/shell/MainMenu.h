#pragma once
// The state of the six menu captions.  A caption's colour is its state:
// navy can be chosen, blue is under the mouse and is the only state a click
// counts in, grey cannot be chosen.  Leaving a caption keeps it blue: the
// dispatcher later reads which section is blue, after the mouse has moved
// into the side list.

#include <array>
#include <string>

#include "shell/MenuCaptionLayout.h"

namespace ispyt {

enum class CaptionColour { Navy, Blue, Grey };

struct MenuCaptionText {
  std::string text;  // Windows-1251
  CaptionColour colour = CaptionColour::Grey;
};

// "Результат" in grey with no stored result, else "Результат " and the
// count in navy.
MenuCaptionText resultsCaption(int storedResults);

class MainMenu {
 public:
  MainMenu();

  CaptionColour colour(MenuCaption c) const { return colour_[index(c)]; }
  void setColour(MenuCaption c, CaptionColour colour) { colour_[index(c)] = colour; }
  bool isOpen(MenuCaption c) const { return open_[index(c)]; }
  void setOpen(MenuCaption c, bool open) { open_[index(c)] = open; }

  // "Тест", "Установки" and "Результат" ignore the mouse while an attempt
  // runs, its hover and its click alike.
  static bool restingDuringAttempt(MenuCaption c) {
    return c == MenuCaption::Test || c == MenuCaption::Settings || c == MenuCaption::Results;
  }
  // The mouse moved onto a caption.
  void hover(MenuCaption c, bool attemptRunning);
  // Only a highlighted caption reacts to a click.
  bool clickable(MenuCaption c) const { return colour(c) == CaptionColour::Blue; }
  bool highlighted(MenuCaption c) const { return clickable(c); }

 private:
  static int index(MenuCaption c) { return static_cast<int>(c); }
  std::array<CaptionColour, kMenuCaptionCount> colour_{};
  std::array<bool, kMenuCaptionCount> open_{};
};

}  // namespace ispyt
