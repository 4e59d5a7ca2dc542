#pragma once
// A canvas that records what is drawn on it, and a slot table of them, so
// that tests can check every position exactly.

#include <array>
#include <string>
#include <vector>

#include "platform/Canvas.h"
#include "platform/Cp1251.h"
#include "presentation/RenderTaskText.h"

namespace ispyt::test {

struct DrawnText {
  Point at;
  Font font;
  Rgb colour;
  std::string bytes;
};

struct DrawnLine {
  Point from, to;
  int pen;
};

struct DrawnArc {
  Rect bounds;
  Point start, end;
  int pen;
};

class RecordingCanvas : public Canvas {
 public:
  void drawText(Point at, const Font& font, Rgb colour, std::string_view bytes) override {
    texts.push_back({at, font, colour, std::string(bytes)});
  }
  void drawLine(Point from, Point to, Rgb, int pen) override { lines.push_back({from, to, pen}); }
  void drawArc(Rect bounds, Point start, Point end, Rgb, int pen) override {
    arcs.push_back({bounds, start, end, pen});
  }
  void drawPoint(Point at, int size, Rgb) override {
    points.push_back(at);
    pointSize = size;
  }
  void copyImage(SlotImage image, Rect source, Point at) override {
    images.push_back("copy " + name(image) + " " + rect(source) + " to " + point(at));
  }
  void stretchImage(SlotImage image, Rect target) override {
    images.push_back("stretch " + name(image) + " over " + rect(target));
  }
  void stretchPicture(const std::filesystem::path& file, Rect target, bool transparent) override {
    images.push_back("picture " + file.filename().string() + " over " + rect(target) +
                     (transparent ? " transparent" : ""));
  }
  void setTransparent() override { transparent = true; }

  // The texts drawn, joined: a quick view of what a line shows.
  std::string shown() const {
    std::string s;
    for (const DrawnText& t : texts) s += t.bytes;
    return s;
  }

  std::vector<DrawnText> texts;
  std::vector<DrawnLine> lines;
  std::vector<DrawnArc> arcs;
  std::vector<Point> points;
  int pointSize = 0;
  std::vector<std::string> images;
  bool transparent = false;

 private:
  static std::string name(SlotImage i) {
    switch (i) {
      case SlotImage::TitleBackdrop:
        return "title";
      case SlotImage::CardBackdrop:
        return "card";
      case SlotImage::OptionBackdrop:
        return "option";
      case SlotImage::ScreenBackground:
        return "screen";
    }
    return "?";
  }
  static std::string point(Point p) { return std::to_string(p.x) + "," + std::to_string(p.y); }
  static std::string rect(Rect r) {
    return point({r.x, r.y}) + " " + std::to_string(r.width) + "x" + std::to_string(r.height);
  }
};

class RecordingSlots : public TextSlots {
 public:
  Canvas& create(int slot, Size size) override {
    canvas[slot] = RecordingCanvas();
    held[slot] = true;
    sizes[slot] = size;
    return canvas[slot];
  }
  void release(int slot) override { held[slot] = false; }

  std::array<RecordingCanvas, kTextSlotCount> canvas;
  std::array<bool, kTextSlotCount> held{};
  std::array<Size, kTextSlotCount> sizes{};
};

// A slot table, gap boxes and anchors with a fresh state for each test.
struct RenderFixture {
  RecordingSlots slots;
  GapBoxes gaps;
  GapAnchors anchors;
  TextRenderTarget target{slots, gaps, anchors, {}};

  // Draws `text` (UTF-8 source) into slot 0 and returns its canvas.
  const RecordingCanvas& draw(std::string_view utf8, int width = 400, int height = 100,
                              int maxSize = 20, bool bold = false) {
    result =
        RenderTaskText(target, cp1251(utf8), "", width, height, bold, true, 0, kBlack, maxSize);
    return slots.canvas[0];
  }
  int result = -1;
};

}  // namespace ispyt::test
