#include "platform/qt/QtFonts.h"

#include <QFontDatabase>
#include <QStringList>

#include "platform/qt/QtText.h"

namespace ispyt {

namespace {

// Codes 0x20..0x7E and 0xA0..0xFE of the symbol face.
constexpr char16_t kSymbolLow[] = {
    u' ',      u'!',      u'\u2200', u'#',      u'\u2203', u'%',      u'&',      u'\u220B',
    u'(',      u')',      u'\u2217', u'+',      u',',      u'\u2212', u'.',      u'/',
    u'0',      u'1',      u'2',      u'3',      u'4',      u'5',      u'6',      u'7',
    u'8',      u'9',      u':',      u';',      u'<',      u'=',      u'>',      u'?',
    u'\u2245', u'\u0391', u'\u0392', u'\u03A7', u'\u0394', u'\u0395', u'\u03A6', u'\u0393',
    u'\u0397', u'\u0399', u'\u03D1', u'\u039A', u'\u039B', u'\u039C', u'\u039D', u'\u039F',
    u'\u03A0', u'\u0398', u'\u03A1', u'\u03A3', u'\u03A4', u'\u03A5', u'\u03C2', u'\u03A9',
    u'\u039E', u'\u03A8', u'\u0396', u'[',      u'\u2234', u']',      u'\u22A5', u'_',
    u'\u203E', u'\u03B1', u'\u03B2', u'\u03C7', u'\u03B4', u'\u03B5', u'\u03C6', u'\u03B3',
    u'\u03B7', u'\u03B9', u'\u03D5', u'\u03BA', u'\u03BB', u'\u03BC', u'\u03BD', u'\u03BF',
    u'\u03C0', u'\u03B8', u'\u03C1', u'\u03C3', u'\u03C4', u'\u03C5', u'\u03D6', u'\u03C9',
    u'\u03BE', u'\u03C8', u'\u03B6', u'{',      u'|',      u'}',      u'\u223C',
};
constexpr char16_t kSymbolHigh[] = {
    u'\u20AC', u'\u03D2', u'\u2032', u'\u2264', u'\u2044', u'\u221E', u'\u0192', u'\u2663',
    u'\u2666', u'\u2665', u'\u2660', u'\u2194', u'\u2190', u'\u2191', u'\u2192', u'\u2193',
    u'\u00B0', u'\u00B1', u'\u2033', u'\u2265', u'\u00D7', u'\u221D', u'\u2202', u'\u2022',
    u'\u00F7', u'\u2260', u'\u2261', u'\u2248', u'\u2026', u'\u23D0', u'\u23AF', u'\u21B5',
    u'\u2135', u'\u2111', u'\u211C', u'\u2118', u'\u2297', u'\u2295', u'\u2205', u'\u2229',
    u'\u222A', u'\u2283', u'\u2287', u'\u2284', u'\u2282', u'\u2286', u'\u2208', u'\u2209',
    u'\u2220', u'\u2207', u'\u00AE', u'\u00A9', u'\u2122', u'\u220F', u'\u221A', u'\u22C5',
    u'\u00AC', u'\u2227', u'\u2228', u'\u21D4', u'\u21D0', u'\u21D1', u'\u21D2', u'\u21D3',
    u'\u25CA', u'\u27E8', u'\u00AE', u'\u00A9', u'\u2122', u'\u2211', u'\u239B', u'\u239C',
    u'\u239D', u'\u23A1', u'\u23A2', u'\u23A3', u'\u23A7', u'\u23A8', u'\u23A9', u'\u23AA',
    u' ',      u'\u27E9', u'\u222B', u'\u2320', u'\u23AE', u'\u2321', u'\u239E', u'\u239F',
    u'\u23A0', u'\u23A4', u'\u23A5', u'\u23A6', u'\u23AB', u'\u23AC', u'\u23AD',
};
static_assert(sizeof kSymbolLow / sizeof kSymbolLow[0] == 0x7F - 0x20);
static_assert(sizeof kSymbolHigh / sizeof kSymbolHigh[0] == 0xFF - 0xA0);

QString firstInstalled(const QStringList& families) {
  const QStringList installed = QFontDatabase::families();
  for (const QString& family : families)
    if (installed.contains(family, Qt::CaseInsensitive)) return family;
  return families.back();
}

const QString& textFamily() {
  static const QString family =
      firstInstalled({"Courier New", "Liberation Mono", "Cousine", "DejaVu Sans Mono"});
  return family;
}

const QString& symbolFamily() {
  static const QString family = firstInstalled({"DejaVu Sans", "Liberation Sans", "FreeSerif"});
  return family;
}

}  // namespace

QChar symbolCharacter(unsigned char code) {
  if (code >= 0x20 && code < 0x7F) return QChar(kSymbolLow[code - 0x20]);
  if (code >= 0xA0 && code < 0xFF) return QChar(kSymbolHigh[code - 0xA0]);
  return QChar(u' ');  // codes the face leaves empty
}

QFont resolveFont(const Font& font) {
  QFont f(font.face == Typeface::Courier ? textFamily() : symbolFamily());
  if (font.face == Typeface::Courier) f.setStyleHint(QFont::TypeWriter);
  // Sizes are points at 96 pixels per inch, whatever the surface says.
  f.setPixelSize(std::max(1, (font.size * 96 + 36) / 72));
  f.setBold(font.bold);
  f.setItalic(font.italic);
  f.setUnderline(font.underline);
  return f;
}

QString runText(Typeface face, std::string_view bytes) {
  if (face == Typeface::Courier) return fromCp1251(bytes);
  QString s;
  for (char c : bytes) s += symbolCharacter(static_cast<unsigned char>(c));
  return s;
}

}  // namespace ispyt
