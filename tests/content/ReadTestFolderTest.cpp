#include <gtest/gtest.h>

#include <fstream>
#include <set>

#include "content/AttemptCode.h"
#include "content/ReadTestFolder.h"
#include "content/TestSource.h"
#include "content/WriteTest.h"
#include "platform/Cp1251.h"
#include "platform/Paths.h"
#include "platform/ReplaceFile.h"

namespace ispyt {
namespace {

class ReadTestFolderFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = fs::temp_directory_path() /
             (std::string("ispyt-readfolder-") +
              ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder);
    fs::create_directories(folder);
  }
  void TearDown() override { fs::remove_all(folder); }

  void write(const std::string& name, std::string_view bytes) {
    std::ofstream(folder / name, std::ios::binary) << bytes;
  }
  void writeTest(int tasks) {
    std::string source = "title: Тест\n";
    for (int i = 0; i < tasks; ++i) source += "== single\n? Питання\n+ так\n- ні\n";
    Random random(3);
    write("test.txt", writeTestFile(*parseTestSource(source).source, random));
  }

  fs::path folder;
  Random random{11};
};

TEST_F(ReadTestFolderFixture, GivesTheTestItsSettingsACodeAndTheStoredResults) {
  writeTest(2);
  SettingsDialogState d = readConfig(std::nullopt, 2, 1).dialog;
  d.values.mode = 1;
  d.values.launchesLeft = 4;
  write("Config.ini", configBytes(d));
  write("Y100.rez", "");
  TestFolderReading r = ReadTestFolder(folder, 'K', 9, random);
  ASSERT_TRUE(r.opened());
  EXPECT_EQ(r.test.taskCount, 2);
  EXPECT_EQ(r.config.settings.mode, 1);
  EXPECT_EQ(r.config.settings.launchesLeft, 4);
  EXPECT_EQ(r.config.dialog.elementCounts[2], 1);
  EXPECT_EQ(r.attemptCode->at(0), 'Y');
  EXPECT_NE(*r.attemptCode, "Y100");
  EXPECT_EQ(r.results.count, 1);
}

TEST_F(ReadTestFolderFixture, ClearsWhatOldInterruptedSavesLeft) {
  writeTest(1);
  write("Config.ini.new", "half a file");
  write("Y100.rez.new", "a report never finished");
  fs::last_write_time(folder / "Config.ini.new", fs::file_time_type::clock::now() - kLeftoverAge * 2);
  ReadTestFolder(folder, 'K', 1, random);
  EXPECT_FALSE(fs::exists(folder / "Config.ini.new"));
  EXPECT_TRUE(fs::exists(folder / "Y100.rez.new")) << "a workstation may be writing it now";
}

TEST_F(ReadTestFolderFixture, AMissingFileReadsNoSettingsAndDrawsNoCode) {
  write("Config.ini", "4\r\n");
  TestFolderReading r = ReadTestFolder(folder, 'K', 9, random);
  EXPECT_FALSE(r.opened());
  EXPECT_EQ(r.load.status, LoadStatus::NoData);
  EXPECT_FALSE(r.config.found);
  EXPECT_FALSE(r.attemptCode);
  EXPECT_EQ(r.test.taskCount, 0);
}

TEST(AttemptCode, ThePrefixFollowsTheMode) {
  fs::path empty = fs::temp_directory_path() / "ispyt-attemptcode-empty";
  fs::create_directories(empty);
  Random random(5);
  std::set<char> studentLetters;
  for (int i = 0; i < 2000; ++i) {
    for (auto [mode, letter] : {std::pair{0, 'X'}, std::pair{1, 'Y'}, std::pair{3, 'Z'},
                                std::pair{4, 'Q'}, std::pair{7, 'Q'}}) {
      std::string code = drawAttemptCode(mode, 'Q', empty, random).value();
      ASSERT_EQ(code.size(), 4u);
      EXPECT_EQ(code[0], letter) << mode;
      int number = std::stoi(code.substr(1));
      EXPECT_TRUE(number >= 100 && number <= 998) << code;
    }
    std::string student = drawAttemptCode(2, 'Q', empty, random).value();
    ASSERT_TRUE(student[0] >= 'a' && student[0] <= 'w') << student;
    studentLetters.insert(student[0]);
  }
  EXPECT_EQ(studentLetters.size(), 23u);
  fs::remove_all(empty);
}

TEST(CountResults, CountsReportFilesAndListsTheFirst59Codes) {
  fs::path dir = fs::temp_directory_path() / "ispyt-countresults";
  fs::remove_all(dir);
  fs::create_directories(dir / "Z999.rez");  // a folder is not a result
  for (int i = 0; i < 61; ++i) std::ofstream(dir / ("A" + std::to_string(100 + i) + ".rez"));
  std::ofstream(dir / "B100.rez.bak");
  std::ofstream(dir / "Monitor.dm");
  StoredResults r = CountResults(dir);
  EXPECT_EQ(r.count, 61);
  ASSERT_EQ(r.codes.size(), 59u);
  EXPECT_EQ(r.codes.front(), "A100");
  EXPECT_EQ(r.codes.back(), "A158");
  fs::remove_all(dir);
}

}  // namespace
}  // namespace ispyt
