// Writing "Config.ini": from the settings dialog, and from the kept copy to
// count a launch.

#include <algorithm>

#include "content/ConfigFile.h"
#include "content/DigitOffset.h"
#include "platform/Cp1251.h"
#include "platform/Paths.h"
#include "platform/ReplaceFile.h"

namespace ispyt {
namespace {

constexpr std::string_view kCrLf = "\r\n";

void line(std::string& out, std::string_view text) {
  out += text;
  out += kCrLf;
}

// Weights count only when every task has one.
bool weightsKept(const SettingsDialogState& dialog) {
  const auto& w = dialog.values.taskWeights;
  const int n = std::clamp(dialog.taskCount, 1, Settings::kMaxTasks);
  return std::all_of(w.begin() + 1, w.begin() + 1 + n, [](int x) { return x >= 1 && x <= 99; });
}

bool scaleKept(int scale) { return scale >= 5 && scale <= 120; }

}  // namespace

std::vector<std::string> savingAdjustments(const SettingsDialogState& dialog) {
  std::vector<std::string> out;
  const auto& w = dialog.values.taskWeights;
  if (!weightsKept(dialog) &&
      std::any_of(w.begin() + 1, w.begin() + 1 + dialog.taskCount, [](int x) { return x != 0; }))
    out.push_back("a task has no weight of 1..99, so every weight is saved as 0");
  if (!scaleKept(dialog.values.gradeScale))
    out.push_back("the scale " + std::to_string(dialog.values.gradeScale) +
                  " is outside 5..120 and is saved as 12");
  return out;
}

std::string configBytes(const SettingsDialogState& dialog) {
  const Settings& v = dialog.values;
  const int n = std::clamp(dialog.taskCount, 1, Settings::kMaxTasks);
  const int mode = v.mode >= 0 && v.mode <= 4 ? v.mode : 4;
  const bool weighted = weightsKept(dialog);
  const int scale = scaleKept(v.gradeScale) ? v.gradeScale : 12;
  const int guessing = guessingChoice(v.guessingCode) < 0 ? 1 : v.guessingCode;
  int password = passwordToSave(dialog);
  if (password < 1 || password > 99999) password = kNoPassword;
  const int launches = std::clamp(v.launchesLeft, 0, 99);
  const int intervalCount = std::clamp(v.intervalCount, 1, Settings::kMaxIntervals);

  std::string out;
  line(out, {std::string{char(mode), char(1), char(mode)}});
  line(out, std::to_string(v.timeLimitMinutes));
  for (bool flag : {v.personalise, v.shuffle, v.delay, v.forbidFreeNavigation,
                    v.reviewInComposedOrder, v.showGrade})
    line(out, flag ? "1" : "0");
  line(out, std::to_string(scale));
  line(out, v.resultsInPercent ? "1" : "0");
  line(out, std::to_string(guessing));

  std::string weights;
  for (int i = 1; i <= n; ++i) weights += char(27 + (weighted ? v.taskWeights[i] : 0));
  line(out, weights);

  long long checksum = mode + password + launches;
  line(out, std::to_string(intervalCount));
  for (int j = 1; j <= intervalCount; ++j) {
    line(out, std::to_string(v.intervals[j].first));
    line(out, std::to_string(v.intervals[j].last));
    checksum += v.intervals[j].first + v.intervals[j].last;
  }
  std::string links;
  for (int i = 1; i <= n; ++i) {
    int d = std::clamp(v.taskLinks[i], 0, 8);
    links += char('0' + d);
    checksum += d;
  }
  line(out, links);
  line(out, encodeDigitOffset(password));
  line(out, encodeDigitOffset(launches));
  line(out, encodeDigitOffset(checksum));
  return out;
}

std::optional<std::string> launchCountBytes(const std::vector<std::string>& keptCopy) {
  // The shortest complete copy: 13 lines, one interval (2), links, password,
  // launches, checksum.
  if (keptCopy.size() < 18) return std::nullopt;
  std::string out;
  const std::size_t last = keptCopy.size() - 1;
  for (std::size_t i = 0; i < keptCopy.size(); ++i) {
    if (i + 2 > last) {
      auto value = parseDecimal(keptCopy[i]);
      if (!value) return std::nullopt;
      out += encodeDigitOffset(*value);
    } else {
      out += keptCopy[i];
    }
    if (i != last) out += kCrLf;
  }
  return out;
}

std::filesystem::path configPath(const std::filesystem::path& testFolder) {
  return findEntry(testFolder, "config.ini").value_or(testFolder / "Config.ini");
}

std::error_code saveConfig(const std::filesystem::path& testFolder,
                           const SettingsDialogState& dialog) {
  return replaceFile(configPath(testFolder), configBytes(dialog));
}

std::error_code countLaunch(const std::filesystem::path& testFolder,
                            const std::vector<std::string>& keptCopy, FileSystem& files) {
  auto bytes = launchCountBytes(keptCopy);
  if (!bytes) return std::make_error_code(std::errc::invalid_argument);
  return files.replace(configPath(testFolder), *bytes);
}

std::string configSaveErrorText(const std::error_code& error) {
  const char* reason = "файл не вдалося записати";
  if (error == std::errc::permission_denied || error == std::errc::operation_not_permitted ||
      error == std::errc::read_only_file_system)
    reason = "тека тесту закрита для запису";
  else if (error == std::errc::no_space_on_device || error == std::errc::file_too_large)
    reason = "на диску немає місця";
  else if (error == std::errc::is_a_directory || error == std::errc::not_a_directory)
    reason = "на місці файлу Config.ini стоїть тека";
  return cp1251("Помилка! Установки не збережено: ") + cp1251(reason) +
         cp1251(". Файл Config.ini лишився без змін (код ") + std::to_string(error.value()) + ").";
}

}  // namespace ispyt
