#pragma once
// The end of an attempt on the main window: the result diagram and then
// the closing picture with the grade, in the middle of the option area, and
// the result files written when the testee clicks past the diagram.  A
// result that could not be stored is said on the card, which a click then
// writes again.  The name plate under the score panel names the testee and
// the attempt code, from the attempt's start or of a stored result opened.

#include <QImage>
#include <QPoint>
#include <string>

#include "attempt/AttemptEndScreen.h"
#include "attempt/ResultWriter.h"
#include "attempt/ui/TaskCanvas.h"
#include "presentation/qt/FirstScreen.h"
#include "results/ResultFilesWriter.h"

namespace ispyt {

class ResultScreen : public AttemptEndScreen, public ResultWriter {
 public:
  ResultScreen(TaskCanvas& canvas, const FirstScreenLook& look, ResultFilesContext files);

  const WriteReportOutcome& outcome() const { return writer_.outcome(); }
  // A left click on the window; true when it wrote the result again.
  bool click(QPoint at);
  // The name plate: the card's name and `attemptCode`.
  void DrawNamePlate(const std::string& attemptCode);
  // A stored report loaded for review (its tables by file number): its
  // diagram as the attempt ended, its grade's picture when `grade` is not
  // 0, the name plate, and `summary` (Windows-1251 lines) on the card.
  void showStored(int grade, const std::string& summary);

  // AttemptEndScreen
  void attemptStarted() override;
  void drawDiagram(double angle, bool prompt) override;
  void drawClosingStep(int step, int grade) override;
  void closingEnded() override;
  // ResultWriter
  void evaluateExam(const std::string& attemptCode) override { writer_.evaluateExam(attemptCode); }
  void writeResults() override;
  int grade() const override { return writer_.grade(); }
  std::string gradeSound() const override { return writer_.gradeSound(); }
  void sendResult() override { writer_.sendResult(); }
  void closeNetwork() override { writer_.closeNetwork(); }
  bool answersSafe() const override { return writer_.answersSafe(); }

 private:
  void paintDiagram(double angle, bool prompt, const GradingCounts& counts);
  void paintClosing(int step, int grade);

  TaskCanvas& canvas_;
  FirstScreenLook look_;
  ResultFilesWriter writer_;
  QImage closingBackdrop_;
  double diagramAngle_ = 0;
  int closingGrade_ = 0;
  bool failureShown_ = false;
};

}  // namespace ispyt
