#include "shell/ui/InfoWindows.h"

namespace ispyt {

InfoWindows::InfoWindows(const WindowParts& parts)
    : parts_(parts), ws_(parts.ws) {}

HelpWindow* InfoWindows::help() {
  if (!help_) help_ = std::make_unique<HelpWindow>(parts_.window, parts_.scheduler);
  return help_.get();
}

AboutWindow* InfoWindows::about() {
  if (!about_)
    about_ = std::make_unique<AboutWindow>(parts_.window, parts_.scheduler, parts_.artwork);
  return about_.get();
}

void InfoWindows::showHelp() { help()->showOver(ws_.scale, ws_.decor.colourScheme); }

void InfoWindows::showAbout(bool firstPage) {
  const AboutContact contact{ws_.title.line1, ws_.title.line2};
  about()->setText(aboutText(ISPYT_VERSION, ws_.title.found ? &contact : nullptr));
  about()->showOver(firstPage, ws_.scale, ws_.decor.colourScheme);
}

}  // namespace ispyt
