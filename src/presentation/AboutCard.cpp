#include "presentation/AboutCard.h"

#include <algorithm>

#include "platform/Cp1251.h"
#include "presentation/MainLayout.h"

namespace ispyt {

AboutText aboutText(std::string_view version, const AboutContact* contact) {
  const char* const kLines[kAboutLineCount] = {
      "ispyt — програма",
      "комп'ютерного",
      "тестування для шкіл.",
      "",  // the version
      "Тести, оцінки, звіти",
      "й діаграми — на",
      "робочому місці учня.",
      "Умови ліцензії —",
      "у документах програми.",
      "Із питаннями —",
      "до адміністратора",
      "комп'ютерного класу.",
  };
  AboutText text;
  for (int i = 0; i < kAboutLineCount; ++i) text[i] = cp1251(kLines[i]);
  text[3] = cp1251("Версія ") + std::string(version);
  if (contact) {
    text[9] = cp1251("Звертайтеся:");
    text[10] = contact->line1;
    text[11] = contact->line2;
  }
  return text;
}

std::vector<AboutLine> aboutPage(int page) {
  page = std::clamp(page, 1, kAboutPages);
  constexpr Rgb kMaroon{128, 0, 0};
  std::vector<AboutLine> lines;
  for (int k = 0; k < 4; ++k) lines.push_back({page - 1 + k, {5, 15 + 25 * k}, kMaroon, false});
  if (page == kAboutPages) lines.back() = {page + 2, {5, 93}, {255, 0, 0}, true};
  if (page == kAboutPicturePage)
    for (AboutLine& line : lines) {
      line.at.x = kAboutPictureAt.x + kAboutPictureWidth + 8;
      line.size = 10;
    }
  return lines;
}

Rgb aboutAccent(std::string_view scheme, Rgb windowColour) {
  struct Row {
    const char* name;
    Rgb accent;
  };
  static const Row kRows[] = {
      {"Морська", {0, 128, 255}},  {"Ялиця", {0, 255, 128}}, {"Гарбуз", {255, 128, 32}},
      {"Рожева", {255, 128, 112}}, {"Дощ", {64, 128, 128}},  {"Сланець", {0, 255, 255}},
      {"Весна", {192, 255, 96}},
  };
  for (const Row& r : kRows)
    if (scheme == cp1251(r.name)) return r.accent;
  return windowColour;
}

Point aboutPosition(Point mainCorner, const ScreenScale& s, Size window) {
  return {mainCorner.x + s.x(30) + s.x(layout::kOptionArea.width) / 2 + s.x(45) - window.width / 2,
          mainCorner.y + s.y(200)};
}

}  // namespace ispyt
