// ispyt-tool monitor over a test folder with stored attempts: the rows as
// JSON, one attempt, the CSV table, the charts as PNG and PDF, and the
// failures it reports.

#include <gtest/gtest.h>
#include <cstdlib>
#include <fstream>

#include "../ToolRun.h"
#include "content/TestSource.h"
#include "content/WriteTest.h"
#include "platform/Cp1251.h"
#include "platform/Paths.h"
#include "results/MonitorFile.h"

namespace ispyt {
namespace {

namespace fs = std::filesystem;

class MonitorTool : public ::testing::Test {
 protected:
  void SetUp() override {
    root = fs::temp_directory_path() /
           (std::string("ispyt-monitor-tool-") +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(root);
    folder = root / "test";
    fs::create_directories(folder);
    ParsedSource parsed = parseTestSource(
        "title: Оптика\n\n== single\n? Світло...\n+ прямо\n- по колу\n\n"
        "== single\n? Кут...\n+ відбивання\n- заломлення\n");
    ASSERT_TRUE(parsed.source);
    Random random(3);
    std::ofstream(folder / "test.txt", std::ios::binary) << writeTestFile(*parsed.source, random);
  }
  void TearDown() override { fs::remove_all(root); }

  void attempt(const std::string& code, const std::string& name, int wrongFirst, bool report) {
    MonitorGroup g;
    g.taskCount = 2;
    g.attemptCode = code;
    g.name = cp1251(name);
    g.judgedElements = {0, 1, 1};
    g.wrongCount[1] = wrongFirst;
    std::ofstream(folder / "Monitor.dm", std::ios::binary | std::ios::app) << monitorBytes(g);
    if (report) std::ofstream(folder / (code + ".rez")) << "r";
  }
  ToolRun monitor(const std::string& options = "") {
    return runTool("monitor '" + folder.string() + "' " + options, root,
                   "QT_QPA_PLATFORM=offscreen");
  }
  std::string read(const fs::path& p) { return readFileBytes(p).value_or(""); }

  fs::path root, folder;
};

TEST_F(MonitorTool, PrintsTheRowsOfTheAttemptsWithReports) {
  attempt("A101", "Коваль Олена", 0, true);
  attempt("A102", "Бондар Іван", 1, true);
  attempt("A103", "Без звіту", 1, false);
  const ToolRun r = monitor();
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_NE(r.out.find("\"taskValues\": [\n    50,\n    100\n  ]"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("\"name\": \"Коваль Олена\""), std::string::npos);
  EXPECT_EQ(r.out.find("Без звіту"), std::string::npos);
  EXPECT_NE(r.out.find("\"averageText\": \"9.0\""), std::string::npos);  // 12 and 6
  EXPECT_NE(r.out.find("\"groupsRead\": 3"), std::string::npos);
  EXPECT_NE(r.out.find("\"damaged\": false"), std::string::npos);

  const ToolRun one = monitor("--attempt A102");
  ASSERT_EQ(one.code, 0) << one.err;
  EXPECT_NE(one.out.find("\"view\": \"one\""), std::string::npos);
  EXPECT_NE(one.out.find("\"taskValues\": [\n    0,\n    100\n  ]"), std::string::npos) << one.out;
}

TEST_F(MonitorTool, WritesTheTableAndTheCharts) {
  attempt("A101", "Коваль Олена", 0, true);
  attempt("A102", "Бондар Іван", 1, true);
  ASSERT_EQ(monitor("--csv '" + (root / "rows.csv").string() + "'").code, 0);
  EXPECT_EQ(read(root / "rows.csv").substr(0, 4), cp1251("Код;"));
  const ToolRun png = monitor("--png '" + (root / "charts.png").string() + "'");
  ASSERT_EQ(png.code, 0) << png.err;
  EXPECT_EQ(read(root / "charts.png").substr(1, 3), "PNG");
  const ToolRun pdf = monitor("--pdf '" + (root / "charts.pdf").string() + "'");
  ASSERT_EQ(pdf.code, 0) << pdf.err;
  const std::string bytes = read(root / "charts.pdf");
  EXPECT_EQ(bytes.substr(0, 5), "%PDF-");
  // The three charts, a page each.
  std::size_t pages = 0;
  for (std::size_t at = 0; (at = bytes.find("/Type /Page\n", at)) != std::string::npos; ++at)
    ++pages;
  EXPECT_EQ(pages, 3u);
}

TEST_F(MonitorTool, ReportsADamagedFileAndFailures) {
  attempt("A101", "Коваль Олена", 0, true);
  std::ofstream(folder / "Monitor.dm", std::ios::binary | std::ios::app) << "cut short";
  const ToolRun damaged = monitor();
  ASSERT_EQ(damaged.code, 0) << damaged.err;
  EXPECT_NE(damaged.out.find("\"skippedBytes\": 9"), std::string::npos);
  EXPECT_NE(damaged.err.find("пошкоджено"), std::string::npos) << damaged.err;

  fs::remove(folder / "Monitor.dm");
  const ToolRun missing = monitor();
  EXPECT_EQ(missing.code, 1);
  EXPECT_NE(missing.err.find("Ошибка открытия файла БД."), std::string::npos) << missing.err;
  EXPECT_EQ(monitor("--json --csv x.csv").code, 2);
  fs::remove(folder / "test.txt");
  EXPECT_EQ(monitor().code, 1);
}

}  // namespace
}  // namespace ispyt
