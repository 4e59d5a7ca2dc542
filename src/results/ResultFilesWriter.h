#pragma once
// The attempt engine's hand-over of a finished attempt, served by the result
// files: grading and writing them when the engine asks, the grade for the
// closing animation, and the message to the teacher's computer.

#include <string>

#include "attempt/ResultWriter.h"
#include "results/WriteReport.h"

namespace ispyt {

class ResultFilesWriter : public ResultWriter {
 public:
  explicit ResultFilesWriter(ResultFilesContext context) : context_(std::move(context)) {}

  // Mode 3: the code the exam result is stored under.
  void evaluateExam(const std::string& attemptCode) override;
  void writeResults() override;
  // The grade when the result screen shows one, else 0.
  int grade() const override;
  // "1".."12" with a shown grade, "Last" without; empty before the results
  // are graded.
  std::string gradeSound() const override;
  void sendResult() override { sendAfterClosing(context_, outcome_); }
  // Every message closes its own connection once it is written.
  void closeNetwork() override {}
  bool answersSafe() const override { return outcome_.stored() || !outcome_.keptFile.empty(); }

  // A result that could not be stored, written once more; true when it now
  // is.
  bool writeAgain() { return WriteReportAgain(context_, outcome_); }

  const WriteReportOutcome& outcome() const { return outcome_; }
  const ResultFilesContext& context() const { return context_; }

 private:
  ResultFilesContext context_;
  WriteReportOutcome outcome_;
};

}  // namespace ispyt
