#include "shell/ui/ExitConductor.h"

#include <QClipboard>
#include <QGuiApplication>

#include "shell/ExitRequest.h"

namespace ispyt {

ExitConductor::ExitConductor(const WindowParts& parts, MenuConductor& menu,
                             Terminator& terminator, Host host)
    : parts_(parts), menu_(menu), terminator_(terminator), host_(std::move(host)) {}

void ExitConductor::requestExit() {
  MainMenu& m = menu_.menu();
  menu_.hidePasswordPrompt();
  for (MenuCaption c : {MenuCaption::Settings, MenuCaption::Test, MenuCaption::Help})
    m.setOpen(c, false);
  menu_.syncCaptions();
  ExitContext context;
  context.transitionRunning = host_.transitionRunning();
  context.confirmationShown = confirm_.shown();
  context.testOpen = parts_.ws.testOpen();
  context.attemptRunning = host_.attemptRunning();
  ExitDecision d = decideExit(context);
  if (d.highlightExit) {
    m.setOpen(MenuCaption::Exit, true);
    m.setOpen(MenuCaption::Results, false);
    menu_.syncCaptions();
  }
  switch (d.action) {
    case ExitAction::Terminate:
      terminator_.terminate();
      break;
    case ExitAction::ShowConfirmation:
      showConfirmation();
      break;
    case ExitAction::AbortAttempt:
      host_.breakOff();
      break;
    case ExitAction::Nothing:
      break;
  }
}

void ExitConductor::showConfirmation() {
  parts_.sound.PlaySound("end");
  for (MenuCaption c : {MenuCaption::Test, MenuCaption::Settings, MenuCaption::Results})
    menu_.menu().setColour(c, CaptionColour::Grey);
  menu_.syncCaptions();
  // The program's thumbnail is also left on the clipboard.
  QImage window = host_.grabWindow();
  if (auto* clipboard = QGuiApplication::clipboard()) clipboard->setImage(window);
  confirm_.show(parts_.screen, window, parts_.desktop, parts_.artwork, parts_.ws.scale,
                parts_.look.windowColour);
  // The panel covers the caption's place; the caption would cover the panel
  // and take the mouse from the answer areas.
  host_.setTitleVisible(false);
  parts_.repaint();
}

void ExitConductor::answer(ConfirmAnswer answer) {
  if (answer == ConfirmAnswer::Yes) {
    terminator_.terminate();
    return;
  }
  MainMenu& m = menu_.menu();
  confirm_.hide();
  host_.setTitleVisible(true);
  m.setOpen(MenuCaption::Exit, false);
  m.setColour(MenuCaption::Exit, CaptionColour::Navy);
  const Workstation& ws = parts_.ws;
  CaptionsAfterNo r = captionsAfterNo({.resultDisplayed = ws.resultShown,
                                       .resultsCaptionHasCount = ws.openTest.results.count > 0});
  if (r.test) m.setColour(MenuCaption::Test, CaptionColour::Navy);
  if (r.settings) m.setColour(MenuCaption::Settings, CaptionColour::Navy);
  if (r.results) m.setColour(MenuCaption::Results, CaptionColour::Navy);
  menu_.syncCaptions();
  parts_.repaint();
}

bool ExitConductor::mouseMoved(QPoint at) {
  if (!confirm_.shown()) return false;
  if (confirm_.hover(confirmAnswerAt({at.x(), at.y()}, parts_.ws.scale))) parts_.repaint();
  return true;
}

bool ExitConductor::clicked(QPoint at) {
  if (!confirm_.shown()) return false;
  ConfirmAnswer a = confirmAnswerAt({at.x(), at.y()}, parts_.ws.scale);
  if (a != ConfirmAnswer::None) answer(a);
  return true;
}

}  // namespace ispyt
