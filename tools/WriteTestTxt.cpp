#include "WriteTestTxt.h"

#include <cstdio>
#include <system_error>

#include "content/LoadTest.h"
#include "content/WriteTest.h"
#include "platform/Paths.h"
#include "platform/ReplaceFile.h"

namespace ispyt::tool {

bool writeTestTxt(const std::filesystem::path& folder, const TestSource& source, Random& random,
                  const char* command) {
  std::string bytes = writeTestFile(source, random);
  // What the program will see: the same loader, on the bytes to be written.
  Test loaded;
  LoadResult result = readTest(bytes, loaded, random, [](const std::string&) { return false; });
  if (!result.loaded() || result.taskCount() != static_cast<int>(source.tasks.size())) {
    std::fprintf(stderr, "%s: the test written would not load back (line %d: %s)\n", command,
                 result.line, result.reason.c_str());
    return false;
  }
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  std::filesystem::path file = locate(folder, "test.txt");  // "Test.txt" is the same file
  if (!ec) ec = replaceFile(file, bytes);
  if (ec) {
    std::fprintf(stderr, "%s: cannot write %s: %s\n", command, file.c_str(), ec.message().c_str());
    return false;
  }
  return true;
}

}  // namespace ispyt::tool
