#pragma once
// A test's settings as its author writes them at the head of a make-test
// source (before the first task), one "key: value" line each:
//
//   mode: exam            hint, training, test, exam, monitoring (or 0..4,
//                         підказка, тренінг, контрольна, залік, моніторинг)
//   time: 45              minutes, 1..90
//   card: yes             the registration card ("Персоніфікація")
//   shuffle: yes          tasks shuffled within their intervals
//   delay: yes            training waits for OK after each task
//   no-free-moves: yes    moving freely between tasks is forbidden
//   review-in-order: yes  review in the composed order
//   grade: no             show the grade
//   percent: no           results in percent
//   scale: 12             top of the grading scale, 5..120
//   guessing: none        optimal, none, very-low, low, medium, high,
//                         very-high (or the stored code 0..5, 9)
//   weights: 2 1 3        one weight 1..99 per task; "none" for none
//   intervals: 1-5 6-12   shuffling stays inside each (1..6 of them)
//   links: 2-4 7-8        each run keeps its order (2..8 tasks, one
//                         interval); "none" for none
//   password: 1234        1..5 digits, no leading zero; "none" for none
//   launches: 5           launch counter for monitoring, 0..99
//
// Flags take yes/no, on/off, 1/0 or так/ні; lists part at blanks or commas.  What is not given
// keeps the program's default.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "content/SettingsDialogState.h"

namespace ispyt {

struct SettingsSourceLine {
  int line = 0;  // 1-based, in the source
  std::string key;
  std::string value;  // UTF-8, trimmed
};

struct SettingsSourceError {
  int line = 0;
  std::string message;  // UTF-8
};

// Takes the settings lines out of a source: they become empty lines, so the
// rest keeps its line numbers for the test parser.
std::vector<SettingsSourceLine> takeSettingsLines(std::string& utf8Source);

// How strictly values are taken.  A test source is checked: a weight is
// 1..99, the scale 5..120.  The settings command takes what the dialog's
// fields take (a weight 0..99, a scale of up to three digits) and leaves
// them to the rules of saving.
enum class SettingsWords { Source, Dialog };

// Applies the lines to `dialog` (a test of dialog.taskCount tasks), in
// order, links last as they depend on the intervals; the first line that is
// wrong, else nothing.  The dialog may be left half changed on a fault.
std::optional<SettingsSourceError> applySettingsLines(SettingsDialogState& dialog,
                                                      const std::vector<SettingsSourceLine>& lines,
                                                      SettingsWords rules);

// One of the keys above.
bool isSettingsKey(std::string_view key);

// The dialog state that saves these settings for a test of `taskCount`
// tasks, or the first line that is wrong.
struct SettingsFromSource {
  std::optional<SettingsDialogState> dialog;
  SettingsSourceError error;
};
SettingsFromSource settingsFromSource(const std::vector<SettingsSourceLine>& lines, int taskCount);

}  // namespace ispyt
