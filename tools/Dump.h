#pragma once
// `dump FILE`: prints a stored file as JSON.  The kind of file is told by its
// name; each kind lives in tools/Dump<Kind>.cpp and has one line in the
// table of tools/DumpCommand.cpp.

#include <filesystem>
#include <string>

#include "Commands.h"

namespace ispyt {
struct ConfigReading;
}

namespace ispyt::tool {

struct DumpKind {
  // A whole file name ("config.ini") or "*" and an extension ("*.rez");
  // matched ignoring case.
  const char* pattern;
  const char* usage;  // the options and what is printed, for --help
  // Prints `file`; `options` are the arguments after FILE.
  int (*run)(const std::filesystem::path& file, const Args& options);
};

int dumpConfig(const std::filesystem::path& file, const Args& options);
// A test's settings as `dump Config.ini` prints them: `tasks` and where
// that count came from, what reading found, each repair.
std::string configJson(const std::filesystem::path& file, int tasks, const std::string& tasksFrom,
                       const ConfigReading& reading);
int dumpClassLists(const std::filesystem::path& file, const Args& options);
int dumpDecor(const std::filesystem::path& file, const Args& options);
// The result files, in tools/DumpResults.cpp.
int dumpReport(const std::filesystem::path& file, const Args& options);
int dumpFocusLosses(const std::filesystem::path& file, const Args& options);
int dumpMonitor(const std::filesystem::path& file, const Args& options);
int dumpResultDb(const std::filesystem::path& file, const Args& options);

}  // namespace ispyt::tool
