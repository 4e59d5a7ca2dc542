#include <gtest/gtest.h>

#include "shell/ExitRequest.h"
#include "shell/Terminator.h"

namespace ispyt {
namespace {

TEST(ExitRequest, DependsOnWhatTheProgramIsDoing) {
  struct Case {
    const char* name;
    ExitContext context;
    ExitAction action;
    bool highlight;
  } cases[] = {
      {"no test open", {}, ExitAction::Terminate, true},
      {"test open", {.testOpen = true}, ExitAction::ShowConfirmation, true},
      {"attempt running", {.attemptRunning = true, .testOpen = true}, ExitAction::AbortAttempt, true},
      {"sending", {.sendingAnimationRunning = true}, ExitAction::Nothing, false},
      {"transition", {.transitionRunning = true}, ExitAction::Nothing, true},
      {"effect drawing", {.inputReady = false}, ExitAction::Nothing, true},
      {"already asking", {.confirmationShown = true, .testOpen = true}, ExitAction::Nothing, true},
  };
  for (const auto& c : cases) {
    auto d = decideExit(c.context);
    EXPECT_EQ(d.action, c.action) << c.name;
    EXPECT_EQ(d.highlightExit, c.highlight) << c.name;
  }
}

TEST(ExitConfirm, AnswerAreasAreOpenIntervalsOfTheScaledDesign) {
  ScreenScale one;
  EXPECT_EQ(confirmAnswerAt({186, 21}, one), ConfirmAnswer::Yes);
  EXPECT_EQ(confirmAnswerAt({185, 40}, one), ConfirmAnswer::None);
  EXPECT_EQ(confirmAnswerAt({254, 74}, one), ConfirmAnswer::Yes);
  EXPECT_EQ(confirmAnswerAt({100, 40}, one), ConfirmAnswer::No);
  EXPECT_EQ(confirmAnswerAt({100, 75}, one), ConfirmAnswer::None);
  EXPECT_EQ(confirmAnswerAt({170, 40}, one), ConfirmAnswer::None);
  ScreenScale wide{1.6, 1.3333, 1.3333};
  EXPECT_EQ(confirmAnswerAt({300, 40}, wide), ConfirmAnswer::Yes);  // 296..408
  EXPECT_EQ(confirmAnswerAt({140, 40}, wide), ConfirmAnswer::No);   // 136..248
}

TEST(ExitConfirm, AnsweringNoRestoresTheCaptionsThatWereUsable) {
  auto r = captionsAfterNo({});
  EXPECT_TRUE(r.test);
  EXPECT_TRUE(r.settings);
  EXPECT_FALSE(r.results);
  r = captionsAfterNo({.resultDisplayed = true, .resultsCaptionHasCount = true});
  EXPECT_TRUE(r.test);
  EXPECT_FALSE(r.settings);
  EXPECT_TRUE(r.results);
  r = captionsAfterNo({.nameBoxShown = true, .resultsCaptionHasCount = true});
  EXPECT_FALSE(r.test || r.settings || r.results);
}

TEST(Terminator, RestoresTheDesktopBeforeEnding) {
  RecordingSystemShell shell;
  shell.setTaskbarVisible(false);
  shell.setScreenSaverRunning(true);
  bool ended = false;
  bool restoredBeforeEnd = false;
  Terminator t(shell, [&] {
    ended = true;
    restoredBeforeEnd = shell.taskbarVisible() && !shell.screenSaverRunning();
  });
  t.terminate();
  EXPECT_TRUE(ended);
  EXPECT_TRUE(restoredBeforeEnd);
}

TEST(Terminator, AChangedScreenWidthEndsThroughTerminate) {
  RecordingSystemShell shell;
  shell.setTaskbarVisible(false);
  shell.setScreenSaverRunning(true);
  int ends = 0;
  Terminator t(shell, [&] { ++ends; });
  t.checkScreenWidth(1024, 1024);
  EXPECT_EQ(ends, 0);
  t.checkScreenWidth(1024, 1280);
  EXPECT_EQ(ends, 1);
  EXPECT_TRUE(shell.taskbarVisible());
  EXPECT_FALSE(shell.screenSaverRunning());
}

}  // namespace
}  // namespace ispyt
