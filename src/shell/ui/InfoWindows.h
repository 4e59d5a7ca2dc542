#pragma once
// The help and about windows beside the main window: made once, shown in
// the workstation's colour scheme, the about text naming the school when
// the base folder's "user.txt" does.

#include <memory>

#include "presentation/ui/AboutWindow.h"
#include "presentation/ui/HelpWindow.h"
#include "shell/ui/WindowParts.h"

namespace ispyt {

class InfoWindows {
 public:
  explicit InfoWindows(const WindowParts& parts);

  void showHelp();
  void showAbout(bool firstPage);

  HelpWindow* help() const { return help_.get(); }
  AboutWindow* about() const { return about_.get(); }

 private:
  Workstation& ws_;
  std::unique_ptr<HelpWindow> help_;
  std::unique_ptr<AboutWindow> about_;
};

}  // namespace ispyt
