#pragma once
// What the one-shot dispatcher does with the item chosen in the side list.
// It runs after the list has closed and the window has repainted, and asks
// which section is highlighted, in a fixed order.

#include <string>

#include "shell/MainMenu.h"

namespace ispyt {

enum class DispatchAction {
  Nothing,
  ApplyAppearance,    // the appearance dialog was confirmed
  Help,
  About,
  OpenTest,           // the chosen text is a test name
  CleanResults,
  MonitorAllResults,
  ShowResult,         // the chosen text is a result code
  PromptPassword,     // a guarded result command with a password set
};

struct DispatchContext {
  bool inputReady = true;
  bool transitionRunning = false;
  bool passwordSet = false;
  bool testOpen = false;
};

struct Dispatch {
  DispatchAction action = DispatchAction::Nothing;
  bool redrawPictureFirst = false;  // "Про програму" with no test open
  // The result selection after the dispatch: empty for "Очистка ", "-" for
  // "Моніторинг", the code for a result.  Unchanged when not a result item.
  bool setsSelectedResult = false;
  std::string selectedResult;
};

Dispatch dispatch(const MainMenu& menu, const std::string& chosenItem, const DispatchContext& c);

}  // namespace ispyt
