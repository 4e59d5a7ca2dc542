#pragma once
// The sections' actions that the main window serves with windows of its
// own (the settings dialog, ...), for a main window given no actions.

#include <functional>

#include "shell/SectionActions.h"

namespace ispyt {

class WorkstationActions : public SectionActions {
 public:
  std::function<void(bool afterPassword)> settingsDialog;

  void openSettingsDialog(bool afterPassword) override {
    if (settingsDialog) settingsDialog(afterPassword);
  }
};

}  // namespace ispyt
