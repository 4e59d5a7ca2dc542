#include "results/ResultDbFile.h"

#include <algorithm>

#include "platform/Paths.h"
#include "results/RecordFields.h"

namespace ispyt {
namespace {

enum Offset : std::size_t {
  kCode = 0,
  kCard = 5,
  kElapsed = 16,
  kTime = 20,
  kMode = 32,
  kShuffle = 36,
  kAlwaysOne = 37,
  kName = 38,
  kClass = 59,
  kDate = 64,
  kTestName = 73,
  kPercent = 100,
  kResult = 104,
  kTaskCount = 108,
  kTaskPercent = 112,
  kAnswer = 116,
};

constexpr int kCodeShift = 50;

}  // namespace

std::string ShiftText(std::string_view text, int amount) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(static_cast<unsigned char>(c) - amount);
  return out;
}

std::string resultDbBytes(const ResultDbEntry& e) {
  std::string header = blankRecord(kResultDbRecordSize);
  putCounted(header, kCode, ShiftText(e.attemptCode, kCodeShift), 4);
  putCounted(header, kCard, e.cardCode, 10);
  putInt32(header, kElapsed, e.elapsed);
  putCounted(header, kTime, e.timeText, 8);
  putInt32(header, kMode, e.mode);
  header[kShuffle] = e.shuffle ? 1 : 0;
  header[kAlwaysOne] = 1;
  putCounted(header, kName, e.fullName, 20);
  putCounted(header, kClass, e.classGroup, 4);
  putCounted(header, kDate, e.dateText, 8);
  putCounted(header, kTestName, e.testName, 25);
  putInt32(header, kPercent, e.percent);
  putInt32(header, kResult, e.result120);
  putInt32(header, kTaskCount, e.taskCount);
  std::string out = header;
  for (int k = 1; k <= e.taskCount; ++k) {
    std::string r = blankRecord(kResultDbRecordSize);
    putInt32(r, kTaskPercent, e.taskPercent[k]);
    out += r;
  }
  for (int k = 1; k <= e.taskCount; ++k) {
    std::string r = blankRecord(kResultDbRecordSize);
    putCounted(r, kAnswer, e.answerText[k], 20);
    out += r;
  }
  return out;
}

Parsed<ResultDbFile> ReadResultDb(std::string_view bytes) {
  ResultDbFile file;
  std::size_t at = 0;
  while (bytes.size() - at >= kResultDbRecordSize) {
    std::string_view h = bytes.substr(at, kResultDbRecordSize);
    const int n = getInt32(h, kTaskCount);
    if (n < 0 || n > kMaxTasks)
      return Parsed<ResultDbFile>::failure(static_cast<std::int64_t>(at),
                                           "task count " + std::to_string(n) + " outside 0..60");
    const std::size_t groupSize = (1 + 2 * static_cast<std::size_t>(n)) * kResultDbRecordSize;
    if (bytes.size() - at < groupSize) break;
    ResultDbEntry e;
    e.attemptCode = ShiftText(getCounted(h, kCode, 4), -kCodeShift);
    e.cardCode = getCounted(h, kCard, 10);
    e.elapsed = getInt32(h, kElapsed);
    e.timeText = getCounted(h, kTime, 8);
    e.mode = getInt32(h, kMode);
    e.shuffle = h[kShuffle] != 0;
    e.fullName = getCounted(h, kName, 20);
    e.classGroup = getCounted(h, kClass, 4);
    e.dateText = getCounted(h, kDate, 8);
    e.testName = getCounted(h, kTestName, 25);
    e.percent = getInt32(h, kPercent);
    e.result120 = getInt32(h, kResult);
    e.taskCount = n;
    auto record = [&](std::size_t index) {
      return bytes.substr(at + index * kResultDbRecordSize, kResultDbRecordSize);
    };
    for (int k = 1; k <= n; ++k) {
      e.taskPercent[k] = getInt32(record(k), kTaskPercent);
      e.answerText[k] = getCounted(record(n + k), kAnswer, 20);
    }
    file.entries.push_back(std::move(e));
    at += groupSize;
  }
  file.skippedBytes = bytes.size() - at;
  Parsed<ResultDbFile> parsed;
  parsed.value = std::move(file);
  return parsed;
}

void setResultDbCode(std::string& bytes, std::string_view attemptCode) {
  if (bytes.size() >= kResultDbRecordSize)
    putCounted(bytes, kCode, ShiftText(attemptCode, kCodeShift), 4);
}

std::filesystem::path resultDbPath(const std::filesystem::path& programFolder,
                                   const std::string& attemptCode, const std::string& testName) {
  std::string name = testName;
  std::erase(name, '&');
  return locate(locate(programFolder, "REZULT"), attemptCode + "_" + name + ".Db");
}

}  // namespace ispyt
