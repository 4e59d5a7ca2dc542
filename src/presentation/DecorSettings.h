#pragma once
// The workstation's appearance and options.  These are the start-up
// defaults; the stored file, when present, overrides them.

#include <string>

#include "platform/Cp1251.h"

namespace ispyt {

struct DecorSettings {
  std::string programBackground = cp1251("Накат");
  std::string questionBackground = cp1251("Пергамент");
  std::string answerBackground = cp1251("Пергамент");
  std::string colourScheme = cp1251("Гарбуз");
  std::string transitionEffect = cp1251("Відрив");
  int pointerSpeed = 1;
  bool fullScreen = true;     // "На весь екран"
  bool proportional = false;  // "Пропорційно"
  bool keyboard = false;      // "Клавіатура": Restoration gaps take typed characters
  std::string testSet;        // empty: the last set the scan finds
};

}  // namespace ispyt
