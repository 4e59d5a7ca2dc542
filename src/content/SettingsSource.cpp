#include "content/SettingsSource.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "content/ConfigFile.h"
#include "content/DigitOffset.h"

namespace ispyt {
namespace {

constexpr std::array<const char*, 16> kKeys = {
    "mode",     "time",    "card",  "shuffle",  "delay",   "no-free-moves", "review-in-order",
    "grade",    "percent", "scale", "guessing", "weights", "intervals",     "links",
    "password", "launches"};

std::string_view trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t' || s.front() == '\r'))
    s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
    s.remove_suffix(1);
  return s;
}

struct Bad {
  std::string message;
};

int number(std::string_view text, int low, int high, const char* what) {
  auto v = parseDecimal(text);
  if (!v || *v < low || *v > high)
    throw Bad{std::string(what) + " takes a number " + std::to_string(low) + ".." +
              std::to_string(high) + ", not '" + std::string(text) + "'"};
  return static_cast<int>(*v);
}

// A value among names (English, Ukrainian) or its number.
int named(std::string_view text, const std::vector<std::pair<const char*, int>>& names,
          const char* what) {
  for (auto& [name, value] : names)
    if (text == name) return value;
  auto v = parseDecimal(text);
  for (auto& [name, value] : names)
    if (v && *v == value) return value;
  throw Bad{std::string("unknown ") + what + " '" + std::string(text) + "'"};
}

bool flag(std::string_view text) {
  for (const char* yes : {"yes", "on", "1", "так"})
    if (text == yes) return true;
  for (const char* no : {"no", "off", "0", "ні"})
    if (text == no) return false;
  throw Bad{"a flag takes yes or no, not '" + std::string(text) + "'"};
}

// Words part at blanks or commas ("1-5 6-12", "1-5,6-12").
std::vector<std::string_view> words(std::string_view text) {
  std::vector<std::string_view> out;
  for (;;) {
    while (!text.empty() && (text.front() == ',' || text.front() == ' ' || text.front() == '\t'))
      text.remove_prefix(1);
    text = trim(text);
    if (text.empty()) return out;
    std::size_t end = text.find_first_of(" \t,");
    out.push_back(text.substr(0, end));
    text = end == std::string_view::npos ? std::string_view() : text.substr(end);
  }
}

// "a-b" runs of tasks; a lone number is a run of one.
std::vector<Interval> runs(std::string_view text, int n) {
  std::vector<Interval> out;
  for (std::string_view w : words(text)) {
    std::size_t dash = w.find('-');
    if (dash == std::string_view::npos) {
      int task = number(w, 1, n, "a task (or a run FIRST-LAST)");
      out.push_back({task, task});
      continue;
    }
    out.push_back(
        {number(w.substr(0, dash), 1, n, "a task"), number(w.substr(dash + 1), 1, n, "a task")});
    if (out.back().last < out.back().first) throw Bad{"a run ends before it starts"};
  }
  if (out.empty()) throw Bad{"no runs of tasks given"};
  return out;
}

// Links are joined once every line is in, as they depend on the intervals.
struct PendingLinks {
  const SettingsSourceLine* line = nullptr;
  std::vector<Interval> runs;
};

void apply(SettingsDialogState& d, const SettingsSourceLine& l, int n, SettingsWords rules,
           PendingLinks& links) {
  Settings& s = d.values;
  const bool dialog = rules == SettingsWords::Dialog;
  std::string_view v = l.value;
  const std::string& k = l.key;
  if (k == "mode") {
    s.mode = named(v,
                   {{"hint", 0},
                    {"training", 1},
                    {"test", 2},
                    {"exam", 3},
                    {"monitoring", 4},
                    {"підказка", 0},
                    {"тренінг", 1},
                    {"контрольна", 2},
                    {"залік", 3},
                    {"моніторинг", 4}},
                   "mode");
  } else if (k == "time") {
    s.timeLimitMinutes = number(v, 1, 90, "time");
  } else if (k == "card") {
    s.personalise = flag(v);
  } else if (k == "shuffle") {
    s.shuffle = flag(v);
  } else if (k == "delay") {
    s.delay = flag(v);
  } else if (k == "no-free-moves") {
    s.forbidFreeNavigation = flag(v);
  } else if (k == "review-in-order") {
    s.reviewInComposedOrder = flag(v);
  } else if (k == "grade") {
    s.showGrade = flag(v);
  } else if (k == "percent") {
    s.resultsInPercent = flag(v);
  } else if (k == "scale") {
    s.gradeScale = dialog ? number(v, 0, 999, "scale") : number(v, 5, 120, "scale");
  } else if (k == "guessing") {
    s.guessingCode = named(v,
                           {{"optimal", 0},
                            {"none", 1},
                            {"very-low", 9},
                            {"low", 5},
                            {"medium", 4},
                            {"high", 3},
                            {"very-high", 2}},
                           "guessing probability");
  } else if (k == "weights") {
    s.taskWeights = {};
    d.weightsSelected = v != "none";
    if (!d.weightsSelected) return;
    auto ws = words(v);
    if (static_cast<int>(ws.size()) != n)
      throw Bad{"weights: give one weight per task (" + std::to_string(n) + "), not " +
                std::to_string(ws.size())};
    for (int i = 1; i <= n; ++i)
      s.taskWeights[i] = number(ws[i - 1], dialog ? 0 : 1, 99, "a weight");
  } else if (k == "intervals") {
    auto rs = runs(v, n);
    if (static_cast<int>(rs.size()) > Settings::kMaxIntervals) throw Bad{"at most 6 intervals"};
    s.intervalCount = static_cast<int>(rs.size());
    s.intervals = {};
    std::copy(rs.begin(), rs.end(), s.intervals.begin() + 1);
    if (!intervalsCoverTasks(s, n))
      throw Bad{"the intervals must follow each other from task 1 to task " + std::to_string(n)};
  } else if (k == "links") {
    links.line = &l;
    links.runs = v == "none" ? std::vector<Interval>() : runs(v, n);
  } else if (k == "password") {
    d.newPasswordEnabled = false;
    if (v == "none") {
      s.password = kNoPassword;
    } else {
      if (v.empty() || v.size() > 5 || v[0] == '0')
        throw Bad{"a password has 1 to 5 digits and no leading zero"};
      s.password = number(v, 1, 99999, "password");
    }
  } else if (k == "launches") {
    s.launchesLeft = number(v, 0, 99, "launches");
  }
}

}  // namespace

std::vector<SettingsSourceLine> takeSettingsLines(std::string& source) {
  std::vector<SettingsSourceLine> out;
  std::size_t pos = 0;
  for (int number = 1; pos < source.size(); ++number) {
    std::size_t end = source.find('\n', pos);
    if (end == std::string::npos) end = source.size();
    std::string_view line = trim(std::string_view(source).substr(pos, end - pos));
    if (line.substr(0, 2) == "==") break;  // settings belong before the first task
    std::size_t colon = line.find(':');
    if (colon != std::string_view::npos) {
      std::string key(trim(line.substr(0, colon)));
      if (isSettingsKey(key)) {
        out.push_back({number, key, std::string(trim(line.substr(colon + 1)))});
        source.erase(pos, end - pos);
        end = pos;
      }
    }
    pos = end + 1;
  }
  return out;
}

std::optional<SettingsSourceError> applySettingsLines(SettingsDialogState& d,
                                                      const std::vector<SettingsSourceLine>& lines,
                                                      SettingsWords rules) {
  const int n = std::clamp(d.taskCount, 1, Settings::kMaxTasks);
  PendingLinks links;
  const SettingsSourceLine* intervals = nullptr;
  for (const SettingsSourceLine& l : lines) {
    try {
      apply(d, l, n, rules, links);
    } catch (const Bad& bad) {
      return SettingsSourceError{l.line, bad.message};
    }
    if (l.key == "intervals") intervals = &l;
  }
  Settings& s = d.values;
  if (links.line) {
    s.taskLinks = {};
    for (const Interval& r : links.runs) {
      switch (linkRunFault(s, n, r.first, r.last)) {
        case LinkFault::None:
          linkRun(s, r.first, r.last);
          break;
        case LinkFault::NotARun:
        case LinkFault::TooLong:
          return SettingsSourceError{links.line->line, "a link joins 2 to 8 tasks"};
        case LinkFault::OutsideOneInterval:
          return SettingsSourceError{links.line->line,
                                     "a link may not cross the end of an interval"};
        case LinkFault::AlreadyLinked:
          return SettingsSourceError{
              links.line->line,
              "links overlap at task " + std::to_string(r.first) + ".." + std::to_string(r.last)};
      }
    }
  } else if (intervals && !linksFormChains(s, n)) {
    // The links kept from before would cross the new intervals.
    return SettingsSourceError{intervals->line,
                               "the test's links cross these intervals; give the links too "
                               "(links: none clears them)"};
  }
  return std::nullopt;
}

SettingsFromSource settingsFromSource(const std::vector<SettingsSourceLine>& lines, int taskCount) {
  const int n = std::clamp(taskCount, 1, Settings::kMaxTasks);
  SettingsDialogState d = readConfig(std::nullopt, n, 1).dialog;
  if (auto error = applySettingsLines(d, lines, SettingsWords::Source))
    return {std::nullopt, *error};
  return {d, {}};
}

bool isSettingsKey(std::string_view key) {
  return std::find(kKeys.begin(), kKeys.end(), key) != kKeys.end();
}

}  // namespace ispyt
