#include "presentation/RenderTaskText.h"

#include <algorithm>
#include <system_error>

#include "platform/Cp1251.h"
#include "platform/Paths.h"
#include "platform/Rounding.h"
#include "presentation/TaskTextLayout.h"
#include "presentation/TaskTextMarkup.h"

namespace ispyt {

namespace {

constexpr int kTitleShadowShift = -4;

void drawPicture(Canvas& canvas, const fs::path& file, int slot, Size size) {
  const Rect whole{0, 0, size.width, size.height};
  if (slot == kTitleSlot) {
    canvas.stretchImage(SlotImage::TitleBackdrop, whole);
    canvas.stretchPicture(file, whole, true);
    return;
  }
  canvas.setTransparent();
  canvas.stretchPicture(file, whole, false);
  const Point corners[] = {{0, 0}, {size.width, 0}, {size.width, size.height}, {0, size.height}};
  for (int i = 0; i < 4; ++i) canvas.drawLine(corners[i], corners[(i + 1) % 4], kWhite, 2);
}

struct RowPlacement {
  int step, top;
};

// Where answer row 0 and the rows after it stand on the 800x600 screen.
std::optional<RowPlacement> answerRowPlacement(int rows, bool completion) {
  switch (rows) {
    case 1:
      return RowPlacement{230, completion ? 60 : 120};
    case 2:
      return RowPlacement{230, 90};
    case 3:
      return RowPlacement{175, 55};
    case 4:
      return RowPlacement{130, 55};
    case 5:
      return RowPlacement{101, 55};
    case 6:
      return RowPlacement{85, 50};
    case 7:
      return RowPlacement{73, 50};
    default:
      return std::nullopt;
  }
}

void drawBackdrop(Canvas& canvas, const SlotBackdrop& b, int slot, Size size) {
  if (slot == kTitleSlot) {
    canvas.stretchImage(SlotImage::TitleBackdrop, {0, 0, size.width, size.height});
  } else if (slot == kCardSlot) {
    canvas.copyImage(SlotImage::CardBackdrop, {0, 0, size.width, size.height}, {0, 0});
  } else if (slot >= kFirstOptionSlot) {
    if (b.optionTileInUse) {
      canvas.copyImage(SlotImage::OptionBackdrop, {0, 0, size.width, size.height}, {0, 0});
      return;
    }
    // The piece of the screen background behind the option's row, so the
    // option looks drawn straight onto the screen.
    Point corner;
    if (auto row = answerRowPlacement(b.answerRows, b.completionTask)) {
      const int r = slot - kFirstOptionSlot;
      corner = {roundHalfEven(45 * b.scaleX),
                roundHalfEven(r * (row->step * b.scaleY) + row->top * b.scaleY)};
    }
    canvas.copyImage(SlotImage::ScreenBackground, {corner.x, corner.y, size.width, size.height},
                     {0, 0});
  }
}

}  // namespace

std::optional<fs::path> pictureFile(std::string_view text, std::string_view folder) {
  if (text.empty() || text.size() > 255 || text == "." || text == ".." ||
      text.find_first_of("/\\") != std::string_view::npos)
    return std::nullopt;
  if (std::any_of(text.begin(), text.end(),
                  [](char c) { return static_cast<unsigned char>(c) < 0x20; }))
    return std::nullopt;
  std::optional<fs::path> file = findEntry(pathFromCp1251(folder), text);
  std::error_code error;
  if (!file || !fs::is_regular_file(*file, error)) return std::nullopt;
  return file;
}

Rgb titleLightColour(std::string_view colourScheme) {
  for (const char* pale : {"Морська", "Сланець", "Дощ"})
    if (colourScheme == cp1251(pale)) return {240, 240, 240};
  return {255, 255, 128};
}

int RenderTaskText(TextRenderTarget& target, std::string_view text, std::string_view folder,
                   int width, int height, bool bold, bool draw, int slot, Rgb colour, int maxSize) {
  slot = std::clamp(slot, 0, kTextSlotCount - 1);
  const Size size{std::max(width, 0), std::max(height, 0)};
  Canvas& canvas = target.textSlots.create(slot, size);
  if (draw) {
    if (auto file = pictureFile(text, folder)) {
      drawPicture(canvas, *file, slot, size);
      return 0;
    }
    drawBackdrop(canvas, target.backdrop, slot, size);
  }
  const MarkedText marked = readMarkup(text, target.gapBoxes);
  // At the smallest size the text is drawn regardless, as far as it fits.
  const int fontSize = largestFittingSize(marked, size.width, size.height, maxSize, kMinFontSize);
  if (draw) {
    auto drawAt = [&](Rgb c, int offset) {
      drawLayout(marked, LayoutFrame{size.width, size.height, fontSize, bold, c, offset}, canvas,
                 target.gapAnchors);
    };
    drawAt(colour, 0);
    // The title's light copy over its dark shadow.
    if (slot == kTitleSlot)
      drawAt(titleLightColour(target.backdrop.colourScheme), kTitleShadowShift);
  } else {
    target.textSlots.release(slot);
  }
  return cellWidth(fontSize);
}

}  // namespace ispyt
