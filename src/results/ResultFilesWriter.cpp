#include "results/ResultFilesWriter.h"

namespace ispyt {

void ResultFilesWriter::evaluateExam(const std::string& attemptCode) {
  context_.openTest.attemptCode = attemptCode;
}

void ResultFilesWriter::writeResults() { outcome_ = WriteReport(context_); }

int ResultFilesWriter::grade() const { return outcome_.grade.shown ? outcome_.grade.grade : 0; }

std::string ResultFilesWriter::gradeSound() const { return outcome_.grade.sound; }

}  // namespace ispyt
