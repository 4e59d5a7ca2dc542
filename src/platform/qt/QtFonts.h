#pragma once
// The faces of the markup on this system.  The text face is "Courier New"
// or, where it is missing, a font with the same metrics; the symbol face's
// codes are shown as the Unicode characters they stand for, in a font that
// has them, so no "Symbol" font needs to be installed.

#include <QFont>
#include <QString>

#include "platform/Canvas.h"

namespace ispyt {

QFont resolveFont(const Font& font);

// The characters a text run shows: Windows-1251 for the text face,
// symbol-face codes for the symbol face.
QString runText(Typeface face, std::string_view bytes);

QChar symbolCharacter(unsigned char code);

}  // namespace ispyt
