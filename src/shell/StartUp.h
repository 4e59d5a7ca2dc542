#pragma once
// The parts of start-up that are rules rather than drawing: folders,
// "user.txt", the attempt letter, the test set, the window placement and
// the desktop take-over.  The main window runs them in order between its
// own drawing steps.

#include "platform/Random.h"
#include "platform/SystemShell.h"
#include "results/PendingResults.h"
#include "shell/Workstation.h"

namespace ispyt {

// Creates "Decor", "Decor/Fon1" and "Decor/Fon2" when missing; failures
// are ignored (the program then runs on its built-in pictures).
void prepareWorkingFolders(const std::filesystem::path& programFolder);

// Writes out the results an earlier run could not store, and clears what
// interrupted saves left in "REZULT" and "Pending".
RetryOutcome storeKeptResults(const std::filesystem::path& programFolder, Random& random);

// Fresh state: no test open, no password, no result shown, a new attempt
// letter, the title lines, the appearance file, the current test set and
// its tests.
void resetWorkstation(Workstation& ws, Random& random);

// Places the window for the recorded screen and takes over the desktop
// when the window covers it.
void placeWorkstation(Workstation& ws, SystemShell& shell);

}  // namespace ispyt
