#include "content/ReadTestFolder.h"

#include <system_error>

#include "content/AttemptCode.h"
#include "platform/Paths.h"
#include "platform/ReplaceFile.h"

namespace ispyt {
namespace {

void makeFilesWritable(const std::filesystem::path& folder) {
  std::error_code ec;
  for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
       it.increment(ec)) {
    std::error_code ignored;
    if (it->is_regular_file(ignored))
      std::filesystem::permissions(it->path(), std::filesystem::perms::owner_write,
                                   std::filesystem::perm_options::add, ignored);
  }
}

}  // namespace

std::uint64_t testFileCheck(const std::filesystem::path& testFolder) {
  const auto bytes = readFileBytes(locate(testFolder, "test.txt"));
  if (!bytes) return 0;
  std::uint64_t h = 14695981039346656037ull;  // FNV-1a
  for (unsigned char c : *bytes) h = (h ^ c) * 1099511628211ull;
  return h;
}

ConfigReading readTestSettings(const std::filesystem::path& testFolder, const Test& test,
                               int taskCount, int launchesLeft) {
  ConfigReading config = readConfigFile(testFolder, taskCount, launchesLeft);
  for (int i = 1; i <= config.dialog.taskCount; ++i)
    config.dialog.elementCounts[i] = test.task(i).elementCount;
  return config;
}

TestFolderReading ReadTestFolder(const std::filesystem::path& testFolder, char monitoringLetter,
                                 int launchesLeft, Random& random) {
  TestFolderReading r;
  makeFilesWritable(testFolder);
  removeLeftoverReplacements(testFolder);
  r.shuffleState = random.state();
  r.fileCheck = testFileCheck(testFolder);
  r.load = LoadTest(locate(testFolder, "test.txt"), r.test, random);
  if (!r.hasTasks()) return r;
  const int n = r.load.taskCount();
  r.config = readTestSettings(testFolder, r.test, n, launchesLeft);
  r.attemptCode = drawAttemptCode(r.config.settings.mode, monitoringLetter, testFolder, random);
  if (r.attemptCode) r.results = CountResults(testFolder);
  return r;
}

}  // namespace ispyt
