// dump of the result files: a report ("*.rez"), the focus losses beside
// it ("*.foc"), the monitoring records ("Monitor.dm", which needs the
// test's task count) and a result database ("*.Db"), exactly as the
// program reads them.

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "Dump.h"
#include "Json.h"
#include "content/ConfigFile.h"
#include "content/LoadTest.h"
#include "content/Settings.h"
#include "platform/Paths.h"
#include "platform/Random.h"
#include "results/ComputeGrade.h"
#include "results/FocusLossFile.h"
#include "results/MonitorFile.h"
#include "results/MonitorRow.h"
#include "results/ReportFile.h"
#include "results/ResultDbFile.h"

namespace ispyt::tool {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kMaxBytes = 64 * 1024 * 1024;

void perTask(Json& json, const char* name, const PerTask& values, int n) {
  json.key(name).beginArray();
  for (int k = 1; k <= n; ++k) json.number(std::int64_t{values[k]});
  json.endArray();
}

void texts(Json& json, const char* name, const Slots<std::string>& values, int from, int to) {
  json.key(name).beginArray();
  for (int i = from; i <= to && i <= kMaxItems; ++i) json.text(values[i]);
  json.endArray();
}

bool noOptions(const Args& options) {
  if (options.empty()) return true;
  std::fprintf(stderr, "dump: unexpected argument '%s'\n", options[0].c_str());
  return false;
}

std::optional<std::string> readAll(const fs::path& file) {
  auto bytes = readFileBytes(file, kMaxBytes);
  if (!bytes) std::fprintf(stderr, "dump: cannot read %s\n", file.c_str());
  return bytes;
}

int fault(const fs::path& file, const char* unit, const ReadFault& f) {
  std::fprintf(stderr, "dump: %s: %s %lld: %s\n", file.c_str(), unit,
               static_cast<long long>(f.position), f.reason.c_str());
  return 1;
}

void reportTask(Json& json, int position, const ReportTask& t) {
  json.beginObject();
  json.key("position").number(std::int64_t{position});
  json.key("fileNumber").number(std::int64_t{t.fileNumber});
  json.key("type").number(std::int64_t{t.type});
  json.key("question").text(t.question);
  json.key("missCount").number(std::int64_t{t.missCount});
  json.key("wrongCount").number(std::int64_t{t.wrongCount});
  json.key("answerText").text(t.answerText);
  const int n = t.itemCount;
  if (t.type <= 7) json.key("itemCount").number(std::int64_t{n});
  switch (static_cast<TaskType>(t.type)) {
    case TaskType::MultipleChoice:
      json.key("judgedElements").number(std::int64_t{t.judgedElements});
      [[fallthrough]];
    case TaskType::SingleChoice:
    case TaskType::CountedChoice:
      json.key("marks").text(t.marks);
      texts(json, "items", t.items, 1, n);
      break;
    case TaskType::DirectInput:
      texts(json, "items", t.items, 1, n);
      texts(json, "answers", t.rightItems, 1, n);
      break;
    case TaskType::Sequence:
      texts(json, "answers", t.rightItems, 1, n);
      break;
    case TaskType::Matching: {
      texts(json, "items", t.items, 1, n - 1);
      // Each mark is the chosen right-hand item + 13.
      json.key("marks").beginArray();
      for (char c : t.marks) json.number(std::int64_t{static_cast<unsigned char>(c)});
      json.endArray();
      texts(json, "rightItems", t.rightItems, 1, n);
      break;
    }
    case TaskType::Restoration:
      json.key("picture").text(t.items[1]);
      json.key("grid").text(t.items[2]);
      json.key("correctText").text(t.correctText);
      break;
    case TaskType::Completion:
      json.key("blankCount").number(std::int64_t{t.blankCount});
      texts(json, "items", t.items, 1, n);
      texts(json, "answers", t.rightItems, 1, t.blankCount);
      break;
  }
  json.endObject();
}

// The test.txt of the folder as opening loads it; nothing when there is
// none to load.
std::unique_ptr<Test> loadTestIn(const fs::path& folder) {
  if (!exists(folder, "test.txt")) return nullptr;
  auto test = std::make_unique<Test>();
  Random random(1);
  if (!LoadTest(locate(folder, "test.txt"), *test, random).loaded() || test->taskCount < 1)
    return nullptr;
  return test;
}

}  // namespace

int dumpReport(const fs::path& file, const Args& options) {
  if (!noOptions(options)) return 2;
  auto bytes = readAll(file);
  if (!bytes) return 1;
  Parsed<Report> read = ReadReport(*bytes);
  if (!read.ok()) return fault(file, "line", read.fault);
  const Report& r = *read.value;
  Json json;
  json.beginObject();
  json.key("file").utf8(file.string());
  json.key("attemptCode").text(r.attemptCode);
  json.key("mode").number(std::int64_t{r.mode});
  json.key("modeName").text(modeName(r.mode));
  json.key("taskCount").number(std::int64_t{r.taskCount});
  json.key("tasksDone").number(std::int64_t{r.tasksDone});
  json.key("answered").beginArray();
  for (int k = 1; k <= r.taskCount; ++k) json.boolean(r.answered[k]);
  json.endArray();
  json.key("elementsJudged").number(std::int64_t{r.elementsJudged});
  json.key("pass").number(std::int64_t{r.pass});
  json.key("bestInExam").number(std::int64_t{r.bestInExam});
  json.key("wrongElements").number(std::int64_t{r.wrongElements});
  json.key("elapsed").number(std::int64_t{r.elapsed});
  json.key("shuffle").boolean(r.shuffle);
  json.key("fullName").text(r.fullName);
  json.key("classGroup").text(r.classGroup);
  json.key("dateText").text(r.dateText);
  json.key("timeText").text(r.timeText);
  json.key("tasks").beginArray();
  int position = 0;
  for (const ReportTask& t : r.tasks) reportTask(json, ++position, t);
  json.endArray();
  json.endObject();
  std::fputs(json.str().c_str(), stdout);
  return 0;
}

int dumpFocusLosses(const fs::path& file, const Args& options) {
  if (!noOptions(options)) return 2;
  auto bytes = readAll(file);
  if (!bytes) return 1;
  Parsed<FocusLossRecord> read = ReadFocusLossFile(*bytes);
  if (!read.ok()) return fault(file, "line", read.fault);
  Json json;
  json.beginObject();
  json.key("file").utf8(file.string());
  json.key("count").number(std::int64_t{read.value->count});
  json.key("losses").beginArray();
  for (const FocusLoss& loss : read.value->listed) {
    json.beginObject();
    json.key("at").number(std::int64_t{loss.at});
    json.key("back").number(std::int64_t{loss.back});
    json.key("kind").utf8(loss.kind == FocusLossKind::Window ? "window" : "pointer");
    json.endObject();
  }
  json.endArray();
  json.endObject();
  std::fputs(json.str().c_str(), stdout);
  return 0;
}

int dumpMonitor(const fs::path& file, const Args& options) {
  int tasks = 0;
  std::string tasksFrom = "--tasks";
  for (std::size_t i = 0; i < options.size(); ++i) {
    if (options[i] == "--tasks" && i + 1 < options.size()) {
      tasks = std::atoi(options[++i].c_str());
      if (tasks < 1 || tasks > kMaxTasks) {
        std::fputs("dump: --tasks takes 1..60\n", stderr);
        return 2;
      }
    } else {
      std::fprintf(stderr, "dump: unexpected argument '%s'\n", options[i].c_str());
      return 2;
    }
  }
  const fs::path folder = file.parent_path().empty() ? fs::path(".") : file.parent_path();
  // With the test beside the file the attempts are graded as the charts do.
  std::unique_ptr<Test> test = loadTestIn(folder);
  if (test && tasks != 0 && tasks != test->taskCount) test.reset();
  if (tasks == 0 && test) {
    tasks = test->taskCount;
    tasksFrom = "test.txt";
  }
  if (tasks == 0) {
    std::fputs("dump: no test.txt beside the file tells the number of tasks; give --tasks N\n",
               stderr);
    return 2;
  }
  const Settings settings = test ? readConfigFile(folder, tasks, 1).settings : Settings{};
  Json json;
  json.beginObject();
  json.key("file").utf8(file.string());
  json.key("tasks").number(std::int64_t{tasks});
  json.key("graded").boolean(test != nullptr);
  json.key("tasksFrom").utf8(tasksFrom);
  json.key("attempts").beginArray();
  // A group at a time: a school year of attempts is many megabytes.
  bool printed = false;
  Parsed<MonitorCounts> read = ReadMonitorFile(file, tasks, [&](const MonitorGroup& g) {
    printed = true;
    json.beginObject();
    json.key("attemptCode").text(g.attemptCode);
    json.key("name").text(g.name);
    perTask(json, "wrongCount", g.wrongCount, tasks);
    perTask(json, "missCount", g.missCount, tasks);
    perTask(json, "judgedElements", g.judgedElements, tasks);
    if (test) {
      const MonitorRow row = monitorRow(g, *test, settings);
      perTask(json, "taskPercent", row.taskPercent, tasks);
      json.key("grade").number(std::int64_t{row.grade});
      json.key("level").text(levelName(GradeLevel(row.grade, settings.gradeScale)));
    }
    json.endObject();
    json.flush(stdout);
  });
  if (!read.ok()) {
    // What was printed is cut off: the document is not whole.
    if (printed) std::fputs("\n", stdout);
    return fault(file, "byte", read.fault);
  }
  json.endArray();
  json.key("damagedGroups").number(static_cast<std::int64_t>(read.value->damagedGroups));
  json.key("skippedBytes").number(static_cast<std::int64_t>(read.value->skippedBytes));
  json.endObject();
  std::fputs(json.str().c_str(), stdout);
  return 0;
}

int dumpResultDb(const fs::path& file, const Args& options) {
  if (!noOptions(options)) return 2;
  auto bytes = readAll(file);
  if (!bytes) return 1;
  Parsed<ResultDbFile> read = ReadResultDb(*bytes);
  if (!read.ok()) return fault(file, "byte", read.fault);
  Json json;
  json.beginObject();
  json.key("file").utf8(file.string());
  json.key("skippedBytes").number(static_cast<std::int64_t>(read.value->skippedBytes));
  json.key("attempts").beginArray();
  for (const ResultDbEntry& e : read.value->entries) {
    json.beginObject();
    json.key("attemptCode").text(e.attemptCode);
    json.key("cardCode").text(e.cardCode);
    json.key("elapsed").number(std::int64_t{e.elapsed});
    json.key("timeText").text(e.timeText);
    json.key("mode").number(std::int64_t{e.mode});
    json.key("shuffle").boolean(e.shuffle);
    json.key("fullName").text(e.fullName);
    json.key("classGroup").text(e.classGroup);
    json.key("dateText").text(e.dateText);
    json.key("testName").text(e.testName);
    json.key("percent").number(std::int64_t{e.percent});
    json.key("result120").number(std::int64_t{e.result120});
    json.key("taskCount").number(std::int64_t{e.taskCount});
    perTask(json, "taskPercent", e.taskPercent, e.taskCount);
    json.key("answerText").beginArray();
    for (int k = 1; k <= e.taskCount; ++k) json.text(e.answerText[k]);
    json.endArray();
    json.endObject();
  }
  json.endArray();
  json.endObject();
  std::fputs(json.str().c_str(), stdout);
  return 0;
}

}  // namespace ispyt::tool
