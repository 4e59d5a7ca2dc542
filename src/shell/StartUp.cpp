#include "shell/StartUp.h"

#include <system_error>

#include "content/TestSets.h"
#include "platform/Cp1251.h"
#include "platform/Paths.h"
#include "platform/ReplaceFile.h"
#include "presentation/DecorFile.h"
#include "results/Outbox.h"
#include "shell/AppearanceApply.h"

namespace ispyt {

void prepareWorkingFolders(const std::filesystem::path& programFolder) {
  for (const char* name : {"Decor", "Decor/Fon1", "Decor/Fon2"}) {
    std::error_code ec;
    std::filesystem::create_directories(locate(programFolder, name), ec);
  }
}

RetryOutcome storeKeptResults(const std::filesystem::path& programFolder, Random& random) {
  removeLeftoverReplacements(locate(programFolder, "REZULT"));
  removeLeftoverReplacements(pendingFolder(programFolder));
  removeLeftoverReplacements(outboxFolder(programFolder));
  return retryKeptResults(programFolder, diskFileSystem(), random);
}

void resetWorkstation(Workstation& ws, Random& random) {
  ws.passwordEntered = false;
  ws.resultShown = false;
  ws.openTest.currentTestPath = kNoTestOpen;
  ws.attemptLetter = static_cast<char>('A' + random.random(22));
  ws.student.cardCode = "MON";
  ws.title = readUserTitle(locate(ws.programFolder, ws.baseFolderName));
  ReadDecor(ws.programFolder, ws.baseFolderName, ws.decor, true);
  takeTestSet(ws);
}

void placeWorkstation(Workstation& ws, SystemShell& shell) {
  ws.placement = placeWindow(ws.screen, ws.decor.fullScreen, ws.decor.proportional);
  ws.scale = ws.placement.scale;
  if (ws.placement.takesWholeScreen) {
    shell.setTaskbarVisible(false);
    shell.setScreenSaverRunning(true);
  }
}

}  // namespace ispyt
