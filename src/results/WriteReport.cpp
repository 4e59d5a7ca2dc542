#include "results/WriteReport.h"

#include "platform/Cp1251.h"
#include "platform/FileErrorText.h"
#include "platform/Paths.h"
#include "results/AttemptRecords.h"
#include "results/DateTimeText.h"
#include "results/FocusLossFile.h"
#include "results/MonitorFile.h"
#include "results/PendingResults.h"
#include "results/ReportFile.h"
#include "results/ResultDbFile.h"
#include "results/Scoring.h"

namespace ispyt {
namespace {

FileSystem& filesOf(const ResultFilesContext& c) { return c.files ? *c.files : diskFileSystem(); }

// The files the store wrote, and what follows a stored result: its message
// (in the outbox now) on its way to the teacher, and no test open any more.
// A result stored only when written again may have missed its closing, so
// its message goes at once in every mode.
void takeStore(const ResultFilesContext& c, WriteReportOutcome& out, const StoreOutcome& stored,
               bool again) {
  out.error = stored.error;
  out.failedFile = stored.failedFile;
  out.reportFile = stored.reportFile;
  out.monitorFile = stored.monitorFile;
  out.resultDb = stored.resultDb;
  out.focusFile = stored.focusFile;
  out.launchCounted = stored.launchCounted;
  // The code may have been drawn anew.
  c.openTest.attemptCode = out.result.attemptCode;
  c.result.attemptCode = out.result.attemptCode;
  if (!stored.stored()) return;
  if ((out.sends || (again && !out.result.message.empty())) && c.outlet) c.outlet->deliver();
  c.openTest.currentTestPath = kNoTestOpen;
}

}  // namespace

WriteReportOutcome WriteReport(const ResultFilesContext& c) {
  AttemptState& attempt = c.attempt;
  AttemptResult& result = c.result;
  FileSystem& files = filesOf(c);
  WriteReportOutcome out;
  // Results an earlier attempt could not store go first.
  retryKeptResults(c.programFolder, files, c.random);

  result.attemptCode = c.openTest.attemptCode;
  if (attempt.mode != kModeExam) attempt.bestInExam = 1;
  const GradingCounts counts = gradingCounts(attempt, c.test, c.settings);
  const ScoreOutcome score = ComputeResult(counts);
  if (!score.everyPositionHoldsATask) c.settings.showGrade = false;
  result.result120 = score.result120;
  out.grade = ComputeGrade(counts, result.result120, c.settings.showGrade, c.settings.gradeScale);
  result.grade = out.grade.grade;
  result.percent = attemptPercent(counts.wrongElements, counts.elementsJudged);
  const DateTimeText stamp = FormatDateTime(c.now ? c.now() : localTimeNow());
  result.dateText = stamp.date;
  result.timeText = stamp.time;

  PendingResult& r = out.result;
  r.programFolder = c.programFolder;
  r.testFolder = c.openTest.testFolder;
  r.testName = c.openTest.testName;
  r.attemptCode = result.attemptCode;
  r.taskCount = c.test.taskCount;
  r.report = reportBytes(reportOf(attempt, c.test, c.settings, c.card, result));
  const bool taskRecords = keepsTaskRecords(attempt.mode);
  if (taskRecords)
    r.monitor = monitorBytes(monitorGroupOf(attempt, c.test, r.attemptCode, c.card.fullName));
  StudentCard& card = c.card;
  if (!card.fullName.empty()) {
    if (card.classGroup.empty()) card.classGroup = " -";
    if (card.fullName.back() == ' ') card.fullName.pop_back();
    if (taskRecords && !card.fullName.empty())
      r.database = resultDbBytes(resultDbEntryOf(
          attempt, c.test, c.settings, card, result, r.testName,
          wrongPercent(counts.wrongElements, counts.elementsJudged)));
    // Mode 3 never reports to the teacher.
    if (c.outlet && c.outlet->on() && attempt.mode != kModeExam && !card.fullName.empty())
      r.message = resultMessageBytes(
          resultMessageOf(attempt, c.test, c.settings, card, result, r.testName));
  }
  // Every stored result of a launch-limited test uses up a launch, with or
  // without a name.
  r.countsLaunch = c.openTest.launchCounting;
  r.focus = focusLossBytes(focusLossRecordOf(attempt.focusLosses, attempt.elapsed));
  out.sends = taskRecords && !r.message.empty();

  takeStore(c, out, storeKept(r, out.keptFile, files, c.random, false), false);
  return out;
}

bool WriteReportAgain(const ResultFilesContext& c, WriteReportOutcome& out) {
  if (out.stored()) return true;
  takeStore(c, out, storeKept(out.result, out.keptFile, filesOf(c), c.random, true), true);
  return out.stored();
}

void sendAfterClosing(const ResultFilesContext& c, const WriteReportOutcome& out) {
  // Not yet stored, it goes once it is.
  if (out.stored() && !out.result.message.empty() && c.outlet) c.outlet->send(out.result.message);
}

std::string resultNotStoredText(const WriteReportOutcome& out) {
  // Below the program folder a file is named from there: short enough to
  // read on the card.
  auto name = [&](const fs::path& file) {
    const fs::path inside = file.lexically_relative(out.result.programFolder);
    const bool below = !inside.empty() && *inside.begin() != "..";
    return cp1251FromPath(below ? inside : file);
  };
  std::string text = cp1251("Результат не записано.\n\nФайл: ") + name(out.failedFile) +
                     cp1251("\nПричина: ") + fileErrorReason(out.error) + ".\n\n";
  text += out.keptFile.empty()
              ? cp1251("Відповіді збережено лише в пам'яті програми: не закривайте її")
              : cp1251("Відповіді збережено у файлі ") + name(out.keptFile);
  return text + cp1251(".\n\nКлацніть тут, щоб записати ще раз.");
}

}  // namespace ispyt
