#pragma once
// The colour schemes of the main window ("фон діаграми"): the window
// colour and the fills of the "Градієнт" background, of the clock and
// score panels and of the menu strip.

#include <string>
#include <string_view>
#include <vector>

#include "platform/Canvas.h"
#include "presentation/Fills.h"

namespace ispyt {

struct ColourScheme {
  const char* name;  // UTF-8; "" for the row of every unlisted name
  Rgb window;
  Fill background;  // the "Градієнт" screen background
  Fill panels;      // the clock and the score panel, when textured
  Fill strip;       // the menu strip
  bool textured;    // the panels carry the scheme's fill ("Прозорий": plain)
};

// The scheme of `name` (Windows-1251); an unlisted name gives the plain
// row, which the program calls "Прозорий".
const ColourScheme& colourSchemeOf(std::string_view name);

// The names the dialog offers, in its order (Windows-1251).
const std::vector<std::string>& colourSchemeNames();

// The arched title is drawn in a pale blue-white on the cool schemes
// ("Ялиця", "Морська", "Дощ", "Сланець"), light yellow on the others.
bool titleArchLight(std::string_view scheme);

// The clock's second hand: with the clock face on, cyan for "Прозорий" and
// blue otherwise; with it off, "Колір годинника" picks blue, else cyan.
Rgb secondHandColour(std::string_view scheme, bool clockBackground, bool clockColour);

// The appearance dialog paints its tabs by a scheme number: "Весна" 1,
// "Дощ" 2, "Сланець" 3, "Рожева" 4, "Морська" 5, "Ялиця" 6, "Гарбуз" 7.
// Any other name ("Прозорий") keeps `previous`.
inline constexpr int kFirstDialogScheme = 2;
int dialogSchemeNumber(std::string_view scheme, int previous);

// The dialog's tab background for a scheme number: a vertical gradient,
// with a little random grain for the textured ones.
struct DialogBackdrop {
  Rgb top, bottom;
  int grain = 0;  // each channel varies by up to this much
};
DialogBackdrop dialogBackdrop(int schemeNumber);

}  // namespace ispyt
