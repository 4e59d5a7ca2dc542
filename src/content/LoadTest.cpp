#include "content/LoadTest.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "content/AnswerKey.h"
#include "content/CheckCode.h"
#include "content/Shuffle.h"
#include "platform/Cp1251.h"
#include "platform/LineReader.h"
#include "platform/Paths.h"

namespace ispyt {
namespace {

// A test file is small text; anything far larger is not one.
constexpr std::size_t kMaxFileBytes = 16 * 1024 * 1024;

struct Fault {
  int line;
  std::string reason;
};

// The line reader with the three ways a value is read, each failing with
// the line it stands on.
class Lines {
 public:
  explicit Lines(std::string_view bytes) : reader_(bytes) {}

  bool atEnd() const { return reader_.atEnd(); }
  int line() const { return reader_.lineNumber(); }

  [[noreturn]] void fail(std::string reason) const { throw Fault{line(), std::move(reason)}; }

  std::string text(const char* what) {
    auto l = reader_.next();
    if (!l) throw Fault{line() + 1, std::string("the file ends where ") + what + " belongs"};
    return std::string(*l);
  }

  // A decimal number at the start of the line (blanks before it and a sign
  // allowed); the rest of the line is ignored.  Must lie in lo..hi.
  int integer(const char* what, int lo, int hi) {
    std::string l = text(what);
    std::size_t i = l.find_first_not_of(" \t");
    bool negative = false;
    if (i != std::string::npos && (l[i] == '-' || l[i] == '+')) negative = l[i++] == '-';
    long long value = 0;
    std::size_t digits = 0;
    for (; i != std::string::npos && i < l.size() && l[i] >= '0' && l[i] <= '9'; ++i, ++digits)
      value = std::min(value * 10 + (l[i] - '0'), 1LL << 40);
    if (digits == 0) fail(std::string(what) + " is not a number");
    if (negative) value = -value;
    if (value < lo || value > hi)
      fail(std::string(what) + " is " + std::to_string(value) + ", outside " + std::to_string(lo) +
           ".." + std::to_string(hi));
    return static_cast<int>(value);
  }

  // The first byte of the line as a raw number, in lo..hi.
  int byte(const char* what, int lo, int hi) {
    std::string l = text(what);
    if (l.empty()) fail(std::string(what) + " is an empty line");
    int value = static_cast<unsigned char>(l[0]);
    if (value < lo || value > hi)
      fail(std::string(what) + " is the byte " + std::to_string(value) + ", outside " +
           std::to_string(lo) + ".." + std::to_string(hi));
    return value;
  }

  // An order line: `first` count bytes (0 or 1) then n positions that
  // together name each of 1..n once.
  std::string order(int n, int first) {
    std::string l = text("the order line");
    if (static_cast<int>(l.size()) < first + n)
      fail("the order line holds " + std::to_string(l.size()) + " bytes, " +
           std::to_string(first + n) + " needed");
    std::array<bool, kMaxItems + 2> seen{};
    for (int i = 0; i < n; ++i) {
      int p = static_cast<unsigned char>(l[first + i]);
      if (p < 1 || p > n)
        fail("order position " + std::to_string(p) + " is outside 1.." + std::to_string(n));
      if (seen[p]) fail("order position " + std::to_string(p) + " is repeated");
      seen[p] = true;
    }
    return l;
  }

 private:
  LineReader reader_;
};

void setLetters(Task& t, int n, char first) {
  for (int j = 1; j <= n; ++j) t.itemLetters[j] = static_cast<char>(first + j - 1);
}

void readSingleChoice(Lines& in, Task& t, Random& random) {
  int n = in.integer("the number of options", 1, kMaxItems);
  t.question = in.text("the question");
  int c = in.byte("the correct option", 1, n);
  for (int j = 1; j <= n; ++j) t.items[j] = in.text("an option");
  std::swap(t.items[c], t.items[1]);
  t.correctTexts[1] = t.items[1];
  t.itemCount = n;
  t.elementCount = 1;
  setLetters(t, n, 'A');
  shuffleOptions(t, random);
}

// MultipleChoice and CountedChoice.
void readChoices(Lines& in, Task& t, Random& random) {
  int n = in.integer("the number of options", 1, kMaxOrderItems);
  t.question = in.text("the question");
  std::string order = in.order(n, 1);
  int k = static_cast<unsigned char>(order[0]);
  if (k < 1 || k > n)
    in.fail("the number of correct options is " + std::to_string(k) + ", outside 1.." +
            std::to_string(n));
  for (int i = 1; i <= n; ++i) t.items[static_cast<unsigned char>(order[i])] = in.text("an option");
  for (int j = 1; j <= k; ++j) t.correctTexts[j] = t.items[j];
  t.itemCount = n;
  t.correctCount = t.elementCount = k;
  setLetters(t, n, 'A');
  shuffleOptions(t, random);
}

void readDirectInput(Lines& in, Task& t) {
  int fields = in.integer("the number of fields", 1, kMaxFields);
  t.question = in.text("the question");
  for (int f = 1; f <= fields; ++f) {
    t.items[f] = in.text("a field label");
    t.acceptedCount[f] = in.integer("the number of accepted answers", 1, kMaxItems);
    for (int v = 1; v <= t.acceptedCount[f]; ++v) {
      std::string key = in.text("a key line");
      std::string stored = in.text("an accepted answer");
      auto answer = unscrambleAnswer(stored, key);
      if (!answer)
        in.fail("the answer holds " + std::to_string(stored.size()) + " bytes, its key only " +
                std::to_string(key.size()));
      t.accepted[f][v] = std::move(*answer);
    }
  }
  t.itemCount = t.elementCount = fields;
}

void readSequence(Lines& in, Task& t, Random& random) {
  int n = in.integer("the number of items", 1, kMaxOrderItems);
  t.question = in.text("the question");
  std::string order = in.order(n, 1);
  t.correctCount = static_cast<unsigned char>(order[0]);
  for (int i = 1; i <= n; ++i) t.items[static_cast<unsigned char>(order[i])] = in.text("an item");
  for (int j = 1; j <= n; ++j) t.correctTexts[j] = t.items[j];
  t.itemCount = t.elementCount = n;
  setLetters(t, n, 'A');
  shuffleSequence(t, random);
}

void readMatching(Lines& in, Task& t) {
  int n = in.integer("the number of left items", 1, kMaxMatchingLeft);
  t.question = in.text("the question");
  for (int j = 1; j <= n; ++j) t.items[j] = in.text("a left item");
  std::string order = in.order(n + 1, 0);
  for (int j = 1; j <= n + 1; ++j) {
    int p = static_cast<unsigned char>(order[j - 1]);
    t.rightItems[p] = t.correctTexts[p] = in.text("a right item");
    if (t.rightItems[p] == "--") t.hasEmptyRightItem = true;
    t.rightLetters[j] = static_cast<char>('A' + j - 1);
  }
  setLetters(t, n, 'a');
  t.elementCount = n;
  t.itemCount = n + 1;
}

bool isLevel(char c) { return c >= '0' && c <= '2'; }

// Cells, their levels, the display flag, then one triple per gap.
void checkGrid(Lines& in, const std::string& grid) {
  constexpr std::size_t kFixed = 2 * kGridCells + 1;
  if (grid.size() < kFixed)
    in.fail("the grid holds " + std::to_string(grid.size()) + " bytes, at least 181 needed");
  if ((grid.size() - kFixed) % 3 != 0) in.fail("the grid's last gap is incomplete");
  if (grid.size() == kFixed) in.fail("the grid has no gap");
  if (grid.size() > kFixed + 3 * kGridCells) in.fail("the grid has more gaps than cells");
  for (int i = kGridCells; i < 2 * kGridCells; ++i)
    if (!isLevel(grid[i])) in.fail("grid level " + std::to_string(i + 1) + " is not 0, 1 or 2");
  for (std::size_t g = kFixed; g < grid.size(); g += 3) {
    int cell = static_cast<unsigned char>(grid[g]) - 40;
    if (cell < 1 || cell > kGridCells)
      in.fail("a gap names cell " + std::to_string(cell) + ", outside 1..90");
    if (!isLevel(grid[g + 2])) in.fail("a gap's level is not 0, 1 or 2");
  }
}

void readRestoration(Lines& in, Task& t, int number, const PictureProbe& hasPicture) {
  int base = in.integer("the item count", 0, kGridCells);
  t.question = in.text("the question");
  t.items[2] = in.text("the grid");
  checkGrid(in, t.items[2]);
  t.rightItems[1] = in.text("the palette");
  if (t.rightItems[1].size() != kPaletteSlots)
    in.fail("the palette holds " + std::to_string(t.rightItems[1].size()) + " characters, not 18");
  std::string picture = "P" + std::to_string(number) + "-1.bmp";
  if (hasPicture && hasPicture(picture)) t.items[1] = picture;
  int keys = static_cast<int>(std::count_if(t.rightItems[1].begin(), t.rightItems[1].end(),
                                            [](char c) { return c != '_'; }));
  t.itemCount = base + keys == 1 ? 2 : base + keys;
  t.elementCount = static_cast<int>(t.items[2].size() - (2 * kGridCells + 1)) / 3;
}

void readCompletion(Lines& in, Task& t, Random& random) {
  t.itemCount = in.integer("the item count", 1, kMaxItems);
  t.question = in.text("the question");
  t.items[1] = in.text("the text with gaps");
  t.blankCount = in.integer("the number of blanks + 1", 2, kMaxItems + 1) - 1;
  t.variantCount = in.integer("the number of variants + 1", 2, kMaxItems + 1) - 1;
  for (int r = 1; r <= t.blankCount; ++r) {
    int c = in.byte("the correct variant", 1, t.variantCount);
    for (int j = 1; j <= t.variantCount; ++j) {
      t.variants[r][j] = underscoresToSpaces(in.text("a variant"));
      t.variantLetters[r][j] = static_cast<char>('A' + j - 1);
    }
    std::swap(t.variants[r][c], t.variants[r][1]);
    t.correctTexts[r] = t.variants[r][1];
    ++t.elementCount;
  }
  shuffleVariants(t, random);
}

void readBody(Lines& in, Task& t, int number, Random& random, const PictureProbe& hasPicture) {
  switch (t.type) {
    case TaskType::SingleChoice:
      readSingleChoice(in, t, random);
      break;
    case TaskType::MultipleChoice:
    case TaskType::CountedChoice:
      readChoices(in, t, random);
      break;
    case TaskType::DirectInput:
      readDirectInput(in, t);
      break;
    case TaskType::Sequence:
      readSequence(in, t, random);
      break;
    case TaskType::Matching:
      readMatching(in, t);
      break;
    case TaskType::Restoration:
      readRestoration(in, t, number, hasPicture);
      break;
    case TaskType::Completion:
      readCompletion(in, t, random);
      break;
    default:
      break;  // an unknown kind has no body
  }
}

}  // namespace

std::string loadMessage(LoadStatus status) {
  switch (status) {
    case LoadStatus::Loaded:
      return {};
    case LoadStatus::NoData:
      return cp1251("Нема даних");
    case LoadStatus::Incompatible:
      return cp1251("Несумісний тест");
  }
  return {};
}

LoadResult readTest(std::string_view bytes, Test& test, Random& random,
                    const PictureProbe& hasPicture) {
  test.reset();
  Lines in(bytes);
  int number = 0;
  try {
    if (!in.atEnd()) test.title = in.text("the title");
    // A file whose CR LF line ends were turned into LF reads as one line:
    // its raw bytes can no longer be told from line ends.
    if (test.title.find('\n') != std::string::npos)
      in.fail("the lines end in LF alone, not CR LF (the file was converted)");
    while (!in.atEnd() && number < kMaxTasks) {
      std::string header = in.text("a task header");
      Task& t = test.task(++number);
      int headerLine = in.line();
      if (header.empty()) in.fail("the task header is an empty line");
      auto code = static_cast<std::uint8_t>(header[0]);
      if (code >= '1' && code <= '8') in.fail("the task header begins with a digit");
      t.type = static_cast<TaskType>(code);
      readBody(in, t, number, random, hasPicture);
      if (header != taskHeader(code, t.question.size()))
        throw Fault{headerLine, "the task header's check code does not match the question"};
    }
  } catch (const Fault& fault) {
    test.reset();
    return {0, LoadStatus::Incompatible, fault.line, number, fault.reason};
  }
  test.taskCount = number;
  return {number + 1, LoadStatus::Loaded, 0, 0, {}};
}

LoadResult LoadTest(const std::filesystem::path& path, Test& test, Random& random,
                    const LoadTestSeams& seams) {
  if (seams.resetAttemptTables) seams.resetAttemptTables();
  LoadResult result;
  // "Test.txt" and "test.txt" name the same file, as on the system the
  // tests come from.
  std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : ".";
  if (auto bytes = readFileBytes(locate(folder, cp1251FromPath(path.filename())), kMaxFileBytes)) {
    result = readTest(*bytes, test, random,
                      [&](const std::string& name) { return exists(folder, name); });
  } else {
    test.reset();
    result = {0, LoadStatus::NoData, 0, 0, "the file cannot be opened"};
  }
  if (!result.loaded() && seams.showMessage) seams.showMessage(loadMessage(result.status));
  return result;
}

}  // namespace ispyt
