// ispyt-tool make-test and inspect-test, run as a teacher runs them.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "../ToolRun.h"

namespace {

namespace fs = std::filesystem;

class ToolTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("ispyt-maketest-" +
            std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  void write(const std::string& name, const std::string& text) {
    std::ofstream(dir_ / name, std::ios::binary) << text;
  }
  std::string read(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }
  ToolRun tool(const std::string& args) { return runTool(args, dir_); }

  fs::path dir_;
};

TEST_F(ToolTest, MakeTestThenInspectTestShowsTheAuthoredTest) {
  write("h2o.bmp", "BM-picture");
  write("src.txt",
        "title: Хімія\n"
        "== single\n? Формула води?\n+ H[2]O\n- CO[2]\n"
        "== input\n? Столиця України?\nfield: Місто\n= Київ\n"
        "== restoration\n? Відновіть\npicture: h2o.bmp\nrow: H_[2]O\n");
  std::string folder = (dir_ / "Base" / "Set" / "Test").string();
  ToolRun made = tool("make-test " + (dir_ / "src.txt").string() + " -o " + folder + " --seed 5");
  ASSERT_EQ(made.code, 0) << made.err;
  EXPECT_NE(made.out.find("3 tasks"), std::string::npos) << made.out;
  EXPECT_EQ(read(fs::path(folder) / "P3-1.bmp"), "BM-picture");

  ToolRun shown = tool("inspect-test " + folder + "/test.txt --seed 1");
  ASSERT_EQ(shown.code, 0) << shown.err;
  for (const char* expected :
       {"\"title\": \"Хімія\"", "\"result\": 4", "\"typeTitle\": \"Одиничний вибір\"",
        "\"question\": \"Формула води?\"", "\"H[2]O\"",
        "\"accepted\": [\n        [\n          \"Київ\"", "\"P3-1.bmp\"", "\"elementCount\": 1"})
    EXPECT_NE(shown.out.find(expected), std::string::npos) << expected << "\n" << shown.out;

  // The same seed shows the same order: the output is repeatable.
  EXPECT_EQ(tool("inspect-test " + folder + "/test.txt --seed 1").out, shown.out);
}

TEST_F(ToolTest, AnAppendixBecomesDnWithItsExtension) {
  fs::create_directories(dir_ / "extra");
  write("extra/map.BMP", "BM-map");
  write("extra/note.txt", "x]2[");
  write("src.txt",
        "title: T\n== single\n? Q1\nappendix: extra/map.BMP\n+ a\n- b\n"
        "== single\n? Q2\n+ a\n- b\n"
        "== input\n? Q3\nappendix: extra/note.txt\nfield: F\n= x\n");
  const fs::path folder = dir_ / "Test";
  fs::create_directories(folder);
  // Left from an earlier source: D3.bmp would stand before the new D3.txt.
  write("Test/D3.bmp", "old");
  write("Test/D2.rtf", "by hand");
  ToolRun made = tool("make-test " + (dir_ / "src.txt").string() + " -o " + folder.string());
  ASSERT_EQ(made.code, 0) << made.err;
  EXPECT_EQ(read(folder / "D1.bmp"), "BM-map");
  EXPECT_EQ(read(folder / "D3.txt"), "x]2[");
  EXPECT_FALSE(fs::exists(folder / "D3.bmp"));
  EXPECT_EQ(read(folder / "D2.rtf"), "by hand");  // a task the source gives none

  struct Row {
    const char* line;
    const char* error;
  };
  const Row rows[] = {
      {"appendix: extra/map.png", "src2.txt:4: an appendix is a .bmp, .txt or .rtf file"},
      {"appendix: missing.txt", "the file 'missing.txt' it names is missing"},
  };
  for (const Row& r : rows) {
    write("src2.txt", std::string("title: T\n== single\n? Q\n") + r.line + "\n+ a\n- b\n");
    ToolRun bad =
        tool("make-test " + (dir_ / "src2.txt").string() + " -o " + (dir_ / "t2").string());
    EXPECT_EQ(bad.code, 1) << r.line;
    EXPECT_NE(bad.err.find(r.error), std::string::npos) << bad.err;
  }
}

TEST_F(ToolTest, SourceErrorsNameTheLine) {
  write("bad.txt", "title: T\n== single\n? Q\n+ a\n+ b\n");
  ToolRun r = tool("make-test " + (dir_ / "bad.txt").string() + " -o " + (dir_ / "t").string());
  EXPECT_EQ(r.code, 1);
  EXPECT_NE(r.err.find("bad.txt:2: a single-choice task takes exactly one '+' option"),
            std::string::npos)
      << r.err;
  EXPECT_FALSE(fs::exists(dir_ / "t" / "test.txt"));

  write("nopic.txt", "title: T\n== restoration\n? Q\npicture: gone.bmp\nrow: [a]\n");
  r = tool("make-test " + (dir_ / "nopic.txt").string() + " -o " + (dir_ / "t").string());
  EXPECT_EQ(r.code, 1);
  EXPECT_NE(r.err.find("'gone.bmp'"), std::string::npos) << r.err;
  EXPECT_FALSE(fs::exists(dir_ / "t" / "test.txt"));
}

TEST_F(ToolTest, InspectTestReportsTheProgramsMessage) {
  write("test.txt", "T\r\n7\r\n");
  ToolRun r = tool("inspect-test " + (dir_ / "test.txt").string());
  EXPECT_EQ(r.code, 1);
  EXPECT_NE(r.err.find("Несумісний тест"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("test.txt:2: task 1:"), std::string::npos) << r.err;

  r = tool("inspect-test " + (dir_ / "missing.txt").string());
  EXPECT_EQ(r.code, 1);
  EXPECT_NE(r.err.find("Нема даних"), std::string::npos) << r.err;
}

TEST_F(ToolTest, EveryCommandHasHelp) {
  for (const char* command : {"make-test", "inspect-test"}) {
    ToolRun r = tool(std::string(command) + " --help");
    EXPECT_EQ(r.code, 0) << command;
    EXPECT_NE(r.out.find(std::string("usage: ispyt-tool ") + command), std::string::npos);
  }
}

}  // namespace
