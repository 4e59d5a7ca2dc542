// The settings dialog's rules without widgets: the interval check on tab
// changes, links, weights, the slider's keys, the password change, and what
// "Ок" saves.

#include <gtest/gtest.h>

#include "content/ConfigFile.h"
#include "platform/Cp1251.h"
#include "shell/SettingsDialogModel.h"
#include "shell/SettingsHelpPage.h"

namespace ispyt {
namespace {

// A freshly opened test of `tasks` tasks with one element each, no file.
SettingsDialogModel opened(int tasks, int password = kNoPassword) {
  SettingsDialogState state = readConfig(std::nullopt, tasks, 1).dialog;
  for (int i = 1; i <= tasks; ++i) state.elementCounts[i] = 1;
  state.values.password = password;
  SettingsDialogModel m;
  m.fill("T", state);
  m.open(password != kNoPassword);
  return m;
}

void setTable(SettingsDialogModel& m, const std::vector<SettingsDialogModel::Row>& rows) {
  m.changeTab(SettingsTab::Sorting);
  m.chooseIntervals();
  m.setIntervalCount(static_cast<int>(rows.size()));
  for (std::size_t r = 0; r < rows.size(); ++r)
    for (int c = 0; c < 2; ++c) m.setIntervalCell(static_cast<int>(r + 1), c, rows[r][c]);
}

TEST(SettingsDialog, TheIntervalTableIsCheckedOnEveryTabChange) {
  struct Case {
    const char* name;
    std::vector<SettingsDialogModel::Row> rows;
    bool valid;
  } cases[] = {
      {"(1,5) (6,12)", {{"1", "5"}, {"6", "12"}}, true},
      {"(1,5) (7,12): a gap", {{"1", "5"}, {"7", "12"}}, false},
      {"(1,12) starting at 2", {{"2", "12"}}, false},
      {"(1,12)", {{"1", "12"}}, true},
      {"a one-task interval keeps its task in place", {{"1", "11"}, {"12", "12"}}, true},
      {"reversed", {{"1", "6"}, {"7", "5"}, {"6", "12"}}, false},
      {"overlapping", {{"1", "6"}, {"6", "12"}}, false},
      {"short of the last task", {{"1", "11"}}, false},
      {"a cell empty", {{"1", ""}, {"", "12"}}, false},
      {"a cell not a number", {{"1", "5x"}, {"6", "12"}}, false},
      {"six intervals",
       {{"1", "2"}, {"3", "4"}, {"5", "6"}, {"7", "8"}, {"9", "10"}, {"11", "12"}},
       true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SettingsDialogModel m = opened(12);
    setTable(m, c.rows);
    m.changeTab(SettingsTab::Settings);
    EXPECT_EQ(m.okEnabled(), c.valid);
    EXPECT_EQ(m.errorShown(), !c.valid);
    EXPECT_EQ(m.stateToSave().has_value(), c.valid);
    // Coming back to the sorting tab with the fault clears both choices.
    m.changeTab(SettingsTab::Sorting);
    EXPECT_EQ(m.sorting(), c.valid ? SortingChoice::Intervals : SortingChoice::None);
  }
}

TEST(SettingsDialog, ACounterChangeLeavesOnlyTheEndsFilled) {
  SettingsDialogModel m = opened(12);
  setTable(m, {{"1", "12"}});
  m.setIntervalCount(3);
  EXPECT_EQ(m.table(), (std::vector<SettingsDialogModel::Row>{{"1", ""}, {"", ""}, {"", "12"}}));
  m.setIntervalCount(9);
  EXPECT_EQ(m.table().size(), 6u);
}

TEST(SettingsDialog, LinksJoinAtMostEightTasksOfOneIntervalThatAreNotLinkedYet) {
  SettingsDialogModel m = opened(12);
  m.changeTab(SettingsTab::Sorting);
  m.chooseLinks();
  ASSERT_EQ(m.sorting(), SortingChoice::Links);
  // A click on the cell that shows `task`.
  auto click = [&](int task) { m.linkClick(task - m.stripPosition()); };
  auto links = [&] {
    const auto& l = m.state().values.taskLinks;
    return std::vector<int>(l.begin() + 1, l.begin() + 13);
  };
  // Nine tasks never show together, and scrolling cancels a start: 3 to 11
  // is refused.
  EXPECT_EQ(linkRunFault(m.state().values, 12, 3, 11), LinkFault::TooLong);
  click(3);
  EXPECT_EQ(m.linkStart(), 3);
  m.scrollStrip(4);
  EXPECT_EQ(m.linkStart(), 0);
  click(11);
  EXPECT_EQ(m.linkStart(), 11);
  EXPECT_EQ(links(), std::vector<int>(12, 0));
  m.scrollStrip(3);
  // Eight are linked 1..8.
  click(3);
  click(10);
  EXPECT_EQ(links(), (std::vector<int>{0, 0, 1, 2, 3, 4, 5, 6, 7, 8, 0, 0}));
  // A click on a linked task is no start; a run over a chain is refused.
  m.scrollStrip(1);
  click(5);
  EXPECT_EQ(m.linkStart(), 0);
  m.scrollStrip(5);
  click(11);
  click(12);
  EXPECT_EQ(links()[10], 1);
  m.clearLinks();
  EXPECT_EQ(m.stripPosition(), 1);
  click(4);
  click(6);
  click(2);
  click(8);  // would take in the chain 4..6 and break its digits
  EXPECT_EQ(links(), (std::vector<int>{0, 0, 0, 1, 2, 3, 0, 0, 0, 0, 0, 0}));
  m.clearLinks();
  EXPECT_EQ(links(), std::vector<int>(12, 0));

  // Inside one interval only.
  SettingsDialogModel two = opened(12);
  setTable(two, {{"1", "5"}, {"6", "12"}});
  two.chooseLinks();
  two.linkClick(3);  // task 4
  two.linkClick(5);  // task 6, in the next interval
  EXPECT_EQ(two.state().values.taskLinks[4], 0);
  two.linkClick(3);
  two.linkClick(4);
  EXPECT_EQ(two.state().values.taskLinks[5], 2);
  auto cells = two.stripCells();
  EXPECT_EQ(cells[3].fill, kLinkedTask);
  EXPECT_TRUE(cells[3].barToNext);
  EXPECT_FALSE(cells[4].barToNext);
  EXPECT_TRUE(cells[4].intervalEnd);
  EXPECT_EQ(cells[5].fill, kUnlinkedTask);
  two.linkClick(6);
  EXPECT_EQ(two.stripCells()[6].fill, kLinkStart);
  two.scrollStrip(13);  // scrolling cancels the start
  EXPECT_EQ(two.linkStart(), 0);
  EXPECT_EQ(two.stripCells()[0].task, 0);  // past the last task
}

TEST(SettingsDialog, LinkingNeedsAValidTable) {
  SettingsDialogModel m = opened(12);
  setTable(m, {{"1", "5"}, {"7", "12"}});
  m.chooseLinks();
  EXPECT_EQ(m.sorting(), SortingChoice::None);
  EXPECT_TRUE(m.errorShown());
  EXPECT_FALSE(m.stripShown() || m.clearLinksEnabled());
}

TEST(SettingsDialog, TheSliderTakesDigitKeysAndItsCaptionFollowsTheThumb) {
  SettingsDialogModel m = opened(4);
  EXPECT_TRUE(m.timeKey('7'));
  EXPECT_EQ(m.state().values.timeLimitMinutes, 70);
  EXPECT_TRUE(m.timeKey('0'));
  EXPECT_EQ(m.state().values.timeLimitMinutes, 1);
  EXPECT_FALSE(m.timeKey('a'));
  EXPECT_EQ(m.state().values.timeLimitMinutes, 1);
  EXPECT_EQ(m.timeCaption(), cp1251("1 хв."));
  for (auto [minutes, x] : {std::pair{1, 6}, {30, 52}, {79, 130}, {80, 128}, {90, 128}}) {
    m.setTime(minutes);
    EXPECT_EQ(m.timeCaptionX(), x) << minutes;
  }
}

TEST(SettingsDialog, WeightsCountForAllTasksOrNone) {
  SettingsDialogModel m = opened(10);
  m.chooseMode(3);  // exam: no weights
  m.selectWeights();
  EXPECT_FALSE(m.gridEditable());
  m.chooseMode(2);
  m.selectWeights();
  ASSERT_TRUE(m.gridEditable());
  for (int i = 1; i <= 10; ++i) m.setGridCell(i, std::to_string(i));
  EXPECT_TRUE(m.totalShown());
  EXPECT_EQ(m.total(), 55);
  m.setGridCell(4, "0");
  EXPECT_FALSE(m.totalShown());
  EXPECT_EQ(m.state().values.taskWeights[5], 0);
  std::string bytes = configBytes(*m.stateToSave());
  EXPECT_NE(bytes.find("\r\n" + std::string(10, char(27)) + "\r\n"), std::string::npos);
  m.setGridCell(4, "");
  EXPECT_FALSE(m.totalShown());
  m.setGridCell(4, "4");
  EXPECT_EQ(m.total(), 55);
  EXPECT_EQ(readConfig(configBytes(*m.stateToSave()), 10, 1).settings.taskWeights[10], 10);

  EXPECT_TRUE(SettingsDialogModel::gridKeyTaken("9", FieldKey::Digit));
  EXPECT_FALSE(SettingsDialogModel::gridKeyTaken("99", FieldKey::Digit));
  EXPECT_FALSE(SettingsDialogModel::gridKeyTaken("", FieldKey::Other));
  EXPECT_TRUE(SettingsDialogModel::gridKeyTaken("99", FieldKey::Backspace));
  EXPECT_FALSE(SettingsDialogModel::scaleKeyTaken("120", FieldKey::Digit));
}

TEST(SettingsDialog, AutoSetupShowsTheElementCountsAsPoints) {
  SettingsDialogState state = readConfig(std::nullopt, 5, 1).dialog;
  int counts[] = {0, 4, 1, 2, 3, 2};  // sum 12
  for (int i = 1; i <= 5; ++i) state.elementCounts[i] = counts[i];
  for (int i = 1; i <= 5; ++i) state.values.taskWeights[i] = 7;
  state.weightsSelected = true;
  state.values.guessingCode = 3;
  state.values.gradeScale = 100;
  SettingsDialogModel m;
  m.fill("T", state);
  EXPECT_EQ(m.total(), 35);
  EXPECT_EQ(m.gridCell(1), "7");
  m.autoSetup();
  EXPECT_EQ(m.total(), 12);
  EXPECT_TRUE(m.totalShown());
  EXPECT_EQ(m.gridCell(1), "4");
  EXPECT_FALSE(m.gridEditable());
  EXPECT_EQ(m.scaleText(), "12");
  EXPECT_EQ(m.state().values.guessingCode, 1);
  EXPECT_EQ(m.takeFocus(), DialogFocus::GuessingList);
  EXPECT_EQ(readConfig(configBytes(*m.stateToSave()), 5, 1).settings.taskWeights[1], 0);
}

TEST(SettingsDialog, ANewPasswordIsGivenAfterTheOldOne) {
  struct Case {
    const char* name;
    const char* digits;
    bool clickFirst;
    int saved;
  } cases[] = {
      {"four digits", "2468", false, 2468},
      {"a leading 0 saves the default", "0123", false, kNoPassword},
      {"a sixth digit is not taken", "123456", false, 12345},
      {"a click marks it invalid until digits follow", "", true, -1},
      {"digits after the click count", "77", true, 77},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SettingsDialogModel m = opened(4, 1234);
    m.changeTab(SettingsTab::Grading);
    m.oldPasswordEdited("12");
    EXPECT_TRUE(m.oldPasswordShown());
    m.oldPasswordEdited("1234");
    EXPECT_FALSE(m.oldPasswordShown());
    EXPECT_EQ(m.oldPasswordText(), "");
    EXPECT_TRUE(m.newPasswordShown());
    EXPECT_FALSE(m.okEnabled());
    EXPECT_EQ(m.takeFocus(), DialogFocus::NewPassword);
    if (c.clickFirst) m.newPasswordClicked();
    for (const char* d = c.digits; *d; ++d) m.newPasswordKey(FieldKey::Digit, *d);
    m.newPasswordKey(FieldKey::Other, 'x');
    EXPECT_EQ(m.newPasswordText(), std::string(std::min<std::size_t>(5, strlen(c.digits)), '='));
    m.changeTab(SettingsTab::Settings);
    // An empty new-password field blocks "Ок".
    EXPECT_EQ(m.okEnabled(), c.saved != -1);
    if (c.saved != -1) {
      EXPECT_EQ(readConfig(configBytes(*m.stateToSave()), 4, 1).passwordInFile, c.saved);
    }
  }
}

TEST(SettingsDialog, OpeningAgainResetsThePasswordFieldsAndKeepsTheRest) {
  SettingsDialogModel m = opened(4, 1234);
  m.changeTab(SettingsTab::Grading);
  m.setTime(45);
  m.oldPasswordEdited("1234");
  m.newPasswordKey(FieldKey::Digit, '5');
  m.open(false);  // closed and opened again without the prompt
  EXPECT_EQ(m.tab(), SettingsTab::Grading);
  EXPECT_TRUE(m.oldPasswordShown());
  EXPECT_FALSE(m.newPasswordShown());
  EXPECT_EQ(m.state().values.timeLimitMinutes, 45);
  EXPECT_TRUE(m.okEnabled());
  // With nothing typed the current password is saved.
  EXPECT_EQ(readConfig(configBytes(*m.stateToSave()), 4, 1).passwordInFile, 1234);
  m.open(true);  // after the password prompt: the first tab
  EXPECT_EQ(m.tab(), SettingsTab::Settings);
  EXPECT_EQ(m.currentPasswordText(), "1234");
  EXPECT_EQ(opened(4).currentPasswordText(), "47315");
}

TEST(SettingsDialog, ATableFoundWrongBlocksOkAfterThePromptToo) {
  SettingsDialogModel m = opened(12, 1234);
  setTable(m, {{"1", "5"}, {"7", "12"}});
  m.open(true);
  EXPECT_FALSE(m.okEnabled());
  EXPECT_FALSE(m.stateToSave());
}

TEST(SettingsDialog, ModeButtonsSetWhatTheGradingControlsTake) {
  SettingsDialogModel m = opened(4);
  for (int mode : {0, 1, 2, 3, 4}) {
    m.chooseMode(mode);
    bool unweighted = mode == 0 || mode == 3;
    EXPECT_EQ(m.weightsEnabled(), !unweighted) << mode;
    EXPECT_EQ(m.guessingGreyed(), unweighted) << mode;
    EXPECT_FALSE(m.gridEditable()) << mode;
    EXPECT_EQ(readConfig(configBytes(*m.stateToSave()), 4, 1).settings.mode, mode);
  }
}

TEST(SettingsDialog, OkSavesWhatReopensToTheSameSettings) {
  SettingsDialogModel m = opened(12);
  m.chooseMode(1);
  m.setTime(70);
  m.values().delay = true;
  m.values().personalise = false;
  m.setScaleText("10");
  m.chooseGuessing(4);
  m.chooseLaunches(13);
  setTable(m, {{"1", "6"}, {"7", "12"}});
  m.chooseLinks();
  m.scrollStrip(5);
  m.linkClick(3);  // task 8
  m.linkClick(3);  // the same task: refused
  m.linkClick(3);
  m.linkClick(5);  // task 10
  m.setShuffle(true);
  m.changeTab(SettingsTab::Settings);
  auto saved = m.stateToSave();
  ASSERT_TRUE(saved);
  ConfigReading back = readConfig(configBytes(*saved), 12, 1);
  EXPECT_TRUE(back.repairs.empty() && back.checksumMatched);
  SettingsDialogModel again;
  again.fill("T", back.dialog);
  EXPECT_EQ(again.state().values.mode, 1);
  EXPECT_EQ(again.state().values.timeLimitMinutes, 70);
  EXPECT_TRUE(again.state().values.delay && again.state().values.shuffle);
  EXPECT_FALSE(again.state().values.personalise);
  EXPECT_EQ(again.scaleText(), "10");
  EXPECT_EQ(again.state().values.guessingCode, guessingCodeOf(4));
  EXPECT_EQ(again.state().values.launchesLeft, 13);
  EXPECT_EQ(again.table(), (std::vector<SettingsDialogModel::Row>{{"1", "6"}, {"7", "12"}}));
  EXPECT_EQ(again.state().values.taskLinks, saved->values.taskLinks);
  EXPECT_EQ(again.state().values.taskLinks[8], 1);
  EXPECT_EQ(again.state().values.taskLinks[10], 3);
}

TEST(SettingsHelp, HasItsLinesAndItsFormattedHeadings) {
  const auto& lines = settingsHelpLines();
  ASSERT_EQ(lines.size(), static_cast<std::size_t>(kSettingsHelpLineCount));
  const std::pair<int, const char*> headings[] = {
      {1, "УСТАНОВКИ"},   {3, "Режими роботи:"}, {39, "Контроль:"}, {67, "ОЦІНЮВАННЯ"},
      {91, "СОРТУВАННЯ"}, {102, "ЗАПУСКІВ:  "},  {108, "ПАРОЛЬ: "},
  };
  for (std::size_t i = 0; i < std::size(headings); ++i) {
    EXPECT_EQ(lines[static_cast<std::size_t>(headings[i].first - 1)], cp1251(headings[i].second));
    EXPECT_EQ(kSettingsHelpStyles[i].line, headings[i].first);
  }
  EXPECT_NE(lines.back().find("47315"), std::string::npos);
}

}  // namespace
}  // namespace ispyt
