// dump of "Config.ini": the settings exactly as test opening reads them.

#include <cstdio>
#include <cstdlib>
#include <string>

#include "Dump.h"
#include "Json.h"
#include "content/ConfigFile.h"
#include "content/DigitOffset.h"
#include "content/LoadTest.h"
#include "platform/LineReader.h"
#include "platform/Paths.h"
#include "platform/Random.h"

namespace ispyt::tool {
namespace {

namespace fs = std::filesystem;

// Without --tasks: the tasks of the test beside the file, else the length
// of the weights line (a file this program wrote has one byte per task).
int taskCountFor(const fs::path& file, const std::string& bytes, std::string& from) {
  fs::path folder = file.parent_path().empty() ? fs::path(".") : file.parent_path();
  if (exists(folder, "test.txt")) {
    Test test;
    Random random(1);
    LoadResult loaded = LoadTest(locate(folder, "test.txt"), test, random);
    if (loaded.loaded() && loaded.taskCount() >= 1) {
      from = "test.txt";
      return loaded.taskCount();
    }
  }
  LineReader lines(bytes);
  std::optional<std::string_view> line;
  for (int i = 1; i <= 12; ++i) line = lines.next();
  if (line && !line->empty()) {
    from = "weights line";
    return static_cast<int>(std::min<std::size_t>(line->size(), Settings::kMaxTasks));
  }
  return 0;
}

void intArray(Json& json, const char* name, const std::array<int, Settings::kMaxTasks + 1>& values,
              int n) {
  json.key(name).beginArray();
  for (int i = 1; i <= n; ++i) json.number(std::int64_t{values[i]});
  json.endArray();
}

}  // namespace

int dumpConfig(const fs::path& file, const Args& options) {
  int tasks = 0;
  for (std::size_t i = 0; i < options.size(); ++i) {
    if (options[i] == "--tasks" && i + 1 < options.size()) {
      tasks = std::atoi(options[++i].c_str());
      if (tasks < 1 || tasks > Settings::kMaxTasks) {
        std::fputs("dump: --tasks takes 1..60\n", stderr);
        return 2;
      }
    } else {
      std::fprintf(stderr, "dump: unexpected argument '%s'\n", options[i].c_str());
      return 2;
    }
  }
  auto bytes = readFileBytes(file, 64 * 1024);
  if (!bytes) {
    std::fprintf(stderr, "dump: cannot read %s\n", file.c_str());
    return 1;
  }
  std::string tasksFrom = "--tasks";
  if (tasks == 0) tasks = taskCountFor(file, *bytes, tasksFrom);
  if (tasks == 0) {
    std::fputs("dump: cannot tell the number of tasks; give --tasks N\n", stderr);
    return 2;
  }

  ConfigReading r = readConfig(std::string_view(*bytes), tasks, 1);
  std::fputs(configJson(file, tasks, tasksFrom, r).c_str(), stdout);
  return 0;
}

std::string configJson(const fs::path& file, int tasks, const std::string& tasksFrom,
                       const ConfigReading& r) {
  const Settings& s = r.settings;
  Json json;
  json.beginObject();
  json.key("file").utf8(file.string());
  json.key("found").boolean(r.found);
  json.key("tasks").number(std::int64_t{tasks});
  json.key("tasksFrom").utf8(tasksFrom);
  json.key("mode").number(std::int64_t{s.mode});
  json.key("modeName").text(modeName(s.mode));
  json.key("timeLimitMinutes").number(std::int64_t{s.timeLimitMinutes});
  json.key("personalise").boolean(s.personalise);
  json.key("shuffle").boolean(s.shuffle);
  json.key("delay").boolean(s.delay);
  json.key("forbidFreeNavigation").boolean(s.forbidFreeNavigation);
  json.key("reviewInComposedOrder").boolean(s.reviewInComposedOrder);
  json.key("showGrade").boolean(s.showGrade);
  json.key("gradeScale").number(std::int64_t{s.gradeScale});
  json.key("resultsInPercent").boolean(s.resultsInPercent);
  json.key("guessingCode").number(std::int64_t{s.guessingCode});
  json.key("guessingName").text(guessingChoiceName(guessingChoice(s.guessingCode)));
  intArray(json, "taskWeights", s.taskWeights, tasks);
  json.key("intervals").beginArray();
  for (int j = 1; j <= s.intervalCount; ++j)
    json.beginArray()
        .number(std::int64_t{s.intervals[j].first})
        .number(std::int64_t{s.intervals[j].last})
        .endArray();
  json.endArray();
  intArray(json, "taskLinks", s.taskLinks, tasks);
  json.key("password");
  if (s.hasPassword())
    json.number(std::int64_t{s.password});
  else
    json.null();
  json.key("passwordInFile").number(std::int64_t{r.passwordInFile});
  json.key("launchesLeft").number(std::int64_t{s.launchesLeft});
  json.key("checksumInFile").number(std::int64_t{r.checksumInFile});
  json.key("checksumComputed").number(std::int64_t{r.checksumComputed});
  json.key("checksumMatched").boolean(r.checksumMatched);
  json.key("complete").boolean(r.complete);
  json.key("launchCounting").boolean(r.launchCounting);
  json.key("repairs").beginArray();
  for (const std::string& repair : r.repairs) json.utf8(repair);
  json.endArray();
  json.endObject();
  return json.str();
}

}  // namespace ispyt::tool
