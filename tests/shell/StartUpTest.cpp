#include "shell/StartUp.h"

#include <gtest/gtest.h>

#include <fstream>

#include "platform/Cp1251.h"
#include "platform/Paths.h"

namespace ispyt {
namespace {

class StartUpTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root = fs::temp_directory_path() /
           (std::string("ispyt-startup-") +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(root);
    fs::create_directories(root / "Base");
    ws.programFolder = root;
  }
  void TearDown() override { fs::remove_all(root); }
  void write(const fs::path& p, std::string_view bytes) {
    std::ofstream(p, std::ios::binary) << bytes;
  }
  fs::path root;
  Workstation ws;
  Random random{7};
};

TEST_F(StartUpTest, UserTxtWithOneLineSetsOnlyTheFirstTitleLine) {
  write(root / "Base" / "user.txt", cp1251("Ліцей №1\r\n"));
  resetWorkstation(ws, random);
  EXPECT_TRUE(ws.title.found);
  EXPECT_EQ(ws.title.line1, cp1251("Ліцей №1"));
  EXPECT_EQ(ws.title.line2, "");
}

TEST_F(StartUpTest, UserTxtGivesTwoLinesAndIsFoundIgnoringCase) {
  write(root / "Base" / "USER.TXT", cp1251("Перший\r\nДругий\r\nтретій\r\n"));
  resetWorkstation(ws, random);
  EXPECT_EQ(ws.title.line1, cp1251("Перший"));
  EXPECT_EQ(ws.title.line2, cp1251("Другий"));
}

TEST_F(StartUpTest, MissingUserTxtLeavesTheTitleEmpty) {
  resetWorkstation(ws, random);
  EXPECT_FALSE(ws.title.found);
  EXPECT_EQ(ws.title.line1, "");
}

TEST_F(StartUpTest, TheCurrentTestSetIsTheLastFolderOfTheScan) {
  fs::create_directories(root / "Base" / pathFromCp1251(cp1251("Алгебра")));
  fs::create_directories(root / "Base" / pathFromCp1251(cp1251("Фізика")) / "Optics");
  fs::create_directories(root / "Base" / ".hidden");
  resetWorkstation(ws, random);
  EXPECT_EQ(ws.testSet, cp1251("Фізика"));
}

TEST_F(StartUpTest, AnEmptyBaseFolderHasNoTests) {
  resetWorkstation(ws, random);
  EXPECT_EQ(ws.testSet, cp1251("Нема тестів"));
}

TEST_F(StartUpTest, StartsWithNoTestOpenAndAnAttemptLetterFromAToV) {
  for (int i = 0; i < 200; ++i) {
    resetWorkstation(ws, random);
    ASSERT_GE(ws.attemptLetter, 'A');
    ASSERT_LE(ws.attemptLetter, 'V');
  }
  EXPECT_FALSE(ws.testOpen());
  EXPECT_EQ(ws.student.cardCode, "MON");
}

TEST_F(StartUpTest, CreatesTheDecorFoldersOnceAndReusesExistingOnes) {
  fs::create_directories(root / "decor");
  prepareWorkingFolders(root);
  EXPECT_TRUE(fs::is_directory(root / "decor" / "Fon1"));
  EXPECT_TRUE(fs::is_directory(root / "decor" / "Fon2"));
  EXPECT_FALSE(fs::exists(root / "Decor"));
}

TEST_F(StartUpTest, TakingTheWholeScreenHidesTheTaskbar) {
  RecordingSystemShell shell;
  ws.screen = {1024, 768};
  placeWorkstation(ws, shell);
  EXPECT_FALSE(shell.taskbarVisible());
  EXPECT_TRUE(shell.screenSaverRunning());
  EXPECT_DOUBLE_EQ(ws.scale.scaleX, 1.28);

  RecordingSystemShell windowed;
  ws.decor.fullScreen = false;
  ws.screen = {1280, 1024};
  placeWorkstation(ws, windowed);
  EXPECT_TRUE(windowed.calls().empty());
  EXPECT_DOUBLE_EQ(ws.scale.scaleX, 1.0);
}

}  // namespace
}  // namespace ispyt

namespace ispyt {
namespace {

TEST_F(StartUpTest, ListsTheTestsOfTheCurrentSet) {
  fs::create_directories(root / "Base" / "Set" / "B");
  fs::create_directories(root / "Base" / "Set" / "A");
  fs::create_directories(root / "Base" / "Set" / ".git");
  resetWorkstation(ws, random);
  EXPECT_EQ(ws.tests[0], "A");
  EXPECT_EQ(ws.tests[1], "B");
  EXPECT_EQ(ws.tests[2], "");
}

TEST_F(StartUpTest, ASetWithoutTestsHasNoTests) {
  fs::create_directories(root / "Base" / "Empty");
  resetWorkstation(ws, random);
  EXPECT_EQ(ws.testSet, cp1251("Нема тестів"));
}

}  // namespace
}  // namespace ispyt
