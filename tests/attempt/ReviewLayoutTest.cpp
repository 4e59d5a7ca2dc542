#include <gtest/gtest.h>

#include <functional>

#include "attempt/ReviewLayout.h"
#include "platform/Cp1251.h"

namespace ispyt {

namespace {

Task withItems(TaskType type, std::initializer_list<const char*> items) {
  Task t;
  t.type = type;
  int j = 0;
  for (const char* item : items) t.items[++j] = item;
  t.itemCount = t.elementCount = j;
  return t;
}

// Gaps at cells 5 and 6 missing 'a' and 'b'; the cells hold '.'.
Task grid() {
  Task t;
  t.type = TaskType::Restoration;
  t.items[2] =
      std::string(kGridCells, '.') + std::string(kGridCells, '0') + '+' +
      std::string{static_cast<char>(5 + 40), 'a', '0', static_cast<char>(6 + 40), 'b', '0'};
  t.elementCount = 2;
  return t;
}

struct ReviewCase {
  const char* name;
  std::function<Task()> task;
  std::function<void(TaskRecord&)> answer;
  int mode;
  const char* slots;  // slot texts joined by '|', '*' after a picked one (UTF-8)
  const char* cells;  // Restoration: cells 4..7 of the grid
};

std::string joined(const ReviewLayout& layout) {
  std::string s;
  for (std::size_t i = 0; i < layout.entries.size(); ++i)
    s += (i ? "|" : "") + cp1251ToUtf8(layout.entries[i].text) + (layout.entries[i].picked ? "*" : "");
  return s;
}

TEST(ReviewLayout, EachTypeShowsTheRecordedAnswer) {
  const ReviewCase cases[] = {
      {"choice: the chosen options picked",
       [] {
         return withItems(TaskType::MultipleChoice, {"x", "y", "z"});
       },
       [](TaskRecord& r) { r.optionMarks = "1010000000000"; }, kModeTraining, "x*|y|z*", ""},
      {"choice never answered",
       [] {
         return withItems(TaskType::SingleChoice, {"x", "y"});
       },
       [](TaskRecord&) {}, kModeTestPaper, "x|y", ""},
      {"typed texts as typed",
       [] {
         return withItems(TaskType::DirectInput, {"a:", "b:"});
       },
       [](TaskRecord& r) { r.given[1] = " two  words"; }, kModeTraining, " two  words|", ""},
      {"the order left",
       [] {
         return withItems(TaskType::Sequence, {"b", "c", "a"});
       },
       [](TaskRecord& r) {
         r.given[1] = "a";
         r.given[2] = "c";
         r.given[3] = "b";
       },
       kModeMonitoring, "a|c|b", ""},
      {"a sequence never reached keeps the order shown",
       [] {
         return withItems(TaskType::Sequence, {"b", "c", "a"});
       },
       [](TaskRecord&) {}, kModeMonitoring, "b|c|a", ""},
      {"matching: the stored index less 13 names the letter",
       [] {
         Task t = withItems(TaskType::Matching, {"l1", "l2", "l3", "l4"});
         t.elementCount = 3;
         return t;
       },
       [](TaskRecord& r) { r.optionMarks = std::string("\x0f\x0e\x15", 3) + std::string(10, '0'); },
       kModeTraining, "Б|А|Ж", ""},
      {"matching given up shows no letters",
       [] {
         return withItems(TaskType::Matching, {"l1", "l2", "l3"});
       },
       [](TaskRecord& r) { r.optionMarks.assign(kMaxItems, '\x0d'); }, kModeTestPaper, "|", ""},
      {"the grid with the characters typed", grid, [](TaskRecord& r) { r.gapAnswers = "x\xbb"; },
       kModeTraining, "x|»", ".x»."},
      {"hint mode: the right character after a wrong one", grid,
       [](TaskRecord& r) { r.gapAnswers = "xab"; }, kModeHint, "a|b", ".ab."},
      {"a gap never given stays as the grid has it", grid,
       [](TaskRecord& r) { r.gapAnswers = "a"; }, kModeMonitoring, "a|", ".a.."},
      {"blanks' texts, each followed by a space",
       [] {
         Task t = withItems(TaskType::Completion, {"text <gap> <gap>"});
         t.elementCount = 2;
         return t;
       },
       [](TaskRecord& r) { r.given[1] = "ten"; }, kModeTraining, "ten | ", ""},
  };
  for (const ReviewCase& c : cases) {
    SCOPED_TRACE(c.name);
    const Task task = c.task();
    TaskRecord record;
    c.answer(record);
    const ReviewLayout layout = reviewLayout(task, record, c.mode);
    EXPECT_EQ(joined(layout), c.slots);
    EXPECT_EQ(layout.grid.empty() ? "" : cp1251ToUtf8(layout.grid.substr(3, 4)), c.cells);
  }
}

}  // namespace
}  // namespace ispyt
