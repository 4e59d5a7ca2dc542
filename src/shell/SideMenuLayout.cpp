#include "shell/SideMenuLayout.h"

#include <algorithm>

#include "platform/Cp1251.h"

namespace ispyt {

SideMenuLayout layoutTestList(const std::vector<std::string>& tests, const ScreenScale& s,
                              const ItemMetrics& m) {
  SideMenuLayout l;
  l.position = {2, s.y(23)};
  const int step = s.font(20);
  int lastTop = 0;
  int width = 0;
  for (int i = 1; i <= 20 && i <= static_cast<int>(tests.size()); ++i) {
    if (tests[i - 1].empty()) continue;
    SideMenuItem& item = l.items[i];
    item.text = tests[i - 1];
    item.position = {s.font(5), s.font(5) + (i - 1) * step};
    item.visible = true;
    lastTop = item.position.y;
    width = std::max(width, m.width(item.text) + s.font(5) + m.fontSize);
  }
  l.separatorTop = lastTop + s.font(10);
  l.items[21] = {cp1251("Довідка"), {s.font(5), lastTop + s.font(30)}, true};
  l.items[22] = {cp1251("Про програму"), {s.font(5), lastTop + s.font(10) + s.font(40)}, true};
  width = std::max(width, m.width(l.items[22].text) + s.font(5) + m.fontSize);
  l.size = {width, roundHalfEven(1.7 * m.height) + l.items[22].position.y};
  return l;
}

std::string focusLossNote(int count) {
  if (count == 0) return {};
  return count < 0 ? "!?" : "!" + std::to_string(count);
}

SideMenuLayout layoutResultList(const std::vector<std::string>& codes, int page, int captionLeft,
                                const ScreenScale& s, const ItemMetrics& m,
                                const std::vector<int>& focusLosses) {
  SideMenuLayout l;
  l.position = {captionLeft, s.font(21)};
  const int count = static_cast<int>(codes.size());
  const int first = page * kResultsPerPage;
  int lastTop = s.font(5);
  for (int i = 1; i <= kResultsPerPage; ++i) {
    int index = first + i - 1;
    bool has = index < count && !codes[index].empty();
    // The first page shows only the codes there are; later pages keep
    // every position, blank where the codes ran out.
    if (!has && page == 0) continue;
    SideMenuItem& item = l.items[i];
    item.text = has ? codes[index] : std::string();
    if (has && index < static_cast<int>(focusLosses.size()))
      item.note = focusLossNote(focusLosses[index]);
    item.position = {s.font(10), s.font(20 * (i - 1) + 5)};
    item.visible = true;
    lastTop = item.position.y;
  }
  const int t = lastTop;
  l.separatorTop = t + s.font(10);
  l.items[16] = {cp1251("Очистка "), {s.font(6), t + s.font(30)}, true};
  l.items[17] = {cp1251("Моніторинг"), {s.font(6), t + s.font(10) + s.font(40)}, true,
                 offersMonitoring(codes)};
  bool more = first + kResultsPerPage < count;
  l.items[18] = {"      ---->", {s.font(6), t + s.font(10) + s.font(60)}, more};
  const SideMenuItem& last = count > 14 ? l.items[18] : l.items[17];
  int width = m.width(l.items[17].text);
  for (const SideMenuItem& item : l.items)
    if (!item.note.empty()) width = std::max(width, m.width(item.text + "  " + item.note));
  l.size = {s.font(10) + width + m.fontSize, roundHalfEven(1.7 * m.height) + last.position.y};
  return l;
}

int nextResultPage(int page, int codeCount) {
  int next = page + 1;
  return next * kResultsPerPage < codeCount ? next : 0;
}

bool offersMonitoring(const std::vector<std::string>& codes) {
  return std::any_of(codes.begin(), codes.end(), [](const std::string& c) {
    return !c.empty() && c[0] >= 'A' && c[0] < 'X';
  });
}

}  // namespace ispyt
