#include "presentation/SymbolEscape.h"

#include <algorithm>

namespace ispyt {

namespace {

// Cyrillic letters that name signs of the symbol face a keyboard lacks.
struct Alias {
  unsigned char letter, code;
};
constexpr Alias kAliases[] = {
    {0xE7, 0xA3},  // з: less or equal
    {0xE8, 0xB1},  // и: plus-minus
    {0xE9, 0xBB},  // й: almost equal
    {0xEA, 0xAC},  // к: arrow left
    {0xEB, 0xAD},  // л: arrow up
    {0xEC, 0xAE},  // м: arrow right
    {0xED, 0xAF},  // н: arrow down
    {0xEE, 0xAB},  // о: arrow left-right
    {0xEF, 0xA9},  // п: heart
    {0xF0, 0xA5},  // р: infinity
};

// The large signs (lower-case Greek and their neighbours) sit differently
// from the rest of the face at each cell width.
int largeSignRaise(int g) {
  if ((g >= 0 && g <= 8) || g == 11) return 2;
  if (g == 10 || (g >= 12 && g <= 14) || g == 23) return 1;
  if (g == 18 || g == 24) return -2;
  if (g == 22 || (g >= 25 && g <= 27)) return -1;
  if (g >= 28 && g <= 64) return -4;
  return 0;
}

int smallSignRaise(int g) {
  if ((g >= 0 && g <= 12) || g == 23) return -4;
  if (g == 14 || g == 17) return -5;
  if (g == 18) return -7;
  if (g == 19) return -9;
  if (g == 20) return -8;
  if (g == 25) return -12;
  if (g <= 64) return -6;
  return 0;
}

}  // namespace

SymbolGlyph symbolGlyph(char escaped, int g) {
  auto c = static_cast<unsigned char>(escaped);
  // Size 0: the letter keeps the size of the text around it.
  if (c == 0xE3) return {Typeface::Courier, '\xB4', 0, 0};  // г: ґ
  if (c == 0xC3) return {Typeface::Courier, '\xA5', 0, 0};  // Г: Ґ
  for (const Alias& a : kAliases)
    if (a.letter == c) c = a.code;

  SymbolGlyph glyph{Typeface::Symbol, static_cast<char>(c), 0, g / 6};
  if ((c >= 94 && c <= 129) || c == 0xBB) {
    glyph.size = g + 3;
    glyph.raise += largeSignRaise(g);
  } else {
    glyph.size = g - 1;
    if (c < 65) glyph.raise += 5;
    if (c == ',') glyph.raise += g;
    glyph.raise += smallSignRaise(g);
    if (c == 0xAB || c == 0xAE) glyph.size = g < 17 ? g - 3 : g - 5;
  }
  glyph.size = std::max(glyph.size, 1);  // the smallest cells still get a glyph
  return glyph;
}

}  // namespace ispyt
