#include "presentation/ColourSchemes.h"

#include <algorithm>

#include "platform/Cp1251.h"

namespace ispyt {
namespace {

const ColourScheme kSchemes[] = {
    {"Ялиця",
     {192, 220, 200},
     {200, 255, 128},
     {0, 255, 128},
     {128, 255, 40},
     {128, 255, 230},
     {200, 220, 200},
     {64, 240, 128},
     true},
    {"Гарбуз",
     {240, 216, 96},
     {200, 200, 128},
     {220, 220, 32},
     {255, 128, 0},
     {255, 255, 128},
     {200, 200, 128},
     {240, 200, 32},
     true},
    {"Морська",
     {160, 192, 255},
     {64, 128, 255},
     {192, 220, 240},
     {20, 130, 255},
     {128, 160, 255},
     {64, 128, 255},
     {192, 220, 240},
     true},
    {"Рожева",
     {240, 192, 240},
     {255, 128, 192},
     {255, 255, 0},
     {255, 110, 255},
     {255, 235, 255},
     {220, 160, 192},
     {220, 200, 255},
     true},
    {"Дощ",
     {200, 200, 160},
     {128, 168, 160},
     {192, 192, 96},
     {128, 168, 160},
     {192, 192, 96},
     {128, 168, 160},
     {192, 192, 96},
     true},
    {"Сланець",
     {176, 240, 255},
     {128, 255, 255},
     {255, 255, 255},
     {40, 200, 255},
     {255, 220, 255},
     {128, 192, 255},
     {255, 255, 255},
     true},
    {"Весна",
     {248, 240, 220},
     {255, 160, 200},
     {200, 255, 160},
     {255, 160, 200},
     {200, 255, 160},
     {255, 255, 144},
     {255, 128, 128},
     true},
};
const ColourScheme kPlain{"",
                          {200, 192, 176},
                          {220, 220, 128},
                          {200, 255, 160},
                          {200, 192, 176},
                          {200, 192, 176},
                          {220, 220, 128},
                          {200, 255, 160},
                          false};

struct Numbered {
  const char* name;
  int number;
};
constexpr Numbered kDialogNumbers[] = {{"Весна", 1},   {"Дощ", 2},   {"Сланець", 3}, {"Рожева", 4},
                                       {"Морська", 5}, {"Ялиця", 6}, {"Гарбуз", 7}};

Rgb towardWhite(Rgb c, int percent) {
  auto mix = [percent](int v) { return static_cast<std::uint8_t>(v + (255 - v) * percent / 100); };
  return {mix(c.r), mix(c.g), mix(c.b)};
}

}  // namespace

const ColourScheme& colourSchemeOf(std::string_view name) {
  for (const ColourScheme& s : kSchemes)
    if (name == cp1251(s.name)) return s;
  return kPlain;
}

const std::vector<std::string>& colourSchemeNames() {
  static const std::vector<std::string> names = [] {
    std::vector<std::string> n;
    for (const ColourScheme& s : kSchemes) n.push_back(cp1251(s.name));
    n.push_back(cp1251("Прозорий"));
    return n;
  }();
  return names;
}

bool titleArchLight(std::string_view scheme) {
  for (const char* cool : {"Ялиця", "Морська", "Дощ", "Сланець"})
    if (scheme == cp1251(cool)) return true;
  return false;
}

Rgb secondHandColour(std::string_view scheme, bool clockBackground, bool clockColour) {
  constexpr Rgb kBlue{0, 0, 255}, kCyan{0, 250, 255};
  if (!clockBackground) return clockColour ? kBlue : kCyan;
  return scheme == cp1251("Прозорий") ? kCyan : kBlue;
}

int dialogSchemeNumber(std::string_view scheme, int previous) {
  for (const Numbered& n : kDialogNumbers)
    if (scheme == cp1251(n.name)) return n.number;
  return previous;
}

DialogBackdrop dialogBackdrop(int schemeNumber) {
  for (const Numbered& n : kDialogNumbers) {
    if (n.number != schemeNumber) continue;
    const ColourScheme& s = colourSchemeOf(cp1251(n.name));
    // Lighter than the screen's gradient, so that the labels read well.
    const int grain = schemeNumber == 3 || schemeNumber == 6 || schemeNumber == 1 ? 6 : 0;
    return {towardWhite(s.backgroundTop, 55), towardWhite(s.backgroundBottom, 35), grain};
  }
  return {towardWhite(kPlain.backgroundTop, 55), towardWhite(kPlain.backgroundBottom, 35), 0};
}

}  // namespace ispyt
