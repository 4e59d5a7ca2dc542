// Any bytes as the journal of an attempt on the all-types test: refused, or
// replayed through the engine without a memory fault, a hang or an attempt
// outside its tables; and replayed twice, the same attempt.

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string_view>
#include <unistd.h>

#include "Require.h"
#include "attempt/AttemptJournal.h"
#include "attempt/RebuildAttempt.h"
#include "content/ReadTestFolder.h"
#include "content/SettingsSource.h"
#include "content/TestSource.h"
#include "content/WriteTest.h"
#include "platform/Random.h"

namespace fs = std::filesystem;

namespace {

// The test every journal is replayed on, compiled once from the demo's
// source into a folder removed at exit.
struct TestFolder {
  fs::path path = fs::temp_directory_path() / ("ispyt-fuzz-journal-" + std::to_string(getpid()));

  TestFolder() {
    fs::create_directories(path);
    std::ifstream in(fs::u8path(ISPYT_DEMO_TESTS "/Шкільні тести/Усі типи завдань.txt"),
                     std::ios::binary);
    std::stringstream read;
    read << in.rdbuf();
    std::string text = read.str();
    ispyt::takeSettingsLines(text);  // the journal carries its own settings
    ispyt::ParsedSource parsed = ispyt::parseTestSource(text);
    require(parsed.source.has_value());
    ispyt::Random random(7);
    std::ofstream(path / "test.txt", std::ios::binary) << ispyt::writeTestFile(*parsed.source, random);
  }
  ~TestFolder() {
    std::error_code ec;
    fs::remove_all(path, ec);
  }
};

const fs::path& testFolder() {
  static const TestFolder folder;
  return folder.path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  ispyt::JournalReading journal = ispyt::ReadJournal(bytes);
  if (!journal.ok()) return 0;
  journal.start.testFolder = testFolder();
  journal.start.fileCheck = ispyt::testFileCheck(testFolder());
  ispyt::RebuiltAttempt once = ispyt::rebuildAttempt(journal);
  if (!once.ok()) return 0;
  const ispyt::AttemptState& s = once.state;
  require(s.currentTask >= 0 && s.currentTask <= once.test.taskCount + 1);
  require(s.elapsed >= 0);
  ispyt::RebuiltAttempt twice = ispyt::rebuildAttempt(journal);
  require(twice.ok() && twice.state.currentTask == s.currentTask &&
          twice.state.elapsed == s.elapsed && twice.state.doneCount() == s.doneCount() &&
          twice.state.elementsJudged == s.elementsJudged);
  return 0;
}
