#pragma once
// What confirming the appearance dialog does to the workstation, apart from
// drawing: the class list it names is checked before the file is written,
// and the dispatcher then reads the file back into the workstation and
// takes the test set it names.

#include "attempt/ClassLists.h"
#include "presentation/DecorSettings.h"
#include "shell/Workstation.h"

namespace ispyt {

// Names picked by list need a class list with pupils: when the chosen
// number and letter have none, "За списком" is switched off and the number
// and letter blanked.  True when it changed anything.
bool keepUsableClassList(DecorSettings& chosen, const ClassLists& lists);

// The test set the workstation works in: the one decor.ini names when the
// base folder has it, else the last one the scan finds, else "Нема тестів";
// its tests are listed.
void takeTestSet(Workstation& ws);

// After the dialog wrote decor.ini: reads it back into the workstation.
// The program background is taken from it unless it is "Прозорий" and the
// program did not start with that one (the window's own picture of the
// desktop is taken only at start-up).  The open test keeps its password:
// only its own settings give one.  Returns true when the test set changed.
bool rereadDecor(Workstation& ws, bool startedTransparent);

}  // namespace ispyt
