#include "presentation/AppearanceDialogRules.h"

#include "platform/Cp1251.h"
#include "platform/DirectoryScan.h"
#include "platform/Paths.h"
#include "presentation/MainLayout.h"

namespace ispyt {
namespace {

std::vector<std::string> withFixed(std::vector<std::string> pictures,
                                   std::initializer_list<const char*> fixed) {
  for (const char* name : fixed) pictures.push_back(cp1251(name));
  return pictures;
}

}  // namespace

const std::vector<std::string>& effectNames() {
  static const std::vector<std::string> names = withFixed(
      {}, {"Відрив", "Розчинення", "Жалюзі", "Нема", "В`їзд", "Падіння", "Поява", "Проявлення"});
  return names;
}

std::vector<std::string> programBackgroundChoices(const std::filesystem::path& programFolder) {
  return withFixed(fileStems(locate(programFolder, "Decor/Fon1"), ".bmp"),
                   {"Градієнт", "Накат", "Прозорий"});
}

std::vector<std::string> cardBackgroundChoices(const std::filesystem::path& programFolder) {
  return withFixed(fileStems(locate(programFolder, "Decor/Fon2"), ".bmp"),
                   {"Прозорий", "Пергамент"});
}

int swatchPosition(int code) {
  for (std::size_t i = 0; i < kSwatchCodes.size(); ++i)
    if (kSwatchCodes[i] == code) return static_cast<int>(i);
  return -1;
}

std::string tabTitle(AppearanceTab tab) {
  static const char* const kTitles[] = {"Оформлення", "Налаштування", "Списки"};
  return cp1251(kTitles[static_cast<int>(tab)]);
}

std::string tabCaptionText(AppearanceTab tab) {
  static const char* const kTexts[] = {"Оформлення ", "Налашування ", "Списки     "};
  return cp1251(kTexts[static_cast<int>(tab)]);
}

std::string captionEffectText(std::string_view text, int step) {
  if (text.empty()) return {};
  const std::size_t k = static_cast<std::size_t>(step < 0 ? 0 : step) % text.size();
  return std::string(text.substr(k)) + std::string(text.substr(0, k));
}

std::optional<char> databaseNameKey(char key, std::size_t currentLength) {
  const auto c = static_cast<unsigned char>(key);
  if (c == 8) return key;
  const bool refused = c <= 7 || (c >= 9 && c <= 39) || c == 42 || c == 47 || c == 124 || c == 92 ||
                       (c >= 58 && c <= 64);
  if (refused || currentLength >= kMaxDatabaseName) return std::nullopt;
  if (c == 179) return 'i';  // the Cyrillic і
  return key;
}

AddressKey addressKey(std::string_view text, char key) {
  if (key == 8) return {true, false};
  if (key < '0' || key > '9' || text.size() >= 3) return {};
  return {true, text.size() == 2};
}

MemoKey pupilMemoKey(bool unlockKey, bool classNumberChosen) {
  if (unlockKey) return MemoKey::Unlock;
  return classNumberChosen ? MemoKey::Insert : MemoKey::Refuse;
}

WindowOptionsAvailable windowOptionsAvailable(int screenWidth, double scaleY) {
  WindowOptionsAvailable a;
  if (screenWidth == kDesignWidth || scaleY != 1.0) a.desktop = a.proportional = false;
  if (screenWidth == kDesignWidth) a.fullScreen = false;
  return a;
}

Point appearanceDialogPosition(Point windowTopLeft, const ScreenScale& scale, int dialogWidth) {
  const int cardWidth = scale.x(layout::kCardArea.width);
  return {windowTopLeft.x + scale.x(45) + cardWidth / 2 - dialogWidth / 2,
          windowTopLeft.y + scale.y(75)};
}

}  // namespace ispyt
