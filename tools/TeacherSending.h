#pragma once
// simulate's sending: the results of the run go to the teacher's computer
// as the workstation sends them, through the same outbox and sender, on a
// real connection; the tool waits until the delivery ends.

#include <QCoreApplication>
#include <memory>
#include <optional>
#include <string>

#include "Json.h"
#include "platform/qt/QtScheduler.h"
#include "platform/qt/QtTcpClient.h"
#include "results/ResultSender.h"
#include "shell/Workstation.h"

namespace ispyt::tool {

// "HOST:PORT"; nothing when it is not one.
std::optional<TeacherAddress> parseTeacherAddress(const std::string& text);

class TeacherSending {
 public:
  // `teacher` replaces decor.ini's address and port, and switches sending
  // on, for this run.
  TeacherSending(Workstation& ws, std::optional<TeacherAddress> teacher);
  ~TeacherSending();

  // Nothing while sending is off.
  ResultOutlet* outlet() { return sender_.get(); }
  // Delivers what waits, oldest first, until done or a failure stops it.
  void deliver();
  void writeJson(Json& json) const;
  // What waits still, said on standard error; false when nothing does.
  bool reportWaiting() const;

 private:
  Workstation& ws_;
  std::optional<TeacherAddress> teacher_;
  std::unique_ptr<QCoreApplication> app_;
  std::unique_ptr<QtScheduler> scheduler_;
  std::unique_ptr<QtTcpClient> client_;
  std::unique_ptr<ResultSender> sender_;
};

}  // namespace ispyt::tool
