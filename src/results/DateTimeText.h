#pragma once
// The date and time texts of a stored result: dd.mm.yy and hh:mm:ss, two
// digits each.

#include <ctime>
#include <string>

namespace ispyt {

struct DateTimeText {
  std::string date;
  std::string time;
};

DateTimeText FormatDateTime(const std::tm& local);

// The local clock now.
std::tm localTimeNow();

}  // namespace ispyt
