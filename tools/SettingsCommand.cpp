// settings: prints the settings of test folders and changes them, writing
// "Config.ini" by the settings dialog's own writer.

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "Commands.h"
#include "Dump.h"
#include "content/ConfigFile.h"
#include "content/LoadTest.h"
#include "content/ReadTestFolder.h"
#include "content/SettingsSource.h"
#include "platform/Cp1251.h"
#include "platform/Paths.h"
#include "platform/Random.h"

namespace ispyt::tool {
namespace {

namespace fs = std::filesystem;

const char* const kHelp = R"(usage: ispyt-tool settings TEST_FOLDER... [--set KEY=VALUE ...]

Prints the settings of each test folder as JSON, one object per folder, as
opening the test reads its Config.ini (the same fields as `dump Config.ini`).

With --set the values are first saved into each folder's Config.ini by the
writer of the settings dialog's "Ок" and with its rules: when a task has no
weight every weight is saved as 0, a scale outside 5..120 is saved as 12.
What is not given keeps the value the folder has.  Every value is checked
for every folder before anything is written: one that is wrong (intervals
that do not follow each other from task 1 to the last, a link across the end
of an interval, a password with a leading 0, ...) is refused with its reason
and no file is written.  The new file replaces the old one only once it is
complete, so a failed save leaves the old file as it was.

KEY=VALUE takes the words of make-test's settings lines (lists part at
blanks or commas; quote a value with blanks):
  mode=exam             hint, training, test, exam, monitoring
  time=45               minutes, 1..90
  card=no               the registration card
  shuffle=yes  delay=yes  no-free-moves=yes  review-in-order=yes
  grade=no  percent=no  the grade, results in percent
  scale=12              top of the grading scale (saved as 12 outside 5..120)
  guessing=none         optimal, none, very-low, low, medium, high, very-high
  weights="2 1 3"       a weight 0..99 per task, or none
  intervals=1-5,6-12    up to 6, from task 1 to the last in order
  links=2-4,7-8         runs of 2..8 tasks inside one interval, or none
  password=1234         1..5 digits without a leading 0, or none
  launches=5            the launch counter, 0..99

Exit status: 0 done, 1 a folder is no test or a value was refused or a save
failed, 2 bad usage.
)";

struct Folder {
  fs::path path;
  int tasks = 0;
  ConfigReading reading;
  SettingsDialogState toSave;
};

// The test's tasks, or 0 after printing why the folder is no test.
int loadTasks(const fs::path& folder, Test& test) {
  if (!exists(folder, "test.txt")) {
    std::fprintf(stderr, "settings: %s: no test.txt here\n", folder.c_str());
    return 0;
  }
  Random random(1);
  LoadResult loaded = LoadTest(locate(folder, "test.txt"), test, random);
  if (!loaded.loaded() || loaded.taskCount() < 1) {
    std::fprintf(stderr, "settings: %s: test.txt does not load: %s\n", folder.c_str(),
                 cp1251ToUtf8(loadMessage(loaded.status)).c_str());
    return 0;
  }
  return loaded.taskCount();
}

}  // namespace

int runSettings(const Args& args) {
  std::vector<fs::path> paths;
  std::vector<SettingsSourceLine> sets;
  bool setting = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--help" || a == "-h") {
      std::fputs(kHelp, stdout);
      return 0;
    }
    if (a == "--set") {
      setting = true;
      continue;
    }
    if (!setting) {
      paths.emplace_back(a);
      continue;
    }
    std::size_t eq = a.find('=');
    std::string key = a.substr(0, eq);
    if (eq == std::string::npos || !isSettingsKey(key)) {
      std::fprintf(stderr, "settings: '%s' is not KEY=VALUE with a known key\n", a.c_str());
      return 2;
    }
    sets.push_back({static_cast<int>(sets.size() + 1), key, a.substr(eq + 1)});
  }
  if (paths.empty() || (setting && sets.empty())) {
    std::fputs(kHelp, stderr);
    return 2;
  }

  // Everything is checked before the first file is written.
  std::vector<Folder> folders;
  bool refused = false;
  for (const fs::path& path : paths) {
    Folder f{path};
    Test test;
    f.tasks = loadTasks(path, test);
    if (f.tasks == 0) {
      refused = true;
      continue;
    }
    f.reading = readTestSettings(path, test, f.tasks, 1);
    f.toSave = f.reading.dialog;
    if (auto error = applySettingsLines(f.toSave, sets, SettingsWords::Dialog)) {
      const SettingsSourceLine& line = sets[static_cast<std::size_t>(error->line - 1)];
      std::fprintf(stderr, "settings: %s: %s=%s: %s\n", path.c_str(), line.key.c_str(),
                   line.value.c_str(), error->message.c_str());
      refused = true;
    }
    folders.push_back(std::move(f));
  }
  if (refused) {
    if (!sets.empty()) std::fputs("settings: nothing was written\n", stderr);
    return 1;
  }

  bool failed = false;
  for (Folder& f : folders) {
    if (sets.empty()) continue;
    const char* folder = f.path.c_str();
    for (const std::string& note : savingAdjustments(f.toSave))
      std::fprintf(stderr, "settings: %s: note: %s\n", folder, note.c_str());
    if (!f.reading.checksumMatched && f.reading.passwordInFile != 0 &&
        !f.toSave.values.hasPassword())
      std::fprintf(stderr,
                   "settings: %s: note: the file's checksum did not match, so its password "
                   "was dropped; give password=... to set one\n",
                   folder);
    if (std::error_code error = saveConfig(f.path, f.toSave)) {
      std::fprintf(stderr, "settings: %s: Config.ini not saved: %s; the old file is unchanged\n",
                   folder, error.message().c_str());
      failed = true;
    }
  }
  for (const Folder& f : folders) {
    Test test;
    int tasks = loadTasks(f.path, test);
    if (tasks == 0) continue;
    std::fputs(
        configJson(configPath(f.path), tasks, "test.txt", readTestSettings(f.path, test, tasks, 1))
            .c_str(),
        stdout);
  }
  return failed ? 1 : 0;
}

}  // namespace ispyt::tool
