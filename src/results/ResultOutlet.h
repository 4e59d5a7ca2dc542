#pragma once
// Where a workstation's results leave for the teacher's computer.  The
// result files hand it what they store; ResultSender is the program's.

#include <string>

namespace ispyt {

class ResultOutlet {
 public:
  virtual ~ResultOutlet() = default;
  // Sending is switched on ("сервер").
  virtual bool on() const = 0;
  // Delivers what waits in the outbox, oldest first.
  virtual void deliver() = 0;
  // Keeps a result message in the outbox, then delivers.
  virtual void send(const std::string& message) = 0;
};

}  // namespace ispyt
