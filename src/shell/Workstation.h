#pragma once
// The one owner of the workstation's state, from start-up to exit.  The
// main window holds one; later subsystems add their single instances here.

#include <filesystem>
#include <string>

#include "attempt/ClassLists.h"
#include "attempt/StudentCard.h"
#include "content/OpenTestState.h"
#include "platform/Geometry.h"
#include "presentation/DecorSettings.h"
#include "shell/ScreenScale.h"
#include "shell/Settings.h"
#include "shell/UserTitle.h"
#include "shell/WindowPlacement.h"

namespace ispyt {

inline constexpr const char* kNoTestOpen = "c";

struct Workstation {
  std::filesystem::path programFolder;
  std::string baseFolderName = "Base";
  Size screen;  // recorded once at start-up
  WindowPlacement placement;
  ScreenScale scale;
  DecorSettings decor;
  UserTitle title;
  ClassLists classLists;  // from "School.dbs", read at the intro's first step
  Settings settings;
  std::string testSet;  // Windows-1251; "Нема тестів" when the set is empty
  std::string currentTestPath = kNoTestOpen;
  OpenTestState openTest;    // the set's test list and the open test's folder, code, results
  char attemptLetter = 'A';  // drawn from 'A'..'V' at start-up
  StudentCard student;  // the registration card; keeps its values between attempts
  bool passwordEntered = false;
  bool resultsUnlocked = false;
  std::string selectedResult;  // the stored result last chosen
  bool resultShown = false;
  bool wingdingsInstalled = false;

  std::filesystem::path baseFolder() const { return programFolder / baseFolderName; }
  bool testOpen() const { return currentTestPath != kNoTestOpen; }
};

}  // namespace ispyt
