// ispyt-tool make-test writing the settings, and dump reading them back.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

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
  int tool(const std::string& args) {
    std::string cmd = std::string(ISPYT_TOOL) + " " + args + " >" + (dir / "out").string() + " 2>" +
                      (dir / "err").string();
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

}  // namespace
}  // namespace ispyt
