#include "shell/ExitRequest.h"

namespace ispyt {

ExitDecision decideExit(const ExitContext& c) {
  ExitDecision d;
  if (c.sendingAnimationRunning) return d;
  d.highlightExit = true;
  if (c.transitionRunning || !c.inputReady || c.confirmationShown) return d;
  if (c.attemptRunning)
    d.action = ExitAction::AbortAttempt;
  else if (!c.testOpen)
    d.action = ExitAction::Terminate;
  else
    d.action = ExitAction::ShowConfirmation;
  return d;
}

namespace {

bool inside(double v, double low, double high) { return v > low && v < high; }

}  // namespace

ConfirmAnswer confirmAnswerAt(Point p, const ScreenScale& s) {
  if (!inside(p.y, 20 * s.scaleY, 75 * s.scaleY)) return ConfirmAnswer::None;
  if (inside(p.x, 185 * s.scaleX, 255 * s.scaleX)) return ConfirmAnswer::Yes;
  if (inside(p.x, 85 * s.scaleX, 155 * s.scaleX)) return ConfirmAnswer::No;
  return ConfirmAnswer::None;
}

Rect confirmAnswerArea(ConfirmAnswer answer, const ScreenScale& s) {
  int left = answer == ConfirmAnswer::Yes ? 185 : 85;
  return {s.x(left), s.y(20), s.x(70), s.y(55)};
}

CaptionsAfterNo captionsAfterNo(const NoAnswerContext& c) {
  CaptionsAfterNo r;
  if (c.nameBoxShown) return r;
  r.test = true;
  r.settings = !c.resultDisplayed;
  r.results = c.resultsCaptionHasCount;
  return r;
}

}  // namespace ispyt
