#pragma once
// A finished attempt over a test of all eight task types, shown in a
// shuffled order, and a program folder to store its results in.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "ResultStamp.h"
#include "attempt/AttemptState.h"
#include "attempt/StudentCard.h"
#include "content/OpenTestState.h"
#include "content/Settings.h"
#include "content/Test.h"
#include "platform/Cp1251.h"
#include "platform/Paths.h"
#include "platform/Random.h"
#include "results/AttemptResult.h"
#include "results/WriteReport.h"

namespace ispyt::results_test {

namespace fs = std::filesystem;

// Task n of the file has type n - 1.
inline Task taskOfType(int number) {
  Task t;
  t.type = static_cast<TaskType>(number - 1);
  t.question = cp1251("Питання ") + std::to_string(number);
  t.itemCount = 3;
  t.elementCount = 2;
  for (int i = 1; i <= 3; ++i) {
    t.items[i] = cp1251("варіант ") + std::to_string(number) + "." + std::to_string(i);
    t.rightItems[i] = "R" + std::to_string(number) + "." + std::to_string(i);
  }
  switch (t.type) {
    case TaskType::Matching:
      t.itemCount = 4;
      t.items[4] = "";
      t.rightItems[4] = "--";
      t.hasEmptyRightItem = true;
      break;
    case TaskType::Restoration:
      t.items[1] = "P6-1.bmp";
      t.items[2] = std::string(90, '.');
      t.correctTexts[1] = cp1251("відповідь");
      break;
    case TaskType::Completion:
      t.blankCount = 2;
      break;
    default:
      break;
  }
  return t;
}

// The file order of a test of every type, and the display order the
// attempt showed it in (position k shows file task kOrder[k]).
inline constexpr int kTasks = 8;
inline constexpr PerTask kOrder = {0, 3, 1, 8, 2, 5, 4, 7, 6};

inline ispyt::Test fileOrderTest() {
  ispyt::Test test;
  test.title = cp1251("Усі типи");
  test.taskCount = kTasks;
  for (int n = 1; n <= kTasks; ++n) test.task(n) = taskOfType(n);
  return test;
}

// The test as the attempt leaves it: tasks in position order.
inline ispyt::Test positionOrderTest() {
  ispyt::Test file = fileOrderTest();
  ispyt::Test shown = file;
  for (int k = 1; k <= kTasks; ++k) shown.task(k) = file.task(kOrder[k]);
  return shown;
}

// Each task's records tell its file number n: n - 1 wrong elements of
// 2 (capped), n % 2 guess errors, 2 judged unless n is 8 (never judged,
// charged in full).  T = 16, TE = 13.
inline AttemptState finishedAttempt(int mode) {
  AttemptState a;
  a.mode = mode;
  a.taskCount = kTasks;
  a.elapsed = 754;
  a.tasksDone = kTasks;
  a.displayOrder = kOrder;
  for (int k = 1; k <= kTasks; ++k) {
    const int n = kOrder[k];
    TaskRecord& r = a.task(k);
    r.done = n != 8;
    r.wrongCount = std::min(n - 1, 2);
    r.missCount = n % 2;
    r.judgedElements = n == 8 ? 0 : 2;
    r.answerText = cp1251("відповідь на завдання ") + std::to_string(n);
    r.optionMarks = std::string(kMaxItems, '0');
    r.optionMarks[n % 3] = '1';
    for (int i = 1; i <= 3; ++i) r.given[i] = "G" + std::to_string(n) + "." + std::to_string(i);
    a.elementsJudged += n == 8 ? 2 : r.judgedElements;  // charged in full at time-out
    a.wrongElements += r.wrongCount;
  }
  if (mode == kModeExam) a.pass = 1;
  return a;
}

class ResultFilesFixture : public ::testing::Test {
 protected:
  // Where the program folder is made.
  virtual fs::path scratch() const { return fs::temp_directory_path(); }

  void SetUp() override {
    root = scratch() /
           (std::string("ispyt-results-") +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(root);
    folder = root / "Base" / "Set" / "Algebra";
    fs::create_directories(folder);
    ws.programFolder = root;
    ws.openTest.testFolder = folder;
    ws.openTest.testName = "Algebra";
    ws.openTest.attemptCode = "Y537";
    ws.openTest.currentTestPath = folder.string();
    ws.settings.gradeScale = 12;
    card.cardCode = "A07";
    card.classGroup = "10-" + cp1251("Б");
    card.fullName = cp1251("Іваненко Петро ");
  }
  void TearDown() override { fs::remove_all(root); }

  ResultFilesContext context() {
    return {ws.settings, ws.programFolder, ws.openTest, attempt, test, card, result, random, resultStamp,
            nullptr};
  }

  std::string read(const fs::path& p) { return readFileBytes(p).value_or(""); }
  std::uintmax_t sizeOf(const fs::path& p) { return fs::exists(p) ? fs::file_size(p) : 0; }

  fs::path root;
  fs::path folder;
  // The pieces of the workstation the result files are written from.
  struct {
    std::filesystem::path programFolder;
    Settings settings;
    OpenTestState openTest;
  } ws;
  AttemptState attempt = finishedAttempt(kModeTraining);
  ispyt::Test test = positionOrderTest();
  StudentCard card;
  AttemptResult result;
  Random random{7};
};

}  // namespace ispyt::results_test
