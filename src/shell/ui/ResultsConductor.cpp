#include "shell/ui/ResultsConductor.h"

#include "platform/Cp1251.h"
#include "platform/qt/QtText.h"
#include "presentation/MainLayout.h"
#include "results/AttemptRecords.h"
#include "results/CleanResults.h"
#include "results/ResultSummary.h"
#include "results/StoredReports.h"
#include "results/ui/ChartsWindowLoader.h"

namespace ispyt {

ResultsConductor::ResultsConductor(const WindowParts& parts, Host host)
    : parts_(parts), ws_(parts.ws), host_(std::move(host)) {}

ResultsConductor::~ResultsConductor() = default;

void ResultsConductor::showStoredResult(const std::string& code) {
  const std::filesystem::path folder = ws_.openTest.testFolder;
  if (folder.empty()) return;
  if (!ReadReport(folder, code).ok()) {
    parts_.showMessage(fromCp1251(reportAccessErrorText()));
    return;
  }
  // The report's tables go by task file number: the test is read again in
  // file order, as an attempt may have left it in its own.
  MonitoredTest fresh = readMonitoredTest(folder);
  if (!fresh.load.loaded()) {
    parts_.showMessage(fromCp1251(loadMessage(fresh.load.status)));
    return;
  }
  fresh.settings.password = ws_.settings.password;
  hideCharts();
  // Loading the report changes the test's texts: no attempt starts from
  // it until the test is opened again.
  ws_.openTest.testLoaded = false;
  host_.leaveAttempt();
  ws_.test = std::move(fresh.test);
  ws_.settings = fresh.settings;
  const ReviewOutcome review =
      reviewReport(folder, code, ws_.attempt, ws_.test, ws_.settings, ws_.student, ws_.result);
  if (!review.loaded) {  // gone since it was read a moment ago
    ws_.resultShown = false;
    parts_.showMessage(fromCp1251(reportAccessErrorText()));
    return;
  }
  ws_.resultShown = true;
  // The hot keys ask the mode of the result shown.
  ws_.settings.mode = ws_.attempt.mode;
  showStored(review.grade);
}

void ResultsConductor::showStored(const GradeOutcome& grade) {
  const std::string summary =
      storedResultSummary(ws_.result, ws_.student, ws_.attempt, grade, ws_.settings.gradeScale);
  host_.resultScreen().showStored(grade.shown ? grade.grade : 0, summary);
}

void ResultsConductor::showResultChart() {
  if (ws_.selectedResult.empty() || ws_.selectedResult == "-") return;
  if (ws_.resultShown && isMonitoringMode(ws_.attempt.mode)) {
    // Graded as a test paper, so that the grade is shown.
    GradingCounts counts = gradingCounts(ws_.attempt, ws_.test, ws_.settings, true);
    counts.mode = 2;
    showStored(ComputeGrade(counts, ws_.result.result120, ws_.settings.showGrade,
                            ws_.settings.gradeScale));
  }
  ShowCharts(MonitorView::OneAttempt);
}

void ResultsConductor::ShowCharts(MonitorView view) {
  const std::filesystem::path folder = ws_.openTest.testFolder;
  if (folder.empty()) return;
  if (view == MonitorView::AllAttempts) ws_.selectedResult.clear();
  hideCharts();
  const MonitoredTest test = readMonitoredTest(folder);
  if (!test.load.loaded()) {
    parts_.showMessage(fromCp1251(loadMessage(test.load.status)));
    return;
  }
  Parsed<MonitorCharts> data =
      ReadFolderCharts(folder, test.test, test.settings, view, ws_.selectedResult);
  if (!data.ok()) {
    parts_.showMessage(ui("Ошибка открытия файла БД."));
    return;
  }
  LoadedChartsWindow loaded =
      loadChartsWindow(std::move(*data.value), ws_.scale, parts_.scheduler, parts_.window);
  if (!loaded.window) {
    parts_.showMessage(ui("Не вдалося відкрити вікно діаграм: ") + loaded.error);
    return;
  }
  charts_ = std::move(loaded.window);
  // Over the card, of its size: the result's picture and the name plate
  // stay in sight.
  const QRect card = parts_.rect(layout::kCardArea);
  charts_->move(parts_.window->mapToGlobal(card.center()) -
                QPoint(charts_->width() / 2, charts_->height() / 2));
  charts_->show();
  charts_->raise();
  charts_->activateWindow();
}

void ResultsConductor::cleanResults() {
  const std::filesystem::path folder = ws_.openTest.testFolder;
  if (folder.empty()) return;
  charts_.reset();
  const CleanOutcome out = CleanResults(folder);
  // What could not be deleted is still there to be listed.
  ws_.openTest.results = CountResults(folder);
  ws_.resultsCaption = resultsCaption(ws_.openTest.results.count);
  host_.showResultsCaption(ws_.resultsCaption);
  if (!out.kept.empty()) parts_.showMessage(fromCp1251(cleanErrorText(out)));
}

void ResultsConductor::hideCharts() {
  if (charts_) charts_->hide();
}

}  // namespace ispyt
