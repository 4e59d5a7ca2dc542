// The focus losses beside a report: the bytes of "<code>.foc", what the
// reader refuses and where, the counts the results list shows, and that
// only an attempt that lost the focus leaves such a file.

#include <fstream>

#include "ResultFixture.h"
#include "results/FocusLossFile.h"
#include "results/WriteReport.h"

namespace ispyt::results_test {
namespace {

TEST(FocusLossFile, AnOpenLossEndsWithTheAttemptAndReadsBack) {
  FocusLosses f;
  f.observe(12, false, true);
  f.observe(40, true, true);
  f.observe(95, true, false);
  const FocusLossRecord record = focusLossRecordOf(f, 96);
  const std::string bytes = focusLossBytes(record);
  EXPECT_EQ(bytes, "2\r\n12 40 1\r\n95 96 2\r\n");
  Parsed<FocusLossRecord> read = ReadFocusLossFile(bytes);
  ASSERT_TRUE(read.ok()) << read.fault.reason;
  EXPECT_EQ(*read.value, record);
  EXPECT_EQ(focusLossBytes(focusLossRecordOf(FocusLosses(), 96)), "");
}

TEST(FocusLossFile, OnlyTheFirstHundredAreListed) {
  FocusLossRecord r{250, {}};
  for (int i = 0; i < kMaxListedFocusLosses; ++i) r.listed.push_back({2 * i, 2 * i + 1});
  Parsed<FocusLossRecord> read = ReadFocusLossFile(focusLossBytes(r));
  ASSERT_TRUE(read.ok()) << read.fault.reason;
  EXPECT_EQ(read.value->count, 250);
  EXPECT_EQ(read.value->listed.size(), 100u);
}

TEST(FocusLossFile, RefusesWhatTheProgramNeverWritesAtTheLineAtFault) {
  const struct {
    const char* bytes;
    int line;
  } cases[] = {
      {"", 1},
      {"2\r\n1 2 1\r\n", 3},           // a loss short
      {"1\r\n1 2 1\r\n3 4 1\r\n", 3},  // a line too many
      {"0\r\n", 1},
      {"01\r\n1 2 1\r\n", 1},
      {"-1\r\n", 1},
      {"1\n1 2 1\n", 1},
      {"1\r\n1 2\r\n", 2},
      {"1\r\n1 2 3\r\n", 2},  // no such kind
      {"1\r\n1 2 0\r\n", 2},
      {"1\r\n5 3 1\r\n", 2},           // back before lost
      {"2\r\n1 5 1\r\n4 6 1\r\n", 3},  // overlapping
      {"1\r\n1  2 1\r\n", 2},
      {"1\r\n1 2 1 \r\n", 2},
      {"1\r\n99999999999 99999999999 1\r\n", 2},
  };
  for (const auto& c : cases) {
    Parsed<FocusLossRecord> read = ReadFocusLossFile(c.bytes);
    EXPECT_FALSE(read.ok()) << c.bytes;
    EXPECT_EQ(read.fault.position, c.line) << c.bytes << ": " << read.fault.reason;
  }
  EXPECT_FALSE(ReadFocusLossFile(std::string(kMaxFocusLossBytes + 1, '1')).ok());
}

class FocusLossFiles : public ResultFilesFixture {};

TEST_F(FocusLossFiles, TheResultsListCountsWhatEachCodeHasBesideItsReport) {
  std::ofstream(folder / "A100.foc", std::ios::binary) << "3\r\n1 2 1\r\n3 4 2\r\n5 6 1\r\n";
  std::ofstream(folder / "b101.FOC", std::ios::binary) << "1\r\n7 9 1\r\n";
  std::ofstream(folder / "C102.foc", std::ios::binary) << "damaged";
  EXPECT_EQ(focusLossCounts(folder, {"A100", "B101", "C102", "D103"}),
            (std::vector<int>{3, 1, -1, 0}));
}

TEST_F(FocusLossFiles, OnlyAnAttemptThatLostTheFocusLeavesAFile) {
  for (int mode : {kModeHint, kModeTraining}) {
    SCOPED_TRACE(mode);
    attempt = finishedAttempt(mode);
    ws.openTest.currentTestPath = folder.string();
    ws.openTest.attemptCode = "Y53" + std::to_string(mode);
    WriteReportOutcome quiet = WriteReport(context());
    ASSERT_TRUE(quiet.stored());
    EXPECT_TRUE(quiet.focusFile.empty());
    EXPECT_FALSE(fs::exists(focusLossFile(folder, quiet.result.attemptCode)));

    attempt.focusLosses.observe(100, false, true);
    ws.openTest.currentTestPath = folder.string();
    ws.openTest.attemptCode = "Y54" + std::to_string(mode);
    WriteReportOutcome lost = WriteReport(context());
    ASSERT_TRUE(lost.stored());
    EXPECT_EQ(lost.focusFile, folder / (lost.result.attemptCode + ".foc"));
    // Still away when the attempt ended (its clock stood at 754).
    EXPECT_EQ(read(lost.focusFile), "1\r\n100 754 1\r\n");
  }
}

}  // namespace
}  // namespace ispyt::results_test
