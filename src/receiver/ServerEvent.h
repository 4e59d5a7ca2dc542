#pragma once
// What happens at the receiver, said twice: on standard error in English
// for whoever runs it, and in its window in Ukrainian for the teacher.

#include <string>

#include "results/ResultMessage.h"

namespace ispyt::receiver {

struct ServerEvent {
  enum class Kind {
    Stored,       // a new attempt
    StoredAgain,  // the same attempt once more: nothing new
    NotStored,    // the database refused it; it is tried again
    StoredLater,  // one of those, now stored
    Refused,      // not a result message
    Silent,       // connected and sent nothing
    CutShort,     // stopped in the middle of a message
    Lingering,    // connected too long
    TooMany,      // every place for a station taken
  };
  Kind kind = Kind::Stored;
  std::string station;    // its address
  ResultMessage message;  // the message's kinds: as received (Windows-1251)
  // Refused: the line at fault; NotStored: the database's words (English).
  int line = 0;
  std::string detail;
  int number = 0;  // Lingering: the seconds allowed; TooMany: the places
};

std::string logLine(const ServerEvent& event);
std::string windowLine(const ServerEvent& event);

}  // namespace ispyt::receiver
