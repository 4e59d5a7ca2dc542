#include "attempt/AttemptJournal.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <optional>
#include <utility>

#include "platform/Cp1251.h"
#include "platform/Paths.h"

namespace ispyt {
namespace {

constexpr std::string_view kFirstLine = "ispyt attempt journal 1";
constexpr std::string_view kStepsLine = "steps";

struct KindWord {
  JournalStepKind kind;
  std::string_view word;
};
constexpr KindWord kKinds[] = {
    {JournalStepKind::Button, "button"},       {JournalStepKind::Transition, "transition"},
    {JournalStepKind::Option, "option"},       {JournalStepKind::Field, "field"},
    {JournalStepKind::Letter, "letter"},       {JournalStepKind::Blank, "blank"},
    {JournalStepKind::Gap, "gap"},             {JournalStepKind::Petal, "petal"},
    {JournalStepKind::Sign, "sign"},           {JournalStepKind::Band, "band"},
    {JournalStepKind::BreakOff, "breakoff"},   {JournalStepKind::Start, "start"},
    {JournalStepKind::Submit, "submit"},       {JournalStepKind::Tick, "tick"},
    {JournalStepKind::Diagram, "diagram"},     {JournalStepKind::Mark, "mark"},
};

std::string hex(std::string_view bytes) {
  static const char* const digits = "0123456789abcdef";
  std::string out;
  for (unsigned char c : bytes) {
    out += digits[c >> 4];
    out += digits[c & 15];
  }
  return out;
}

std::optional<std::string> unhex(std::string_view text) {
  if (text.size() % 2) return std::nullopt;
  std::string out;
  for (std::size_t i = 0; i < text.size(); i += 2) {
    unsigned value = 0;
    auto [end, ec] = std::from_chars(text.data() + i, text.data() + i + 2, value, 16);
    if (ec != std::errc() || end != text.data() + i + 2) return std::nullopt;
    out += static_cast<char>(value);
  }
  return out;
}

std::optional<long long> decimal(std::string_view text) {
  long long value = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::vector<std::string_view> split(std::string_view text, char by) {
  std::vector<std::string_view> parts;
  for (std::size_t from = 0;;) {
    const std::size_t at = text.find(by, from);
    parts.push_back(text.substr(from, at == std::string_view::npos ? at : at - from));
    if (at == std::string_view::npos) return parts;
    from = at + 1;
  }
}

// The settings as "key=value" lines, every field the attempt reads.
std::string settingsLines(const Settings& s) {
  std::string weights, intervals, links;
  for (int k = 1; k <= Settings::kMaxTasks; ++k) {
    weights += (k > 1 ? " " : "") + std::to_string(s.taskWeights[k]);
    links += static_cast<char>('0' + std::clamp(s.taskLinks[k], 0, 9));
  }
  for (int i = 1; i <= Settings::kMaxIntervals; ++i)
    intervals += (i > 1 ? " " : "") + std::to_string(s.intervals[i].first) + "-" +
                 std::to_string(s.intervals[i].last);
  auto flag = [](bool b) { return b ? "1" : "0"; };
  std::string out;
  auto line = [&](std::string_view key, const std::string& value) {
    out.append(key).append("=").append(value).append("\n");
  };
  line("mode", std::to_string(s.mode));
  line("time", std::to_string(s.timeLimitMinutes));
  line("personalise", flag(s.personalise));
  line("shuffle", flag(s.shuffle));
  line("delay", flag(s.delay));
  line("no-free-moves", flag(s.forbidFreeNavigation));
  line("review-in-order", flag(s.reviewInComposedOrder));
  line("grade", flag(s.showGrade));
  line("scale", std::to_string(s.gradeScale));
  line("percent", flag(s.resultsInPercent));
  line("guessing", std::to_string(s.guessingCode));
  line("weights", weights);
  line("intervals", std::to_string(s.intervalCount) + " " + intervals);
  line("links", links);
  line("password", std::to_string(s.password));
  line("launches", std::to_string(s.launchesLeft));
  return out;
}

class StartReader {
 public:
  explicit StartReader(std::string_view bytes) : bytes_(bytes) {}

  std::optional<std::string_view> line() {
    const std::size_t end = bytes_.find('\n', at_);
    if (end == std::string_view::npos) return std::nullopt;
    std::string_view text = bytes_.substr(at_, end - at_);
    at_ = end + 1;
    ++line_;
    return text;
  }
  std::string_view field(std::string_view key) {
    auto text = line();
    if (!text || !text->starts_with(key) || text->size() <= key.size() ||
        (*text)[key.size()] != '=')
      throw std::pair(line_, "the line is not " + std::string(key) + "=...");
    return text->substr(key.size() + 1);
  }
  long long number(std::string_view key, long long least, long long most) {
    auto value = decimal(field(key));
    if (!value || *value < least || *value > most)
      throw std::pair(line_, std::string(key) + " is not a number in its range");
    return *value;
  }
  bool flag(std::string_view key) { return number(key, 0, 1) == 1; }
  std::size_t offset() const { return at_; }
  int lineNumber() const { return line_; }

 private:
  std::string_view bytes_;
  std::size_t at_ = 0;
  int line_ = 0;
};

Settings readSettings(StartReader& in) {
  Settings s;
  s.mode = static_cast<int>(in.number("mode", 0, 255));
  s.timeLimitMinutes = static_cast<int>(in.number("time", 1, 999));
  s.personalise = in.flag("personalise");
  s.shuffle = in.flag("shuffle");
  s.delay = in.flag("delay");
  s.forbidFreeNavigation = in.flag("no-free-moves");
  s.reviewInComposedOrder = in.flag("review-in-order");
  s.showGrade = in.flag("grade");
  s.gradeScale = static_cast<int>(in.number("scale", 1, 999));
  s.resultsInPercent = in.flag("percent");
  s.guessingCode = static_cast<int>(in.number("guessing", 0, 9));
  const auto weights = split(in.field("weights"), ' ');
  if (weights.size() != Settings::kMaxTasks)
    throw std::pair(in.lineNumber(), std::string("the weights are not one per task slot"));
  for (int k = 1; k <= Settings::kMaxTasks; ++k) {
    auto w = decimal(weights[k - 1]);
    if (!w || *w < 0 || *w > 99) throw std::pair(in.lineNumber(), std::string("a weight is out of range"));
    s.taskWeights[k] = static_cast<int>(*w);
  }
  const auto intervals = split(in.field("intervals"), ' ');
  if (intervals.size() != Settings::kMaxIntervals + 1)
    throw std::pair(in.lineNumber(), std::string("the intervals are not a count and six pairs"));
  auto count = decimal(intervals[0]);
  if (!count || *count < 1 || *count > Settings::kMaxIntervals)
    throw std::pair(in.lineNumber(), std::string("the interval count is out of range"));
  s.intervalCount = static_cast<int>(*count);
  for (int i = 1; i <= Settings::kMaxIntervals; ++i) {
    const auto pair = split(intervals[i], '-');
    auto first = pair.size() == 2 ? decimal(pair[0]) : std::nullopt;
    auto last = pair.size() == 2 ? decimal(pair[1]) : std::nullopt;
    if (!first || !last || *first < 0 || *last < 0 || *first > Settings::kMaxTasks || *last > Settings::kMaxTasks)
      throw std::pair(in.lineNumber(), std::string("an interval is out of range"));
    s.intervals[i] = {static_cast<int>(*first), static_cast<int>(*last)};
  }
  const std::string_view links = in.field("links");
  if (links.size() != Settings::kMaxTasks)
    throw std::pair(in.lineNumber(), std::string("the links are not one per task slot"));
  for (int k = 1; k <= Settings::kMaxTasks; ++k) {
    if (links[k - 1] < '0' || links[k - 1] > '8')
      throw std::pair(in.lineNumber(), std::string("a link is out of range"));
    s.taskLinks[k] = links[k - 1] - '0';
  }
  s.password = static_cast<int>(in.number("password", 0, kNoPassword));
  s.launchesLeft = static_cast<int>(in.number("launches", -1, 99));
  return s;
}

std::optional<JournalStep> readStep(std::string_view line) {
  const auto words = split(line, ' ');
  if (words.size() < 2) return std::nullopt;
  auto at = decimal(words[0]);
  if (!at || *at < 0) return std::nullopt;
  JournalStep step;
  step.atMs = *at;
  const auto kind = std::find_if(std::begin(kKinds), std::end(kKinds),
                                 [&](const KindWord& k) { return k.word == words[1]; });
  if (kind == std::end(kKinds)) return std::nullopt;
  step.kind = kind->kind;
  for (std::size_t i = 2; i < words.size(); ++i) {
    auto arg = unhex(words[i]);
    if (!arg) return std::nullopt;
    step.args.push_back(std::move(*arg));
  }
  return step;
}

}  // namespace

int JournalStep::number(std::size_t i) const {
  if (i >= args.size()) return 0;
  auto value = decimal(args[i]);
  return value && *value >= -1000000 && *value <= 1000000 ? static_cast<int>(*value) : 0;
}

std::string journalStartBytes(const JournalStart& s) {
  std::string out(kFirstLine);
  out += "\n";
  auto line = [&](std::string_view key, std::string_view value) {
    out.append(key).append("=").append(value).append("\n");
  };
  line("folder", cp1251FromPath(s.testFolder));
  line("test", s.testName);
  char check[17];
  std::snprintf(check, sizeof check, "%016llx", static_cast<unsigned long long>(s.fileCheck));
  line("check", check);
  line("code", s.attemptCode);
  line("effect", hex(s.effect));
  out += settingsLines(s.settings);
  const StudentCard& c = s.card;
  line("card", hex(c.district) + "|" + hex(c.school) + "|" + hex(c.cardCode) + "|" +
                   hex(c.classNumber) + "|" + hex(c.classLetter) + "|" + hex(c.classGroup) + "|" +
                   hex(c.fullName));
  line("opened", s.shuffleState);
  line("run", s.runState);
  out.append(kStepsLine).append("\n");
  return out;
}

std::string journalStepLine(const JournalStep& step) {
  std::string out = std::to_string(step.atMs);
  for (const KindWord& k : kKinds)
    if (k.kind == step.kind) out.append(" ").append(k.word);
  for (const std::string& arg : step.args) out.append(" ").append(hex(arg));
  return out + "\n";
}

JournalReading ReadJournal(std::string_view bytes) {
  JournalReading r;
  StartReader in(bytes);
  try {
    auto first = in.line();
    if (!first || *first != kFirstLine) throw std::pair(1, std::string("not an attempt journal"));
    JournalStart& s = r.start;
    s.testFolder = pathFromCp1251(in.field("folder"));
    s.testName = std::string(in.field("test"));
    const std::string_view check = in.field("check");
    auto [end, ec] = std::from_chars(check.data(), check.data() + check.size(), s.fileCheck, 16);
    if (check.size() != 16 || ec != std::errc() || end != check.data() + check.size())
      throw std::pair(in.lineNumber(), std::string("the test file's check is not 16 hex digits"));
    s.attemptCode = std::string(in.field("code"));
    auto effect = unhex(in.field("effect"));
    if (!effect) throw std::pair(in.lineNumber(), std::string("the effect is not hex"));
    s.effect = *effect;
    s.settings = readSettings(in);
    const auto card = split(in.field("card"), '|');
    std::string* fields[] = {&s.card.district,    &s.card.school,      &s.card.cardCode,
                             &s.card.classNumber, &s.card.classLetter, &s.card.classGroup,
                             &s.card.fullName};
    if (card.size() != std::size(fields))
      throw std::pair(in.lineNumber(), std::string("the card is not seven fields"));
    for (std::size_t i = 0; i < card.size(); ++i) {
      auto text = unhex(card[i]);
      if (!text) throw std::pair(in.lineNumber(), std::string("a card field is not hex"));
      *fields[i] = *text;
    }
    s.shuffleState = std::string(in.field("opened"));
    s.runState = std::string(in.field("run"));
    auto steps = in.line();
    if (!steps || *steps != kStepsLine)
      throw std::pair(in.lineNumber(), std::string("no steps line"));
  } catch (const std::pair<int, std::string>& fault) {
    r.faultLine = fault.first;
    r.fault = fault.second;
    return r;
  }
  std::string_view rest = bytes.substr(in.offset());
  while (!rest.empty()) {
    const std::size_t end = rest.find('\n');
    auto step = end == std::string_view::npos ? std::nullopt : readStep(rest.substr(0, end));
    if (!step) {
      r.cut = true;  // what follows a line that is not whole is not read
      break;
    }
    r.steps.push_back(std::move(*step));
    rest.remove_prefix(end + 1);
  }
  return r;
}

void FileJournal::begin(const JournalStart& start) {
  const fs::path folder = journalFolder(programFolder_);
  file_.clear();
  if (files_.createDirectories(folder)) return;
  const fs::path file = folder / pathFromCp1251(start.attemptCode + ".journal");
  // Without its journal an attempt still runs: it cannot be rebuilt.
  if (!files_.replace(file, journalStartBytes(start))) file_ = file;
}

void FileJournal::step(const JournalStep& step) {
  // What the testee did reaches the disk at once; the clock's ticks may
  // wait for the next of those.
  const bool timer = step.kind == JournalStepKind::Tick || step.kind == JournalStepKind::Diagram;
  if (!file_.empty()) files_.append(file_, journalStepLine(step), 0, !timer);
}

void FileJournal::end() {
  if (!file_.empty()) files_.remove(file_);
  file_.clear();
}

fs::path journalFolder(const fs::path& programFolder) { return locate(programFolder, "Journal"); }

std::vector<fs::path> waitingJournals(const fs::path& programFolder) {
  std::vector<std::pair<fs::file_time_type, fs::path>> found;
  std::error_code ec;
  for (fs::directory_iterator it(journalFolder(programFolder), ec), end; !ec && it != end;
       it.increment(ec)) {
    std::error_code ignored;
    if (it->is_regular_file(ignored) && it->path().extension() == ".journal")
      found.emplace_back(it->last_write_time(ignored), it->path());
  }
  std::sort(found.begin(), found.end());
  std::vector<fs::path> journals;
  for (auto& [time, path] : found) journals.push_back(std::move(path));
  return journals;
}

fs::path setJournalAside(const fs::path& journal, std::string_view why) {
  fs::path aside = journal;
  aside += "." + std::string(why);
  std::error_code ec;
  for (int n = 2; fs::exists(aside, ec); ++n) {
    aside = journal;
    aside += "." + std::string(why) + "-" + std::to_string(n);
  }
  fs::rename(journal, aside, ec);
  return ec ? journal : aside;
}

}  // namespace ispyt
