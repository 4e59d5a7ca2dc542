#include "results/AttemptRecords.h"

#include <algorithm>

#include "results/Scoring.h"

namespace ispyt {
namespace {

int taskCountOf(const AttemptState& a) { return std::clamp(a.taskCount, 0, kMaxTasks); }

int clampedInt(long long x) {
  return static_cast<int>(std::clamp<long long>(x, -1000000000, 1000000000));
}

// An attempt broken off through "Вихід" charges the task at position k in
// full, as time-over does: all its elements wrong and it never judged, so
// that leaving early never grades better than answering.  Not in mode 3,
// whose result counts the best run instead.
bool chargedInFull(const AttemptState& a, int k) {
  return a.wrongElements == kBrokenOff && a.mode != kModeExam && !a.task(k).countsDone();
}

// A broken-off attempt has lost its wrong count to the marker: grading
// takes it from the tasks, the ones not done charged in full.  A report
// without task blocks (modes 0 and 3) does not say which tasks were left,
// and keeps its counts as stored.
void chargeBrokenOff(const AttemptState& a, bool reviewed, GradingCounts& c) {
  auto slotAt = [&](int k) { return reviewed ? a.displayOrder[k] : k; };
  for (int k = 1; k <= c.taskCount; ++k)
    if (slotAt(k) < 1 || slotAt(k) > kMaxTasks) return;
  long long judged = a.elementsJudged;
  long long wrong = 0;
  for (int k = 1; k <= c.taskCount; ++k) {
    const int slot = slotAt(k);
    if (chargedInFull(a, k)) {
      judged += static_cast<long long>(c.elementCount[slot]) - c.judgedElements[slot];
      c.wrongCount[slot] = c.elementCount[slot];
      c.judgedElements[slot] = 0;
    }
    wrong += c.wrongCount[slot];
  }
  c.elementsJudged = clampedInt(judged);
  c.wrongElements = clampedInt(wrong);
}

// The per cent right of the task at position k, as the result files give it.
int taskPercentAt(const AttemptState& a, const Test& test, int k) {
  const int elements = test.task(k).elementCount;
  return chargedInFull(a, k)
             ? TaskPercent(0, elements, elements)
             : TaskPercent(a.task(k).judgedElements, a.task(k).wrongCount, elements);
}

// The marks line of a task from its per-option marks, '0' for the rest.
std::string marksOf(const TaskRecord& record, int count) {
  std::string marks = record.optionMarks.substr(0, std::max(count, 0));
  marks.resize(std::max(count, 0), '0');
  return marks;
}

// Only what the file holds for the type, so that a block reads back equal.
ReportTask blockOf(const Task& task, const TaskRecord& record, int fileNumber) {
  ReportTask t;
  t.fileNumber = fileNumber;
  t.type = static_cast<int>(task.type);
  t.question = task.question;
  t.missCount = record.missCount;
  t.wrongCount = record.wrongCount;
  t.answerText = record.answerText;
  const int n = std::clamp(task.itemCount, 0, kMaxItems);
  auto copy = [](const Slots<std::string>& from, Slots<std::string>& to, int count) {
    for (int i = 1; i <= count; ++i) to[i] = from[i];
  };
  switch (task.type) {
    case TaskType::MultipleChoice:
      t.judgedElements = record.judgedElements;
      [[fallthrough]];
    case TaskType::SingleChoice:
    case TaskType::CountedChoice:
      t.itemCount = n;
      t.marks = marksOf(record, n);
      copy(task.items, t.items, n);
      break;
    case TaskType::DirectInput:
      t.itemCount = n;
      copy(task.items, t.items, n);
      copy(record.given, t.rightItems, n);
      break;
    case TaskType::Sequence:
      t.itemCount = n;
      copy(record.given, t.rightItems, n);
      break;
    case TaskType::Matching:
      t.itemCount = n;
      copy(task.items, t.items, n - 1);
      t.marks = marksOf(record, n - 1);
      copy(task.rightItems, t.rightItems, n);
      break;
    case TaskType::Restoration:
      t.itemCount = n;
      t.items[1] = task.items[1];
      t.items[2] = task.items[2];
      t.correctText = task.correctTexts[1];
      break;
    case TaskType::Completion:
      t.itemCount = n;
      t.blankCount = std::clamp(task.blankCount, 0, kMaxItems);
      copy(task.items, t.items, n);
      copy(record.given, t.rightItems, t.blankCount);
      // An empty answer is written as a blank, and so reads back.
      for (int i = 1; i <= t.blankCount; ++i)
        if (t.rightItems[i].empty()) t.rightItems[i] = " ";
      break;
  }
  return t;
}

void applyBlock(const ReportTask& t, Task& task, TaskRecord& record) {
  task.type = static_cast<TaskType>(t.type);
  task.question = t.question;
  record.missCount = t.missCount;
  record.wrongCount = t.wrongCount;
  record.answerText = t.answerText;
  task.itemCount = t.itemCount;
  auto setMarks = [&] {
    record.optionMarks = t.marks;
    record.optionMarks.resize(kMaxItems, '0');
  };
  auto copy = [](const Slots<std::string>& from, Slots<std::string>& to, int count) {
    for (int i = 1; i <= count && i <= kMaxItems; ++i) to[i] = from[i];
  };
  switch (task.type) {
    case TaskType::MultipleChoice:
      record.judgedElements = t.judgedElements;
      [[fallthrough]];
    case TaskType::SingleChoice:
    case TaskType::CountedChoice:
      setMarks();
      copy(t.items, task.items, t.itemCount);
      break;
    case TaskType::DirectInput:
      copy(t.items, task.items, t.itemCount);
      copy(t.rightItems, task.rightItems, t.itemCount);
      break;
    case TaskType::Sequence:
      copy(t.rightItems, task.items, t.itemCount);
      break;
    case TaskType::Matching:
      copy(t.items, task.items, t.itemCount - 1);
      setMarks();
      copy(t.rightItems, task.rightItems, t.itemCount);
      task.hasEmptyRightItem = false;
      for (int i = 1; i <= t.itemCount; ++i)
        if (t.rightItems[i] == "--") task.hasEmptyRightItem = true;
      break;
    case TaskType::Restoration:
      task.items[2] = t.items[2];
      task.items[1] = t.items[1];
      task.correctTexts[1] = t.correctText;
      break;
    case TaskType::Completion:
      task.blankCount = t.blankCount;
      copy(t.items, task.items, t.itemCount);
      copy(t.rightItems, task.rightItems, t.blankCount);
      break;
  }
}

}  // namespace

GradingCounts gradingCounts(const AttemptState& a, const Test& test, const Settings& settings,
                            bool reviewed) {
  GradingCounts c;
  c.mode = a.mode;
  c.taskCount = taskCountOf(a);
  c.elementsJudged = a.elementsJudged;
  c.wrongElements = a.wrongElements;
  c.tasksDone = a.tasksDone;
  c.bestInExam = a.bestInExam;
  c.pass = a.pass;
  c.guessingCode = settings.guessingCode;
  for (int k = 1; k <= kMaxTasks; ++k) {
    c.elementCount[k] = test.task(k).elementCount;
    c.itemCount[k] = test.task(k).itemCount;
    c.weight[k] = settings.taskWeights[k];
    c.wrongCount[k] = a.task(k).wrongCount;
    c.missCount[k] = a.task(k).missCount;
    c.judgedElements[k] = a.task(k).judgedElements;
  }
  if (reviewed) c.displayOrder = a.displayOrder;
  if (a.wrongElements == kBrokenOff) chargeBrokenOff(a, reviewed, c);
  return c;
}

std::vector<int> fileOrder(const AttemptState& a) {
  const int n = taskCountOf(a);
  std::vector<int> key(a.displayOrder.begin() + 1, a.displayOrder.begin() + 1 + n);
  std::vector<int> position(n);
  for (int i = 0; i < n; ++i) position[i] = i + 1;
  for (int i = 0; i < n; ++i)
    for (int j = i + 1; j < n; ++j)
      if (key[j] < key[i]) {
        std::swap(key[i], key[j]);
        std::swap(position[i], position[j]);
      }
  return position;
}

Report reportOf(const AttemptState& a, const Test& test, const Settings& settings,
                const StudentCard& card, const AttemptResult& result) {
  Report r;
  r.attemptCode = result.attemptCode;
  r.mode = a.mode;
  r.taskCount = taskCountOf(a);
  r.tasksDone = a.tasksDone;
  for (int k = 1; k <= r.taskCount; ++k) r.answered[k] = a.task(k).countsDone();
  r.elementsJudged = a.elementsJudged;
  r.pass = a.pass;
  r.bestInExam = a.bestInExam;
  r.wrongElements = a.wrongElements;
  r.elapsed = a.elapsed;
  r.shuffle = settings.shuffle;
  r.fullName = card.fullName;
  r.classGroup = card.classGroup;
  r.dateText = result.dateText;
  r.timeText = result.timeText;
  if (keepsTaskRecords(a.mode))
    for (int k = 1; k <= r.taskCount; ++k)
      r.tasks.push_back(blockOf(test.task(k), a.task(k), a.displayOrder[k]));
  return r;
}

MonitorGroup monitorGroupOf(const AttemptState& a, const Test& test, const std::string& attemptCode,
                            const std::string& fullName) {
  MonitorGroup g;
  g.taskCount = taskCountOf(a);
  const std::vector<int> order = fileOrder(a);
  for (int i = 1; i <= g.taskCount; ++i) {
    const int k = order[i - 1];
    const TaskRecord& record = a.task(k);
    const bool charged = chargedInFull(a, k);
    g.wrongCount[i] = charged ? test.task(k).elementCount : record.wrongCount;
    g.missCount[i] = record.missCount;
    g.judgedElements[i] = charged ? 0 : record.judgedElements;
  }
  g.attemptCode = attemptCode;
  g.name = fullName.empty() ? attemptCode : fullName;
  return g;
}

ResultDbEntry resultDbEntryOf(const AttemptState& a, const Test& test, const Settings& settings,
                              const StudentCard& card, const AttemptResult& result,
                              const std::string& testName, int wrong) {
  ResultDbEntry e;
  e.attemptCode = result.attemptCode;
  e.cardCode = card.cardCode;
  if (isMonitoringMode(a.mode))
    e.cardCode += "-" + ShiftText(std::to_string(settings.password), 50);
  e.elapsed = a.elapsed;
  e.timeText = result.timeText;
  e.mode = a.mode;
  e.shuffle = settings.shuffle;
  e.fullName = card.fullName;
  e.classGroup = card.classGroup;
  e.dateText = result.dateText;
  e.testName = testName;
  e.percent = 100 - wrong;
  e.result120 = wrong == 100 ? 0 : result.result120;
  e.taskCount = taskCountOf(a);
  const std::vector<int> order = fileOrder(a);
  for (int i = 1; i <= e.taskCount; ++i) {
    const int k = order[i - 1];
    e.taskPercent[i] = taskPercentAt(a, test, k);
    e.answerText[i] = a.task(k).answerText.substr(0, 20);
  }
  return e;
}

ResultMessage resultMessageOf(const AttemptState& a, const Test& test, const Settings& settings,
                              const StudentCard& card, const AttemptResult& result,
                              const std::string& testName) {
  ResultMessage m;
  m.attemptCode = result.attemptCode;
  m.cardCode = card.cardCode;
  if (isMonitoringMode(a.mode)) m.cardCode += "-" + std::to_string(settings.password);
  m.elapsed = a.elapsed;
  m.timeText = result.timeText;
  m.mode = a.mode;
  m.shuffle = settings.shuffle;
  m.fullName = card.fullName;
  m.classGroup = card.classGroup;
  m.dateText = result.dateText;
  m.testName = testName;
  // As the database has it: nothing judged is 0 per cent, not a division
  // by zero.
  const GradingCounts counts = gradingCounts(a, test, settings);
  m.percent = attemptPercent(counts.wrongElements, counts.elementsJudged);
  m.result120 = result.result120;
  m.taskCount = taskCountOf(a);
  const std::vector<int> order = fileOrder(a);
  for (int i = 1; i <= m.taskCount; ++i) {
    const int k = order[i - 1];
    m.taskPercent[i] = taskPercentAt(a, test, k);
    m.answerText[i] = a.task(k).answerText;
  }
  return m;
}

void applyReport(const Report& r, AttemptState& a, Test& test, Settings& settings,
                 StudentCard& card, AttemptResult& result) {
  result.attemptCode = r.attemptCode;
  a.mode = r.mode;
  a.taskCount = r.taskCount;
  a.tasksDone = r.tasksDone;
  for (int k = 1; k <= r.taskCount; ++k) a.task(k).done = r.answered[k];
  a.elementsJudged = r.elementsJudged;
  a.pass = r.pass;
  a.bestInExam = r.bestInExam;
  a.wrongElements = r.wrongElements;
  a.elapsed = r.elapsed;
  settings.shuffle = r.shuffle;
  card.fullName = r.fullName;
  card.classGroup = r.classGroup;
  result.dateText = r.dateText;
  result.timeText = r.timeText;
  // Positions without a block hold no task.
  for (int k = 1; k <= kMaxTasks; ++k) a.displayOrder[k] = 0;
  for (std::size_t i = 0; i < r.tasks.size() && i < static_cast<std::size_t>(kMaxTasks); ++i) {
    const ReportTask& t = r.tasks[i];
    a.displayOrder[i + 1] = t.fileNumber;
    applyBlock(t, test.task(t.fileNumber), a.task(t.fileNumber));
  }
}

}  // namespace ispyt
