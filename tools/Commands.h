#pragma once
// The subcommands of ispyt-tool.  Each takes the arguments after its name
// and returns the process exit code (0 done, 1 failed, 2 bad usage).

#include <string>
#include <vector>

namespace ispyt::tool {

using Args = std::vector<std::string>;

struct Command {
  const char* name;
  const char* summary;
  int (*run)(const Args& args);
};

int runMakeTest(const Args& args);
int runImportGift(const Args& args);
int runExportGift(const Args& args);
int runInspectTest(const Args& args);
int runDump(const Args& args);
int runSettings(const Args& args);
int runRender(const Args& args);
int runSimulate(const Args& args);
int runMonitor(const Args& args);
int runScreen(const Args& args);
int runTransition(const Args& args);
int runResumeCheck(const Args& args);

}  // namespace ispyt::tool
