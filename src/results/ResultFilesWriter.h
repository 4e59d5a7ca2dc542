#pragma once
// The attempt engine's hand-over of a finished attempt, served by the result
// files: grading and writing them when the engine asks, the grade for the
// closing animation, and the network steps passed on to whoever sends.

#include <functional>
#include <string>

#include "attempt/ResultWriter.h"
#include "results/WriteReport.h"

namespace ispyt {

class ResultFilesWriter : public ResultWriter {
 public:
  struct Network {
    std::function<void()> sendAfterClosing;  // empty: sending is off
    std::function<void()> close;
  };

  ResultFilesWriter(ResultFilesContext context, Network network)
      : context_(std::move(context)), network_(std::move(network)) {}

  // Mode 3: the code the exam result is stored under.
  void evaluateExam(const std::string& attemptCode) override;
  void writeResults() override;
  // The grade when the result screen shows one, else 0.
  int grade() const override;
  // "1".."12" with a shown grade, "Last" without; empty before the results
  // are graded.
  std::string gradeSound() const override;
  void sendResult() override;
  void closeNetwork() override;
  bool answersSafe() const override { return outcome_.stored() || !outcome_.keptFile.empty(); }

  // A result that could not be stored, written once more; true when it now
  // is.
  bool writeAgain() { return WriteReportAgain(context_, outcome_); }

  const WriteReportOutcome& outcome() const { return outcome_; }
  const ResultFilesContext& context() const { return context_; }

 private:
  ResultFilesContext context_;
  Network network_;
  WriteReportOutcome outcome_;
};

}  // namespace ispyt
