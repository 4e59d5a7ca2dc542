#include "platform/FolderFromExample.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <iterator>
#include <string>

namespace ispyt {
namespace {

namespace fs = std::filesystem;

std::string contents(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

class FolderFromExampleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root = fs::temp_directory_path() /
           ("ispyt-example-" + std::to_string(::getpid()) +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(root);
    example = root / "share" / "example";
    folder = root / "data" / "ispyt" / "program";
    fs::create_directories(example / "Base" / "Set" / "Test");
    fs::create_directories(example / "Sound");
    std::ofstream(example / "Base" / "Set" / "Test" / "test.txt") << "tasks";
    std::ofstream(example / "Sound" / "see.wav") << "RIFF";
  }
  void TearDown() override {
    // Read-only folders of a test would keep remove_all out.
    std::error_code ec;
    for (auto& e : fs::recursive_directory_iterator(root, ec))
      fs::permissions(e.path(), fs::perms::owner_all, fs::perm_options::add);
    fs::remove_all(root);
  }
  fs::path root;
  fs::path example;
  fs::path folder;
};

TEST_F(FolderFromExampleTest, TheFirstStartCopiesTheExampleWritable) {
  // As a package installs it: files and folders the user may not write.
  for (auto& e : fs::recursive_directory_iterator(example))
    fs::permissions(e.path(), fs::perms::owner_write, fs::perm_options::remove);
  fs::permissions(example, fs::perms::owner_write, fs::perm_options::remove);

  FolderFromExample made = makeFolderFromExample(example, folder);
  ASSERT_FALSE(made.error) << made.error.message() << " " << made.where;
  EXPECT_TRUE(made.made);
  EXPECT_EQ(contents(folder / "Base" / "Set" / "Test" / "test.txt"), "tasks");
  EXPECT_EQ(contents(folder / "Sound" / "see.wav"), "RIFF");
  // The program writes results, settings and its appearance there (the
  // modes, since root may write anywhere).
  for (const fs::path& p : {folder, folder / "Base" / "Set" / "Test",
                            folder / "Base" / "Set" / "Test" / "test.txt"})
    EXPECT_NE(fs::status(p).permissions() & fs::perms::owner_write, fs::perms::none) << p;
  EXPECT_TRUE(std::ofstream(folder / "Base" / "Set" / "Test" / "A123.rez") << "r");
  EXPECT_FALSE(fs::exists(root / "data" / "ispyt" / "program.new"));
}

TEST_F(FolderFromExampleTest, LaterStartsKeepTheUsersFolder) {
  ASSERT_FALSE(makeFolderFromExample(example, folder).error);
  std::ofstream(folder / "Base" / "Set" / "Test" / "test.txt") << "the teacher's own";
  fs::remove(folder / "Sound" / "see.wav");

  FolderFromExample again = makeFolderFromExample(example, folder);
  EXPECT_FALSE(again.error);
  EXPECT_FALSE(again.made);
  EXPECT_EQ(contents(folder / "Base" / "Set" / "Test" / "test.txt"), "the teacher's own");
  EXPECT_FALSE(fs::exists(folder / "Sound" / "see.wav"));
}

TEST_F(FolderFromExampleTest, AnInterruptedCopyIsMadeAgain) {
  fs::create_directories(root / "data" / "ispyt" / "program.new" / "Base");
  std::ofstream(root / "data" / "ispyt" / "program.new" / "half") << "x";

  ASSERT_FALSE(makeFolderFromExample(example, folder).error);
  EXPECT_FALSE(fs::exists(folder / "half"));
  EXPECT_EQ(contents(folder / "Base" / "Set" / "Test" / "test.txt"), "tasks");
  EXPECT_FALSE(fs::exists(root / "data" / "ispyt" / "program.new"));
}

TEST_F(FolderFromExampleTest, FailuresNameThePathAndLeaveNoFolder) {
  // No example installed.
  FolderFromExample missing = makeFolderFromExample(root / "nowhere", folder);
  EXPECT_EQ(missing.error, std::errc::no_such_file_or_directory);
  EXPECT_EQ(missing.where, root / "nowhere");
  EXPECT_FALSE(fs::exists(folder));

  // A file where the folder should be is not taken for it, nor replaced.
  fs::create_directories(folder.parent_path());
  std::ofstream(folder) << "mine";
  FolderFromExample inTheWay = makeFolderFromExample(example, folder);
  EXPECT_EQ(inTheWay.error, std::errc::not_a_directory);
  EXPECT_EQ(inTheWay.where, folder);
  EXPECT_EQ(contents(folder), "mine");
  fs::remove(folder);

  // A data folder the user cannot write (root may write anywhere).
  if (::geteuid() != 0) {
    fs::permissions(folder.parent_path(), fs::perms::owner_write, fs::perm_options::remove);
    FolderFromExample denied = makeFolderFromExample(example, folder);
    EXPECT_EQ(denied.error, std::errc::permission_denied);
    EXPECT_FALSE(fs::exists(folder));
  }
}

}  // namespace
}  // namespace ispyt
