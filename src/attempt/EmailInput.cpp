#include "attempt/EmailInput.h"

#include <algorithm>

#include "platform/Rounding.h"

namespace ispyt {

bool emailKeyAccepted(char key) {
  // Enter and the other control keys would put a line break or worse into
  // an address; backspace edits.
  if (static_cast<unsigned char>(key) < 32) return key == '\b';
  return key != ' ' && key != '@';
}

int emailFullFont(double scaleY) {
  return std::max(kEmailSmallestFont, roundHalfEven(kEmailFontPoints * scaleY));
}

int emailFontAfterEdit(int points, int userLines, bool backspace, double scaleY) {
  if (userLines > 1) return std::max(kEmailSmallestFont, points - 2);
  if (backspace) return std::min(emailFullFont(scaleY), points + 1);
  return points;
}

}  // namespace ispyt
