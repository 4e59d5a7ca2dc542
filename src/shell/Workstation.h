#pragma once
// The one owner of the workstation's state, from start-up to exit.  The
// main window holds one; the subsystems are handed the pieces they use.

#include <filesystem>
#include <string>

#include "attempt/AttemptState.h"
#include "attempt/ClassLists.h"
#include "attempt/StudentCard.h"
#include "content/OpenTestState.h"
#include "content/Settings.h"
#include "content/Test.h"
#include "content/TestSets.h"
#include "platform/Geometry.h"
#include "presentation/DecorSettings.h"
#include "presentation/ScreenScale.h"
#include "results/AttemptResult.h"
#include "shell/MainMenu.h"
#include "shell/UserTitle.h"
#include "shell/WindowPlacement.h"

namespace ispyt {

struct Workstation {
  std::filesystem::path programFolder;
  std::string baseFolderName = "Base";
  Size screen;  // recorded once at start-up
  WindowPlacement placement;
  ScreenScale scale;
  DecorSettings decor;
  UserTitle title;
  ClassLists classLists;  // from "School.dbs", read at the intro's first step
  std::string testSet;    // Windows-1251; "Нема тестів" when the set is empty
  TestList tests;         // the current set's tests, for the side list
  Test test;
  Settings settings;
  OpenTestState openTest;  // the open test's folder, code and stored results
  MenuCaptionText resultsCaption = ispyt::resultsCaption(0);
  char attemptLetter = 'A';  // drawn from 'A'..'V' at start-up
  StudentCard student;  // the registration card; keeps its values between attempts
  AttemptState attempt;
  AttemptResult result;
  bool passwordEntered = false;
  bool resultsUnlocked = false;
  std::string selectedResult;  // the stored result last chosen
  bool resultShown = false;
  bool wingdingsInstalled = false;

  std::filesystem::path baseFolder() const { return programFolder / baseFolderName; }
  bool testOpen() const { return openTest.open(); }
};

}  // namespace ispyt
