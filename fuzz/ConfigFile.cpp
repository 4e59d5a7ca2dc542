// Reading any bytes as "Config.ini" must give settings within their ranges;
// what the dialog then saves must read back cleanly, and so must a counted
// launch.  The first byte picks the task count.

#include "content/ConfigFile.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "Require.h"

namespace {

void checkRanges(const ispyt::Settings& s, int n) {
  require(s.mode >= 0 && s.mode <= 9);
  require(s.timeLimitMinutes >= 1 && s.timeLimitMinutes <= 999);
  require(s.gradeScale >= 5 && s.gradeScale <= 120);
  require(ispyt::guessingChoice(s.guessingCode) >= 0);
  require(s.launchesLeft >= 0 && s.launchesLeft <= 99);
  require(s.password >= 1 && s.password <= 99999);
  require(s.intervalCount >= 1 && s.intervalCount <= ispyt::Settings::kMaxIntervals);
  // Intervals are kept as written: gaps are allowed, overlaps and tasks
  // outside 1..n are not.
  std::array<bool, ispyt::Settings::kMaxTasks + 1> held{};
  for (int j = 1; j <= s.intervalCount; ++j) {
    const auto [first, last] = s.intervals[j];
    require(first >= 1 && first <= last && last <= n);
    for (int t = first; t <= last; ++t) {
      require(!held[t]);
      held[t] = true;
    }
  }
  for (int i = 1; i <= n; ++i) {
    require(s.taskWeights[i] >= 0 && s.taskWeights[i] <= 99);
    require(s.taskLinks[i] >= 0 && s.taskLinks[i] <= 8);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const int n = data[0] % ispyt::Settings::kMaxTasks + 1;
  std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
  ispyt::ConfigReading r = ispyt::readConfig(bytes, n, 1);
  checkRanges(r.settings, n);

  ispyt::ConfigReading saved = ispyt::readConfig(ispyt::configBytes(r.dialog), n, 1);
  require(saved.checksumMatched && saved.complete);
  require(saved.settings.password == r.settings.password);
  require(saved.settings.intervalCount == r.settings.intervalCount);

  if (r.launchCounting) {
    auto counted = ispyt::launchCountBytes(r.keptCopy);
    require(counted.has_value());
    ispyt::ConfigReading next = ispyt::readConfig(*counted, n, 1);
    require(next.settings.launchesLeft == r.settings.launchesLeft - 1);
    require(next.settings.password == r.settings.password);
  }
  return 0;
}
