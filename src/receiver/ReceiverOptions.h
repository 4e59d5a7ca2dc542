#pragma once
// The command line of ispyt-receiver.

#include <string>
#include <vector>

namespace ispyt::receiver {

inline constexpr int kDefaultPort = 62;

struct ReceiverOptions {
  int port = kDefaultPort;
  std::string database;   // empty: the default file
  bool headless = false;  // no window: results are stored and logged
  std::string exportCsv;  // export the database to this file and exit
  bool help = false;
  bool version = false;
  std::string error;  // why the line is not usable; empty when it is
};

ReceiverOptions parseReceiverOptions(const std::vector<std::string>& args);

extern const char* const kReceiverHelp;

}  // namespace ispyt::receiver
