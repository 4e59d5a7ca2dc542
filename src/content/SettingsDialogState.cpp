#include "content/SettingsDialogState.h"

#include <algorithm>

namespace ispyt {

SettingsDialogState dialogStateFor(const Settings& settings, int taskCount) {
  SettingsDialogState d;
  d.taskCount = std::clamp(taskCount, 1, Settings::kMaxTasks);
  d.values = settings;
  if (d.values.mode < 0 || d.values.mode > 4) d.values.mode = 4;
  d.values.timeLimitMinutes = std::clamp(settings.timeLimitMinutes, 1, 90);
  d.weightsSelected =
      std::any_of(settings.taskWeights.begin() + 1, settings.taskWeights.begin() + 1 + d.taskCount,
                  [](int w) { return w != 0; });
  return d;
}

int pointsTotal(const SettingsDialogState& dialog) {
  const auto& points = dialog.weightsSelected ? dialog.values.taskWeights : dialog.elementCounts;
  int total = 0;
  for (int i = 1; i <= dialog.taskCount; ++i) total += points[i];
  return total;
}

int passwordToSave(const SettingsDialogState& dialog) {
  if (!dialog.newPasswordEnabled) return dialog.values.password;
  if (dialog.newPasswordInvalid) return kNoPassword;
  const std::string& digits = dialog.newPasswordDigits;
  if (digits.empty()) return dialog.values.password;
  bool valid =
      digits.size() <= 5 && digits[0] != '0' &&
      std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; });
  return valid ? std::stoi(digits) : kNoPassword;
}

}  // namespace ispyt
