#include "shell/ui/InfoWindows.h"

namespace ispyt {

InfoWindows::InfoWindows(const WindowParts& parts) : parts_(parts) {}

HelpWindow* InfoWindows::help() {
  if (!help_) help_ = std::make_unique<HelpWindow>(parts_.window, parts_.scheduler);
  return help_.get();
}

AboutWindow* InfoWindows::about() {
  if (!about_)
    about_ = std::make_unique<AboutWindow>(parts_.window, parts_.scheduler, parts_.artwork);
  return about_.get();
}

void InfoWindows::showHelp() {
  help()->showOver(parts_.ws.scale, parts_.ws.decor.colourScheme);
}

void InfoWindows::showAbout(bool firstPage) {
  const AboutContact contact{parts_.ws.title.line1, parts_.ws.title.line2};
  about()->setText(aboutText(ISPYT_VERSION, parts_.ws.title.found ? &contact : nullptr));
  about()->showOver(firstPage, parts_.ws.scale, parts_.ws.decor.colourScheme);
}

}  // namespace ispyt
