#pragma once
// The help window's page: about 290 lines of text on the program, the
// formatting table that styles chosen lines, the five section links with
// the line each brings into view at each of the window's heights, and the
// window's colours by scheme.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Canvas.h"
#include "platform/Geometry.h"
#include "presentation/ScreenScale.h"

namespace ispyt {

// How a formatted line looks, by its style kind.
enum class HelpStyle {
  Normal = 0,
  Bold = 1,
  Italic = 2,
  Underline = 3,
  BoldUnderline = 4,
  BoldItalic = 5,
  SignsFirst2 = 6,  // the first 2 characters in "Webdings", in the colour
  Comic = 7,        // the font "Comic Sans MS"
  BoldFirst14 = 8,  // the first 14 characters bold, in the colour
  SignsFirst4 = 9,  // the first 4 characters in "Webdings"
};

struct HelpFormat {
  int line = 0;   // 1-based
  int size = 10;  // points
  HelpStyle style = HelpStyle::Normal;
  Rgb colour;
};

struct HelpPage {
  std::vector<std::string> lines;   // Windows-1251
  std::vector<HelpFormat> formats;  // applied in this order
};
const HelpPage& helpPage();

// The window's client area at height step 0, and what a step adds.
inline constexpr Size kHelpSize{294, 369};
inline constexpr int kHelpStepHeight = 95;
inline constexpr int kHelpSteps = 3;  // 0, 1, 2

struct HelpSection {
  const char* caption;  // UTF-8, as the link shows it
  // The line the caret goes to at each height step: the last line in view
  // when the section's first line stands at the top.
  std::array<int, kHelpSteps> target;
};
inline constexpr std::array<HelpSection, 5> kHelpSections{{
    {"Головне МЕНЮ", {19, 25, 31}},
    {"Види завдань", {77, 83, 88}},
    {"Робота з тестом", {129, 135, 141}},
    {"\"Гарячі клавіши\"", {237, 243, 249}},
    {"Результати", {265, 271, 277}},
}};
// The line a section's link brings to the top of the text.
int helpSectionTop(const HelpSection& section);

struct HelpColours {
  Rgb window;  // the window and the link panel
  Rgb text;    // the text's background
};
HelpColours helpColours(std::string_view scheme);

// Where the window stands: over the option area, below the card.
Point helpPosition(Point mainCorner, const ScreenScale& s, Size window);

// The sign a "Webdings" character stands for, where that font is missing.
char32_t webdingsSign(char c);

}  // namespace ispyt
