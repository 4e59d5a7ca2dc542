#include "receiver/ReceiverOptions.h"

#include <charconv>

namespace ispyt::receiver {

const char* const kReceiverHelp = R"(Usage: ispyt-receiver [--port N] [--db FILE] [--headless]
  or:  ispyt-receiver --export-csv OUT [--db FILE]

The teacher's receiver: takes the results the workstations of a class send
(their appearance dialog's "Сервер" with this computer's address) and keeps
every attempt in a SQLite database, once however often it arrives.  Its
window shows the results as they arrive; a table of them can be exported
for a spreadsheet.

  --port N          listen on TCP port N (default 62; ports below 1024
                    need the administrator's rights on many systems, so a
                    school may choose e.g. 6200 and set it on the stations:
                    [порт] Port=6200 in their Decor/decor.ini)
  --db FILE         the database (default: results.db in the user's data
                    folder for ispyt-receiver)
  --headless        no window: results are stored, and each arrival or
                    refusal is logged on standard error
  --export-csv OUT  write the database's attempts to OUT (UTF-8 with a byte
                    order mark, fields split by ';') and exit
  --help            this text
  --version         the version

Exit status: 0 done, 1 the database or the port could not be used, 2 bad
usage.
)";

ReceiverOptions parseReceiverOptions(const std::vector<std::string>& args) {
  ReceiverOptions o;
  auto value = [&](std::size_t& i, const std::string& name) -> const std::string* {
    if (i + 1 >= args.size()) {
      o.error = name + " takes a value";
      return nullptr;
    }
    return &args[++i];
  };
  for (std::size_t i = 0; i < args.size() && o.error.empty(); ++i) {
    const std::string& a = args[i];
    if (a == "--help" || a == "-h") {
      o.help = true;
    } else if (a == "--version") {
      o.version = true;
    } else if (a == "--headless") {
      o.headless = true;
    } else if (a == "--port") {
      if (const std::string* v = value(i, a)) {
        int port = 0;
        auto [end, ec] = std::from_chars(v->data(), v->data() + v->size(), port);
        if (ec != std::errc() || end != v->data() + v->size() || port < 0 || port > 65535)
          o.error = "--port takes a number from 0 to 65535";
        else
          o.port = port;
      }
    } else if (a == "--db") {
      if (const std::string* v = value(i, a)) o.database = *v;
    } else if (a == "--export-csv") {
      if (const std::string* v = value(i, a)) o.exportCsv = *v;
    } else {
      o.error = "unknown argument '" + a + "'";
    }
  }
  return o;
}

}  // namespace ispyt::receiver
