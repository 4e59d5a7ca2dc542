// Storing a finished attempt: the report file's header, which files each
// mode writes, the class and name rules, record growth per attempt, the
// attempt code kept unique, the launch count and the closing state.

#include <gtest/gtest.h>

#include <fstream>

#include "ResultFixture.h"
#include "content/ConfigFile.h"
#include "results/DateTimeText.h"
#include "results/MonitorFile.h"
#include "results/ReportFile.h"
#include "results/ResultDbFile.h"
#include "results/ResultFilesWriter.h"
#include "results/ResultMessage.h"
#include "results/StoredReports.h"

namespace ispyt::results_test {
namespace {

std::string crlf(std::initializer_list<std::string> lines) {
  std::string out;
  for (const std::string& line : lines) out += line + "\r\n";
  return out;
}

std::string headerOf(const std::string& report) {
  std::size_t at = 0;
  for (int i = 0; i < 15; ++i) at = report.find("\r\n", at) + 2;
  return report.substr(0, at);
}

using WriteReportTest = ResultFilesFixture;

TEST(FormatDateTime, TwoDigitsEach) {
  std::tm t = resultStamp();
  DateTimeText text = FormatDateTime(t);
  EXPECT_EQ(text.date, "05.12.26");
  EXPECT_EQ(text.time, "09:04:07");
  t.tm_year = 2000 - 1900;
  t.tm_mday = 31;
  t.tm_hour = 23;
  EXPECT_EQ(FormatDateTime(t).date, "31.12.00");
  EXPECT_EQ(FormatDateTime(t).time, "23:04:07");
}

TEST_F(WriteReportTest, HeaderLinesOfATrainingAttempt) {
  WriteReportOutcome out = WriteReport(context());
  ASSERT_TRUE(out.stored()) << out.error.message();
  EXPECT_EQ(out.reportFile, folder / "Y537.rez");
  const std::string expected =
      crlf({std::string("Y\x05\x03\x07", 4), std::string(1, '\x01'), "8", "8",
            std::string("\1\1\0\1\1\1\1\1", 8), "16", "0", "1", "13", "754", "0",
            cp1251("Іваненко Петро "), "10-" + cp1251("Б"), "05.12.26", "09:04:07"});
  EXPECT_EQ(headerOf(read(out.reportFile)), expected);
  // 120 - 13 wrong elements at 120 / 16 each: 22.5, half to even.
  EXPECT_EQ(result.result120, 22);
  EXPECT_EQ(result.grade, 2);
  EXPECT_EQ(result.percent, 19);
  EXPECT_EQ(out.grade.sound, "2");
}

TEST_F(WriteReportTest, HintAndExamModesWriteOnlyTheHeader) {
  for (int mode : {kModeHint, kModeExam}) {
    attempt = finishedAttempt(mode);
    ws.openTest.attemptCode = mode == kModeHint ? "X101" : "Z102";
    WriteReportOutcome out = WriteReport(context());
    ASSERT_TRUE(out.stored()) << mode;
    const std::string report = read(out.reportFile);
    EXPECT_EQ(report, headerOf(report)) << mode;
    EXPECT_EQ(report[report.find("\r\n") + 2], static_cast<char>(mode));
  }
  EXPECT_FALSE(exists(folder, "Monitor.dm"));
  EXPECT_FALSE(fs::exists(root / "REZULT"));
}

TEST_F(WriteReportTest, EmptyClassIsADashInTheDatabaseOnly) {
  card.classGroup.clear();
  WriteReportOutcome out = WriteReport(context());
  ASSERT_TRUE(out.stored());
  const std::string report = read(out.reportFile);
  EXPECT_NE(headerOf(report).find("\r\n\r\n05.12.26\r\n"), std::string::npos);  // line 13 empty
  auto db = ReadResultDb(read(out.resultDb));
  ASSERT_TRUE(db.ok());
  ASSERT_EQ(db.value->entries.size(), 1u);
  EXPECT_EQ(db.value->entries[0].classGroup, " -");
  EXPECT_EQ(db.value->entries[0].fullName, cp1251("Іваненко Петро"));  // one blank off
  EXPECT_EQ(out.resultDb, root / "REZULT" / "Y537_Algebra.Db");
}

TEST_F(WriteReportTest, TwelveTasksGrowTheRecordFilesByWholeGroups) {
  attempt = AttemptState{};
  attempt.mode = kModeMonitoring;
  attempt.taskCount = 12;
  test = ispyt::Test{};
  test.taskCount = 12;
  for (int k = 1; k <= 12; ++k) {
    attempt.displayOrder[k] = k;
    attempt.task(k).judgedElements = 1;
    test.task(k).elementCount = 1;
    test.task(k).itemCount = 2;
  }
  attempt.elementsJudged = 12;
  const fs::path monitor = folder / "Monitor.dm";
  WriteReportOutcome first = WriteReport(context());
  ASSERT_TRUE(first.stored());
  EXPECT_EQ(sizeOf(monitor), 1628u);
  EXPECT_EQ(sizeOf(first.resultDb), 3500u);

  ws.openTest.attemptCode = "A538";
  WriteReportOutcome second = WriteReport(context());
  ASSERT_TRUE(second.stored());
  EXPECT_EQ(sizeOf(monitor), 2 * 1628u);
  auto groups = ReadMonitor(read(monitor), 12);
  ASSERT_TRUE(groups.ok());
  ASSERT_EQ(groups.value->groups.size(), 2u);
  EXPECT_EQ(groups.value->groups[1].attemptCode, "A538");
}

TEST_F(WriteReportTest, RecordsGoInFileOrder) {
  WriteReportOutcome out = WriteReport(context());
  ASSERT_TRUE(out.stored());
  auto monitor = ReadMonitor(read(out.monitorFile), kTasks);
  ASSERT_TRUE(monitor.ok());
  ASSERT_EQ(monitor.value->groups.size(), 1u);
  const MonitorGroup& g = monitor.value->groups[0];
  auto db = ReadResultDb(read(out.resultDb));
  ASSERT_TRUE(db.ok());
  const ResultDbEntry& e = db.value->entries.at(0);
  const int percents[] = {0, 100, 50, 0, 0, 0, 0, 0, 0};
  for (int n = 1; n <= kTasks; ++n) {
    EXPECT_EQ(g.wrongCount[n], std::min(n - 1, 2)) << n;
    EXPECT_EQ(g.missCount[n], n % 2) << n;
    EXPECT_EQ(g.judgedElements[n], n == 8 ? 0 : 2) << n;
    EXPECT_EQ(e.taskPercent[n], percents[n]) << n;
    EXPECT_EQ(e.answerText[n], (cp1251("відповідь на завдання ") + std::to_string(n)).substr(0, 20))
        << n;
  }
  EXPECT_EQ(g.name, cp1251("Іваненко Петро "));  // the blank goes only after these records
  EXPECT_EQ(e.percent, 19);
  EXPECT_EQ(e.result120, 22);
  EXPECT_EQ(e.cardCode, "A07");  // no password outside monitoring
  EXPECT_EQ(e.mode, 1);
  EXPECT_EQ(e.elapsed, 754);
  EXPECT_EQ(e.dateText, "05.12.26");
  EXPECT_EQ(e.timeText, "09:04:07");
  EXPECT_EQ(e.testName, "Algebra");
}

TEST_F(WriteReportTest, NoNameSkipsTheDatabaseAndTheMessage) {
  card.fullName.clear();
  struct Outlet : ResultOutlet {
    int deliveries = 0;
    std::vector<std::string> sent;
    bool on() const override { return true; }
    void deliver() override { ++deliveries; }
    void send(const std::string& m) override { sent.push_back(m); }
  } outlet;
  ResultFilesContext c = context();
  c.outlet = &outlet;
  WriteReportOutcome out = WriteReport(c);
  ASSERT_TRUE(out.stored());
  EXPECT_TRUE(out.resultDb.empty());
  EXPECT_FALSE(out.sends);
  EXPECT_EQ(outlet.deliveries, 0);
  EXPECT_TRUE(out.result.message.empty());
  auto monitor = ReadMonitor(read(out.monitorFile), kTasks);
  EXPECT_EQ(monitor.value->groups.at(0).name, "Y537");  // the code stands for the name
  EXPECT_TRUE(card.classGroup == "10-" + cp1251("Б"));  // untouched without a name

  card.fullName = "Ann Lee";
  ws.openTest.attemptCode = "Y538";
  out = WriteReport(c);
  EXPECT_TRUE(out.stored());
  EXPECT_TRUE(out.sends);
  EXPECT_EQ(outlet.deliveries, 1);
  EXPECT_EQ(ReadResultMessage(out.result.message).value->fullName, "Ann Lee");
}

TEST_F(WriteReportTest, AttemptCodeTakenGetsNewDigits) {
  std::ofstream(folder / "y537.txt") << "x";
  WriteReportOutcome out = WriteReport(context());
  ASSERT_TRUE(out.stored());
  EXPECT_EQ(result.attemptCode[0], 'Y');
  EXPECT_NE(result.attemptCode, "Y537");
  EXPECT_EQ(ws.openTest.attemptCode, result.attemptCode);
  EXPECT_EQ(out.reportFile, folder / (result.attemptCode + ".rez"));
  EXPECT_EQ(read(out.reportFile).substr(0, 1), "Y");
}

TEST_F(WriteReportTest, EveryCodeTakenWritesNothing) {
  for (int d = 100; d <= 998; ++d) std::ofstream(folder / ("Y" + std::to_string(d) + ".rez"));
  WriteReportOutcome out = WriteReport(context());
  EXPECT_FALSE(out.stored());
  EXPECT_FALSE(exists(folder, "Monitor.dm"));
  EXPECT_NE(ws.openTest.currentTestPath, kNoTestOpen);
}

TEST_F(WriteReportTest, NoTestFolderWritesNothing) {
  ws.openTest.testFolder = root / "gone";
  EXPECT_FALSE(WriteReport(context()).stored());
  ws.openTest.testFolder.clear();
  EXPECT_FALSE(WriteReport(context()).stored());
  EXPECT_FALSE(fs::exists("Y537.rez"));
}

TEST_F(WriteReportTest, MonitoringCardCodeCarriesTheShiftedPassword) {
  attempt = finishedAttempt(kModeMonitoring);
  ws.settings.password = 1234;
  WriteReportOutcome out = WriteReport(context());
  auto db = ReadResultDb(read(out.resultDb));
  ASSERT_TRUE(db.ok());
  // Each digit of 1234 lowered by 50.
  EXPECT_EQ(db.value->entries.at(0).cardCode, "A07-" + std::string("\xFF\x00\x01\x02", 4));
}

TEST_F(WriteReportTest, LaunchCountAndClosingState) {
  SettingsDialogState limited;
  limited.values.password = 4321;  // a monitoring test with a password counts its launches
  limited.values.launchesLeft = 5;
  const std::string config = configBytes(limited);
  std::ofstream(folder / "config.ini", std::ios::binary) << config;
  ConfigReading before = readConfigFile(folder, kTasks, 1);
  ws.openTest.launchCounting = true;
  card.fullName.clear();  // a launch is used up with or without a name
  WriteReportOutcome out = WriteReport(context());
  ASSERT_TRUE(out.stored());
  EXPECT_TRUE(out.launchCounted);
  EXPECT_EQ(ws.openTest.currentTestPath, kNoTestOpen);
  auto after = readFileBytes(folder / "config.ini");
  ASSERT_TRUE(after);
  EXPECT_EQ(*after, *launchCountBytes(before.keptCopy));
}

TEST_F(WriteReportTest, EngineHandOverWritesTheFilesAndGivesTheShownGrade) {
  ResultFilesWriter writer(context());
  EXPECT_EQ(writer.gradeSound(), "");  // nothing graded yet
  writer.writeResults();
  EXPECT_TRUE(writer.outcome().stored());
  EXPECT_TRUE(exists(folder, "Y537.rez"));
  EXPECT_EQ(writer.grade(), 2);
  EXPECT_EQ(writer.gradeSound(), "2");
  writer.sendResult();  // sending off: nothing happens
  writer.closeNetwork();

  attempt = finishedAttempt(kModeMonitoring);  // monitoring shows no grade
  ws.openTest.attemptCode = "A100";
  writer.writeResults();
  EXPECT_EQ(writer.grade(), 0);
  EXPECT_EQ(writer.gradeSound(), "Last");

  attempt = finishedAttempt(kModeTestPaper);
  ws.settings.gradeScale = 5;  // the sound set is always the 12-point one
  ws.openTest.attemptCode = "A101";
  writer.writeResults();
  EXPECT_EQ(writer.grade(), 1);
  EXPECT_EQ(writer.gradeSound(), "2");
}

// Ten one-element tasks shown in reverse order; the first shown is
// answered right, then the attempt is broken off.
class BrokenOffTest : public ResultFilesFixture {
 protected:
  void SetUp() override {
    ResultFilesFixture::SetUp();
    attempt = AttemptState{};
    attempt.taskCount = 10;
    test = ispyt::Test{};
    test.taskCount = 10;
    for (int k = 1; k <= 10; ++k) {
      attempt.displayOrder[k] = 11 - k;
      test.task(k).question = "Q" + std::to_string(11 - k);
      test.task(k).elementCount = 1;
      test.task(k).itemCount = 2;
    }
    attempt.task(1).done = true;
    attempt.task(1).judgedElements = 1;
    attempt.task(1).answerText = "1";
    attempt.elementsJudged = 1;
    attempt.wrongElements = kBrokenOff;
    attempt.tasksDone = 1;
  }
};

TEST_F(BrokenOffTest, TasksLeftCountAsWrongInTheGradeAndTheRecords) {
  struct Case {
    int mode;
    int result120;  // 120 - 9 elements of 10 wrong at 12 each; mode 3 counts its run
    int grade;
    int percent;
  };
  for (const Case& c :
       {Case{kModeHint, 12, 1, 10}, Case{kModeTraining, 12, 1, 10}, Case{kModeTestPaper, 12, 1, 10},
        Case{kModeMonitoring, 12, 1, 10}, Case{kModeExam, 12, 1, 100}}) {
    SCOPED_TRACE(c.mode);
    attempt.mode = c.mode;
    attempt.pass = c.mode == kModeExam ? 1 : 0;
    attempt.bestInExam = 1;
    ws.openTest.attemptCode = "Y" + std::to_string(500 + c.mode);
    WriteReportOutcome out = WriteReport(context());
    ASSERT_TRUE(out.stored());
    EXPECT_EQ(result.result120, c.result120);
    EXPECT_EQ(result.grade, c.grade);
    EXPECT_EQ(result.percent, c.percent);
  }
  // The report keeps the marker and the counts as they were.
  Parsed<Report> report = ReadReport(read(folder / "Y501.rez"));
  ASSERT_TRUE(report.ok());
  EXPECT_EQ(report.value->wrongElements, kBrokenOff);
  EXPECT_EQ(report.value->elementsJudged, 1);
  EXPECT_EQ(report.value->tasks[1].wrongCount, 0);

  // The record files hold no marker: their tasks left are charged.
  auto monitor = ReadMonitor(read(folder / "Monitor.dm"), 10);
  ASSERT_TRUE(monitor.ok());
  ASSERT_EQ(monitor.value->groups.size(), 3u);  // modes 1, 2 and 4
  auto db = ReadResultDb(read(root / "REZULT" / "Y501_Algebra.Db"));
  ASSERT_TRUE(db.ok());
  const ResultDbEntry& e = db.value->entries.at(0);
  EXPECT_EQ(e.percent, 10);
  EXPECT_EQ(e.result120, 12);
  for (int n = 1; n <= 10; ++n) {  // file task 10 was shown first
    EXPECT_EQ(monitor.value->groups[0].wrongCount[n], n == 10 ? 0 : 1) << n;
    EXPECT_EQ(monitor.value->groups[0].judgedElements[n], n == 10 ? 1 : 0) << n;
    EXPECT_EQ(e.taskPercent[n], n == 10 ? 100 : 0) << n;
  }
}

TEST_F(BrokenOffTest, ReviewGradesTheStoredReportAlike) {
  attempt.mode = kModeTraining;
  ASSERT_TRUE(WriteReport(context()).stored());
  const int stored = result.result120;
  AttemptState reviewed;
  ispyt::Test loaded = test;  // the same tasks in file order
  Settings settings;
  StudentCard shownCard;
  AttemptResult shown;
  ReviewOutcome review = reviewReport(folder, "Y537", reviewed, loaded, settings, shownCard, shown);
  ASSERT_TRUE(review.loaded);
  EXPECT_EQ(shown.result120, stored);
  EXPECT_EQ(shown.percent, 10);
  EXPECT_EQ(review.grade.grade, 1);
}

}  // namespace
}  // namespace ispyt::results_test
