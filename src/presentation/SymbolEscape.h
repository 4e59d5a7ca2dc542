#pragma once
// What an escaped character is drawn as: the letters ґ and Ґ in the text
// face, everything else as a code of the symbol face (Latin letters show as
// Greek), with the size and raise that line it up with the cell.

#include "platform/Canvas.h"

namespace ispyt {

struct SymbolGlyph {
  Typeface face = Typeface::Symbol;
  char code = 0;
  int size = 0;   // points; 0 for a text-face letter: the size of the text around it
  int raise = 0;  // pixels the glyph is drawn above the cell's top
};

SymbolGlyph symbolGlyph(char escaped, int cellWidth);

}  // namespace ispyt
