// "Очистка файлу": only a database the list of "REZULT" holds is deleted,
// and no name reaches outside that folder.

#include <gtest/gtest.h>

#include <fstream>

#include "platform/Paths.h"
#include "results/ResultDatabases.h"

namespace ispyt {
namespace {

class ResultDatabasesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root = fs::temp_directory_path() /
           (std::string("ispyt-rezult-") +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(root);
    fs::create_directories(root / "Rezult" / "sub");
    for (const char* name : {"A123_Algebra.Db", "b456_Physics.db", "notes.txt", "sub/C1_x.Db"})
      std::ofstream(root / "Rezult" / name) << "x";
    std::ofstream(root / "Outside.Db") << "keep";
    std::ofstream(root / "School.dbs") << "keep";
  }
  void TearDown() override { fs::remove_all(root); }
  fs::path root;
};

TEST_F(ResultDatabasesTest, TheListHoldsTheDatabasesOfTheFolder) {
  EXPECT_EQ(resultDatabaseNames(root), (std::vector<std::string>{"A123_Algebra", "b456_Physics"}));
}

TEST_F(ResultDatabasesTest, AListedDatabaseIsDeleted) {
  std::error_code error;
  EXPECT_EQ(deleteResultDatabase(root, "b456_Physics", error), DatabaseDeletion::Deleted);
  EXPECT_FALSE(error);
  EXPECT_FALSE(fs::exists(root / "Rezult" / "b456_Physics.db"));
  EXPECT_EQ(resultDatabaseNames(root), (std::vector<std::string>{"A123_Algebra"}));
}

TEST_F(ResultDatabasesTest, NoOtherNameReachesAFile) {
  for (const char* name : {"", "../Outside", "..\\Outside", "sub/C1_x", "/etc/passwd", "../School",
                           "notes", "A123_Algebra.Db", "..", "A123_Algebra/"}) {
    std::error_code error;
    EXPECT_EQ(deleteResultDatabase(root, name, error), DatabaseDeletion::NotListed) << name;
  }
  EXPECT_TRUE(fs::exists(root / "Outside.Db"));
  EXPECT_TRUE(fs::exists(root / "School.dbs"));
  EXPECT_TRUE(fs::exists(root / "Rezult" / "sub" / "C1_x.Db"));
  EXPECT_EQ(resultDatabaseNames(root).size(), 2u);
}

TEST_F(ResultDatabasesTest, ALinkLeavesItsTargetAlone) {
  fs::create_symlink(root / "Outside.Db", root / "Rezult" / "Link.Db");
  std::error_code error;
  EXPECT_EQ(deleteResultDatabase(root, "Link", error), DatabaseDeletion::NotListed);
  EXPECT_TRUE(fs::exists(root / "Outside.Db"));
}

}  // namespace
}  // namespace ispyt
