#pragma once
// "Вихід": what the exit caption does in the state the program is in, and
// the answer areas of the exit confirmation.

#include "platform/Geometry.h"
#include "presentation/ScreenScale.h"

namespace ispyt {

struct ExitContext {
  bool sendingAnimationRunning = false;
  bool transitionRunning = false;
  bool inputReady = true;  // cleared while a picture effect is drawn
  bool confirmationShown = false;
  bool attemptRunning = false;
  bool testOpen = false;  // CurrentTestPath is not "c"
};

enum class ExitAction {
  Nothing,           // busy: the request is ignored
  AbortAttempt,      // the running attempt ends as interrupted; the program stays
  Terminate,         // no test open: end at once
  ShowConfirmation,  // ask "Tak" / "Hi"
};

struct ExitDecision {
  ExitAction action = ExitAction::Nothing;
  // "Вихід" is highlighted (and "Результат" un-highlighted) unless the
  // result is being sent.
  bool highlightExit = false;
};

ExitDecision decideExit(const ExitContext& context);

enum class ConfirmAnswer { None, Yes, No };

// The answer under the mouse on the confirmation panel: "Tak" right, "Hi"
// left, both inside open intervals of the scaled design.
ConfirmAnswer confirmAnswerAt(Point p, const ScreenScale& scale);
Rect confirmAnswerArea(ConfirmAnswer answer, const ScreenScale& scale);

// Which captions turn navy again when the confirmation is answered "Hi".
struct CaptionsAfterNo {
  bool test = false;
  bool settings = false;
  bool results = false;
};
struct NoAnswerContext {
  bool nameBoxShown = false;      // the registration card's name box is up
  bool resultDisplayed = false;   // a stored or aborted result is on show
  bool resultsCaptionHasCount = false;  // caption is not plain "Результат"
};
CaptionsAfterNo captionsAfterNo(const NoAnswerContext& context);

}  // namespace ispyt
