#include "presentation/ColourSchemes.h"

#include <algorithm>

#include "platform/Cp1251.h"

namespace ispyt {
namespace {

constexpr Fill kNoFill{};

const ColourScheme kSchemes[] = {
    {"Ялиця", {192, 220, 200}, gradient({200, 255, 128}, {0, 255, 128}), pattern(3),
     gradient({200, 220, 200}, {64, 240, 128}), true},
    {"Гарбуз", {240, 216, 96}, gradient({200, 200, 128}, {220, 220, 32}),
     pattern(2, {255, 128, 0}, {255, 255, 128}), gradient({200, 200, 128}, {240, 200, 32}), true},
    {"Морська", {160, 192, 255}, gradient({64, 128, 255}, {192, 220, 240}), pattern(1),
     gradient({64, 128, 255}, {192, 220, 240}), true},
    {"Рожева", {240, 192, 240}, gradient({255, 128, 192}, {255, 255, 0}), pattern(7),
     pattern(7, {220, 160, 192}, {220, 200, 255}), true},
    {"Дощ", {200, 200, 160}, gradient({128, 168, 160}, {192, 192, 96}),
     gradient({128, 168, 160}, {192, 192, 96}), gradient({128, 168, 160}, {192, 192, 96}), true},
    {"Сланець", {176, 240, 255}, gradient({128, 255, 255}, {255, 255, 255}), pattern(4),
     gradient({128, 192, 255}, {255, 255, 255}), true},
    {"Весна", {248, 240, 220}, gradient({255, 160, 200}, {200, 255, 160}),
     pattern(5, {255, 160, 200}, {200, 255, 160}), pattern(5, {255, 255, 144}, {255, 128, 128}),
     true},
};
const ColourScheme kPlain{"",        {200, 192, 176}, gradient({220, 220, 128}, {200, 255, 160}),
                          kNoFill,   gradient({220, 220, 128}, {200, 255, 160}),
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
    return {towardWhite(s.background.c1, 55), towardWhite(s.background.c2, 35), grain};
  }
  return {towardWhite(kPlain.background.c1, 55), towardWhite(kPlain.background.c2, 35), 0};
}

}  // namespace ispyt
