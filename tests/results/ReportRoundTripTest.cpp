// A written report read back: every task type returns to the attempt and
// the test under its file number, the reviewed attempt grades as the
// original did, and damaged files fail at the line that is wrong.

#include <gtest/gtest.h>

#include <fstream>
#include <vector>

#include "ResultFixture.h"
#include "results/AttemptRecords.h"
#include "results/ReportFile.h"
#include "results/Scoring.h"
#include "results/StoredReports.h"

namespace ispyt::results_test {
namespace {

class ReportRoundTrip : public ResultFilesFixture {
 protected:
  Report written() {
    result.attemptCode = "Y537";
    result.dateText = "05.12.26";
    result.timeText = "09:04:07";
    attempt.bestInExam = 1;
    return reportOf(attempt, test, ws.settings, card, result);
  }
};

TEST_F(ReportRoundTrip, EveryTypeComesBackUnderItsFileNumber) {
  for (int mode : {kModeTraining, kModeTestPaper, kModeMonitoring}) {
    attempt = finishedAttempt(mode);
    const Report report = written();
    ASSERT_EQ(report.tasks.size(), static_cast<std::size_t>(kTasks));
    Parsed<Report> back = ReadReport(reportBytes(report));
    ASSERT_TRUE(back.ok()) << back.fault.position << " " << back.fault.reason;
    EXPECT_EQ(*back.value, report) << mode;

    AttemptState reviewed;
    ispyt::Test loaded = fileOrderTest();  // the test as opening loads it
    for (int n = 1; n <= kTasks; ++n) loaded.task(n).question.clear();
    Settings settings;
    StudentCard shownCard;
    AttemptResult shownResult;
    applyReport(*back.value, reviewed, loaded, settings, shownCard, shownResult);

    EXPECT_EQ(shownResult.attemptCode, "Y537");
    EXPECT_EQ(shownResult.dateText, "05.12.26");
    EXPECT_EQ(shownCard.fullName, card.fullName);
    EXPECT_EQ(shownCard.classGroup, card.classGroup);
    EXPECT_EQ(reviewed.mode, mode);
    EXPECT_EQ(reviewed.taskCount, kTasks);
    EXPECT_EQ(reviewed.elementsJudged, attempt.elementsJudged);
    EXPECT_EQ(reviewed.wrongElements, attempt.wrongElements);
    EXPECT_EQ(reviewed.elapsed, attempt.elapsed);
    EXPECT_EQ(reviewed.displayOrder, kOrder);
    for (int k = 1; k <= kTasks; ++k) {
      const int n = kOrder[k];
      const Task& shown = test.task(k);
      const Task& back = loaded.task(n);
      const TaskRecord& before = attempt.task(k);
      const TaskRecord& after = reviewed.task(n);
      SCOPED_TRACE("task " + std::to_string(n));
      EXPECT_EQ(reviewed.task(k).done, before.done);  // the answered line is by position
      EXPECT_EQ(back.type, shown.type);
      EXPECT_EQ(back.question, shown.question);
      EXPECT_EQ(back.itemCount, shown.itemCount);
      EXPECT_EQ(after.missCount, before.missCount);
      EXPECT_EQ(after.wrongCount, before.wrongCount);
      EXPECT_EQ(after.answerText, before.answerText);
      const int items = shown.itemCount;
      switch (shown.type) {
        case TaskType::MultipleChoice:
          EXPECT_EQ(after.judgedElements, before.judgedElements);
          [[fallthrough]];
        case TaskType::SingleChoice:
        case TaskType::CountedChoice:
          EXPECT_EQ(after.optionMarks, before.optionMarks);
          EXPECT_EQ(back.items, shown.items);
          break;
        case TaskType::DirectInput:
          EXPECT_EQ(back.items, shown.items);
          for (int i = 1; i <= items; ++i) EXPECT_EQ(back.rightItems[i], before.given[i]);
          break;
        case TaskType::Sequence:
          for (int i = 1; i <= items; ++i) EXPECT_EQ(back.items[i], before.given[i]);
          break;
        case TaskType::Matching:
          for (int i = 1; i < items; ++i) EXPECT_EQ(back.items[i], shown.items[i]);
          EXPECT_EQ(after.optionMarks.substr(0, items - 1),
                    before.optionMarks.substr(0, items - 1));
          EXPECT_EQ(back.rightItems, shown.rightItems);
          EXPECT_TRUE(back.hasEmptyRightItem);
          break;
        case TaskType::Restoration:
          EXPECT_EQ(back.items[1], shown.items[1]);
          EXPECT_EQ(back.items[2], shown.items[2]);
          EXPECT_EQ(back.correctTexts[1], shown.correctTexts[1]);
          break;
        case TaskType::Completion:
          EXPECT_EQ(back.blankCount, 2);
          EXPECT_EQ(back.items, shown.items);
          for (int i = 1; i <= 2; ++i) EXPECT_EQ(back.rightItems[i], before.given[i]);
          break;
      }
    }
    // The review grades through the display order to the same result.
    EXPECT_EQ(ComputeResult(gradingCounts(reviewed, loaded, settings, true)).result120,
              ComputeResult(gradingCounts(attempt, test, ws.settings)).result120);
  }
}

TEST_F(ReportRoundTrip, AnEmptyBlankAnswerIsWrittenAsABlank) {
  attempt.task(3).given[2].clear();  // position 3 shows file task 8, Completion
  const std::string bytes = reportBytes(written());
  Parsed<Report> back = ReadReport(bytes);
  ASSERT_TRUE(back.ok());
  EXPECT_EQ(back.value->tasks[2].rightItems[2], " ");
}

TEST_F(ReportRoundTrip, HeaderOnlyModesReadBack) {
  attempt = finishedAttempt(kModeExam);
  attempt.pass = 3;
  attempt.bestInExam = 11;
  Parsed<Report> back = ReadReport(reportBytes(written()));
  ASSERT_TRUE(back.ok());
  EXPECT_EQ(back.value->pass, 3);
  EXPECT_EQ(back.value->bestInExam, 1);  // written() sets it as storing does outside mode 3
  EXPECT_TRUE(back.value->tasks.empty());
}

TEST_F(ReportRoundTrip, StoredReportIsFoundByNameWhateverItsCase) {
  std::ofstream(folder / "Y537.REZ", std::ios::binary) << reportBytes(written());
  Parsed<Report> back = ReadReport(folder, "Y5&37");
  ASSERT_TRUE(back.ok());
  EXPECT_EQ(back.value->attemptCode, "Y537");
  Parsed<Report> missing = ReadReport(folder, "Y999");
  EXPECT_FALSE(missing.ok());
  EXPECT_EQ(missing.fault.position, 0);
}

TEST_F(ReportRoundTrip, ReviewGradesTheStoredAttemptAsStoringDid) {
  WriteReportOutcome stored = WriteReport(context());
  ASSERT_TRUE(stored.stored());
  AttemptState reviewed;
  reviewed.task(5).answerText = "left from before";
  ispyt::Test loaded = fileOrderTest();
  Settings settings;
  StudentCard shownCard;
  AttemptResult shown;
  ReviewOutcome review = reviewReport(folder, "Y537", reviewed, loaded, settings, shownCard, shown);
  ASSERT_TRUE(review.loaded);
  EXPECT_EQ(shown.result120, result.result120);
  EXPECT_EQ(shown.grade, result.grade);
  EXPECT_EQ(shown.percent, result.percent);
  EXPECT_EQ(review.grade.sound, stored.grade.sound);
  EXPECT_EQ(reviewed.task(5).answerText, cp1251("відповідь на завдання 5"));

  AttemptState untouched;
  untouched.elapsed = 9;
  ReviewOutcome missing =
      reviewReport(folder, "Y000", untouched, loaded, settings, shownCard, shown);
  EXPECT_FALSE(missing.loaded);
  EXPECT_EQ(untouched.elapsed, 9);
}

TEST_F(ReportRoundTrip, ListReportsGivesTheFirstFiftyNineCodes) {
  for (int d = 100; d < 160; ++d) std::ofstream(folder / ("a" + std::to_string(d) + ".rez"));
  std::ofstream(folder / "Monitor.dm");
  std::ofstream(folder / "B100.REZ");
  std::vector<std::string> codes = ListReports(folder);
  ASSERT_EQ(codes.size(), 59u);
  for (const std::string& code : codes) EXPECT_EQ(code.size(), 4u);
}

// A valid report of two tasks, one line per entry.
std::vector<std::string> validLines() {
  return {std::string("Y\x05\x03\x07", 4),
          std::string(1, '\x02'),
          "2",
          "2",
          std::string("\1\1", 2),
          "3",
          "0",
          "1",
          "1",
          "60",
          "1",
          "Ann Lee",
          "",
          "05.12.26",
          "09:04:07",
          "2",  // block 1: file task 2, single choice
          "0",
          "Q2",
          "0",
          "1",
          "A",
          "2",
          "10",
          "x",
          "y",
          "1",  // block 2: file task 1, matching of 3
          "4",
          "Q1",
          "0",
          "0",
          "1-2",
          "2",
          "m1",
          "m2",
          "\x0e\x0f",
          "r3",
          "r2",
          "r1"};
}

std::string join(const std::vector<std::string>& lines) {
  std::string out;
  for (const std::string& line : lines) out += line + "\r\n";
  return out;
}

TEST(ReadReport, ValidLinesRead) {
  Parsed<Report> r = ReadReport(join(validLines()));
  ASSERT_TRUE(r.ok()) << r.fault.position << " " << r.fault.reason;
  EXPECT_EQ(r.value->attemptCode, "Y537");
  EXPECT_EQ(r.value->mode, 2);
  EXPECT_EQ(r.value->classGroup, "");
  ASSERT_EQ(r.value->tasks.size(), 2u);
  EXPECT_EQ(r.value->tasks[1].itemCount, 3);
  EXPECT_EQ(r.value->tasks[1].rightItems[1], "r1");
  EXPECT_EQ(reportBytes(*r.value), join(validLines()));
}

TEST(ReadReport, DamagedLinesFailWhereTheyAre) {
  struct Row {
    const char* name;
    int line;  // 1-based line to replace (0: cut the file after `text` lines)
    std::string text;
    int faultLine;
  } rows[] = {
      {"digit byte above 9", 1, std::string("Y\x05\x0a\x07", 4), 1},
      {"short code", 1, "Y53", 1},
      {"mode of two bytes", 2, "12", 2},
      {"task count above 60", 3, "61", 3},
      {"task count not a number", 3, "2x", 3},
      {"task count with a plus", 3, "+2", 3},
      {"answered line too short", 5, std::string("\1", 1), 5},
      {"answered byte 2", 5, std::string("\1\2", 2), 5},
      {"elapsed beyond 32 bits", 10, "99999999999", 10},
      {"shuffle 2", 11, "2", 11},
      {"task number 0", 16, "0", 16},
      {"task number 61", 16, "61", 16},
      {"item count 14", 22, "14", 22},
      {"marks of another length", 23, "101", 23},
      {"matching count above 12", 32, "13", 32},
      {"cut in the second block", 0, "30", 31},
  };
  for (const Row& row : rows) {
    std::vector<std::string> lines = validLines();
    if (row.line > 0)
      lines[row.line - 1] = row.text;
    else
      lines.resize(std::stoi(row.text));
    Parsed<Report> r = ReadReport(join(lines));
    EXPECT_FALSE(r.ok()) << row.name;
    EXPECT_EQ(r.fault.position, row.faultLine) << row.name << ": " << r.fault.reason;
  }
}

TEST(ReadReport, TheLastOfTwoReportsStands) {
  std::vector<std::string> second = validLines();
  second[11] = "Bo Yi";
  Parsed<Report> r = ReadReport(join(validLines()) + join(second));
  ASSERT_TRUE(r.ok());
  EXPECT_EQ(r.value->fullName, "Bo Yi");
}

}  // namespace
}  // namespace ispyt::results_test
