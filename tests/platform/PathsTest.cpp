#include "platform/Paths.h"

#include <gtest/gtest.h>

#include <fstream>

#include "platform/Cp1251.h"

namespace ispyt {
namespace {

class PathsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root = fs::temp_directory_path() /
           ("ispyt-paths-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(root);
    fs::create_directories(root / "decor" / "Fon1");
    fs::create_directories(root / pathFromCp1251(cp1251("Тести")) / pathFromCp1251(cp1251("Алгебра")));
    std::ofstream(root / "decor" / "DECOR.INI") << "x";
  }
  void TearDown() override { fs::remove_all(root); }
  fs::path root;
};

TEST_F(PathsTest, LooksUpEveryPartIgnoringCase) {
  EXPECT_EQ(locate(root, "Decor/decor.ini"), root / "decor" / "DECOR.INI");
  EXPECT_EQ(locate(root, "Decor\\fon1"), root / "decor" / "Fon1");
  EXPECT_TRUE(exists(root, cp1251("ТЕСТИ/алгебра")));
  EXPECT_FALSE(exists(root, "Decor/Fon2"));
}

TEST_F(PathsTest, MissingPartsAreAppendedAsWritten) {
  EXPECT_EQ(locate(root, "DECOR/Fon2/a.bmp"), root / "decor" / "Fon2" / "a.bmp");
}

TEST_F(PathsTest, ProgramFolderComesFromTheOptionOrTheWorkingDirectory) {
  EXPECT_EQ(programFolderFromArgs({"ispyt"}, root), fs::weakly_canonical(root));
  EXPECT_EQ(programFolderFromArgs({"ispyt", "--program-folder", "decor"}, root),
            fs::weakly_canonical(root / "decor"));
  EXPECT_FALSE(programFolderFromArgs({"ispyt", "--program-folder", "nowhere"}, root));
}

TEST_F(PathsTest, ReadFileBytesIsBounded) {
  std::ofstream(root / "big", std::ios::binary) << std::string(100, 'a');
  EXPECT_EQ(readFileBytes(root / "big")->size(), 100u);
  EXPECT_FALSE(readFileBytes(root / "big", 99));
  EXPECT_FALSE(readFileBytes(root / "missing"));
  EXPECT_FALSE(readFileBytes(root / "decor"));
}

}  // namespace
}  // namespace ispyt
