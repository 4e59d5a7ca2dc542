// Confirming the appearance dialog: the class list it names, reading the
// file back into the workstation (the open test's password kept, the
// transparent background only for a program that started with it), and
// the test set it names.

#include <gtest/gtest.h>

#include "platform/Cp1251.h"
#include "platform/Paths.h"
#include "presentation/DecorFile.h"
#include "shell/AppearanceApply.h"

namespace ispyt {
namespace {

TEST(AppearanceApplyTest, AClassWithoutPupilsSwitchesNamesByListOff) {
  ClassLists lists{{.classNumber = 7, .letter = "A", .pupils = {"Ivan"}},
                   {.classNumber = 8, .letter = "B", .pupils = {}}};
  DecorSettings kept;
  kept.byList = true;
  kept.listClass = "7";
  kept.listLetter = "A";
  EXPECT_FALSE(keepUsableClassList(kept, lists));
  EXPECT_TRUE(kept.byList);

  DecorSettings empty = kept;
  empty.listClass = "8";
  empty.listLetter = "B";
  EXPECT_TRUE(keepUsableClassList(empty, lists));
  EXPECT_FALSE(empty.byList);
  EXPECT_EQ(empty.listClass, "");
  EXPECT_EQ(empty.listLetter, "");
}

class RereadTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root = fs::temp_directory_path() /
           (std::string("ispyt-reread-") +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(root);
    for (const char* set : {"Algebra/t1", "Physics/t2"})
      fs::create_directories(root / "Base" / set);
    fs::create_directories(root / "Decor");
    ws.programFolder = root;
    takeTestSet(ws);
  }
  void TearDown() override { fs::remove_all(root); }
  void write(const DecorSettings& d) { ASSERT_FALSE(WriteDecor(root, "Base", d)); }
  fs::path root;
  Workstation ws;
};

TEST_F(RereadTest, TheOpenTestKeepsItsPassword) {
  ws.settings.password = 1234;
  DecorSettings d;
  d.colourScheme = cp1251("Дощ");
  write(d);
  rereadDecor(ws, false);
  EXPECT_EQ(ws.decor.colourScheme, cp1251("Дощ"));
  EXPECT_EQ(ws.settings.password, 1234);
}

TEST_F(RereadTest, TransparentIsTakenOnlyByAProgramThatStartedWithIt) {
  DecorSettings d;
  d.programBackground = cp1251("Прозорий");
  write(d);
  ws.decor.programBackground = cp1251("Градієнт");
  rereadDecor(ws, false);
  EXPECT_EQ(ws.decor.programBackground, cp1251("Градієнт"));
  rereadDecor(ws, true);
  EXPECT_EQ(ws.decor.programBackground, cp1251("Прозорий"));
}

TEST_F(RereadTest, TheChosenTestSetIsTakenWhenTheBaseFolderHasIt) {
  EXPECT_EQ(ws.testSet, "Physics");
  DecorSettings d;
  d.testSet = "algebra";  // names match ignoring case
  write(d);
  EXPECT_TRUE(rereadDecor(ws, false));
  EXPECT_EQ(ws.testSet, "Algebra");
  EXPECT_EQ(ws.tests[0], "t1");
  d.testSet = "Gone";
  write(d);
  EXPECT_TRUE(rereadDecor(ws, false));
  EXPECT_EQ(ws.testSet, "Physics");
}

}  // namespace
}  // namespace ispyt
