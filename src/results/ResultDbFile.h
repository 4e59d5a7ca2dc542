#pragma once
// The result database of one attempt, "REZULT/<code>_<test name>.Db" in the
// program folder: 140-byte records (`ResultDbRecord`) with no header.  An
// attempt adds a header record, N task records with each task's percentage
// and N answer records with each task's answer text, tasks in file order.
//
// ResultDbRecord:
//   0 counted[4] code (ShiftText -50) | 5 counted[10] card code | 16 elapsed
//   20 counted[8] time | 29 padding | 32 mode | 36 shuffle | 37 always 1
//   38 counted[20] name | 59 counted[4] class | 64 counted[8] date
//   73 counted[25] test name | 99 padding | 100 percent | 104 result120
//   108 N | 112 task percent (task records) | 116 counted[20] answer
//   (answer records) | 137 padding

#include <array>
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "results/AttemptResult.h"
#include "results/ReadFault.h"

namespace ispyt {

inline constexpr std::size_t kResultDbRecordSize = 140;

// One attempt's records; texts plain (the code is shifted only in the file),
// tables by task file number 1..taskCount.
struct ResultDbEntry {
  std::string attemptCode;
  std::string cardCode;  // in mode 4 with "-" and the shifted password
  int elapsed = 0;
  std::string timeText;
  int mode = 0;
  bool shuffle = false;
  std::string fullName;
  std::string classGroup;
  std::string dateText;
  std::string testName;
  int percent = 0;
  int result120 = 0;
  int taskCount = 0;
  PerTask taskPercent{};
  std::array<std::string, kMaxTasks + 1> answerText;
};

// The 1 + 2N records, every text cut to its field.
std::string resultDbBytes(const ResultDbEntry& entry);

struct ResultDbFile {
  std::vector<ResultDbEntry> entries;
  std::size_t skippedBytes = 0;  // after the last whole group, not read
};

// "REZULT/<code>_<test name>.Db" below the program folder, '&' left out of
// the name.
std::filesystem::path resultDbPath(const std::filesystem::path& programFolder,
                                   const std::string& attemptCode, const std::string& testName);

// Gives the attempt's records in `bytes` another attempt code.
void setResultDbCode(std::string& bytes, std::string_view attemptCode);

// Fails at a header record whose N is outside 0..60.
Parsed<ResultDbFile> ReadResultDb(std::string_view bytes);

// Every byte lowered by `amount`, wrapping modulo 256.
std::string ShiftText(std::string_view text, int amount);

}  // namespace ispyt
