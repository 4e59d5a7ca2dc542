#pragma once
// The rules of the appearance dialog that are not drawing: what its lists
// offer, the colour swatches, the caption effect on a tab change, what its
// boxes take from the keyboard, which options a small or unscaled screen
// leaves, and where the dialog stands.  Texts are Windows-1251.

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Canvas.h"
#include "platform/Geometry.h"
#include "presentation/ScreenScale.h"

namespace ispyt {

// "Відрив", "Розчинення", "Жалюзі", "Нема", "В`їзд", "Падіння", "Поява",
// "Проявлення".
const std::vector<std::string>& effectNames();
// The pictures of "Decor/Fon1" (names without ".bmp"), then "Градієнт",
// "Накат", "Прозорий".
std::vector<std::string> programBackgroundChoices(const std::filesystem::path& programFolder);
// The pictures of "Decor/Fon2", then "Прозорий", "Пергамент".
std::vector<std::string> cardBackgroundChoices(const std::filesystem::path& programFolder);

// The colour drop-downs show these text colour codes, in this order.
inline constexpr std::array<int, 8> kSwatchCodes = {0, 7, 6, 2, 4, 1, 3, 5};
// The position of a code in the drop-down, or -1.
int swatchPosition(int code);

// The tabs, in order, and the caption each shows while its effect runs.
enum class AppearanceTab { Appearance, Options, Lists };
inline constexpr int kAppearanceTabCount = 3;
std::string tabTitle(AppearanceTab tab);  // "Оформлення", "Налаштування", "Списки"
std::string tabCaptionText(AppearanceTab tab);  // "Оформлення ", "Налашування ", "Списки     "
// Every 200 ms the caption shows the text rotated left by one more
// character: step 0 (at the change) the text itself, step 11 the last.
inline constexpr int kCaptionEffectSteps = 12;
inline constexpr int kCaptionEffectInterval = 200;
std::string captionEffectText(std::string_view text, int step);

// A key typed into the result-database name box: the character stored, or
// nothing when it is refused.  Backspace (8) passes; codes 0-7, 9-39, 34,
// 42, 47, 58-64, 92 and 124 are refused; the Cyrillic і becomes the Latin
// i; the name holds at most 29 characters.
inline constexpr std::size_t kMaxDatabaseName = 29;
std::optional<char> databaseNameKey(char key, std::size_t currentLength);

// A key typed into an address box holding `text`: digits and backspace
// only, at most 3 characters; a digit typed into a box of 2 characters
// moves on to the next box.
struct AddressKey {
  bool accepted = false;
  bool moveToNext = false;
};
AddressKey addressKey(std::string_view text, char key);

// A key typed into the pupil memo of the list tab: the unlock key enables
// apply and OK and is not inserted; any other key is refused while no
// class number is chosen.
enum class MemoKey { Insert, Refuse, Unlock };
MemoKey pupilMemoKey(bool unlockKey, bool classNumberChosen);

// What a screen leaves of the window options: on an 800-wide screen, or
// when the window is scaled vertically, the card-window option is off and
// disabled and "Пропорційно" disabled; on an 800-wide one "На весь екран"
// too.
struct WindowOptionsAvailable {
  bool desktop = true;
  bool proportional = true;
  bool fullScreen = true;
};
WindowOptionsAvailable windowOptionsAvailable(int screenWidth, double scaleY);

// The dialog's top left: 75 vertical units below the window's top,
// centred on the card area and moved 45 horizontal units right.
inline constexpr int kAppearanceDialogWidth = 301;
Point appearanceDialogPosition(Point windowTopLeft, const ScreenScale& scale, int dialogWidth);

}  // namespace ispyt
