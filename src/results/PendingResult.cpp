#include "results/PendingResult.h"

#include <cctype>
#include <charconv>

#include "content/ConfigFile.h"
#include "content/Test.h"
#include "platform/Paths.h"
#include "results/FocusLossFile.h"
#include "results/MonitorFile.h"
#include "results/ReportFile.h"
#include "results/ResultDbFile.h"
#include "results/ResultMessage.h"
#include "results/WriteReport.h"

namespace ispyt {
namespace {

constexpr std::string_view kFirstLine = "ispyt pending result 1";
// A report of 60 tasks of 13 long items stays far below this.
constexpr std::size_t kMaxReportBytes = 4 * 1024 * 1024;

class Reader {
 public:
  explicit Reader(std::string_view bytes) : bytes_(bytes) {}

  // The next line, without its CR LF; throws at the end of the bytes.
  std::string_view line() {
    const std::size_t end = bytes_.find("\r\n", at_);
    if (end == std::string_view::npos) fail("a line has no CR LF");
    std::string_view text = bytes_.substr(at_, end - at_);
    at_ = end + 2;
    ++line_;
    return text;
  }
  // "key=value": the value.
  std::string_view field(std::string_view key) {
    std::string_view text = line();
    if (text.size() <= key.size() || text.substr(0, key.size()) != key ||
        text[key.size()] != '=')
      fail("the line is not " + std::string(key) + "=...");
    text.remove_prefix(key.size() + 1);
    // Names and paths hold no control characters.
    for (char c : text)
      if (static_cast<unsigned char>(c) < 0x20) fail(std::string(key) + " holds a control character");
    return text;
  }
  long long number(std::string_view key, long long most) {
    std::string_view text = field(key);
    long long value = -1;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    // Written by the program, a number is digits without leading zeros.
    if (ec != std::errc() || end != text.data() + text.size() || value < 0 || value > most ||
        !std::isdigit(static_cast<unsigned char>(text[0])) || (text.size() > 1 && text[0] == '0'))
      fail(std::string(key) + " is not a number from 0 to " + std::to_string(most));
    return value;
  }
  std::string block(std::string_view key, std::size_t most) {
    const auto length = static_cast<std::size_t>(number(key, static_cast<long long>(most)));
    if (bytes_.size() - at_ < length + 2 || bytes_.substr(at_ + length, 2) != "\r\n")
      fail("the " + std::string(key) + " block is cut short");
    std::string out(bytes_.substr(at_, length));
    at_ += length + 2;
    ++line_;
    return out;
  }
  bool atEnd() const { return at_ == bytes_.size(); }
  bool startsWith(std::string_view text) const { return bytes_.substr(at_).starts_with(text); }
  [[noreturn]] void fail(std::string reason) const { throw ReadFault{line_ + 1, std::move(reason)}; }

 private:
  std::string_view bytes_;
  std::size_t at_ = 0;
  std::int64_t line_ = 0;
};

}  // namespace

fs::path PendingResult::reportFile() const {
  return testFolder / pathFromCp1251(attemptCode + ".rez");
}

fs::path PendingResult::monitorFile() const { return locate(testFolder, "Monitor.dm"); }

fs::path PendingResult::databaseFile() const {
  return resultDbPath(programFolder, attemptCode, testName);
}

fs::path PendingResult::configFile() const { return configPath(testFolder); }

fs::path PendingResult::focusFile() const { return focusLossFile(testFolder, attemptCode); }

void recode(PendingResult& r, const std::string& code) {
  if (!r.monitor.empty()) {
    if (auto group = readMonitorGroup(r.monitor, r.taskCount)) {
      // A group without a name holds the code in its place.
      if (group->name == r.attemptCode) group->name = code;
      group->attemptCode = code;
      r.monitor = monitorBytes(*group);
    }
  }
  setReportCode(r.report, code);
  setResultDbCode(r.database, code);
  if (Parsed<ResultMessage> m = ReadResultMessage(r.message); m.ok()) {
    m.value->attemptCode = code;
    r.message = resultMessageBytes(*m.value);
  }
  r.attemptCode = code;
}

std::string pendingResultBytes(const PendingResult& r) {
  std::string out;
  auto line = [&](std::string_view key, std::string_view value) {
    out.append(key).append("=").append(value).append("\r\n");
  };
  auto block = [&](std::string_view key, const std::string& bytes) {
    line(key, std::to_string(bytes.size()));
    out.append(bytes).append("\r\n");
  };
  out.append(kFirstLine).append("\r\n");
  line("program", cp1251FromPath(r.programFolder));
  line("folder", cp1251FromPath(r.testFolder));
  line("test", r.testName);
  line("code", r.attemptCode);
  line("tasks", std::to_string(r.taskCount));
  line("launch", r.countsLaunch ? (r.launchCounted ? "2" : "1") : "0");
  block("report", r.report);
  block("monitor", r.monitor);
  block("database", r.database);
  block("config", r.launchTarget);
  if (!r.focus.empty()) block("focus", r.focus);
  if (!r.message.empty()) block("message", r.message);
  return out;
}

Parsed<PendingResult> ReadPendingResult(std::string_view bytes) {
  Reader in(bytes);
  PendingResult r;
  try {
    if (in.line() != kFirstLine) in.fail("not a pending result of this program");
    r.programFolder = pathFromCp1251(in.field("program"));
    r.testFolder = pathFromCp1251(in.field("folder"));
    r.testName = std::string(in.field("test"));
    r.attemptCode = std::string(in.field("code"));
    if (r.attemptCode.size() != 4) in.fail("the attempt code is not four characters");
    r.taskCount = static_cast<int>(in.number("tasks", kMaxTasks));
    const long long launch = in.number("launch", 2);
    r.countsLaunch = launch != 0;
    r.launchCounted = launch == 2;
    r.report = in.block("report", kMaxReportBytes);
    r.monitor = in.block("monitor", monitorGroupSize(kMaxTasks));
    if (!r.monitor.empty() && !readMonitorGroup(r.monitor, r.taskCount))
      in.fail("the monitor block is not one group of the test's tasks");
    r.database = in.block("database", (1 + 2 * kMaxTasks) * kResultDbRecordSize);
    if (!r.database.empty() &&
        r.database.size() != (1 + 2 * static_cast<std::size_t>(r.taskCount)) * kResultDbRecordSize)
      in.fail("the database block is not one attempt's records");
    r.launchTarget = in.block("config", kMaxConfigBytes);
    // The blocks a result has only when it needs them, each named.
    if (!in.atEnd() && in.startsWith("focus=")) {
      r.focus = in.block("focus", kMaxFocusLossBytes);
      if (!ReadFocusLossFile(r.focus).ok()) in.fail("the focus block is not a record of losses");
    }
    if (!in.atEnd() && in.startsWith("message=")) {
      r.message = in.block("message", kMaxResultMessage);
      if (!ReadResultMessage(r.message).ok())
        in.fail("the message block is not one result message");
    }
    if (!in.atEnd()) in.fail("bytes follow the last block");
  } catch (const ReadFault& fault) {
    return Parsed<PendingResult>::failure(fault.position, fault.reason);
  }
  Parsed<PendingResult> parsed;
  parsed.value = std::move(r);
  return parsed;
}

}  // namespace ispyt
