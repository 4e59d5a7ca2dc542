// ispyt-tool: the command-line companion of the workstation program.  It
// calls the same core as the program: authoring and checking tests,
// printing stored files, running attempts headless.

#include <cstdio>
#include <string>

#include "Commands.h"

namespace {

using ispyt::tool::Command;

// The table of subcommands; each entry's `run` is defined in the file
// named after the command (the empty entry only ends the table).
const Command kCommands[] = {
    {"make-test", "compile a test source into a test folder", ispyt::tool::runMakeTest},
    {"import-gift", "make a test folder from GIFT questions", ispyt::tool::runImportGift},
    {"export-gift", "write a test folder's tasks as GIFT questions", ispyt::tool::runExportGift},
    {"inspect-test", "load a test.txt as the program does and print it as JSON", ispyt::tool::runInspectTest},
    {"dump", "print a settings or result file as JSON", ispyt::tool::runDump},
    {"settings", "print test folders' settings, or change them (--set KEY=VALUE)", ispyt::tool::runSettings},
    {"render", "draw a marked-up text into a PNG as a text slot shows it", ispyt::tool::runRender},
    {"simulate", "run one attempt headless from a script of answers", ispyt::tool::runSimulate},
    {"monitor", "the monitoring charts of a test folder as JSON, CSV, PNG or PDF",
     ispyt::tool::runMonitor},
    {"screen", "draw the main screen of a program folder into a PNG", ispyt::tool::runScreen},
    {"transition", "run one card transition headless and count its ticks", ispyt::tool::runTransition},
    {"resume-check", "list the attempts a crash cut off that wait to be resumed",
     ispyt::tool::runResumeCheck},
    {nullptr, nullptr, nullptr},
};

void usage(std::FILE* to) {
  std::fputs("Usage: ispyt-tool <command> [options]\n\ncommands:\n", to);
  for (const Command& c : kCommands)
    if (c.name) std::fprintf(to, "  %-14s %s\n", c.name, c.summary);
  std::fputs("  --help         show this text (and 'ispyt-tool <command> --help')\n"
             "  --version      show the version\n",
             to);
}

}  // namespace

int main(int argc, char** argv) {
  ispyt::tool::Args args(argv + 1, argv + argc);
  if (args.empty()) {
    usage(stderr);
    return 2;
  }
  if (args[0] == "--help" || args[0] == "-h") {
    usage(stdout);
    return 0;
  }
  if (args[0] == "--version") {
    std::printf("ispyt-tool %s\n", ISPYT_VERSION);
    return 0;
  }
  for (const Command& c : kCommands)
    if (c.name && args[0] == c.name) return c.run(ispyt::tool::Args(args.begin() + 1, args.end()));
  std::fprintf(stderr, "ispyt-tool: unknown command '%s'\n", args[0].c_str());
  usage(stderr);
  return 2;
}
