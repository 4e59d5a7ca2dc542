#pragma once
// Contents and geometry of the side list that drops down under "Тест"
// (the tests of the current set, "Довідка", "Про програму") and under
// "Результат" (stored result codes 15 a page, "Очистка ", "Моніторинг",
// "      ---->").  Item widths and heights come from the widget's font.

#include <functional>
#include <string>
#include <vector>

#include "platform/Geometry.h"
#include "presentation/ScreenScale.h"

namespace ispyt {

inline constexpr int kSideMenuItems = 22;
inline constexpr int kResultsPerPage = 15;

struct SideMenuItem {
  std::string text;  // Windows-1251
  Point position;
  bool visible = false;
  bool enabled = true;
  // Drawn after the text, apart from it: a stored result's focus losses.
  std::string note;
};

struct SideMenuLayout {
  Point position;  // relative to the main window
  Size size;
  int separatorTop = 0;
  SideMenuItem items[kSideMenuItems + 1];  // 1..22
};

struct ItemMetrics {
  std::function<int(const std::string&)> width;  // rendered width of a caption
  int height = 0;                                // height of one item
  int fontSize = 0;                              // round(10 * scaleMin)
};

SideMenuLayout layoutTestList(const std::vector<std::string>& tests, const ScreenScale& scale,
                              const ItemMetrics& metrics);

// Page 0 is the first; later pages show every position, empty ones blank.
// `focusLosses` (by code, as focusLossCounts gives them) notes a result
// whose attempt lost the focus.
SideMenuLayout layoutResultList(const std::vector<std::string>& codes, int page, int captionLeft,
                                const ScreenScale& scale, const ItemMetrics& metrics,
                                const std::vector<int>& focusLosses = {});

// The note of a result whose attempt lost the focus `count` times ("!3";
// "!?" for a record that cannot be read); empty for none.
std::string focusLossNote(int count);

// The page a click on "      ---->" shows: the next one, or the first
// after the last.
int nextResultPage(int page, int codeCount);

// "Моніторинг" is offered when a listed code comes from an attempt in the
// monitoring mode: a capital letter before 'X'.
bool offersMonitoring(const std::vector<std::string>& codes);

}  // namespace ispyt
