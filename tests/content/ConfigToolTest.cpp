// ispyt-tool make-test writing the settings, and dump reading them back.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "../ReadOnlyFolder.h"
#include "content/ConfigFile.h"
#include "platform/Paths.h"

namespace ispyt {
namespace {

class ConfigTool : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() /
          ("ispyt-configtool-" +
           std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }
  void write(const std::string& name, const std::string& text) {
    std::ofstream(dir / name, std::ios::binary) << text;
  }
  // `args` after the tool, or a whole command when `withTool` is false.
  int tool(const std::string& args, bool withTool = true) {
    std::string cmd = (withTool ? std::string(ISPYT_TOOL) + " " : std::string()) + args + " >" +
                      (dir / "out").string() + " 2>" + (dir / "err").string();
    int status = std::system(cmd.c_str());
    out = readFileBytes(dir / "out").value_or("");
    err = readFileBytes(dir / "err").value_or("");
    return WEXITSTATUS(status);
  }
  fs::path dir;
  std::string out, err;
};

const char* const kTasks =
    "== single\n? a\n+ 1\n- 2\n== single\n? b\n+ 1\n- 2\n== single\n? c\n+ 1\n- 2\n";

TEST_F(ConfigTool, MakeTestWritesTheSettingsAndDumpReadsThemBack) {
  write("src.txt",
        std::string("title: T\nmode: monitoring\npassword: 2468\nlaunches: 5\n") + kTasks);
  ASSERT_EQ(tool("make-test " + (dir / "src.txt").string() + " -o " + (dir / "T").string()), 0)
      << err;
  ASSERT_EQ(tool("dump " + (dir / "T" / "Config.ini").string()), 0) << err;
  EXPECT_NE(out.find("\"tasks\": 3"), std::string::npos) << out;
  EXPECT_NE(out.find("\"tasksFrom\": \"test.txt\""), std::string::npos);
  EXPECT_NE(out.find("\"modeName\": \"Моніторинг\""), std::string::npos);
  EXPECT_NE(out.find("\"password\": 2468"), std::string::npos);
  EXPECT_NE(out.find("\"launchesLeft\": 5"), std::string::npos);
  EXPECT_NE(out.find("\"checksumMatched\": true"), std::string::npos);
  EXPECT_NE(out.find("\"launchCounting\": true"), std::string::npos);
}

TEST_F(ConfigTool, ASourceWithoutSettingsLeavesConfigIniAlone) {
  write("src.txt", std::string("title: T\n") + kTasks);
  fs::create_directories(dir / "T");
  write("T/Config.ini", "kept");
  ASSERT_EQ(tool("make-test " + (dir / "src.txt").string() + " -o " + (dir / "T").string()), 0);
  EXPECT_EQ(readFileBytes(dir / "T" / "Config.ini"), "kept");
}

TEST_F(ConfigTool, ASettingsFaultWritesNothing) {
  write("src.txt", std::string("title: T\nweights: 1 2\n") + kTasks);
  EXPECT_EQ(tool("make-test " + (dir / "src.txt").string() + " -o " + (dir / "T").string()), 1);
  EXPECT_NE(err.find("src.txt:2: weights"), std::string::npos) << err;
  EXPECT_FALSE(fs::exists(dir / "T" / "test.txt"));
}

TEST_F(ConfigTool, DumpTellsADamagedFileAndNeedsATaskCountWithoutATest) {
  write("Config.ini", "1ab\r\n");
  EXPECT_EQ(tool("dump " + (dir / "Config.ini").string()), 2);
  EXPECT_NE(err.find("--tasks"), std::string::npos);
  ASSERT_EQ(tool("dump " + (dir / "Config.ini").string() + " --tasks 4"), 0) << err;
  EXPECT_NE(out.find("\"checksumMatched\": false"), std::string::npos);
  EXPECT_NE(out.find("not a mode line"), std::string::npos);
  write("notes.txt", "");
  EXPECT_EQ(tool("dump " + (dir / "notes.txt").string()), 2);
}

// Two test folders of 3 tasks, the second with a password.
class SettingsTool : public ConfigTool {
 protected:
  void SetUp() override {
    ConfigTool::SetUp();
    write("a.txt", std::string("title: A\n") + kTasks);
    write("b.txt", std::string("title: B\npassword: 2468\nmode: exam\n") + kTasks);
    ASSERT_EQ(tool("make-test " + path("a.txt") + " -o " + path("A")), 0) << err;
    ASSERT_EQ(tool("make-test " + path("b.txt") + " -o " + path("B")), 0) << err;
  }
  std::string path(const std::string& name) { return (dir / name).string(); }
  std::string config(const std::string& folder) {
    return readFileBytes(dir / folder / "Config.ini").value_or("<none>");
  }
};

TEST_F(SettingsTool, PrintsEachFolderAsDumpDoes) {
  ASSERT_EQ(tool("dump " + path("B/Config.ini")), 0) << err;
  const std::string dumped = out;
  ASSERT_EQ(tool("settings " + path("A") + " " + path("B")), 0) << err;
  EXPECT_NE(out.find("\"found\": false"), std::string::npos);  // A has no Config.ini
  EXPECT_NE(out.find(dumped.substr(dumped.find("\"tasks\""))), std::string::npos) << out;
  EXPECT_EQ(config("A"), "<none>");  // printing writes nothing
}

TEST_F(SettingsTool, SetsAClassOfTestsThroughTheDialogsWriter) {
  const std::string before = config("B");
  ASSERT_EQ(tool("settings " + path("A") + " " + path("B") +
                 " --set mode=monitoring time=45 \"weights=2 0 3\" scale=150 intervals=1-2,3 "
                 "links=1-2 launches=5 --set shuffle=yes"),
            0)
      << err;
  EXPECT_NE(err.find("every weight is saved as 0"), std::string::npos) << err;
  EXPECT_NE(err.find("saved as 12"), std::string::npos);
  for (const char* folder : {"A", "B"}) {
    SCOPED_TRACE(folder);
    ConfigReading r = readConfigFile(dir / folder, 3, 1);
    EXPECT_TRUE(r.checksumMatched && r.repairs.empty()) << testing::PrintToString(r.repairs);
    EXPECT_EQ(r.settings.mode, 4);
    EXPECT_EQ(r.settings.timeLimitMinutes, 45);
    EXPECT_EQ(r.settings.taskWeights[1], 0);
    EXPECT_EQ(r.settings.gradeScale, 12);
    EXPECT_EQ(r.settings.intervalCount, 2);
    EXPECT_EQ(r.settings.taskLinks[2], 2);
    EXPECT_TRUE(r.settings.shuffle);
    EXPECT_EQ(r.settings.launchesLeft, 5);
  }
  // What was not given stays: B keeps its password, A has none.
  EXPECT_EQ(readConfigFile(dir / "B", 3, 1).settings.password, 2468);
  EXPECT_FALSE(readConfigFile(dir / "A", 3, 1).settings.hasPassword());
  EXPECT_NE(config("B"), before);
  // The printed settings are the file's.
  EXPECT_NE(out.find("\"timeLimitMinutes\": 45"), std::string::npos) << out;
}

TEST_F(SettingsTool, AWrongValueForAnyFolderWritesNothing) {
  const std::string b = config("B");
  struct Case {
    const char* set;
    const char* says;
  } cases[] = {
      {"intervals=1-1,3-3", "follow each other"},
      {"intervals=1-2,3 links=2-3", "cross the end of an interval"},
      {"links=1-3 intervals=1-2,3", "cross the end of an interval"},
      {"password=0123", "leading zero"},
      {"password=123456", "leading zero"},
      {"time=0", "1..90"},
      {"weights=1", "one weight per task"},
      {"mode=quiz", "unknown mode"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.set);
    EXPECT_EQ(tool("settings " + path("A") + " " + path("B") + " --set time=20 " + c.set), 1);
    EXPECT_NE(err.find(c.says), std::string::npos) << err;
    EXPECT_NE(err.find("nothing was written"), std::string::npos);
    EXPECT_EQ(config("A"), "<none>");
    EXPECT_EQ(config("B"), b);
  }
  EXPECT_EQ(tool("settings " + path("A") + " --set colour=red"), 2);
  EXPECT_EQ(tool("settings " + path("nowhere") + " --set time=20"), 1);
  EXPECT_NE(err.find("no test.txt"), std::string::npos);
}

TEST_F(SettingsTool, AReadOnlyFolderKeepsItsFileAndFailsTheCommand) {
  const std::string b = config("B");
  {
    fixtures::ReadOnlyFolder readOnly(dir / "B");
    EXPECT_EQ(tool(fixtures::asNobody(std::string(ISPYT_TOOL) + " settings " + path("B") +
                                      " --set time=20 password=none"),
                   false),
              1);
  }
  EXPECT_NE(err.find("Config.ini not saved: Permission denied"), std::string::npos) << err;
  EXPECT_EQ(config("B"), b);
  EXPECT_FALSE(fs::exists(dir / "B" / "Config.ini.new"));
}

}  // namespace
}  // namespace ispyt
