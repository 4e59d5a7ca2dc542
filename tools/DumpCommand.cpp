// dump: prints any settings or result file as JSON, choosing the reader by
// the file's name.

#include <cstdio>
#include <string>

#include "Dump.h"
#include "platform/Cp1251.h"
#include "platform/Paths.h"

namespace ispyt::tool {
namespace {

const DumpKind kKinds[] = {
    {"config.ini", "[--tasks N]  a test's settings (N: the tasks of the test.txt beside it)",
     dumpConfig},
    {"*.dbs", "             class lists (School.dbs)", dumpClassLists},
    {"decor*.ini", "             the appearance and options (Decor/decor.ini), and the lines not used",
     dumpDecor},
    {"*.rez", "             an attempt's report", dumpReport},
    {"*.foc", "             the focus losses of an attempt, beside its report", dumpFocusLosses},
    {"monitor.dm", "[--tasks N]  monitoring records (N: the tasks of the test.txt beside it)",
     dumpMonitor},
    {"*.db", "             an attempt's result database (REZULT/<code>_<test>.Db)", dumpResultDb},
};

bool matches(const char* pattern, const std::string& name) {
  std::string p(pattern);
  if (std::size_t star = p.find('*'); star != std::string::npos && star > 0) {
    // "decor*.ini": a fixed start and end.
    std::string head = p.substr(0, star), tail = p.substr(star + 1);
    return name.size() >= head.size() + tail.size() &&
           cp1251EqualNoCase(std::string_view(name).substr(0, head.size()), head) &&
           cp1251EqualNoCase(std::string_view(name).substr(name.size() - tail.size()), tail);
  }
  if (p.size() > 1 && p[0] == '*') {
    std::string ext = p.substr(1);
    return name.size() > ext.size() &&
           cp1251EqualNoCase(std::string_view(name).substr(name.size() - ext.size()), ext);
  }
  return cp1251EqualNoCase(name, p);
}

void help(std::FILE* to) {
  std::fputs(
      "usage: ispyt-tool dump FILE [options]\n\n"
      "Prints FILE as JSON (texts in UTF-8).  The file's name tells its kind:\n",
      to);
  for (const DumpKind& k : kKinds) std::fprintf(to, "  %-12s %s\n", k.pattern, k.usage);
}

}  // namespace

int runDump(const Args& args) {
  if (args.empty()) {
    help(stderr);
    return 2;
  }
  if (args[0] == "--help" || args[0] == "-h") {
    help(stdout);
    return 0;
  }
  std::filesystem::path file(args[0]);
  std::string name = cp1251FromPath(file.filename());
  for (const DumpKind& k : kKinds)
    if (matches(k.pattern, name)) return k.run(file, Args(args.begin() + 1, args.end()));
  std::fprintf(stderr, "dump: no reader for a file named '%s'\n", args[0].c_str());
  help(stderr);
  return 2;
}

}  // namespace ispyt::tool
