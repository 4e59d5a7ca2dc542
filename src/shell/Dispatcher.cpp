#include "shell/Dispatcher.h"

#include "platform/Cp1251.h"

namespace ispyt {

Dispatch dispatch(const MainMenu& menu, const std::string& chosen, const DispatchContext& c) {
  Dispatch d;
  if (menu.highlighted(MenuCaption::Appearance)) {
    d.action = DispatchAction::ApplyAppearance;
  } else if (menu.highlighted(MenuCaption::Test)) {
    if (chosen == cp1251("Довідка")) {
      d.action = DispatchAction::Help;
    } else if (chosen == cp1251("Про програму")) {
      d.action = DispatchAction::About;
      d.redrawPictureFirst =
          !c.testOpen && menu.colour(MenuCaption::Appearance) != CaptionColour::Grey;
    } else if (c.inputReady && !c.transitionRunning) {
      d.action = DispatchAction::OpenTest;
    }
  } else if (menu.highlighted(MenuCaption::Results)) {
    d.setsSelectedResult = true;
    if (chosen == cp1251("Очистка ")) {
      d.action = c.passwordSet ? DispatchAction::PromptPassword : DispatchAction::CleanResults;
      d.setsSelectedResult = c.passwordSet;
    } else if (chosen == cp1251("Моніторинг")) {
      d.action = c.passwordSet ? DispatchAction::PromptPassword : DispatchAction::MonitorAllResults;
      d.selectedResult = std::string("-");  // not = "-": GCC 12 warns falsely
      d.setsSelectedResult = c.passwordSet;
    } else {
      d.action = DispatchAction::ShowResult;
      d.selectedResult = chosen;
    }
  }
  return d;
}

}  // namespace ispyt
