#pragma once
// What the settings dialog holds, as plain data: test opening fills it from
// "Config.ini" and "Ок" writes the file from it.  The dialog's widgets show
// and edit this state; the file rules never look at a widget.

#include <string>

#include "content/Settings.h"

namespace ispyt {

struct SettingsDialogState {
  int taskCount = 1;
  // The controls' values: mode radio 0..4, time slider 1..90, check boxes,
  // scale field, guessing list (as its code), weight grid, interval table,
  // link strip, "Запусків:" selector, and the current password (the hidden
  // caption; kNoPassword when none is set).
  Settings values;
  bool weightsSelected = false;  // "Вага ТЗ"
  // Each task's judged elements: the points the grid shows without weights.
  std::array<int, Settings::kMaxTasks + 1> elementCounts{};

  // The new-password entry: shown and enabled once the old password was
  // typed; its digits; marked invalid when they start with "0".
  bool newPasswordEnabled = false;
  std::string newPasswordDigits;
  bool newPasswordInvalid = false;
};

// The dialog as reading a file (or finding none) leaves it for `settings`:
// the mode shown as monitoring above 4, the time limited to the slider.
SettingsDialogState dialogStateFor(const Settings& settings, int taskCount);

// "Сума балів =": the weights' total when "Вага ТЗ" is selected, else the
// total of the element counts.
int pointsTotal(const SettingsDialogState& dialog);

// The password "Ок" saves: with the new-password entry enabled, no password
// when the entry is marked invalid (or its digits start with "0"), else its
// number; an enabled but empty entry keeps the current password, as does a
// disabled one.
int passwordToSave(const SettingsDialogState& dialog);

}  // namespace ispyt
