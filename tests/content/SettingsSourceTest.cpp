#include <gtest/gtest.h>

#include "content/ConfigFile.h"
#include "content/SettingsSource.h"

namespace ispyt {
namespace {

SettingsFromSource fromSource(std::string source, int tasks, std::string* rest = nullptr) {
  auto lines = takeSettingsLines(source);
  if (rest) *rest = source;
  return settingsFromSource(lines, tasks);
}

TEST(SettingsSource, TakesOnlyHeaderLinesAndKeepsLineNumbers) {
  std::string rest;
  auto s = fromSource("title: T\nmode: exam\n# time: 5\n== single\ntime: 9\n", 1, &rest);
  EXPECT_EQ(rest, "title: T\n\n# time: 5\n== single\ntime: 9\n");
  ASSERT_TRUE(s.dialog);
  EXPECT_EQ(s.dialog->values.mode, 3);
  EXPECT_EQ(s.dialog->values.timeLimitMinutes, 30);  // after the first task: not a setting
}

TEST(SettingsSource, EverySettingReachesTheFileAsWritten) {
  auto s = fromSource(
      "mode: тренінг\ntime: 45\ncard: no\nshuffle: yes\ndelay: так\nno-free-moves: on\n"
      "review-in-order: 1\ngrade: no\npercent: off\nscale: 100\nguessing: very-low\n"
      "weights: 1 2 3 4 5 6\nintervals: 1-3 4-6\nlinks: 1-2 4-6\npassword: 9876\nlaunches: 21\n",
      6);
  ASSERT_TRUE(s.dialog) << s.error.message;
  ConfigReading r = readConfig(configBytes(*s.dialog), 6, 1);
  const Settings& v = r.settings;
  EXPECT_TRUE(r.checksumMatched && r.repairs.empty());
  EXPECT_EQ(v.mode, 1);
  EXPECT_EQ(v.timeLimitMinutes, 45);
  EXPECT_FALSE(v.personalise || v.showGrade || v.resultsInPercent);
  EXPECT_TRUE(v.shuffle && v.delay && v.forbidFreeNavigation && v.reviewInComposedOrder);
  EXPECT_EQ(v.gradeScale, 100);
  EXPECT_EQ(v.guessingCode, 9);
  EXPECT_EQ(v.taskWeights[6], 6);
  EXPECT_EQ(v.intervalCount, 2);
  EXPECT_EQ(v.intervals[2].first, 4);
  EXPECT_EQ((std::vector<int>(v.taskLinks.begin() + 1, v.taskLinks.begin() + 7)),
            (std::vector<int>{1, 2, 0, 1, 2, 3}));
  EXPECT_EQ(v.password, 9876);
  EXPECT_EQ(v.launchesLeft, 21);
}

TEST(SettingsSource, FaultsNameTheirLine) {
  struct Case {
    const char* source;
    int line;
    const char* says;
  } cases[] = {
      {"title: T\nmode: quiz\n", 2, "unknown mode"},
      {"time: 91\n", 1, "1..90"},
      {"shuffle: maybe\n", 1, "yes or no"},
      {"weights: 1 2\n", 1, "one weight per task"},
      {"weights: 1 0 3 4\n", 1, "1..99"},
      {"intervals: 1-2 4-4\n", 1, "follow each other"},
      {"intervals: 1-2 3-4\nlinks: 2-3\n", 2, "cross the end"},
      {"links: 1-1\n", 1, "2 to 8"},
      {"password: 0123\n", 1, "leading zero"},
      {"launches: 100\n", 1, "0..99"},
  };
  for (const Case& c : cases) {
    auto s = fromSource(c.source, 4);
    EXPECT_FALSE(s.dialog) << c.source;
    EXPECT_EQ(s.error.line, c.line) << c.source;
    EXPECT_NE(s.error.message.find(c.says), std::string::npos) << s.error.message;
  }
}

TEST(SettingsSource, TheDialogsRulesLeaveWeightsAndScaleToSaving) {
  // What the settings command changes in a test that already has settings.
  SettingsDialogState d = readConfig(std::nullopt, 4, 1).dialog;
  d.values.taskLinks[1] = 1;
  d.values.taskLinks[2] = 2;
  std::vector<SettingsSourceLine> lines = {
      {1, "weights", "2,0 3 4"}, {2, "scale", "150"}, {3, "intervals", "1-3, 4"}};
  EXPECT_FALSE(applySettingsLines(d, lines, SettingsWords::Dialog));
  EXPECT_EQ(d.values.intervalCount, 2);
  EXPECT_EQ(d.values.intervals[2].first, 4);
  EXPECT_EQ(d.values.intervals[2].last, 4);
  EXPECT_EQ(d.values.taskLinks[2], 2);  // kept: inside the first interval
  EXPECT_EQ(savingAdjustments(d).size(), 2u);
  ConfigReading r = readConfig(configBytes(d), 4, 1);
  EXPECT_EQ(r.settings.taskWeights[1], 0);
  EXPECT_EQ(r.settings.gradeScale, 12);
  // The source is checked strictly.
  SettingsDialogState strict = readConfig(std::nullopt, 4, 1).dialog;
  EXPECT_TRUE(applySettingsLines(strict, lines, SettingsWords::Source));
  // New intervals that the kept links would cross ask for the links too.
  auto crossing = applySettingsLines(d, {{1, "intervals", "1 2-4"}}, SettingsWords::Dialog);
  ASSERT_TRUE(crossing);
  EXPECT_NE(crossing->message.find("links: none"), std::string::npos);
  EXPECT_FALSE(applySettingsLines(d, {{1, "intervals", "1 2-4"}, {2, "links", "none"}},
                                  SettingsWords::Dialog));
  EXPECT_EQ(d.values.taskLinks[2], 0);
}

}  // namespace
}  // namespace ispyt
