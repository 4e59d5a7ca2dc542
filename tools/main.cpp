// ispyt-tool: the command-line companion of the workstation program.  It
// calls the same core as the program: authoring and checking tests,
// printing stored files, running attempts headless.

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr const char* kUsage =
    "usage: ispyt-tool <command> [options]\n"
    "\n"
    "commands:\n"
    "  --help       show this text\n"
    "  --version    show the version\n";

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty() || args[0] == "--help" || args[0] == "-h") {
    std::fputs(kUsage, args.empty() ? stderr : stdout);
    return args.empty() ? 2 : 0;
  }
  if (args[0] == "--version") {
    std::printf("ispyt-tool %s\n", ISPYT_VERSION);
    return 0;
  }
  std::fprintf(stderr, "ispyt-tool: unknown command '%s'\n%s", args[0].c_str(), kUsage);
  return 2;
}
