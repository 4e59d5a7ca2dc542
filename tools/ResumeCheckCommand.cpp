// resume-check: the attempts whose journals wait in a program folder after
// a crash or a power cut, rebuilt headless to tell how far each came; the
// program offers them at its next start.  Nothing is changed.

#include <cstdio>
#include <filesystem>
#include <string>

#include "Commands.h"
#include "Json.h"
#include "attempt/AttemptJournal.h"
#include "attempt/RebuildAttempt.h"
#include "platform/Cp1251.h"
#include "platform/Paths.h"

namespace ispyt::tool {
namespace {

const char* const kHelp = R"(usage: ispyt-tool resume-check PROGRAM_FOLDER

Lists, as JSON, the journals of attempts cut off by a crash or a power cut
that wait in Journal/ of the program folder: the test, the testee's name,
the attempt code, the tasks done of how many, the time used of the time
limit (seconds), and whether the attempt can be resumed (and why not: a
damaged journal, a test file changed since).  Each is rebuilt headless as
the program rebuilds it; nothing is written.  Exit status: 0 listed, 1 the
folder cannot be read, 2 bad usage.
)";

}  // namespace

int runResumeCheck(const Args& args) {
  if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
    std::fputs(kHelp, stdout);
    return 0;
  }
  if (args.size() != 1) {
    std::fputs(kHelp, stderr);
    return 2;
  }
  const std::filesystem::path folder = args[0];
  std::error_code ec;
  if (!std::filesystem::is_directory(folder, ec)) {
    std::fprintf(stderr, "resume-check: %s is not a folder\n", folder.string().c_str());
    return 1;
  }
  Json json;
  json.beginObject();
  json.key("programFolder").utf8(folder.string());
  json.key("journals").beginArray();
  for (const std::filesystem::path& file : waitingJournals(folder)) {
    json.beginObject();
    json.key("journal").utf8(file.string());
    const JournalReading journal = ReadJournal(readFileBytes(file).value_or(""));
    if (!journal.ok()) {
      json.key("resumable").boolean(false);
      json.key("refusal").utf8("line " + std::to_string(journal.faultLine) + ": " + journal.fault);
      json.endObject();
      continue;
    }
    const JournalStart& start = journal.start;
    json.key("test").text(start.testName);
    json.key("testFolder").text(cp1251FromPath(start.testFolder));
    json.key("name").text(start.card.fullName);
    json.key("attemptCode").text(start.attemptCode);
    json.key("steps").number(static_cast<std::int64_t>(journal.steps.size()));
    json.key("cut").boolean(journal.cut);
    const RebuiltAttempt rebuilt = rebuildAttempt(journal);
    json.key("resumable").boolean(rebuilt.ok());
    if (rebuilt.ok()) {
      const AttemptState& s = rebuilt.state;
      json.key("tasksDone").number(static_cast<std::int64_t>(s.doneCount()));
      json.key("taskCount").number(static_cast<std::int64_t>(s.taskCount));
      json.key("timeUsed").number(static_cast<std::int64_t>(s.elapsed));
      json.key("timeLimit").number(static_cast<std::int64_t>(s.timeLimit * 60));
    } else {
      json.key("refusal").text(rebuilt.refusal);
    }
    json.endObject();
  }
  json.endArray();
  json.endObject();
  std::fputs(json.str().c_str(), stdout);
  return 0;
}

}  // namespace ispyt::tool
