#pragma once
// "Config.ini", a test's settings file in its test folder: reading it at
// test opening, writing it from the settings dialog, and rewriting it from
// the kept copy of its lines to count a launch.
//
// Layout (lines end in CR LF): the mode line (bytes m 1 m, m a raw 0..4),
// time, six flags with the scale after the fifth, guessing code, the weights
// line (a byte 27 + weight per task), the interval count k and k pairs of
// lines first/last, the links line (a digit per task), then the password,
// the launch counter and the checksum in the digit offset encoding.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "content/Settings.h"
#include "platform/FileSystem.h"
#include "content/SettingsDialogState.h"

namespace ispyt {

// A settings file is a few hundred bytes; anything past this is not one.
inline constexpr std::size_t kMaxConfigBytes = 64 * 1024;

// What reading leaves.  Reading never fails: a missing file gives the
// defaults, and a damaged one never gives a value out of its range.
struct ConfigReading {
  Settings settings;
  SettingsDialogState dialog;
  // The lines as read, with the launch counter and the checksum each less
  // one as plain decimal text: what counting a launch writes back.
  std::vector<std::string> keptCopy;
  bool found = false;     // there was a file to read
  bool complete = false;  // it was read up to its checksum line
  bool checksumMatched = false;
  bool launchCounting = false;   // monitoring, launches left and a password
  long long passwordInFile = 0;  // decoded; 0 when absent or not a number
  long long checksumInFile = 0;
  long long checksumComputed = 0;
  // Each piece of hand damage found and what it was read as (ASCII).
  std::vector<std::string> repairs;
};

// `bytes` is the file, or nothing when it could not be opened.  `taskCount`
// is the open test's; `launchesLeft` is carried over when the file gives none.
ConfigReading readConfig(std::optional<std::string_view> bytes, int taskCount, int launchesLeft);
ConfigReading readConfigFile(const std::filesystem::path& testFolder, int taskCount,
                             int launchesLeft);

// The file "Ок" writes from the dialog: weights only when every task has
// one, a scale outside 5..120 as 12, the checksum over the written values.
std::string configBytes(const SettingsDialogState& dialog);

// What configBytes changes in what the dialog holds (a weight missing, a
// scale out of range), each as a sentence (ASCII); empty when it writes the
// values as they are.
std::vector<std::string> savingAdjustments(const SettingsDialogState& dialog);

// The file counting a launch writes: the kept copy, its last two entries
// encoded, the last line without a line end.  Nothing when the copy is not
// one of a completely read file.
std::optional<std::string> launchCountBytes(const std::vector<std::string>& keptCopy);

// The test folder's settings file whatever the case of its name, else a new
// "Config.ini".
std::filesystem::path configPath(const std::filesystem::path& testFolder);

// Both replace the file only once the new one is complete; on an error the
// old file stays as it was.
std::error_code saveConfig(const std::filesystem::path& testFolder,
                           const SettingsDialogState& dialog);
std::error_code countLaunch(const std::filesystem::path& testFolder,
                            const std::vector<std::string>& keptCopy,
                            FileSystem& files = diskFileSystem());

// The message shown when saving fails (Windows-1251): why, in Ukrainian,
// and that the old file is unchanged.
std::string configSaveErrorText(const std::error_code& error);

}  // namespace ispyt
