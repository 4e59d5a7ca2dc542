#include "shell/AppearanceApply.h"

#include "content/TestSets.h"
#include "platform/Cp1251.h"
#include "platform/Paths.h"
#include "presentation/DecorFile.h"

namespace ispyt {

bool keepUsableClassList(DecorSettings& chosen, const ClassLists& lists) {
  if (!pupilsOf(lists, chosen.listClass, chosen.listLetter).empty()) return false;
  const bool changed = chosen.byList || !chosen.listClass.empty() || !chosen.listLetter.empty();
  chosen.byList = false;
  chosen.listClass.clear();
  chosen.listLetter.clear();
  return changed;
}

void takeTestSet(Workstation& ws) {
  const std::filesystem::path base = locate(ws.programFolder, ws.baseFolderName);
  ws.testSet.clear();
  if (!ws.decor.testSet.empty()) {
    for (const std::string& set : scanSubfolders(base))
      if (cp1251EqualNoCase(set, ws.decor.testSet)) ws.testSet = set;
  }
  if (ws.testSet.empty()) ws.testSet = lastTestSet(base);
  if (ws.testSet.empty()) ws.testSet = cp1251("Нема тестів");
  ListTests(locate(base, ws.testSet), ws.tests, ws.testSet);
}

bool rereadDecor(Workstation& ws, bool startedTransparent) {
  DecorSettings next = ws.decor;
  ReadDecor(ws.programFolder, ws.baseFolderName, next, true);
  if (next.programBackground == cp1251("Прозорий") && !startedTransparent)
    next.programBackground = ws.decor.programBackground;
  const std::string setBefore = ws.testSet;
  ws.decor = next;
  takeTestSet(ws);
  return ws.testSet != setBefore;
}

}  // namespace ispyt
