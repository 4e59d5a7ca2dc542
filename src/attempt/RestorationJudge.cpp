#include "attempt/RestorationJudge.h"

#include <algorithm>

namespace ispyt {
namespace {

// The grid string: 90 cells, 90 level digits, a display flag, then one
// triple per gap (cell number + 40, missing character, level digit).
constexpr std::size_t kFirstGap = 2 * kGridCells + 1;
constexpr int kCellOffset = 40;

struct Progress {
  int gap = 1;
  bool waiting = false;  // mode 0: a wrong character was entered here
  bool failed = false;
};

// In modes 0 and 3 a wrong character leaves the gap open (mode 3 ends the
// task with it); in the other modes every character moves on.  `standing`,
// when given, gets the last character entered into each gap.
Progress replay(const Task& task, const std::string& entered, int mode,
                std::string* standing = nullptr) {
  Progress p;
  const int n = RestorationJudge::gapCount(task);
  if (standing) standing->assign(static_cast<std::size_t>(n), '\0');
  for (char c : entered) {
    if (p.gap > n || p.failed) break;
    if (standing) (*standing)[static_cast<std::size_t>(p.gap - 1)] = c;
    if (c == RestorationJudge::missingAt(task, p.gap)) {
      ++p.gap;
      p.waiting = false;
    } else if (mode == kModeHint) {
      p.waiting = true;
    } else if (mode == kModeExam) {
      p.failed = true;
    } else {
      ++p.gap;
    }
  }
  return p;
}

}  // namespace

int RestorationJudge::gapCount(const Task& task) {
  const std::size_t size = task.items[2].size();
  return size > kFirstGap ? static_cast<int>((size - kFirstGap + 2) / 3) : 0;
}

char RestorationJudge::missingAt(const Task& task, int gap) {
  const std::size_t at = kFirstGap + 3 * static_cast<std::size_t>(gap - 1) + 1;
  return at < task.items[2].size() ? task.items[2][at] : '\0';
}

int RestorationJudge::cellOf(const Task& task, int gap) {
  const std::size_t at = kFirstGap + 3 * static_cast<std::size_t>(gap - 1);
  if (at >= task.items[2].size()) return 0;
  const int cell = static_cast<unsigned char>(task.items[2][at]) - kCellOffset;
  return cell >= 1 && cell <= kGridCells ? cell : 0;
}

int RestorationJudge::cellLevel(const Task& task, int cell) {
  const std::size_t at = kGridCells + static_cast<std::size_t>(cell - 1);
  if (cell < 1 || cell > kGridCells || at >= task.items[2].size()) return 0;
  const int level = task.items[2][at] - '0';
  return level >= 0 && level <= 2 ? level : 0;
}

std::string RestorationJudge::paletteKeys(const Task& task) {
  std::string keys;
  for (char c : task.rightItems[1].substr(0, kPaletteSlots))
    if (c != '_') keys += c;
  bool extra = false;
  for (int g = 1; g <= gapCount(task); ++g)
    if (missingAt(task, g) == ' ' || missingAt(task, g) == kGapBackspace) extra = true;
  if (extra) keys += std::string{' ', kGapBackspace};
  return keys;
}

int RestorationJudge::currentGap(const Task& task, const TaskRecord& record, int mode) {
  return replay(task, record.gapAnswers, mode).gap;
}

std::string RestorationJudge::gapFill(const Task& task, const TaskRecord& record, int mode) {
  std::string standing;
  replay(task, record.gapAnswers, mode, &standing);
  return standing;
}

bool RestorationJudge::handles(TaskType type) const { return type == TaskType::Restoration; }

// A task is left half done and shown again only by a free move, which modes
// 1, 2 and 4 allow: there every character has moved on by one gap.
bool RestorationJudge::laidOut(const Task& task, TaskRecord& record) {
  return replay(task, record.gapAnswers, kModeTraining).gap > gapCount(task);
}

// Characters come through characterEntered; a click changes nothing.
bool RestorationJudge::optionClicked(const Task& task, TaskRecord& record, int) {
  return laidOut(task, record);
}

GapEntry RestorationJudge::characterEntered(const Task& task, TaskRecord& record,
                                            AttemptState& state, char c) {
  const Progress before = replay(task, record.gapAnswers, state.mode);
  if (before.gap > gapCount(task) || before.failed) return {};
  record.gapAnswers += c;
  ++state.elementsJudged;
  ++record.judgedElements;
  if (c != missingAt(task, before.gap)) {
    ++state.wrongElements;
    ++record.wrongCount;
    // Wrong again while the expected character is being shown.
    if (before.waiting) ++record.missCount;
  }
  return lastEntry(task, record, state.mode);
}

GapEntry RestorationJudge::lastEntry(const Task& task, const TaskRecord& record, int mode) {
  GapEntry entry;
  const std::string& entered = record.gapAnswers;
  if (entered.empty()) return entry;
  const Progress before = replay(task, entered.substr(0, entered.size() - 1), mode);
  if (before.gap > gapCount(task) || before.failed) return entry;
  const Progress after = replay(task, entered, mode);
  entry.taken = true;
  entry.gap = before.gap;
  entry.right = entered.back() == missingAt(task, before.gap);
  entry.failed = after.failed;
  entry.ready = after.gap > gapCount(task);
  if (mode == kModeTestPaper || mode == kModeMonitoring)
    entry.mark = Feedback::None;
  else if (entry.right)
    entry.mark = Feedback::Right;
  else
    entry.mark = mode == kModeHint ? Feedback::ShownRight : Feedback::Wrong;
  return entry;
}

// The characters were counted as they came; a gap still open when the task
// is submitted counts as one wrong element.
Judgement RestorationJudge::judge(const Task& task, TaskRecord& record, AttemptState& state) {
  const Progress p = replay(task, record.gapAnswers, state.mode);
  if (p.failed) return {};
  const int open = std::max(0, gapCount(task) - p.gap + 1);
  state.elementsJudged += open;
  state.wrongElements += open;
  record.wrongCount += open;
  return {};
}

GiveUpOutcome RestorationJudge::giveUp(const Task& task, TaskRecord& record, AttemptState& state) {
  const char expected = missingAt(task, currentGap(task, record, state.mode));
  // Any character but the expected one.
  characterEntered(task, record, state, expected == '?' ? '!' : '?');
  return GiveUpOutcome::Continues;
}

// The hint shows the expected character in every gap the testee has still
// to fill (as far as the marks reach).
Judgement RestorationJudge::hint(const Task& task, TaskRecord& record) {
  Judgement shown;
  const int gaps = std::min(gapCount(task), kMaxItems);
  for (int g = currentGap(task, record, kModeHint); g >= 1 && g <= gaps; ++g) {
    shown.marks[g] = Feedback::ShownRight;
    record.hintMarks[g] = true;
  }
  return shown;
}

}  // namespace ispyt
