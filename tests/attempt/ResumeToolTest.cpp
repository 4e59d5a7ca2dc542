// An attempt killed in the middle (ispyt-tool simulate --crash-after N, a
// SIGKILL after the script's N-th step) and resumed from its journal
// (--resume) stores the same result as the same attempt run through without
// a break, byte for byte but for the date and time; in every mode, with the
// tasks shuffled too.  A journal cut in the middle of a line resumes from
// its last whole step; one of a test whose file changed is refused and
// kept aside; one whose result could be neither stored nor kept stays and
// stores it when resumed.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "attempt/AttemptScript.h"
#include "platform/Paths.h"
#include "results/ReportFile.h"
#include "results/ResultDbFile.h"

namespace ispyt {
namespace {

namespace fs = std::filesystem;

const fs::path kScripts = fs::path(ISPYT_FIXTURES).parent_path().parent_path() / "demo" / "scripts";
const fs::path kBuiltDemo = fs::path(ISPYT_TOOL).parent_path() / "demo";
const fs::path kAllTypes = fs::u8path("Base/Шкільні тести/Усі типи завдань");

// The test a demo script is written for: its "# test:" line.
fs::path testOf(const fs::path& script) {
  std::ifstream in(script);
  for (std::string line; std::getline(in, line);)
    if (line.rfind("# test: ", 0) == 0) return fs::u8path("Base/" + line.substr(8));
  return kAllTypes;
}

std::string quoted(const std::string& s) { return "'" + s + "'"; }

int tool(const std::string& arguments) {
  const int status = std::system((quoted(ISPYT_TOOL) + " " + arguments + " >/dev/null 2>&1").c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : WIFSIGNALED(status) ? 128 + WTERMSIG(status) : -1;
}

struct ProgramCopy {
  fs::path root;
  fs::path testPath;
  ProgramCopy(const std::string& name, const fs::path& test)
      : root(fs::temp_directory_path() / ("ispyt-resume-" + std::to_string(getpid()) + "-" + name)),
        testPath(test) {
    fs::remove_all(root);
    fs::copy(kBuiltDemo, root, fs::copy_options::recursive);
  }
  ~ProgramCopy() { fs::remove_all(root); }
  fs::path test() const { return root / testPath; }
  std::string simulate(const fs::path& script) const {
    return "simulate " + quoted(test().string()) + " " + quoted(script.string());
  }
  std::vector<fs::path> journals() const {
    std::vector<fs::path> found;
    std::error_code ec;
    for (fs::directory_iterator it(root / "Journal", ec), end; !ec && it != end; it.increment(ec))
      found.push_back(it->path());
    return found;
  }
};

// The stored result of the one attempt in the copy: its report, its
// monitoring group and its database, date and time left out.
struct Stored {
  Report report;
  std::string monitor;
  ResultDbFile database;
};

Stored storedIn(const ProgramCopy& copy) {
  Stored s;
  for (const auto& e : fs::directory_iterator(copy.test()))
    if (e.path().extension() == ".rez") {
      auto report = ReadReport(readFileBytes(e.path()).value_or(""));
      EXPECT_TRUE(report.ok()) << e.path();
      if (report.ok()) s.report = *report.value;
    }
  s.report.dateText = s.report.timeText = "";
  s.monitor = readFileBytes(copy.test() / "Monitor.dm").value_or("");
  std::error_code ec;
  for (fs::directory_iterator it(copy.root / "REZULT", ec), end; !ec && it != end; it.increment(ec)) {
    auto db = ReadResultDb(readFileBytes(it->path()).value_or(""));
    if (db.ok()) s.database = *db.value;
  }
  for (ResultDbEntry& e : s.database.entries) e.dateText = e.timeText = "";
  return s;
}

void expectSame(const Stored& resumed, const Stored& through) {
  EXPECT_EQ(resumed.report.attemptCode, through.report.attemptCode);
  EXPECT_EQ(reportBytes(resumed.report), reportBytes(through.report));
  EXPECT_EQ(resumed.monitor, through.monitor);
  ASSERT_EQ(resumed.database.entries.size(), through.database.entries.size());
  for (std::size_t i = 0; i < resumed.database.entries.size(); ++i)
    EXPECT_EQ(resultDbBytes(resumed.database.entries[i]), resultDbBytes(through.database.entries[i]));
}

std::size_t stepsOf(const fs::path& script) {
  return readAttemptScript(readFileBytes(script).value_or("")).script.steps.size();
}

// Run through, then killed after a first, a middle and a last step and
// resumed each time: the same result stored.  `prepare` readies each copy.
template <typename Prepare>
void checkResume(const fs::path& script, const fs::path& test, Prepare prepare, std::size_t steps) {
  ASSERT_GE(steps, 2u) << script;
  ProgramCopy through(script.filename().string() + "-through", test);
  prepare(through);
  ASSERT_EQ(tool(through.simulate(script)), 0) << script;
  const Stored unbroken = storedIn(through);
  for (std::size_t at : {std::size_t{1}, steps / 2, steps - 1}) {
    SCOPED_TRACE(script.filename().string() + " killed after step " + std::to_string(at));
    ProgramCopy broken(script.filename().string() + "-" + std::to_string(at), test);
    prepare(broken);
    EXPECT_EQ(tool(broken.simulate(script) + " --crash-after " + std::to_string(at)), 128 + SIGKILL);
    ASSERT_EQ(broken.journals().size(), 1u) << "the journal waits";
    EXPECT_EQ(tool(broken.simulate(script) + " --resume"), 0);
    EXPECT_TRUE(broken.journals().empty()) << "a stored result needs its journal no more";
    expectSame(storedIn(broken), unbroken);
  }
}

// Every type, in the order of the file: these scripts answer by position.
TEST(ResumeTool, AKilledAttemptResumedStoresWhatTheUnbrokenOneStores) {
  for (const char* name : {"mode0-all-types.script", "mode1-all-types.script",
                           "mode2-all-types-key.script", "mode2-test-paper.script",
                           "mode3-all-types.script", "mode4-all-types.script"}) {
    const fs::path script = kScripts / name;
    checkResume(script, testOf(script), [](const ProgramCopy&) {}, stepsOf(script));
  }
}

// A test of choice tasks only, so that a script fits them in any order.
const char* const kChoiceTest =
    "title: Перемішаний\nshuffle: yes\ncard: no\n"
    "== single\n? Один\n+ так\n- ні\n- може\n"
    "== single\n? Два\n+ так\n- ні\n"
    "== multiple\n? Три\n+ так\n+ авжеж\n- ні\n"
    "== single\n? Чотири\n+ так\n- ні\n- може\n- ніколи\n"
    "== single\n? П'ять\n+ так\n- ні\n"
    "== multiple\n? Шість\n+ так\n+ авжеж\n- ні\n- ніколи\n";

TEST(ResumeTool, AKilledShuffledAttemptResumedStoresWhatTheUnbrokenOneStores) {
  const fs::path test = fs::u8path("Base/Шкільні тести/Перемішаний");
  const struct {
    const char* name;
    const char* script;
  } cases[] = {
      {"hint", "mode: 0\nanswer B\nhint\nanswer A\nanswer A\nanswer A\nanswer A\nanswer A\n"},
      {"training", "mode: 1\nanswer A\nanswer B\nwait 3\nanswer A\npetal 6\nanswer A\n"},
      {"test paper", "mode: 2\nanswer A\ngive-up\nanswer A\nwait 2\nanswer B\nanswer A\n"},
      {"exam", "mode: 3\nanswer A\nanswer B\nanswer A\nanswer A\nanswer A\nanswer A\n"
               "answer A\nanswer A\n"},
      {"monitoring", "mode: 4\nanswer A\nwait 5\npetal 4\nanswer A\nВихід\n"},
  };
  const fs::path source = fs::temp_directory_path() / ("ispyt-resume-choice-" + std::to_string(getpid()));
  std::ofstream(source) << kChoiceTest;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const fs::path script = source.string() + "-" + c.name + ".script";
    std::ofstream(script) << c.script;
    auto make = [&](const ProgramCopy& copy) {
      ASSERT_EQ(tool("make-test " + quoted(source.string()) + " --seed 1 -o " +
                     quoted(copy.test().string())),
                0);
    };
    checkResume(script, test, make, stepsOf(script));
    fs::remove(script);
  }
  fs::remove(source);
}

TEST(ResumeTool, AJournalCutInALineResumesFromItsLastWholeStep) {
  const fs::path script = kScripts / "mode1-all-types.script";
  ProgramCopy through("cut-through", kAllTypes);
  ASSERT_EQ(tool(through.simulate(script)), 0);
  ProgramCopy broken("cut", kAllTypes);
  EXPECT_EQ(tool(broken.simulate(script) + " --crash-after 4"), 128 + SIGKILL);
  ASSERT_EQ(broken.journals().size(), 1u);
  // The power went in the middle of writing the last line.
  const fs::path journal = broken.journals()[0];
  std::string bytes = readFileBytes(journal).value();
  bytes.resize(bytes.size() - 3);
  std::ofstream(journal, std::ios::binary | std::ios::trunc) << bytes;
  EXPECT_EQ(tool(broken.simulate(script) + " --resume"), 0);
  expectSame(storedIn(broken), storedIn(through));
}

TEST(ResumeTool, AJournalOfAChangedTestIsRefusedAndKeptAside) {
  const fs::path script = kScripts / "mode1-all-types.script";
  ProgramCopy broken("changed", kAllTypes);
  EXPECT_EQ(tool(broken.simulate(script) + " --crash-after 2"), 128 + SIGKILL);
  ASSERT_EQ(broken.journals().size(), 1u);
  std::ofstream(broken.test() / "test.txt", std::ios::binary | std::ios::app) << "\r\n";
  EXPECT_EQ(tool(broken.simulate(script) + " --resume"), 1);
  ASSERT_EQ(broken.journals().size(), 1u);
  EXPECT_EQ(broken.journals()[0].extension(), ".changed") << "kept aside, not deleted";
  for (const auto& e : fs::directory_iterator(broken.test()))
    EXPECT_NE(e.path().extension(), ".rez") << "nothing stored from it";
}

TEST(ResumeTool, AnAttemptWhoseAnswersCouldNotBeKeptKeepsItsJournal) {
  const fs::path script = kScripts / "mode1-all-types.script";
  ProgramCopy through("unkept-through", kAllTypes);
  ASSERT_EQ(tool(through.simulate(script)), 0);
  ProgramCopy broken("unkept", kAllTypes);
  // Neither Monitor.dm nor the folder of kept results can be written.
  fs::create_directory(broken.test() / "Monitor.dm");
  std::ofstream(broken.root / "Pending") << "";
  EXPECT_EQ(tool(broken.simulate(script)), 3);
  ASSERT_EQ(broken.journals().size(), 1u) << "the journal is all that holds the answers";
  fs::remove(broken.test() / "Monitor.dm");
  fs::remove(broken.root / "Pending");
  EXPECT_EQ(tool(broken.simulate(script) + " --resume"), 0);
  EXPECT_TRUE(broken.journals().empty());
  expectSame(storedIn(broken), storedIn(through));
}

}  // namespace
}  // namespace ispyt
