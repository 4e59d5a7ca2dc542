#pragma once
// The help and about windows beside the main window: made once, when first
// asked for (most lessons never open them), shown in
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

  HelpWindow* help();
  AboutWindow* about();

 private:
  WindowParts parts_;
  std::unique_ptr<HelpWindow> help_;
  std::unique_ptr<AboutWindow> about_;
};

}  // namespace ispyt
