#include "shell/SideListFill.h"

#include <array>

#include "platform/Cp1251.h"

namespace ispyt {
namespace {

struct Rgb {
  int r, g, b;
};

std::uint32_t pixel(int r, int g, int b) {
  return (static_cast<std::uint32_t>(r & 0xFF) << 16) | (static_cast<std::uint32_t>(g & 0xFF) << 8) |
         static_cast<std::uint32_t>(b & 0xFF);
}

}  // namespace

std::vector<std::uint32_t> sideListFill(const std::string& scheme, int w, int h, Random& random) {
  struct Scheme {
    const char* name;
    Rgb c1, c2;
  };
  static const std::array<Scheme, 7> kSchemes = {{
      {"Весна", {200, 255, 128}, {0, 255, 128}},
      {"Морська", {200, 255, 128}, {0, 255, 128}},
      {"Гарбуз", {240, 192, 64}, {200, 200, 128}},
      {"Ялиця", {0, 255, 128}, {128, 240, 240}},
      {"Рожева", {255, 140, 255}, {255, 240, 255}},
      {"Сланець", {128, 255, 255}, {160, 160, 255}},
      {"Дощ", {140, 192, 180}, {192, 160, 140}},
  }};
  const Scheme* s = nullptr;
  for (const auto& candidate : kSchemes)
    if (scheme == cp1251(candidate.name)) s = &candidate;
  if (!s || w <= 0 || h <= 0) return {};

  const std::string name = cp1251ToUtf8(scheme);
  std::vector<std::uint32_t> out(static_cast<std::size_t>(w) * h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      int r, g, b;
      if (name == "Весна") {
        r = s->c1.r - (s->c1.r - s->c2.r) * x / h;
        g = s->c1.g - (s->c1.g - s->c2.g) * x / h;
        b = y >= 3 ? 255 * (y / 3) : s->c1.b;
      } else if (name == "Морська") {
        bool rising = x <= w / 4 || (x > w / 2 && x <= 3 * w / 4);
        r = rising ? 512 * x / w : -512 * x / w;
        g = 192;
        b = 255;
      } else if (name == "Сланець") {
        int middle = h / 2;
        r = y <= middle ? 510 * y / h : -510 * y / h;
        if (y >= middle - 5 && y <= middle + 5) r = 255;
        g = 200 + random.random(20);
        b = 255;
      } else {
        r = s->c1.r - (s->c1.r - s->c2.r) * y / h;
        g = s->c1.g - (s->c1.g - s->c2.g) * y / h;
        b = s->c1.b - (s->c1.b - s->c2.b) * y / h;
      }
      out[static_cast<std::size_t>(y) * w + x] = pixel(r, g, b);
    }
  }
  return out;
}

}  // namespace ispyt
