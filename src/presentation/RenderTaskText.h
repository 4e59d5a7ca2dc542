#pragma once
// Renders a marked-up task text (or a picture named by it) into a text
// slot, at the largest font size up to maxSize at which it fits.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "platform/Canvas.h"
#include "presentation/GapBoxes.h"

namespace ispyt {

inline constexpr int kTextSlotCount = 17;
inline constexpr int kTitleSlot = 1;
inline constexpr int kCardSlot = 2;
inline constexpr int kFirstOptionSlot = 3;
inline constexpr int kMeasuringSlot = 16;

// Below this size a text is not shrunk further; it is drawn as far as it fits.
inline constexpr int kMinFontSize = 4;

// What the backdrop of a slot is made of.
struct SlotBackdrop {
  bool optionTileInUse = false;  // options stand on the option tile
  // Answer rows of the current task: its item count, for a matching task
  // the number of left-hand items.
  int answerRows = 0;
  bool completionTask = false;
  double scaleX = 1.0;
  double scaleY = 1.0;
  std::string colourScheme;  // Windows-1251; picks the title's light copy
};

struct TextRenderTarget {
  TextSlots& textSlots;
  GapBoxes& gapBoxes;
  GapAnchors& gapAnchors;
  SlotBackdrop backdrop;
};

// Returns the cell width g of the size drawn (or measured) at, and 0 when a
// picture was drawn: with `draw` set, a text naming a file in `folder` (a
// Windows-1251 folder name) is that picture.  With `draw` off the slot is
// released again before the call returns.
int RenderTaskText(TextRenderTarget& target, std::string_view text, std::string_view folder,
                   int width, int height, bool bold, bool draw, int slot, Rgb colour, int maxSize);

// The file a text names, when it is a plain name of a file in `folder`
// (matched ignoring case): such a text is drawn as that picture.
std::optional<std::filesystem::path> pictureFile(std::string_view text, std::string_view folder);

// The light copy of the title drawn over its dark shadow.
Rgb titleLightColour(std::string_view colourScheme);

}  // namespace ispyt
