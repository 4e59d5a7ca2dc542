// ispyt-tool dump over the files a stored attempt leaves.

#include <gtest/gtest.h>
#include <fstream>

#include "../ToolRun.h"
#include "ResultFixture.h"

namespace ispyt::results_test {
namespace {

class DumpTool : public ResultFilesFixture {
 protected:
  ToolRun dump(const fs::path& file, const std::string& options = "") {
    return runTool("dump '" + file.string() + "' " + options, root);
  }
};

TEST_F(DumpTool, ShowsTheReportTheMonitoringRecordsAndTheDatabase) {
  WriteReportOutcome stored = WriteReport(context());
  ASSERT_TRUE(stored.stored());

  ToolRun report = dump(stored.reportFile);
  ASSERT_EQ(report.code, 0) << report.err;
  EXPECT_NE(report.out.find("\"attemptCode\": \"Y537\""), std::string::npos) << report.out;
  EXPECT_NE(report.out.find("\"fileNumber\": 8"), std::string::npos);
  EXPECT_NE(report.out.find("\"picture\": \"P6-1.bmp\""), std::string::npos);

  ToolRun noCount = dump(stored.monitorFile);
  EXPECT_EQ(noCount.code, 2);  // no test.txt beside it
  EXPECT_NE(noCount.err.find("--tasks"), std::string::npos);
  ToolRun monitor = dump(stored.monitorFile, "--tasks 8");
  ASSERT_EQ(monitor.code, 0) << monitor.err;
  EXPECT_NE(monitor.out.find("\"skippedBytes\": 0"), std::string::npos);
  EXPECT_NE(monitor.out.find("\"name\": \"Іваненко Петро \""), std::string::npos) << monitor.out;

  ToolRun db = dump(stored.resultDb);
  ASSERT_EQ(db.code, 0) << db.err;
  EXPECT_NE(db.out.find("\"result120\": 22"), std::string::npos) << db.out;
  EXPECT_NE(db.out.find("\"classGroup\": \"10-Б\""), std::string::npos);
}

TEST_F(DumpTool, ShowsTheFocusLossesBesideAReportAndWhereOnesAreDamaged) {
  attempt.focusLosses.observe(12, false, true);
  attempt.focusLosses.observe(40, true, true);
  WriteReportOutcome stored = WriteReport(context());
  ASSERT_TRUE(stored.stored());
  ToolRun losses = dump(stored.focusFile);
  ASSERT_EQ(losses.code, 0) << losses.err;
  EXPECT_NE(losses.out.find("\"count\": 1"), std::string::npos) << losses.out;
  EXPECT_NE(losses.out.find("\"back\": 40"), std::string::npos) << losses.out;
  EXPECT_NE(losses.out.find("\"kind\": \"window\""), std::string::npos) << losses.out;

  std::ofstream(folder / "Y100.FOC", std::ios::binary) << "2\r\n1 2 1\r\n";
  ToolRun damaged = dump(folder / "Y100.FOC");
  EXPECT_EQ(damaged.code, 1);
  EXPECT_NE(damaged.err.find("line 3"), std::string::npos) << damaged.err;
}

TEST_F(DumpTool, DamagedReportNamesItsLine) {
  std::ofstream(folder / "Y100.rez", std::ios::binary) << std::string("Y\x01\x02\x03\r\nxx\r\n");
  ToolRun r = dump(folder / "Y100.rez");
  EXPECT_EQ(r.code, 1);
  EXPECT_NE(r.err.find("line 2"), std::string::npos) << r.err;
}

}  // namespace
}  // namespace ispyt::results_test
