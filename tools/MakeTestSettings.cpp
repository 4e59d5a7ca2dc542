#include "MakeTestSettings.h"

#include <cstdio>

#include "content/ConfigFile.h"
#include "platform/Cp1251.h"

namespace ispyt::tool {

SourceSettings::SourceSettings(std::string& utf8Source) : lines_(takeSettingsLines(utf8Source)) {}

bool SourceSettings::check(const std::string& sourceName, int taskCount) {
  if (lines_.empty()) return true;
  SettingsFromSource s = settingsFromSource(lines_, taskCount);
  if (!s.dialog) {
    std::fprintf(stderr, "%s:%d: %s\n", sourceName.c_str(), s.error.line, s.error.message.c_str());
    return false;
  }
  dialog_ = s.dialog;
  return true;
}

bool SourceSettings::save(const std::filesystem::path& testFolder) const {
  if (!dialog_) return true;
  if (std::error_code error = saveConfig(testFolder, *dialog_)) {
    std::fprintf(stderr, "make-test: %s\n", cp1251ToUtf8(configSaveErrorText(error)).c_str());
    return false;
  }
  return true;
}

const char* SourceSettings::help() {
  return R"(
The test's settings, written to TESTFOLDER/Config.ini, come from lines before
the first task (what is not given keeps the program's default):

  mode: exam            hint, training, test, exam or monitoring (default)
  time: 45              minutes, 1..90 (30)
  card: no              the registration card (yes)
  shuffle: yes          shuffle the tasks within their intervals (no)
  delay: yes            training waits for OK after each task (no)
  no-free-moves: yes    forbid moving freely between tasks (no)
  review-in-order: yes  review in the composed order (no)
  grade: no             show the grade (yes)
  percent: no           results in percent (yes)
  scale: 12             top of the grading scale, 5..120 (12)
  guessing: none        optimal, none, very-low, low, medium, high, very-high
  weights: 2 1 3        one weight 1..99 for every task, or none (none)
  intervals: 1-5 6-12   up to 6, from task 1 to the last in order; a lone
                        number is a one-task interval, kept in place (one)
  links: 2-4 7-8        runs of 2..8 tasks inside one interval keep their order
                        (none)
  password: 1234        1..5 digits, no leading zero, or none (none)
  launches: 5           the launch counter, 0..99 (1)

Lists part at blanks or commas.  `ispyt-tool settings FOLDER --set KEY=VALUE`
changes them later.
)";
}

}  // namespace ispyt::tool
