#pragma once
// The drawing surface the renderer lays out onto.  The core decides every
// position; a canvas only paints (Qt) or records (tests).  Positions are
// pixels in the surface; text is placed by the top-left corner of its cell,
// so no font metrics are needed to lay a text out.

#include <cstdint>
#include <filesystem>
#include <string_view>

#include "platform/Geometry.h"

namespace ispyt {

struct Rgb {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};

// The two faces of the markup: the monospaced text face, and the symbol
// face whose codes show Greek letters and mathematical signs.
enum class Typeface { Courier, Symbol };

struct Font {
  Typeface face = Typeface::Courier;
  int size = 10;  // points (at 96 pixels per inch)
  bool bold = false;
  bool italic = false;
  bool underline = false;
  friend bool operator==(const Font&, const Font&) = default;
};

// The pictures a text slot's backdrop is cut from; the Qt layer owns them.
enum class SlotImage { TitleBackdrop, CardBackdrop, OptionBackdrop, ScreenBackground };

class Canvas {
 public:
  virtual ~Canvas() = default;

  // Text bytes are Windows-1251 for the Courier face and symbol-face codes
  // for the Symbol face.  The background stays as it is (transparent).
  virtual void drawText(Point topLeft, const Font& font, Rgb colour, std::string_view bytes) = 0;
  virtual void drawLine(Point from, Point to, Rgb colour, int penWidth) = 0;
  // An arc of the ellipse inscribed in `bounds`, counter-clockwise (as seen
  // on the screen) from the ray towards `start` to the ray towards `end`.
  virtual void drawArc(Rect bounds, Point start, Point end, Rgb colour, int penWidth) = 0;
  // A filled square of size x size pixels with its top-left corner at `at`.
  virtual void drawPoint(Point at, int size, Rgb colour) = 0;
  // Copies the part `source` of an image to `at`, unscaled.
  virtual void copyImage(SlotImage image, Rect source, Point at) = 0;
  // Stretches a whole image over `target`.
  virtual void stretchImage(SlotImage image, Rect target) = 0;
  // Stretches a picture file over `target`; with `transparent` its
  // background colour lets what is below show through.
  virtual void stretchPicture(const std::filesystem::path& file, Rect target, bool transparent) = 0;
  // From now on the surface's background colour is shown as transparent
  // when the surface is copied to the screen.
  virtual void setTransparent() = 0;
};

// The table of off-screen surfaces texts are rendered into, numbered from 0.
class TextSlots {
 public:
  virtual ~TextSlots() = default;
  // Replaces slot `slot` with a new white surface of `size`.
  virtual Canvas& create(int slot, Size size) = 0;
  virtual void release(int slot) = 0;
};

}  // namespace ispyt
