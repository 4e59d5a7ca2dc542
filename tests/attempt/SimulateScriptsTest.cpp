#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "attempt/AttemptScript.h"
#include "platform/Cp1251.h"

namespace ispyt {
namespace {

namespace fs = std::filesystem;

const fs::path kScripts = fs::path(ISPYT_FIXTURES).parent_path().parent_path() / "demo" / "scripts";
const fs::path kBuiltDemo = fs::path(ISPYT_TOOL).parent_path() / "demo";

// Attempts write their result files into the program folder: each run of
// this program works on its own copy of the demo.
struct DemoCopy {
  fs::path folder = fs::temp_directory_path() / ("ispyt-simulate-" + std::to_string(getpid()));
  DemoCopy() {
    fs::remove_all(folder);
    fs::copy(kBuiltDemo, folder, fs::copy_options::recursive);
  }
  ~DemoCopy() { fs::remove_all(folder); }
};

fs::path demoBase() {
  static const DemoCopy copy;
  return copy.folder / "Base";
}

struct ToolRun {
  int status = -1;
  std::string out;
};

std::string quoted(const std::string& s) { return "'" + s + "'"; }

ToolRun simulate(const fs::path& testFolder, const fs::path& script) {
  const std::string command = quoted(ISPYT_TOOL) + " simulate " + quoted(testFolder.string()) +
                              " " + quoted(script.string()) + " 2>&1";
  ToolRun run;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return run;
  char buffer[4096];
  for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) run.out.append(buffer, n);
  const int status = pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

std::vector<fs::path> demoScripts() {
  std::vector<fs::path> scripts;
  for (const auto& entry : fs::directory_iterator(kScripts))
    if (entry.path().extension() == ".script") scripts.push_back(entry.path());
  std::sort(scripts.begin(), scripts.end());
  return scripts;
}

// The script's "# test:" line and its mode.
struct ScriptHeader {
  std::string test;
  std::string mode;
};

ScriptHeader headerOf(const fs::path& script) {
  std::ifstream in(script);
  ScriptHeader h;
  for (std::string line; std::getline(in, line);) {
    if (line.rfind("# test: ", 0) == 0) h.test = line.substr(8);
    if (line.rfind("mode: ", 0) == 0) h.mode = line.substr(6);
  }
  return h;
}

// Every mode has an example over the test that holds every task type.
TEST(SimulateScripts, EveryModeHasAnExampleOfEveryType) {
  std::string modes;
  for (const fs::path& p : demoScripts()) {
    const ScriptHeader h = headerOf(p);
    if (h.test == "Шкільні тести/Усі типи завдань" && modes.find(h.mode) == std::string::npos)
      modes += h.mode;
  }
  std::sort(modes.begin(), modes.end());
  EXPECT_EQ(modes, "01234");
}

// Each demo script runs against the demo program folder of this build and
// its summary holds every "#>" line of the script.
TEST(SimulateScripts, DemoScriptsGiveTheirExpectedSummaries) {
  ASSERT_TRUE(fs::exists(kBuiltDemo)) << "the demo program folder is built by the 'demo' target";
  for (const fs::path& script : demoScripts()) {
    std::ifstream in(script);
    std::string line, test;
    std::vector<std::string> expected;
    while (std::getline(in, line)) {
      if (line.rfind("# test: ", 0) == 0) test = line.substr(8);
      if (line.rfind("#> ", 0) == 0) expected.push_back(line.substr(3));
    }
    ASSERT_FALSE(test.empty()) << script;
    ASSERT_FALSE(expected.empty()) << script;
    ToolRun run = simulate(demoBase() / fs::u8path(test), script);
    EXPECT_EQ(run.status, 0) << script << "\n" << run.out;
    for (const std::string& e : expected)
      EXPECT_NE(run.out.find(e), std::string::npos) << script << ": no " << e << "\n" << run.out;
  }
}

struct BadStep {
  const char* answers;  // the steps after the card (UTF-8)
  const char* error;
};

// An answer that does not fit the task shown stops the script at its line
// and says why; the summary up to the stop is printed all the same.
TEST(SimulateScripts, AnAnswerThatDoesNotFitStopsWithItsLine) {
  const BadStep cases[] = {
      {"answer Говерла\n", ":3: task 1 (SingleChoice) has no option Г"},
      {"answer A B\n", ":3: task 1 (SingleChoice) takes one option only"},
      {"answer A\nanswer A B\nanswer 1 | 2\n", ":5: task 3 (DirectInput) has 1 field(s), not 2"},
      {"answer A\nanswer A B\nanswer Гора  Говерла\n",
       ":5: task 3 (DirectInput) field 1 refuses ' ' after \"Гора \""},
      {"answer A\nanswer A B\nanswer x\nanswer A B C D\n",
       ":6: task 4 (Sequence) takes an order of its letters ABCDE, each once"},
      {"answer A\nanswer A B\nanswer x\nanswer A B C D E\nanswer A A B\n",
       ":7: task 5 (Matching) has right-hand item A chosen for another item already"},
      {"answer A\nanswer A B\nanswer x\nanswer A B C D E\nanswer A B E\n",
       ":7: task 5 (Matching) shows no right-hand item E"},
      {"answer A\nanswer A B\nanswer x\nanswer A B C D E\nanswer A _ C\n",
       ":7: the answer is not complete"},
      {"answer A\nanswer A B\nanswer x\nanswer A B C D E\nanswer A B C\nanswer 2O3\n",
       ":8: task 6 (Restoration) has no gap left for '3'"},
  };
  const fs::path script = fs::temp_directory_path() / "ispyt-simulate-stop.script";
  for (const BadStep& c : cases) {
    std::ofstream(script) << "mode: 1\nname: Тест Тестович\n" << c.answers;
    ToolRun run = simulate(demoBase() / fs::u8path("Шкільні тести/Усі типи завдань"), script);
    EXPECT_EQ(run.status, 1) << c.answers;
    EXPECT_NE(run.out.find(c.error), std::string::npos) << c.error << "\n" << run.out;
    EXPECT_NE(run.out.find("\"tasksDone\""), std::string::npos) << run.out;
  }
  fs::remove(script);
}

TEST(SimulateScripts, MissingTestFolderFails) {
  ToolRun run = simulate(demoBase() / "none" / "none", kScripts / "mode0-hint.script");
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.out.find("cannot be opened"), std::string::npos) << run.out;
}

TEST(AttemptScript, ReadsSettingsCardAndSteps) {
  ScriptReading r = readAttemptScript(
      "# a comment\r\nmode: 3\ntime: 15\nname: Іван Петренко\nclass: 10\n\n"
      "answer A C\nhint\ngive-up\npetal 12\nwait 30\nВихід\n");
  ASSERT_TRUE(r.ok()) << r.errorLine << " " << r.error;
  EXPECT_EQ(r.script.mode, 3);
  EXPECT_EQ(r.script.timeLimit, 15);
  EXPECT_EQ(r.script.name, cp1251("Іван Петренко"));
  EXPECT_EQ(r.script.classNumber, "10");
  ASSERT_EQ(r.script.steps.size(), 6u);
  using Kind = ScriptStep::Kind;
  EXPECT_EQ(r.script.steps[0].kind, Kind::Answer);
  EXPECT_EQ(r.script.steps[0].text, "A C");
  EXPECT_EQ(r.script.steps[0].line, 7);
  EXPECT_EQ(r.script.steps[1].kind, Kind::Hint);
  EXPECT_EQ(r.script.steps[2].kind, Kind::GiveUp);
  EXPECT_EQ(r.script.steps[3].number, 12);
  EXPECT_EQ(r.script.steps[4].number, 30);
  EXPECT_EQ(r.script.steps[5].kind, Kind::Exit);
  EXPECT_EQ(answerLetters("A C"), (std::vector<char>{'A', 'C'}));
  EXPECT_EQ(answerLetters("BA"), (std::vector<char>{'B', 'A'}));
  EXPECT_EQ(answerFields(" 2 | _ |x y"), (std::vector<std::string>{"2", "", "x y"}));
  EXPECT_EQ(gapCharacters("2 O_\273"), "2O \273");
}

struct BadScript {
  const char* text;
  int line;
  const char* error;
};

TEST(AttemptScript, FaultsNameTheirLine) {
  const BadScript cases[] = {
      {"answer A\nname: x\n", 2, "settings and card fields come before the steps"},
      {"mode: 5\n", 1, "a mode is a number 0..4"},
      {"time: 0\n", 1, "a time limit is a number of minutes 1..999"},
      {"\npetal 61\n", 2, "a petal is a number 1..60"},
      {"wait -1\n", 1, "a wait is a number of seconds 0..86400"},
      {"wait 5s\n", 1, "a wait is a number of seconds 0..86400"},
      {"answer\n", 1, "an answer needs what is answered"},
      {"hint now\n", 1, "'hint' takes nothing after it"},
      {"jump 3\n", 1, "unknown step 'jump'"},
      {"colour: red\n", 1, "unknown field 'colour'"},
  };
  for (const BadScript& c : cases) {
    ScriptReading r = readAttemptScript(c.text);
    EXPECT_EQ(r.errorLine, c.line) << c.text;
    EXPECT_EQ(r.error, c.error) << c.text;
  }
  EXPECT_EQ(readAttemptScript(std::string(kMaxScriptBytes + 1, '#')).errorLine, 1);
}

}  // namespace
}  // namespace ispyt

namespace ispyt {
namespace {

// A teacher checks an answer key: a script that answers every task right
// reaches the top grade, and the attempt's files are written.
TEST(SimulateScripts, AnswerKeyReachesTheTopGrade) {
  const fs::path root = fs::temp_directory_path() / ("ispyt-key-" + std::to_string(getpid()));
  fs::remove_all(root);
  fs::create_directories(root);
  const fs::path source = root / "key.txt";
  std::ofstream(source) << "title: Ключ\n\n== single\n? Два плюс два?\n+ 4\n- 5\n- 3\n\n"
                           "== multiple\n? Парні числа?\n+ 2\n+ 4\n- 3\n- 5\n\n"
                           "== single\n? Столиця України?\n+ Київ\n- Львів\n";
  const fs::path folder = root / "Base" / "Set" / "Key";
  const std::string make = quoted(ISPYT_TOOL) + " make-test " + quoted(source.string()) + " -o " +
                           quoted(folder.string()) + " --seed 3 > /dev/null 2>&1";
  ASSERT_EQ(std::system(make.c_str()), 0);
  const fs::path script = root / "key.script";
  std::ofstream(script) << "mode: 2\nname: Учень Перший\nanswer A\nanswer A B\nanswer A\n";
  ToolRun run = simulate(folder, script);
  ASSERT_EQ(run.status, 0) << run.out;
  for (const char* e : {"\"end\": \" Тест завершено\"", "\"wrongElements\": 0",
                        "\"elementsJudged\": 4", "\"tasksDone\": 3", "\"result120\": 120",
                        "\"grade\": 12", "\"written\": true", ".rez\"", "Monitor.dm\"", ".Db\""})
    EXPECT_NE(run.out.find(e), std::string::npos) << e << "\n" << run.out;
  fs::remove_all(root);
}

}  // namespace
}  // namespace ispyt
