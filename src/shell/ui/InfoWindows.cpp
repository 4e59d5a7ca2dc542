#include "shell/ui/InfoWindows.h"

namespace ispyt {

InfoWindows::InfoWindows(const WindowParts& parts)
    : ws_(parts.ws),
      help_(std::make_unique<HelpWindow>(parts.window, parts.scheduler)),
      about_(std::make_unique<AboutWindow>(parts.window, parts.scheduler, parts.artwork)) {}

void InfoWindows::showHelp() { help_->showOver(ws_.scale, ws_.decor.colourScheme); }

void InfoWindows::showAbout(bool firstPage) {
  const AboutContact contact{ws_.title.line1, ws_.title.line2};
  about_->setText(aboutText(ISPYT_VERSION, ws_.title.found ? &contact : nullptr));
  about_->showOver(firstPage, ws_.scale, ws_.decor.colourScheme);
}

}  // namespace ispyt
