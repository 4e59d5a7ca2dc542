#pragma once
// What the menu's sections and hot keys start in other subsystems: help
// and about windows, opening a test, stored results and their charts,
// cleaning, the settings and appearance dialogs, sending.  The menu calls
// these; each subsystem overrides its own, and until it does the call
// changes nothing.

#include <string>

namespace ispyt {

class SectionActions {
 public:
  virtual ~SectionActions() = default;
  virtual void showHelp() {}
  // On its first page, or on its last (the contact lines).
  virtual void showAbout(bool firstPage) {}
  virtual void showAppendix() {}
  virtual void openTest(const std::string& name) {}
  virtual void showStoredResult(const std::string& code) {}
  virtual void showResultChart() {}
  virtual void monitorAllResults() {}
  virtual void cleanResults() {}
  // After the password prompt it opens on its first tab.
  virtual void openSettingsDialog(bool afterPassword) {}
  virtual void hideCharts() {}
  virtual void openAppearanceDialog() {}
  virtual void applyAppearance() {}
  virtual void sendResult() {}
};

}  // namespace ispyt
