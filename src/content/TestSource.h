#pragma once
// A test as its author writes it: correct answers in their natural order,
// nothing scrambled.  `parseTestSource` reads the UTF-8 authoring format
// ("ispyt-tool make-test --help" describes it); `writeTestFile` turns the
// result into the bytes of "test.txt".  All texts here are Windows-1251.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "content/Test.h"

namespace ispyt {

struct SourceOption {
  std::string text;
  bool correct = false;
};

struct SourceField {
  std::string label;
  std::vector<std::string> answers;  // at least one
};

struct SourceGap {
  int cell = 0;      // 1..90, row by row
  char missing = 0;  // the character the pupil enters
  char level = '0';  // '0' on the line, '1' lowered, '2' raised
};

struct SourceTask {
  TaskType type = TaskType::SingleChoice;
  int line = 0;  // where the block starts in the source
  std::string question;
  // Choice types: the options.  Sequence: the items in their correct order.
  // Matching: the left items.  Completion: unused.
  std::vector<SourceOption> options;
  // Matching: right[j] matches options[j]; one more item at the end ("--"
  // for none).
  std::vector<std::string> right;
  std::vector<SourceField> fields;  // DirectInput
  // Restoration: 90 cells and levels, the display flag, the gaps in the
  // order the pupil fills them, the 18-slot palette ('_' empty), the
  // picture file (relative to the source) if any.
  std::string cells = std::string(kGridCells, ' ');
  std::string levels = std::string(kGridCells, '0');
  char flag = '+';
  std::vector<SourceGap> gaps;
  std::string palette;
  std::string picture;
  // Any type: the appendix file (relative to the source), shown beside the
  // task; a ".bmp", ".txt" or ".rtf" file, copied in as D<n> with its
  // extension.
  std::string appendix;
  // Completion: the text with gap marks (byte 0x8B) and per blank its
  // variants, the correct one marked.
  std::string text;
  std::vector<std::vector<SourceOption>> blanks;
};

struct TestSource {
  std::string title;
  std::vector<SourceTask> tasks;
  std::vector<std::string> extraFiles;  // copied into the test folder as they are
};

struct SourceError {
  int line = 0;
  std::string message;  // UTF-8
};

struct ParsedSource {
  std::optional<TestSource> source;
  SourceError error;  // when !source
};

ParsedSource parseTestSource(std::string_view utf8);

// Checks a whole task against the limits of the test file (counts of
// options, fields, pairs, blanks; the right answers marked) and fills in
// what an author may leave out: the "--" closing a matching task's right
// column, a restoration palette.  Returns what is wrong ("" when nothing),
// in English.  Every task given to `writeTestFile` has passed it.
std::string finishSourceTask(SourceTask& task);

// The extension an appendix file is copied with (".bmp", ".txt", ".rtf",
// whatever the case written); "" for a file that cannot be one.
std::string appendixExtension(std::string_view file);

// The grid string of a Restoration task: cells, levels, flag, gap triples.
std::string restorationGrid(const SourceTask& task);

}  // namespace ispyt
