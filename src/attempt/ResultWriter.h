#pragma once
// What happens to a finished attempt once the testee has clicked past the
// result diagram: grading, the result files and sending.  The engine calls
// these in this order: evaluateExam (mode 3 only), writeResults, then after
// the closing animation sendResult (not in mode 3, and only under a known
// name) and closeNetwork.

#include <string>

namespace ispyt {

class ResultWriter {
 public:
  virtual ~ResultWriter() = default;
  // Mode 3: hands the attempt code to the exam evaluation.
  virtual void evaluateExam(const std::string& attemptCode) = 0;
  // Grades the attempt and writes the report, the monitoring records and
  // the result database; a launch-limited test also uses up one launch.
  virtual void writeResults() = 0;
  // The grade the closing animation draws (0 = none).
  virtual int grade() const = 0;
  // The sound that goes with the grade when the closing animation has run
  // ("1".."12", or "Last" when no grade is shown); empty for none.
  virtual std::string gradeSound() const { return {}; }
  // Sends the result to the teacher's computer when sending is switched on.
  virtual void sendResult() = 0;
  virtual void closeNetwork() = 0;
  // After writeResults: the answers are stored, or kept to be stored
  // later, so that nothing else need hold them.
  virtual bool answersSafe() const { return true; }
};

}  // namespace ispyt
