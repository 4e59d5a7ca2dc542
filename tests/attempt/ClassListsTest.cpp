#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <fstream>

#include "attempt/ClassListEditor.h"
#include "attempt/ClassListFile.h"
#include "attempt/ClassLists.h"
#include "platform/Cp1251.h"
#include "platform/Paths.h"

namespace ispyt {
namespace {

namespace fs = std::filesystem;

// One 56-byte record as the file stores it.
std::string header(std::int32_t count, std::int32_t number, std::string letter,
                   std::string subGroup) {
  std::string r(56, '\0');
  for (int i = 0; i < 4; ++i) {
    r[i] = static_cast<char>((static_cast<std::uint32_t>(count) >> (8 * i)) & 0xFF);
    r[4 + i] = static_cast<char>((static_cast<std::uint32_t>(number) >> (8 * i)) & 0xFF);
  }
  r[8] = static_cast<char>(letter.size());
  if (!letter.empty()) r[9] = letter[0];
  r[10] = static_cast<char>(subGroup.size());
  if (!subGroup.empty()) r[11] = subGroup[0];
  return r;
}

std::string nameRecord(const std::string& name, unsigned char length) {
  std::string r(56, '\0');
  r[12] = static_cast<char>(length);
  r.replace(13, name.size(), name);
  return r;
}
std::string nameRecord(const std::string& name) {
  return nameRecord(name, static_cast<unsigned char>(name.size()));
}

TEST(ClassListFile, RecordsAreLaidOutAsStored) {
  ClassLists lists = {{10, cp1251("Б"), "1", {cp1251("Гнатюк Ліна"), "Li"}}, {7, " ", "", {}}};
  std::string expected = header(2, 10, cp1251("Б"), "1") + nameRecord(cp1251("Гнатюк Ліна")) +
                         nameRecord("Li") + header(0, 7, " ", "");
  EXPECT_EQ(classListBytes(lists), expected);
  ClassListReading back = readClassLists(expected);
  EXPECT_TRUE(back.ok()) << back.problem;
  EXPECT_EQ(back.lists, lists);
  EXPECT_EQ(back.wholeBytes, expected.size());
}

TEST(ClassListFile, UnusedBytesAreIgnoredAndOverlongLengthsCut) {
  std::string h = header(1, 5, "A", "B");
  h.replace(12, 44, std::string(44, 'x'));  // a name field in a header record
  std::string n = nameRecord(std::string(43, 'n'), 255);
  n.replace(0, 12, std::string(12, '\x7f'));
  ClassListReading r = readClassLists(h + n);
  ASSERT_TRUE(r.ok());
  ASSERT_EQ(r.lists.size(), 1u);
  EXPECT_EQ(r.lists[0].letter, "A");
  EXPECT_EQ(r.lists[0].pupils, std::vector<std::string>{std::string(40, 'n')});
}

struct DamagedCase {
  const char* name;
  std::string bytes;
  std::size_t lists;
  std::size_t lastPupils;  // pupils of the last list kept
  std::size_t wholeBytes;
};

class DamagedFile : public ::testing::TestWithParam<DamagedCase> {};

TEST_P(DamagedFile, IsReadAsFarAsItIsWhole) {
  const DamagedCase& c = GetParam();
  ClassListReading r = readClassLists(c.bytes);
  EXPECT_EQ(r.status, ClassListReading::Status::Damaged);
  EXPECT_FALSE(r.problem.empty());
  EXPECT_EQ(cp1251ToUtf8(r.message()), "Ошибка открытия файла БД.");
  ASSERT_EQ(r.lists.size(), c.lists);
  if (c.lists > 0) {
    EXPECT_EQ(r.lists.back().pupils.size(), c.lastPupils);
  }
  EXPECT_EQ(r.wholeBytes, c.wholeBytes);
}

const std::string kOneClass = header(2, 9, "A", "") + nameRecord("Ann") + nameRecord("Bob");

INSTANTIATE_TEST_SUITE_P(
    Cases, DamagedFile,
    ::testing::Values(
        DamagedCase{"NegativeCount", kOneClass + header(-1, 10, "A", "") + nameRecord("Cid"), 1, 2,
                    168},
        DamagedCase{"HugeCount", kOneClass + header(0x7fffffff, 10, "A", "") + nameRecord("Cid"), 2,
                    1, 280},
        DamagedCase{"CutInANameRecord",
                    kOneClass + header(1, 10, "A", "") + nameRecord("Cid").substr(0, 30), 2, 0,
                    224},
        DamagedCase{"CutInAHeader", kOneClass + header(1, 10, "A", "").substr(0, 11), 1, 2, 168},
        DamagedCase{"ShorterThanARecord", std::string(55, '\1'), 0, 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ClassListFile, EmptyFileHoldsNoLists) {
  ClassListReading r = readClassLists("");
  EXPECT_TRUE(r.ok());
  EXPECT_TRUE(r.lists.empty());
  EXPECT_EQ(r.message(), "");
}

class ClassListFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = fs::temp_directory_path() /
             ("ispyt-classlists-" +
              std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(folder);
    fs::create_directories(folder);
  }
  void TearDown() override { fs::remove_all(folder); }
  std::string fileBytes() { return readFileBytes(folder / "School.dbs").value_or("<none>"); }
  fs::path folder;
};

TEST_F(ClassListFolder, MissingFileCannotBeOpened) {
  ClassListReading r = LoadClassLists(folder);
  EXPECT_EQ(r.status, ClassListReading::Status::CannotOpen);
  EXPECT_EQ(cp1251ToUtf8(r.message()), "Ошибка открытия файла БД.");
}

TEST_F(ClassListFolder, SaveReplacesTheFileAndLoadFindsItIgnoringCase) {
  std::ofstream(folder / "SCHOOL.DBS", std::ios::binary) << "old";
  ClassLists lists = {{11, cp1251("А"), "", {cp1251("Яковенко Олег")}}};
  ASSERT_FALSE(SaveClassLists(folder, lists));
  EXPECT_EQ(readFileBytes(folder / "SCHOOL.DBS"), classListBytes(lists));
  EXPECT_FALSE(fs::exists(folder / "SCHOOL.DBS.new"));
  ClassListReading r = LoadClassLists(folder);
  EXPECT_TRUE(r.ok());
  EXPECT_EQ(r.lists, lists);
}

TEST_F(ClassListFolder, FileBeyondTheCapIsReadUpToIt) {
  const std::size_t records = kMaxClassListFile / 56 + 2;
  std::string bytes;
  for (std::size_t i = 0; i < records; ++i) bytes += header(0, 1, "A", "");
  std::ofstream(folder / "School.dbs", std::ios::binary) << bytes;
  ClassListReading r = LoadClassLists(folder);
  EXPECT_EQ(r.status, ClassListReading::Status::Damaged);
  EXPECT_EQ(r.lists.size(), kMaxClassListFile / 56);
  EXPECT_NE(r.problem.find("longer"), std::string::npos) << r.problem;
}

TEST_F(ClassListFolder, FailedSaveKeepsTheOldFile) {
  std::ofstream(folder / "School.dbs", std::ios::binary) << kOneClass;
  fs::create_directory(folder / "School.dbs.new");  // the new file cannot be made
  EXPECT_TRUE(SaveClassLists(folder, {}));
  EXPECT_EQ(fileBytes(), kOneClass);
}

TEST_F(ClassListFolder, EditorSavesTrimmedNamesAndAppendsANewClass) {
  ClassLists lists;
  ClassListEditor editor(folder, lists);
  editor.choose("10", cp1251("Б"));
  EXPECT_FALSE(editor.found());
  EXPECT_EQ(editor.row(), 0u);
  std::error_code ec;
  ASSERT_TRUE(editor.save(
      "2", {cp1251("Гнатюк Ліна   "), "Bob ", std::string(45, 'z'), "", "after the empty line"},
      ec));
  EXPECT_FALSE(ec);
  std::vector<std::string> stored = {cp1251("Гнатюк Ліна"), "Bob", std::string(40, 'z')};
  EXPECT_EQ(editor.memo(), stored);
  EXPECT_TRUE(editor.found());
  ASSERT_EQ(lists.size(), 1u);
  EXPECT_EQ(lists[0], (ClassList{10, cp1251("Б"), "2", stored}));
  EXPECT_EQ(fileBytes(), classListBytes(lists));

  editor.choose("9", "A");
  ASSERT_TRUE(editor.save("", {"Ann"}, ec));
  editor.choose("10", cp1251("Б"));
  ASSERT_TRUE(editor.save("2", {"Cid"}, ec));  // replaces the found row
  ASSERT_EQ(lists.size(), 2u);
  EXPECT_EQ(lists[0].pupils, std::vector<std::string>{"Cid"});
  EXPECT_EQ(classListCaptions(lists), (std::vector<std::string>{cp1251("10Б"), "9A"}));
  EXPECT_EQ(LoadClassLists(folder).lists, lists);

  editor.choose("", "A");
  EXPECT_FALSE(editor.save("", {"x"}, ec));  // no class number chosen
}

TEST_F(ClassListFolder, DeletingMovesTheRowsBelowUp) {
  ClassLists lists = {{5, "A", "", {"a"}}, {6, "A", "", {"b"}}, {7, "A", "", {"c"}}};
  ClassListEditor editor(folder, lists);
  editor.choose("6", "A");
  std::error_code ec;
  ASSERT_TRUE(editor.remove(ec));
  EXPECT_FALSE(ec);
  ASSERT_EQ(lists.size(), 2u);
  EXPECT_EQ(findClassList(lists, "7", "A"), 1u);  // row 3 became row 2
  EXPECT_TRUE(editor.memo().empty());
  EXPECT_FALSE(editor.found());
  EXPECT_EQ(LoadClassLists(folder).lists, lists);
  EXPECT_FALSE(editor.remove(ec));  // nothing chosen any more
}

TEST_F(ClassListFolder, DeletingTheOnlyListLeavesAnEmptyFileAndOnlyTheEmptyRow) {
  ClassLists lists = {{5, "A", "", {"a"}}};
  ASSERT_FALSE(SaveClassLists(folder, lists));
  ClassListEditor editor(folder, lists);
  editor.choose(" 5 ", "A");
  std::error_code ec;
  ASSERT_TRUE(editor.remove(ec));
  EXPECT_TRUE(lists.empty());
  EXPECT_EQ(editor.row(), 0u);  // the empty row
  EXPECT_EQ(fileBytes(), "");
  ClassListReading r = LoadClassLists(folder);
  EXPECT_TRUE(r.ok());
  EXPECT_TRUE(r.lists.empty());
}

TEST_F(ClassListFolder, ToolDumpsTheListsAndWhereADamagedFileStops) {
  ClassLists lists = {{10, cp1251("Б"), "1", {cp1251("Гнатюк Ліна")}}};
  std::ofstream(folder / "School.dbs", std::ios::binary)
      << classListBytes(lists) + header(3, 11, "A", "") + nameRecord("Ann");
  std::string command = std::string(ISPYT_TOOL) + " dump " + (folder / "School.dbs").string() +
                        " >" + (folder / "out").string();
  int status = std::system(command.c_str());
  ASSERT_EQ(WEXITSTATUS(status), 0);
  std::string out = readFileBytes(folder / "out").value_or("");
  for (const char* part :
       {"\"whole\": false", "\"wholeBytes\": 224", "\"message\": \"Ошибка открытия файла БД.\"",
        "\"letter\": \"Б\"", "\"Гнатюк Ліна\"", "\"classNumber\": 11", "\"Ann\""})
    EXPECT_NE(out.find(part), std::string::npos) << part << "\n" << out;
}

TEST(ClassLists, FindMatchesNumberAndLetterExactly) {
  ClassLists lists = {{10, "", "", {}}, {10, " ", "", {}}, {10, cp1251("Б"), "", {}}};
  EXPECT_EQ(findClassList(lists, "10", ""), 0u);
  EXPECT_EQ(findClassList(lists, "10", " "), 1u);
  EXPECT_EQ(findClassList(lists, "10", cp1251("Б")), 2u);
  EXPECT_EQ(findClassList(lists, "10", cp1251("В")), 3u);
  EXPECT_EQ(findClassList(lists, "1x", ""), 3u);
}

}  // namespace
}  // namespace ispyt
