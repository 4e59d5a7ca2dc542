// Reading "Config.ini" at test opening.  A file this program wrote reads
// back exactly; a hand-damaged one reads each damaged value as its default
// and records the repair.

#include <algorithm>
#include <array>

#include "content/ConfigFile.h"
#include "content/DigitOffset.h"
#include "platform/LineReader.h"
#include "platform/Paths.h"

namespace ispyt {
namespace {


// Lines past the end of the file read as empty, as a text reader gives them.
class ConfigLines {
 public:
  ConfigLines(std::string_view bytes, ConfigReading& out) : reader_(bytes), out_(out) {}

  std::string next(bool keep = true) {
    auto line = reader_.next();
    if (!line && !endReported_) {
      endReported_ = true;
      out_.repairs.push_back("the file ends before line " + std::to_string(lineNumber_ + 1) +
                             "; missing lines read as empty");
    }
    ++lineNumber_;
    std::string text(line.value_or(std::string_view()));
    if (keep) out_.keptCopy.push_back(text);
    return text;
  }
  int lineNumber() const { return lineNumber_; }
  bool ranOut() const { return endReported_; }

 private:
  LineReader reader_;
  ConfigReading& out_;
  bool endReported_ = false;
  int lineNumber_ = 0;
};

// A decimal line within [low, high], else `fallback` (recorded as a repair).
int readNumber(ConfigLines& lines, const char* what, int low, int high, int fallback,
               ConfigReading& out) {
  std::string text = lines.next();
  auto value = parseDecimal(text);
  if (value && *value >= low && *value <= high) return static_cast<int>(*value);
  out.repairs.push_back(std::string(what) + " on line " + std::to_string(lines.lineNumber()) +
                        " is not a number in " + std::to_string(low) + ".." + std::to_string(high) +
                        "; read as " + std::to_string(fallback));
  return fallback;
}

struct WrittenInterval {
  std::optional<long long> first, last;
};

// Intervals are taken as written, gaps and order included: a task outside
// every interval keeps its place.  Only what shuffling cannot take is
// mended, each mend recorded: an interval with a cell that is no number, or
// reversed, is dropped (its tasks keep their place); one reaching past the
// tasks is cut to them; one sharing tasks with an earlier one keeps its
// first run of tasks that no earlier interval holds.
void readIntervalsAsWritten(const std::vector<WrittenInterval>& written, int n, Settings& s,
                            std::vector<std::string>& repairs) {
  std::array<Interval, Settings::kMaxIntervals + 1> kept{};
  std::array<bool, Settings::kMaxTasks + 2> held{};
  int count = 0;
  for (std::size_t j = 0; j < written.size(); ++j) {
    const WrittenInterval& w = written[j];
    std::string name = "interval " + std::to_string(j + 1);
    if (!w.first || !w.last) {
      repairs.push_back(name +
                        " has a cell that is not a number; dropped, its tasks keep their place");
      continue;
    }
    name += " (" + std::to_string(*w.first) + "," + std::to_string(*w.last) + ")";
    if (*w.first > *w.last) {
      repairs.push_back(name + " is reversed; dropped, its tasks keep their place");
      continue;
    }
    const long long first = std::max(*w.first, 1LL), last = std::min<long long>(*w.last, n);
    if (first > last) {
      repairs.push_back(name + " lies outside tasks 1.." + std::to_string(n) + "; dropped");
      continue;
    }
    int a = static_cast<int>(first);
    while (a <= last && held[a]) ++a;
    if (a > last) {
      repairs.push_back(name + " lies inside earlier intervals; dropped");
      continue;
    }
    int b = a;
    while (b < last && !held[b + 1]) ++b;
    if (a != *w.first || b != *w.last)
      repairs.push_back(name +
                        (first != *w.first || last != *w.last
                             ? " reaches outside tasks 1.." + std::to_string(n)
                             : std::string(" shares tasks with an earlier interval")) +
                        "; read as (" + std::to_string(a) + "," + std::to_string(b) + ")");
    for (int t = a; t <= b; ++t) held[t] = true;
    kept[++count] = {a, b};
  }
  if (count == 0) {
    repairs.push_back("no interval is left; read as one interval (1," + std::to_string(n) + ")");
    kept[++count] = {1, n};
  }
  s.intervalCount = count;
  s.intervals = kept;
}

}  // namespace

ConfigReading readConfig(std::optional<std::string_view> bytes, int taskCount, int launchesLeft) {
  const int n = std::clamp(taskCount, 1, Settings::kMaxTasks);
  ConfigReading out;
  Settings& s = out.settings;
  s = defaultSettings(n, launchesLeft);
  auto finish = [&]() -> ConfigReading& {
    out.dialog = dialogStateFor(s, n);
    return out;
  };
  if (!bytes) return finish();
  out.found = true;
  ConfigLines lines(*bytes, out);

  std::string modeLine = lines.next();
  int modeByte = modeLine.empty() ? -1 : static_cast<unsigned char>(modeLine[0]);
  if (modeLine.size() <= 2 || modeByte > 9) {
    out.repairs.push_back("line 1 is not a mode line; the rest of the file is ignored");
    return finish();
  }
  s.mode = modeByte;

  s.timeLimitMinutes = readNumber(lines, "time", 1, 999, 30, out);
  bool* flags[] = {&s.personalise,           &s.shuffle,  &s.delay, &s.forbidFreeNavigation,
                   &s.reviewInComposedOrder, &s.showGrade};
  for (bool* flag : flags) *flag = lines.next() == "1";
  s.gradeScale = readNumber(lines, "scale", 5, 120, 12, out);
  s.resultsInPercent = lines.next() == "1";
  s.guessingCode = readNumber(lines, "guessing code", 0, 9, 1, out);
  if (guessingChoice(s.guessingCode) < 0) {
    out.repairs.push_back("guessing code " + std::to_string(s.guessingCode) +
                          " is not one of 0-5, 9; read as 1");
    s.guessingCode = 1;
  }

  std::string weights = lines.next();
  if (weights.size() < static_cast<std::size_t>(n))
    out.repairs.push_back("the weights line has " + std::to_string(weights.size()) + " bytes for " +
                          std::to_string(n) + " tasks; missing weights read as 0");
  for (int i = 1; i <= n && i <= static_cast<int>(weights.size()); ++i) {
    int w = static_cast<unsigned char>(weights[i - 1]) - 27;
    if (w < 0 || w > 99) {
      out.repairs.push_back("the weight byte of task " + std::to_string(i) +
                            " is out of range; read as 0");
      w = 0;
    }
    s.taskWeights[i] = w;
  }

  // Without a valid count the lines that follow cannot be placed.
  auto count = parseDecimal(lines.next());
  if (!count || *count < 1 || *count > Settings::kMaxIntervals) {
    out.repairs.push_back(
        "the interval count on line 13 is not 1..6; the rest of the file is "
        "ignored (one interval, no links, no password)");
    return finish();
  }
  long long sum = s.mode;
  std::vector<WrittenInterval> written(static_cast<std::size_t>(*count));
  for (WrittenInterval& interval : written) {
    interval.first = parseDecimal(lines.next());
    interval.last = parseDecimal(lines.next());
    sum += interval.first.value_or(0) + interval.last.value_or(0);
  }

  std::string links = lines.next();
  bool linksDamaged = links.size() < static_cast<std::size_t>(n);
  for (int i = 1; i <= n && i <= static_cast<int>(links.size()); ++i) {
    char c = links[i - 1];
    if (c >= '0' && c <= '9') sum += c - '0';
    if (c >= '0' && c <= '8')
      s.taskLinks[i] = c - '0';
    else
      linksDamaged = true;
  }

  auto password = decodeDigitOffset(lines.next());
  out.passwordInFile = password.value_or(0);
  sum += out.passwordInFile;
  if (password && *password >= 1 && *password <= 99999)
    s.password = static_cast<int>(*password);
  else if (password.value_or(0) != 0)
    out.repairs.push_back("the password is not a number of 1 to 5 digits; read as none");

  std::string launchLine = lines.next(false);
  auto launches = launchLine.size() < 3 ? decodeDigitOffset(launchLine) : std::optional(0LL);
  if (launchLine.size() >= 3) {
    out.repairs.push_back("the launch line has " + std::to_string(launchLine.size()) +
                          " characters, more than a counter of 0..99; read as 0");
  } else if (!launches || *launches < 0 || *launches > 99) {
    out.repairs.push_back("the launch counter is not a number in 0..99; read as 0");
    launches = 0;
  }
  s.launchesLeft = static_cast<int>(*launches);
  sum += s.launchesLeft;
  out.keptCopy.push_back(std::to_string(s.launchesLeft - 1));

  std::string checksumLine = lines.next(false);
  out.complete = !lines.ranOut();
  auto checksum = decodeDigitOffset(checksumLine);
  out.checksumInFile = checksum.value_or(0);
  out.checksumComputed = sum;
  out.keptCopy.push_back(std::to_string(out.checksumInFile - 1));
  out.checksumMatched = checksum && *checksum == sum;
  if (!out.checksumMatched) {
    if (s.hasPassword())
      out.repairs.push_back("the checksum does not match; the password is dropped");
    s.password = kNoPassword;
  }

  // Damage that the checksum may not show (cells and links are covered by
  // it, but a file can be damaged consistently).
  readIntervalsAsWritten(written, n, s, out.repairs);
  if (linksDamaged || !linksFormChains(s, n)) {
    out.repairs.push_back(
        "the links line is short, not digits 0..8 or not whole chains; read "
        "as no links");
    s.taskLinks = {};
  }
  out.launchCounting = s.mode == 4 && s.launchesLeft > 0 && s.hasPassword();
  return finish();
}

ConfigReading readConfigFile(const std::filesystem::path& testFolder, int taskCount,
                             int launchesLeft) {
  std::optional<std::string> bytes;
  if (auto path = findEntry(testFolder, "config.ini"))
    bytes = readFileBytes(*path, kMaxConfigBytes);
  return bytes ? readConfig(std::string_view(*bytes), taskCount, launchesLeft)
               : readConfig(std::nullopt, taskCount, launchesLeft);
}

}  // namespace ispyt
