#pragma once
// `DrawNamePlate`'s picture: the testee's name centred and the attempt code
// underlined at the plate's left, drawn three times as large over the
// plate's background and reduced by the 3 x 3 average, so that both have
// smooth edges at any scale.

#include <QImage>
#include <string>

#include "presentation/ScreenScale.h"

namespace ispyt {

struct NamePlateText {
  std::string fullName;     // Windows-1251; may be empty
  std::string attemptCode;  // a letter and three digits
  bool zigzag = false;      // the test shuffles its tasks ("Сортування")
  bool flat = false;        // the theme draws without light copies
};

// The plate over `background` (the screen's background under the plate,
// at screen size).
QImage namePlatePicture(const QImage& background, const NamePlateText& text,
                        const ScreenScale& scale);

}  // namespace ispyt
