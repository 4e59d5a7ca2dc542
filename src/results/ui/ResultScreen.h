#pragma once
// The end of an attempt on the main window: the result diagram and then
// the closing picture with the grade, in the middle of the option area, and
// the result files written when the testee clicks past the diagram.

#include <QImage>

#include "attempt/AttemptEndScreen.h"
#include "attempt/ui/TaskCanvas.h"
#include "presentation/ui/FirstScreen.h"
#include "results/ResultFilesWriter.h"

namespace ispyt {

class ResultScreen : public AttemptEndScreen {
 public:
  ResultScreen(TaskCanvas& canvas, const FirstScreenLook& look, ResultFilesContext files,
               ResultFilesWriter::Network network = {});

  // What the attempt hands its finished result to.
  ResultFilesWriter& writer() { return writer_; }

  void drawDiagram(double angle, bool prompt) override;
  void drawClosingStep(int step, int grade) override;
  void closingEnded() override;

 private:
  TaskCanvas& canvas_;
  FirstScreenLook look_;
  ResultFilesWriter writer_;
  QImage closingBackdrop_;
  double diagramAngle_ = 0;
  int closingGrade_ = 0;
};

}  // namespace ispyt
