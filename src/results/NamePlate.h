#pragma once
// The name plate of the result screen: the testee's name and the attempt
// code, drawn large and then reduced, and the code underlined straight, or
// in a zigzag when the test shuffles its tasks.  The sizes and lines here;
// the drawing is the widgets' (results/ui/NamePlatePicture.h).

#include <string_view>
#include <vector>

#include "platform/Geometry.h"

namespace ispyt {

// Courier New at 20, or 16 for a name of 15 to 17 characters, or 14 for a
// longer one, so that the longest name a card takes still fits.
int namePlateFontSize(std::string_view fullName);
inline constexpr int kNamePlateCodeSize = 18;

// The underline of a text `width` wide whose line runs at `y` from `x`: a
// straight line inset by a sixteenth of the width at either end, or a
// zigzag of twenty segments, each a twentieth of the width, alternately
// reaching `rise` below the line and back.
std::vector<Point> codeUnderline(int x, int y, int width, int rise, bool zigzag);

}  // namespace ispyt
