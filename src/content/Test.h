#pragma once
// The open test in memory: its title and up to 60 tasks of eight kinds.
// Every table is 1-based as the test file numbers it (slot 0 is unused);
// all texts are Windows-1251 bytes.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace ispyt {

// One byte in the file.  A code above 7 is kept as it stands (such a block
// has no body).
enum class TaskType : std::uint8_t {
  SingleChoice = 0,
  MultipleChoice = 1,
  DirectInput = 2,
  Sequence = 3,
  Matching = 4,
  Restoration = 5,
  CountedChoice = 6,
  Completion = 7,
};

inline constexpr int kMaxTasks = 60;
inline constexpr int kMaxItems = 13;      // items, options, blanks, variants, answers
inline constexpr int kMaxOrderItems = 7;  // MultipleChoice, CountedChoice, Sequence
inline constexpr int kMaxMatchingLeft = 12;
inline constexpr int kMaxFields = 3;   // DirectInput
// DirectInput: a field takes keys while it holds at most this many
// characters, so a typed answer is at most one longer.
inline constexpr int kMaxTypedLength = 25;
// DirectInput: a typed answer is compared with the first ten accepted
// answers of its field only.
inline constexpr int kComparedAnswers = 10;
inline constexpr int kGridCells = 90;  // Restoration: 15 columns by 6 rows
inline constexpr int kGridColumns = 15;
inline constexpr int kGridRows = 6;
inline constexpr int kPaletteSlots = 18;

template <typename T>
using Slots = std::array<T, kMaxItems + 1>;  // 1..13

struct Task {
  TaskType type = TaskType::SingleChoice;
  int itemCount = 0;
  std::string question;
  Slots<std::string> items;
  Slots<char> itemLetters{};
  Slots<std::string> rightItems;
  Slots<char> rightLetters{};
  Slots<std::string> correctTexts;
  int correctCount = 1;
  int elementCount = 0;
  bool hasEmptyRightItem = false;
  std::array<int, kMaxFields + 1> acceptedCount{};
  std::array<Slots<std::string>, kMaxFields + 1> accepted;
  int blankCount = 1;
  int variantCount = 1;
  Slots<Slots<std::string>> variants;
  Slots<Slots<char>> variantLetters{};
};

// The title shown on the task screen for a task of this kind ("Одиничний
// вибір", …; CountedChoice adds "-" and its number of correct options);
// empty for an unknown code.
std::string taskTypeTitle(const Task& task);

struct Test {
  std::string title;
  int taskCount = 0;  // 0..60
  // Slots 0..60; kept on the heap (about half a megabyte), never resized.
  std::vector<Task> tasks = std::vector<Task>(kMaxTasks + 1);

  Task& task(int number) { return tasks[number]; }
  const Task& task(int number) const { return tasks[number]; }

  // Every slot back to its defaults, no title, no task.
  void reset();
};

}  // namespace ispyt
