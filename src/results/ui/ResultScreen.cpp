#include "results/ui/ResultScreen.h"

#include <QPainter>
#include <QPainterPath>
#include <numbers>

#include "attempt/AttemptEngine.h"
#include "platform/Cp1251.h"
#include "platform/qt/QtText.h"
#include "presentation/MainLayout.h"
#include "results/AttemptRecords.h"
#include "results/ui/ClosingPicture.h"
#include "results/ui/NamePlatePicture.h"
#include "results/ui/ResultDiagram.h"

namespace ispyt {

ResultScreen::ResultScreen(TaskCanvas& canvas, const FirstScreenLook& look,
                           ResultFilesContext files)
    : canvas_(canvas), look_(look), writer_(std::move(files)) {}

namespace {

const QColor kFailureColour(160, 0, 0);

}  // namespace

void ResultScreen::attemptStarted() { DrawNamePlate(writer_.context().openTest.attemptCode); }

void ResultScreen::DrawNamePlate(const std::string& attemptCode) {
  const ResultFilesContext& c = writer_.context();
  const QRect box = canvas_.rect(layout::kNamePlate);
  const QImage plate =
      namePlatePicture(canvas_.background()->copy(box),
                       {c.card.fullName, attemptCode, c.settings.shuffle, false}, canvas_.scale());
  QPainter p(&canvas_.screen());
  p.drawImage(box.topLeft(), plate);
  p.end();
  canvas_.repaint();
}

void ResultScreen::showStored(int grade, const std::string& summary) {
  const ResultFilesContext& c = writer_.context();
  // A result still to be stored is written at the next opening or start:
  // the card now shows this one.
  failureShown_ = false;
  canvas_.drawCardText(fromCp1251(summary), look_.frameColour.darker(150),
                       canvas_.scale().font(14));
  diagramAngle_ = 6 * std::numbers::pi;
  paintDiagram(diagramAngle_, false, gradingCounts(c.attempt, c.test, c.settings, true));
  if (grade != 0) {
    closingBackdrop_ = canvas_.screen().copy(canvas_.rect(layout::kResultPicture));
    paintClosing(kClosingSteps, grade);
  }
  DrawNamePlate(c.result.attemptCode);
}

void ResultScreen::writeResults() {
  writer_.writeResults();
  // Storing may have drawn the code anew.
  DrawNamePlate(writer_.context().result.attemptCode);
  failureShown_ = !writer_.outcome().stored();
  if (failureShown_) {
    canvas_.drawCardText(fromCp1251(resultNotStoredText(writer_.outcome())), kFailureColour,
                         canvas_.scale().font(12));
    canvas_.repaint();
  }
}

bool ResultScreen::click(QPoint at) {
  if (!failureShown_ || !canvas_.rect(layout::kCardArea).contains(at)) return false;
  failureShown_ = !writer_.writeAgain();
  const WriteReportOutcome& out = writer_.outcome();
  canvas_.drawCardText(fromCp1251(failureShown_ ? resultNotStoredText(out)
                                                : cp1251("Результат записано.")),
                       failureShown_ ? kFailureColour : look_.frameColour.darker(150),
                       canvas_.scale().font(failureShown_ ? 12 : 20));
  canvas_.repaint();
  return true;
}

void ResultScreen::drawDiagram(double angle, bool prompt) {
  diagramAngle_ = angle;
  const ResultFilesContext& c = writer_.context();
  // Graded as the result files will grade it: a broken-off attempt shows
  // the tasks it left as wrong.
  paintDiagram(angle, prompt, gradingCounts(c.attempt, c.test, c.settings));
}

void ResultScreen::paintDiagram(double angle, bool prompt, const GradingCounts& counts) {
  const QRect box = canvas_.rect(layout::kResultPicture);
  const QImage picture = resultDiagram(box.size(), angle, counts.elementsJudged,
                                       counts.wrongElements, prompt, canvas_.background()->copy(box));
  QPainter p(&canvas_.screen());
  p.drawImage(box.topLeft(), picture);
  p.end();
  canvas_.repaint();
}

void ResultScreen::drawClosingStep(int step, int grade) {
  closingGrade_ = grade;
  if (step == 1) {
    // The closing dims the diagram as it stood, without its prompt.
    drawDiagram(diagramAngle_, false);
    closingBackdrop_ = canvas_.screen().copy(canvas_.rect(layout::kResultPicture));
  }
  paintClosing(step, grade);
}

void ResultScreen::paintClosing(int step, int grade) {
  const QRect box = canvas_.rect(layout::kResultPicture);
  const QImage picture = closingPicture(box.size(), step, grade,
                                        writer_.context().settings.gradeScale, closingBackdrop_);
  QPainter p(&canvas_.screen());
  p.setRenderHint(QPainter::Antialiasing);
  // Framed like the card, so the dimmed picture sits in the screen.
  const double corner = canvas_.scale().font(16);
  QPainterPath frame;
  frame.addRoundedRect(QRectF(box).adjusted(1, 1, -1, -1), corner, corner);
  p.setClipPath(frame);
  p.drawImage(box.topLeft(), picture);
  p.setClipping(false);
  p.setPen(QPen(look_.frameColour, 2));
  p.drawPath(frame);
  p.end();
  canvas_.repaint();
}

void ResultScreen::closingEnded() {
  // Without a grade the closing only leads the eye away: the diagram stays
  // as the attempt's last word, its prompt gone.
  if (closingGrade_ == 0) drawDiagram(diagramAngle_, false);
}

}  // namespace ispyt
