// ispyt-tool import-gift and export-gift, run as a teacher runs them.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "../ToolRun.h"

#include "content/LoadTest.h"
#include "platform/Cp1251.h"

namespace ispyt {
namespace {

namespace fs = std::filesystem;

class GiftTool : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("ispyt-gift-" +
            std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  void write(const fs::path& p, const std::string& text) {
    std::ofstream(p, std::ios::binary) << text;
  }
  static std::string read(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }
  ToolRun tool(const std::string& args) { return runTool(args, dir_); }
  static ispyt::Test load(const fs::path& folder) {
    Random random(1);
    ispyt::Test test;
    LoadResult r = LoadTest(folder / "test.txt", test, random);
    EXPECT_TRUE(r.loaded()) << r.reason;
    return test;
  }

  fs::path dir_;
};

const char* const kBank =
    "// банк\n"
    "Столиця України? {=Київ ~Львів}\n"
    "\n"
    "Опишіть літо. {}\n"
    "\n"
    "Кит {=є ~не є} ссавцем.\n"
    "\n"
    "Скільки буде 2+3? {#5}\n";

TEST_F(GiftTool, ImportsWhatItCanAndSaysWhatNot) {
  write(dir_ / "Географія.gift", kBank);
  fs::path folder = dir_ / "Set" / "Test";
  ToolRun r = tool("import-gift " + (dir_ / "Географія.gift").string() + " -o " + folder.string() +
                   " --seed 2");
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.err, (dir_ / "Географія.gift").string() +
                       ":4: an essay ('{}') needs a teacher to mark it\n");
  EXPECT_NE(r.out.find("3 of 4 questions imported into"), std::string::npos) << r.out;
  ispyt::Test test = load(folder);
  EXPECT_EQ(test.title, cp1251("Географія"));
  ASSERT_EQ(test.taskCount, 3);
  EXPECT_EQ(test.task(2).type, TaskType::Completion);
  EXPECT_EQ(test.task(3).type, TaskType::DirectInput);
}

TEST_F(GiftTool, StrictWritesNothingWhenAQuestionIsLeftOut) {
  write(dir_ / "bank.gift", kBank);
  fs::path folder = dir_ / "Test";
  fs::create_directories(folder);
  write(folder / "test.txt", "old");
  ToolRun r = tool("import-gift " + (dir_ / "bank.gift").string() + " -o " + folder.string() +
                   " --strict --title Тест");
  EXPECT_EQ(r.code, 1);
  EXPECT_NE(r.err.find("bank.gift:4: an essay"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("3 of 4 questions importable; nothing written (--strict)"),
            std::string::npos)
      << r.err;
  EXPECT_EQ(read(folder / "test.txt"), "old");

  write(dir_ / "none.gift", "Лише опис.\n\nЕсе {}\n");
  r = tool("import-gift " + (dir_ / "none.gift").string() + " -o " + folder.string());
  EXPECT_EQ(r.code, 1);
  EXPECT_NE(r.err.find("0 of 2 questions importable; nothing written\n"), std::string::npos)
      << r.err;
  EXPECT_EQ(read(folder / "test.txt"), "old");
}

TEST_F(GiftTool, ExportThenImportGivesTheSameTasks) {
  write(dir_ / "src.txt",
        "title: Хімія\n"
        "== single\n? Формула води?\n+ H[2]O\n- CO[2]\n"
        "== sequence\n? Порядок\n- a\n- b\n"
        "== input\n? Столиця України?\nfield: Місто\n= Київ\n");
  fs::path folder = dir_ / "Test";
  ASSERT_EQ(tool("make-test " + (dir_ / "src.txt").string() + " -o " + folder.string()).code, 0);

  ToolRun r = tool("export-gift " + folder.string() + " -o " + (dir_ / "out.gift").string());
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_NE(r.out.find("2 of 3 tasks written"), std::string::npos) << r.out;
  EXPECT_EQ(r.err,
            "task 2: left out: a sequence; GIFT has no ordering question\n"
            "task 3: the label 'Місто' of its field is left out: GIFT has no place for it\n");
  EXPECT_EQ(read(dir_ / "out.gift"),
            "// Хімія\n\n::Завдання 1:: Формула води? {\n=H[2]O\n~CO[2]\n}\n"
            "\n::Завдання 3:: Столиця України? {\n=Київ\n}\n");

  fs::path back = dir_ / "Back";
  r = tool("import-gift " + (dir_ / "out.gift").string() + " -o " + back.string());
  ASSERT_EQ(r.code, 0) << r.err;
  ispyt::Test test = load(back);
  EXPECT_EQ(test.title, "out");
  ASSERT_EQ(test.taskCount, 2);
  EXPECT_EQ(cp1251ToUtf8(test.task(1).items[1] + test.task(1).items[2]),
            test.task(1).itemLetters[1] == 'A' ? "H[2]OCO[2]" : "CO[2]H[2]O");
  EXPECT_EQ(test.task(2).accepted[1][1], cp1251("Київ"));
}

TEST_F(GiftTool, ATestFileThatCannotBeReplacedIsSaidAndLeftAlone) {
  write(dir_ / "bank.gift", kBank);
  fs::create_directories(dir_ / "Test" / "test.txt" / "inside");
  ToolRun r = tool("import-gift " + (dir_ / "bank.gift").string() + " -o " +
                   (dir_ / "Test").string());
  EXPECT_EQ(r.code, 1);
  EXPECT_NE(r.err.find("import-gift: cannot write"), std::string::npos) << r.err;
  EXPECT_TRUE(fs::is_directory(dir_ / "Test" / "test.txt" / "inside"));
}

TEST_F(GiftTool, RefusesWhatItCannotRun) {
  EXPECT_EQ(tool("import-gift").code, 2);
  EXPECT_EQ(tool("import-gift a.gift").code, 2);
  EXPECT_EQ(tool("export-gift " + dir_.string()).code, 2);
  ToolRun r = tool("import-gift " + (dir_ / "missing.gift").string() + " -o " + dir_.string());
  EXPECT_EQ(r.code, 1);
  EXPECT_NE(r.err.find("cannot read"), std::string::npos);
  r = tool("export-gift " + (dir_ / "none").string() + " -o " + (dir_ / "x.gift").string());
  EXPECT_EQ(r.code, 1);
  EXPECT_NE(r.err.find("Нема даних"), std::string::npos) << r.err;
  EXPECT_FALSE(fs::exists(dir_ / "x.gift"));
  EXPECT_NE(tool("import-gift --help").out.find("missing word"), std::string::npos);
}

}  // namespace
}  // namespace ispyt
