#include "attempt/ReviewLayout.h"

#include <algorithm>

#include "attempt/MatchingJudge.h"
#include "attempt/RestorationJudge.h"

namespace ispyt {
namespace {

// optionMarks keeps a Matching's chosen right-hand index plus this offset.
constexpr int kMatchingMarkOffset = 13;

int clampedCount(int n, int most) { return std::clamp(n, 0, most); }

// The letter a Matching's recorded mark names; empty for a mark that names
// none (a task given up, or never judged).
std::string matchingLetter(char mark) {
  const int index = static_cast<unsigned char>(mark) - kMatchingMarkOffset;
  const std::string& letters = MatchingJudge::letters();
  if (index < 1 || index > static_cast<int>(letters.size())) return {};
  return letters.substr(static_cast<std::size_t>(index - 1), 1);
}

}  // namespace

ReviewLayout reviewLayout(const Task& task, const TaskRecord& record, int mode) {
  ReviewLayout layout;
  auto& entries = layout.entries;
  switch (task.type) {
    case TaskType::SingleChoice:
    case TaskType::MultipleChoice:
    case TaskType::CountedChoice:
      for (int j = 1; j <= clampedCount(task.itemCount, kMaxItems); ++j)
        entries.push_back({task.items[j], record.optionMarks.size() >= static_cast<std::size_t>(j) &&
                                            record.optionMarks[j - 1] == '1'});
      break;
    case TaskType::DirectInput:
      for (int f = 1; f <= clampedCount(task.elementCount, kMaxFields); ++f)
        entries.push_back({record.given[f]});
      break;
    case TaskType::Sequence: {
      // A task never reached keeps the order first shown.
      const int n = clampedCount(task.itemCount, kMaxOrderItems);
      const bool left = std::any_of(record.given.begin() + 1, record.given.begin() + n + 1,
                                    [](const std::string& s) { return !s.empty(); });
      for (int j = 1; j <= n; ++j) entries.push_back({left ? record.given[j] : task.items[j]});
      break;
    }
    case TaskType::Matching:
      for (int p = 1; p <= clampedCount(task.itemCount - 1, kMaxMatchingLeft); ++p)
        entries.push_back({p <= static_cast<int>(record.optionMarks.size())
                             ? matchingLetter(record.optionMarks[p - 1])
                             : std::string()});
      break;
    case TaskType::Restoration: {
      layout.grid = task.items[2].substr(0, kGridCells);
      const std::string fill = RestorationJudge::gapFill(task, record, mode);
      for (int g = 1; g <= static_cast<int>(fill.size()); ++g) {
        const char c = fill[static_cast<std::size_t>(g - 1)];
        entries.push_back({c ? std::string(1, c) : std::string()});
        const int cell = RestorationJudge::cellOf(task, g);
        if (c && cell >= 1 && cell <= static_cast<int>(layout.grid.size()))
          layout.grid[static_cast<std::size_t>(cell - 1)] = c;
      }
      break;
    }
    case TaskType::Completion:
      for (int j = 1; j <= clampedCount(task.elementCount, kMaxItems); ++j)
        entries.push_back({record.given[j] + " "});
      break;
  }
  return layout;
}

}  // namespace ispyt
