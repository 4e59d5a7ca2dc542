#pragma once
// One attempt as the teacher's receiver keeps it: the result message's
// values in UTF-8, where it came from and when.

#include <string>
#include <vector>

namespace ispyt::receiver {

struct StoredAttempt {
  long long id = 0;  // in the order received
  std::string attemptCode;
  std::string cardCode;
  int elapsed = 0;
  std::string timeText;  // hh:mm:ss, the station's clock
  int mode = 0;
  bool shuffle = false;
  std::string fullName;
  std::string classGroup;
  std::string dateText;  // dd.mm.yy
  std::string testName;
  int percent = 0;
  int result120 = 0;
  int taskCount = 0;
  std::string station;     // the sender's address
  std::string receivedAt;  // yyyy-mm-dd hh:mm:ss, the receiver's clock
};

struct StoredTask {
  int task = 0;  // its number in the test file
  int percent = 0;
  std::string answer;
};

}  // namespace ispyt::receiver
