#pragma once
// Runs ispyt-tool as a user would, for the tests of its commands: its exit
// status and what it printed on each stream.

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/Paths.h"

struct ToolRun {
  int code;  // the exit status; 128 + the signal when killed
  std::string out, err;
};

// `args` as the shell takes them, after the variables of `environment`
// ("NAME=value ..."); the two streams pass through files in `scratch`.
inline ToolRun runTool(const std::string& args, const std::filesystem::path& scratch,
                       const std::string& environment = "") {
  const std::filesystem::path out = scratch / "out", err = scratch / "err";
  const std::string cmd = environment + " " + std::string(ISPYT_TOOL) + " " + args + " >'" +
                          out.string() + "' 2>'" + err.string() + "'";
  const int status = std::system(cmd.c_str());
  const int code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  return {code, ispyt::readFileBytes(out).value_or(""), ispyt::readFileBytes(err).value_or("")};
}
