#include "results/DateTimeText.h"

namespace ispyt {
namespace {

std::string twoDigits(int value) { return (value < 10 ? "0" : "") + std::to_string(value); }

}  // namespace

DateTimeText FormatDateTime(const std::tm& t) {
  const std::string year = std::to_string(t.tm_year + 1900);
  const std::string yy = year.size() >= 4 ? year.substr(2, 2) : twoDigits(t.tm_year % 100);
  return {twoDigits(t.tm_mday) + "." + twoDigits(t.tm_mon + 1) + "." + yy,
          twoDigits(t.tm_hour) + ":" + twoDigits(t.tm_min) + ":" + twoDigits(t.tm_sec)};
}

std::tm localTimeNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
#if defined(_WIN32)
  localtime_s(&local, &now);
#else
  localtime_r(&now, &local);
#endif
  return local;
}

}  // namespace ispyt
