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

// Shrinks one point at a time from maxSize until the text fits; returns
// the size to draw at.  At the smallest size the text is drawn regardless.
int fittingSize(const MarkedText& marked, int width, int height, int maxSize) {
  for (int size = std::max(maxSize, kMinFontSize); size > kMinFontSize; --size) {
    const int g = cellWidth(size);
    if (height - 2 * marked.rowFactor * g < firstLineTop(g, marked.rowFactor)) continue;
    if (measureLayout(marked, LayoutFrame{width, height, size})) return size;
  }
  return kMinFontSize;
}

int layOut(TextRenderTarget& target, std::string_view text, Canvas* canvas, int width, int height,
           bool bold, Rgb colour, int maxSize, int offset) {
  const MarkedText marked = readMarkup(text, target.gapBoxes);
  const int size = fittingSize(marked, width, height, maxSize);
  if (canvas)
    drawLayout(marked, LayoutFrame{width, height, size, bold, colour, offset}, *canvas,
               target.gapAnchors);
  return cellWidth(size);
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
  Canvas* drawOn = draw ? &canvas : nullptr;
  int g = layOut(target, text, drawOn, size.width, size.height, bold, colour, maxSize, 0);
  if (slot == kTitleSlot)
    g = layOut(target, text, drawOn, size.width, size.height, bold,
               titleLightColour(target.backdrop.colourScheme), maxSize, kTitleShadowShift);
  if (!draw) target.textSlots.release(slot);
  return g;
}

}  // namespace ispyt
