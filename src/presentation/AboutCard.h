#pragma once
// The about window's card: 12 lines of text on nine pages of four lines,
// how each page is drawn, the side bar's accent colour by scheme, and
// where the window stands.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Canvas.h"
#include "platform/Geometry.h"
#include "presentation/ScreenScale.h"

namespace ispyt {

inline constexpr int kAboutLineCount = 12;
inline constexpr int kAboutPages = 9;
inline constexpr int kAboutPageStep = 4;  // the scroll bar's small and large change
inline constexpr Size kAboutSize{310, 178};
inline constexpr int kAboutMarqueeTicks = 13;

using AboutText = std::array<std::string, kAboutLineCount>;  // Windows-1251

// The about text for a build of `version` (UTF-8).  When the base folder's
// "user.txt" names the school, its two lines become the contact lines.
struct AboutContact {
  std::string line1, line2;  // Windows-1251
};
AboutText aboutText(std::string_view version, const AboutContact* contact);

struct AboutLine {
  int index = 0;  // 0-based into the text
  Point at;       // top-left, from the card's left edge
  Rgb colour;
  bool italic = false;
  int size = 14;  // points
};
// The page that shows the picture, and where on the card.
inline constexpr int kAboutPicturePage = 5;
inline constexpr Point kAboutPictureAt{5, 15};
inline constexpr int kAboutPictureWidth = 80;
// Page p (1..9) shows lines p to p + 3; the last line of page 9 is red
// and italic, a little lower; on the picture's page the lines stand
// smaller beside the picture.
std::vector<AboutLine> aboutPage(int page);

// The side bar's colour beside the scroll bar; the window colour for a
// scheme without one.
Rgb aboutAccent(std::string_view scheme, Rgb windowColour);

// Top 200 design pixels below the main window's, centred over the option
// area 45 design pixels to the right.
Point aboutPosition(Point mainCorner, const ScreenScale& s, Size window);

}  // namespace ispyt
