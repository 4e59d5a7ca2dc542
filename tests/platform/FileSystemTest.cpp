// The disk's own file calls as careful writers use them: an append fills a
// block cut short and never shortens a file, a failure is reported and
// leaves the file as it was, a replace never leaves half a file, and what
// interrupted saves left is cleared once it is old enough.

#include "platform/FileSystem.h"

#include <gtest/gtest.h>

#include <fstream>

#include "platform/Paths.h"
#include "platform/ReplaceFile.h"

namespace ispyt {
namespace {

class FileSystemTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() /
          ("ispyt-files-" +
           std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }
  void write(const fs::path& p, const std::string& bytes) {
    std::ofstream(p, std::ios::binary) << bytes;
  }
  std::string read(const fs::path& p) { return readFileBytes(p).value_or("<none>"); }

  fs::path dir;
  FileSystem& disk = diskFileSystem();
};

TEST_F(FileSystemTest, AnAppendFillsABlockCutShortThenAddsItsBytesWhole) {
  const fs::path file = dir / "Monitor.dm";
  AppendResult first = disk.append(file, std::string(64, 'a'), 64);  // a new file
  EXPECT_FALSE(first.error);
  EXPECT_TRUE(first.whole);
  std::ofstream(file, std::ios::binary | std::ios::app) << std::string(10, 'b');  // cut short
  EXPECT_FALSE(disk.append(file, std::string(64, 'c'), 64).error);
  EXPECT_EQ(read(file), std::string(64, 'a') + std::string(10, 'b') + std::string(54, '\0') +
                            std::string(64, 'c'));
}

TEST_F(FileSystemTest, AFailedAppendIsReportedAndCutsNothing) {
  if (fs::exists("/dev/full")) {
    AppendResult full = disk.append("/dev/full", std::string(4096, 'x'), 64);
    EXPECT_EQ(full.error, std::errc::no_space_on_device);
    EXPECT_FALSE(full.whole);
  }
  EXPECT_TRUE(disk.append(dir / "missing" / "Monitor.dm", "x", 64).error);
  fs::create_directory(dir / "Monitor.dm");
  EXPECT_EQ(disk.append(dir / "Monitor.dm", "x", 64).error, std::errc::is_a_directory);
}

TEST_F(FileSystemTest, AFailedReplaceKeepsTheOldFileByteForByte) {
  const fs::path file = dir / "Config.ini";
  write(file, "old\r\n");
  fs::create_directories(dir / "Config.ini.new" / "in-the-way");  // the new file cannot be made
  EXPECT_TRUE(disk.replace(file, "new"));
  EXPECT_EQ(read(file), "old\r\n");
  fs::remove_all(dir / "Config.ini.new");
  EXPECT_FALSE(disk.replace(file, "new"));
  EXPECT_EQ(read(file), "new");
  EXPECT_FALSE(fs::exists(dir / "Config.ini.new"));
}

TEST_F(FileSystemTest, AFileWhereAFolderShouldBeIsReported) {
  write(dir / "REZULT", "x");
  EXPECT_EQ(disk.createDirectories(dir / "REZULT"), std::errc::not_a_directory);
  EXPECT_FALSE(disk.createDirectories(dir / "a" / "b"));
}

TEST_F(FileSystemTest, LeftoversOfInterruptedSavesGoOnceTheyAreOld) {
  for (const char* name : {"Config.ini.new", "Y537.rez.new", "fresh.new", "Y537.rez"})
    write(dir / name, "x");
  const auto old = fs::file_time_type::clock::now() - std::chrono::hours(1);
  for (const char* name : {"Config.ini.new", "Y537.rez.new", "Y537.rez"})
    fs::last_write_time(dir / name, old);
  EXPECT_EQ(removeLeftoverReplacements(dir), 2);
  EXPECT_FALSE(fs::exists(dir / "Config.ini.new"));
  EXPECT_FALSE(fs::exists(dir / "Y537.rez.new"));
  EXPECT_TRUE(fs::exists(dir / "fresh.new")) << "a save may be under way";
  EXPECT_TRUE(fs::exists(dir / "Y537.rez"));
}

}  // namespace
}  // namespace ispyt
