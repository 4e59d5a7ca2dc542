#pragma once
// The main window's hot keys: what each does in the state the program is
// in.  The window sees keys before any of its controls.

namespace ispyt {

enum class HotKey { AltF4, Insert, End, F1, F2, F3, F4, F5, F6, F7, F8, F9, F10, Left, Right };

enum class HotKeyAction {
  None,
  Swallow,            // Alt+F4: the window is not closed this way
  ResultChart,        // the monitoring chart of the selected result
  PasswordPrompt,
  SendResult,
  Help,
  About,
  SlowerPointer,
  FasterPointer,
  ClockColour,
  DiagramColour,
  PresentationKey,    // F5..F10 on the current task
};

struct HotKeyContext {
  bool transitionRunning = false;
  bool attemptRunning = false;
  bool resultSelected = false;  // the selected result is not empty
  int mode = 0;
  bool passwordSet = false;
  bool resultsUnlocked = false;
  bool shortNameKnown = false;
  bool sendingEnabled = false;
  bool testOpen = false;
  bool clockBackground = false;
  bool pictureReady = false;
  bool currentTaskExists = false;
};

struct HotKeyDecision {
  HotKeyAction action = HotKeyAction::None;
  bool redrawPictureFirst = false;  // F2 with no attempt running
};

HotKeyDecision decideHotKey(HotKey key, const HotKeyContext& c);

// F3 turns the clock's colours on by 25, back to 0 past 250; F4 the
// wheel's by 25, back to 0 past 100.
int nextClockColourOffset(int offset);
int nextDiagramColourOffset(int offset);

}  // namespace ispyt
