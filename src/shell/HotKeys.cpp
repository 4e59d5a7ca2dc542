#include "shell/HotKeys.h"

namespace ispyt {

HotKeyDecision decideHotKey(HotKey key, const HotKeyContext& c) {
  HotKeyDecision d;
  const bool resultKeys = !c.transitionRunning && !c.attemptRunning && c.resultSelected &&
                          c.mode != 3 && c.mode > 0;
  switch (key) {
    case HotKey::AltF4:
      d.action = HotKeyAction::Swallow;
      break;
    case HotKey::Insert:
      if (resultKeys)
        d.action = !c.passwordSet || c.resultsUnlocked ? HotKeyAction::ResultChart
                                                       : HotKeyAction::PasswordPrompt;
      break;
    case HotKey::End:
      if (resultKeys && c.shortNameKnown && c.sendingEnabled) d.action = HotKeyAction::SendResult;
      break;
    case HotKey::F1:
      if (!c.transitionRunning && !c.attemptRunning) d.action = HotKeyAction::Help;
      break;
    case HotKey::F2:
      if (!c.transitionRunning) {
        d.action = HotKeyAction::About;
        d.redrawPictureFirst = !c.attemptRunning;
      }
      break;
    case HotKey::Left:
      if (c.attemptRunning) d.action = HotKeyAction::SlowerPointer;
      break;
    case HotKey::Right:
      if (c.attemptRunning) d.action = HotKeyAction::FasterPointer;
      break;
    case HotKey::F3:
      if (c.attemptRunning && c.testOpen && !(c.clockBackground && c.pictureReady))
        d.action = HotKeyAction::ClockColour;
      break;
    case HotKey::F4:
      if (c.attemptRunning && !c.pictureReady) d.action = HotKeyAction::DiagramColour;
      break;
    default:  // F5..F10
      if (c.attemptRunning && c.currentTaskExists) d.action = HotKeyAction::PresentationKey;
      break;
  }
  return d;
}

int nextClockColourOffset(int offset) { return offset + 25 > 250 ? 0 : offset + 25; }
int nextDiagramColourOffset(int offset) { return offset + 25 > 100 ? 0 : offset + 25; }

}  // namespace ispyt
