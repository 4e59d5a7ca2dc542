#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "../ReadOnlyFolder.h"
#include "content/ConfigFile.h"
#include "content/DigitOffset.h"
#include "platform/Cp1251.h"
#include "platform/LineReader.h"
#include "platform/Paths.h"

namespace ispyt {
namespace {

std::string joinLines(std::initializer_list<std::string> lines, bool lastEnds = true) {
  std::string out;
  std::size_t i = 0;
  for (const std::string& l : lines) {
    out += l;
    if (++i < lines.size() || lastEnds) out += "\r\n";
  }
  return out;
}

std::string modeLine(int m) { return {char(m), char(1), char(m)}; }

// A file for ten tasks as this program writes it, with the given tail.
std::string tenTaskFile(int mode, const std::string& links, long long password, long long launches,
                        long long checksum) {
  return joinLines({modeLine(mode), "25", "1", "0", "1", "0", "0", "1", "10", "0", "5",
                    std::string(10, char(27)), "1", "1", "10", links, encodeDigitOffset(password),
                    encodeDigitOffset(launches), encodeDigitOffset(checksum)});
}

TEST(DigitOffset, EncodesEachCharacterLoweredBy30AndEightAs31) {
  EXPECT_EQ(encodeDigitOffset(12), std::string({19, 20}));
  EXPECT_EQ(encodeDigitOffset(8), std::string({31}));
  EXPECT_EQ(encodeDigitOffset(0), std::string({18}));
  EXPECT_EQ(encodeDigitOffset(47315), std::string({22, 25, 21, 19, 23}));
  for (long long v : {0LL, 7LL, 8LL, 88LL, 1808LL, 47315LL, 99999LL, -1LL})
    EXPECT_EQ(decodeDigitOffset(encodeDigitOffset(v)), v) << v;
  EXPECT_FALSE(decodeDigitOffset(""));
  EXPECT_FALSE(decodeDigitOffset("12"));  // plain digits are not encoded digits
  EXPECT_FALSE(decodeDigitOffset(std::string({19, 2, 20})));
}

TEST(ReadConfig, MissingFileGivesDefaultsAndKeepsTheLaunchCounter) {
  ConfigReading r = readConfig(std::nullopt, 7, 13);
  const Settings& s = r.settings;
  EXPECT_FALSE(r.found);
  EXPECT_EQ(s.mode, 4);
  EXPECT_EQ(s.timeLimitMinutes, 30);
  EXPECT_TRUE(s.personalise && s.showGrade && s.resultsInPercent);
  EXPECT_FALSE(s.shuffle || s.delay || s.forbidFreeNavigation || s.reviewInComposedOrder);
  EXPECT_EQ(s.gradeScale, 12);
  EXPECT_EQ(s.guessingCode, 1);
  EXPECT_EQ(guessingChoiceName(guessingChoice(r.dialog.values.guessingCode)), cp1251("Відсутня"));
  EXPECT_EQ(s.intervalCount, 1);
  EXPECT_EQ(s.intervals[1].first, 1);
  EXPECT_EQ(s.intervals[1].last, 7);
  EXPECT_FALSE(s.hasPassword());
  EXPECT_EQ(s.launchesLeft, 13);
  EXPECT_FALSE(r.launchCounting);
  EXPECT_FALSE(r.dialog.weightsSelected);
  EXPECT_FALSE(r.dialog.newPasswordEnabled);
}

TEST(ReadConfig, AMalformedFirstLineConsumesOnlyThatLine) {
  // Mode 2 and a password further down must not be taken.
  std::string rest = tenTaskFile(2, "0000000000", 555, 3, 2 + 11 + 555 + 3).substr(5);
  for (std::string first :
       {std::string("1ab"), std::string({2, 1}), std::string(), std::string("\x0A\x01\x0A")}) {
    ConfigReading r = readConfig(first + "\r\n" + rest, 10, 1);
    EXPECT_TRUE(r.found);
    EXPECT_EQ(r.settings.mode, 4) << testing::PrintToString(first);
    EXPECT_EQ(r.settings.timeLimitMinutes, 30);
    EXPECT_FALSE(r.settings.hasPassword());
    EXPECT_EQ(r.keptCopy, std::vector<std::string>{first});
    EXPECT_FALSE(r.launchCounting);
  }
}

TEST(ReadConfig, ModeByteTwoIsTestPaperAndSevenStaysSevenShownAsMonitoring) {
  ConfigReading two = readConfig(tenTaskFile(2, "0000000000", 0, 1, 2 + 11 + 1), 10, 1);
  EXPECT_EQ(two.settings.mode, 2);
  EXPECT_EQ(modeName(two.dialog.values.mode), cp1251("Контрольна робота"));
  EXPECT_TRUE(two.checksumMatched);
  ConfigReading seven = readConfig(tenTaskFile(7, "0000000000", 0, 1, 7 + 11 + 1), 10, 1);
  EXPECT_EQ(seven.settings.mode, 7);
  EXPECT_EQ(seven.dialog.values.mode, 4);
  EXPECT_EQ(modeName(seven.dialog.values.mode), cp1251("Моніторинг"));
  EXPECT_TRUE(seven.checksumMatched);
}

TEST(ReadConfig, ReadsEveryLineAndKeepsTheLinesForCounting) {
  std::string bytes = tenTaskFile(4, "0120000123", 2468, 8, 4 + 11 + 9 + 2468 + 8);
  ConfigReading r = readConfig(bytes, 10, 1);
  const Settings& s = r.settings;
  EXPECT_TRUE(r.complete && r.checksumMatched);
  EXPECT_TRUE(r.repairs.empty()) << testing::PrintToString(r.repairs);
  EXPECT_EQ(s.timeLimitMinutes, 25);
  EXPECT_TRUE(s.personalise && !s.shuffle && s.delay && !s.forbidFreeNavigation);
  EXPECT_TRUE(!s.reviewInComposedOrder && s.showGrade && !s.resultsInPercent);
  EXPECT_EQ(s.gradeScale, 10);
  EXPECT_EQ(s.guessingCode, 5);
  EXPECT_EQ(s.password, 2468);
  EXPECT_EQ(s.launchesLeft, 8);
  EXPECT_EQ(s.taskLinks[2], 1);
  EXPECT_EQ(s.taskLinks[3], 2);
  EXPECT_EQ(s.taskLinks[10], 3);
  EXPECT_TRUE(r.launchCounting);
  ASSERT_EQ(r.keptCopy.size(), 19u);
  EXPECT_EQ(r.keptCopy[0], modeLine(4));
  EXPECT_EQ(r.keptCopy[16], encodeDigitOffset(2468));
  EXPECT_EQ(r.keptCopy[17], "7");
  EXPECT_EQ(r.keptCopy[18], std::to_string(4 + 11 + 9 + 2468 + 8 - 1));
}

TEST(ReadConfig, ChecksumMismatchDropsOnlyThePassword) {
  ConfigReading r = readConfig(tenTaskFile(4, "0000000000", 2468, 8, 999), 10, 1);
  EXPECT_FALSE(r.checksumMatched);
  EXPECT_FALSE(r.settings.hasPassword());
  EXPECT_EQ(r.passwordInFile, 2468);
  EXPECT_EQ(r.settings.timeLimitMinutes, 25);
  EXPECT_EQ(r.settings.launchesLeft, 8);
  EXPECT_FALSE(r.launchCounting);
}

TEST(ReadConfig, PasswordZeroMeansNoPassword) {
  ConfigReading r = readConfig(tenTaskFile(4, "0000000000", 0, 5, 4 + 11 + 5), 10, 1);
  EXPECT_TRUE(r.checksumMatched);
  EXPECT_EQ(r.settings.password, kNoPassword);
  EXPECT_FALSE(r.launchCounting);
}

TEST(ReadConfig, ALaunchLineOfThreeCharactersReadsAsZero) {
  std::string bytes =
      joinLines({modeLine(4), "30", "1", "0", "0", "0", "0", "1", "12", "1", "1",
                 std::string(10, char(27)), "1", "1", "10", "0000000000", encodeDigitOffset(77),
                 encodeDigitOffset(100), encodeDigitOffset(4 + 11 + 77 + 0)});
  ConfigReading r = readConfig(bytes, 10, 9);
  EXPECT_EQ(r.settings.launchesLeft, 0);
  EXPECT_TRUE(r.checksumMatched);
  EXPECT_EQ(r.settings.password, 77);
  EXPECT_FALSE(r.launchCounting);  // no launches left
  // The repair is said, as every other one is.
  ASSERT_EQ(r.repairs.size(), 1u);
  EXPECT_NE(r.repairs[0].find("launch line has 3 characters"), std::string::npos);
}

// Hand damage: the file still opens and every value stays in its range.
struct DamageCase {
  const char* name;
  std::string bytes;
  void (*check)(const ConfigReading&);
};

std::string damagedFile(std::vector<std::string> lines) {
  std::string out;
  for (auto& l : lines) out += l + "\r\n";
  return out;
}

std::vector<std::string> goodLines() {
  return {modeLine(1),
          "20",
          "1",
          "1",
          "0",
          "0",
          "0",
          "1",
          "12",
          "1",
          "1",
          std::string(10, char(30)),
          "2",
          "1",
          "4",
          "5",
          "10",
          "0012000000",
          encodeDigitOffset(321),
          encodeDigitOffset(3),
          encodeDigitOffset(1 + 20 + 3 + 321 + 3)};
}

std::string withLine(int number, std::string text) {
  auto lines = goodLines();
  lines[number - 1] = std::move(text);
  return damagedFile(lines);
}

TEST(ReadConfig, ATimeAboveTheSliderIsKeptForTheAttemptAndShownAsNinety) {
  ConfigReading r = readConfig(withLine(2, "120"), 10, 1);
  EXPECT_EQ(r.settings.timeLimitMinutes, 120);
  EXPECT_EQ(r.dialog.values.timeLimitMinutes, 90);
}

std::vector<std::string> firstLines(int count) {
  auto lines = goodLines();
  lines.resize(count);
  return lines;
}

TEST(ReadConfig, TheUndamagedFileOfTheDamageTableReadsCleanly) {
  ConfigReading r = readConfig(damagedFile(goodLines()), 10, 1);
  EXPECT_TRUE(r.checksumMatched);
  EXPECT_TRUE(r.repairs.empty()) << testing::PrintToString(r.repairs);
  EXPECT_EQ(r.settings.taskWeights[10], 3);
  EXPECT_EQ(r.settings.intervalCount, 2);
  EXPECT_EQ(r.settings.password, 321);
}

TEST(ReadConfig, HandDamageReadsAsDefaultsWithinRange) {
  const DamageCase cases[] = {
      {"short weights line", withLine(12, std::string(4, char(30))),
       [](const ConfigReading& r) {
         EXPECT_EQ(r.settings.taskWeights[4], 3);
         EXPECT_EQ(r.settings.taskWeights[5], 0);
         EXPECT_EQ(r.settings.password, 321);  // weights are not in the checksum
       }},
      {"weight bytes out of range", withLine(12, std::string(9, char(30)) + char(200)),
       [](const ConfigReading& r) { EXPECT_EQ(r.settings.taskWeights[10], 0); }},
      {"weight byte below 27", withLine(12, std::string(9, char(30)) + char(5)),
       [](const ConfigReading& r) { EXPECT_EQ(r.settings.taskWeights[10], 0); }},
      {"non-numeric interval cell", withLine(16, "x"),
       [](const ConfigReading& r) {
         // The second interval goes; its tasks keep their place.
         EXPECT_EQ(r.settings.intervalCount, 1);
         EXPECT_EQ(r.settings.intervals[1].last, 4);
         EXPECT_FALSE(r.checksumMatched);
         EXPECT_FALSE(r.settings.hasPassword());
       }},
      {"interval count 9", withLine(13, "9"),
       [](const ConfigReading& r) {
         EXPECT_EQ(r.settings.timeLimitMinutes, 20);  // read before the count
         EXPECT_EQ(r.settings.intervalCount, 1);
         EXPECT_EQ(r.settings.taskLinks[3], 0);
         EXPECT_FALSE(r.settings.hasPassword());
         EXPECT_EQ(r.settings.launchesLeft, 1);  // carried over
       }},
      {"non-numeric time", withLine(2, "abc"),
       [](const ConfigReading& r) { EXPECT_EQ(r.settings.timeLimitMinutes, 30); }},
      {"time zero", withLine(2, "0"),
       [](const ConfigReading& r) { EXPECT_EQ(r.settings.timeLimitMinutes, 30); }},
      {"scale 150", withLine(9, "150"),
       [](const ConfigReading& r) { EXPECT_EQ(r.settings.gradeScale, 12); }},
      {"guessing code 7", withLine(11, "7"),
       [](const ConfigReading& r) { EXPECT_EQ(r.settings.guessingCode, 1); }},
      {"short links line", withLine(18, "0012"),
       [](const ConfigReading& r) {
         EXPECT_EQ(r.settings.taskLinks[3], 0);
         EXPECT_EQ(r.settings.taskLinks[4], 0);
       }},
      {"links with a 9", withLine(18, "0012000009"),
       [](const ConfigReading& r) { EXPECT_EQ(r.settings.taskLinks[10], 0); }},
      {"a chain not starting at 1", withLine(18, "0002300000"),
       [](const ConfigReading& r) { EXPECT_EQ(r.settings.taskLinks[4], 0); }},
      {"a chain across two intervals", withLine(18, "0001200000"),
       [](const ConfigReading& r) { EXPECT_EQ(r.settings.taskLinks[4], 0); }},
      {"password of six digits", withLine(19, encodeDigitOffset(123456)),
       [](const ConfigReading& r) { EXPECT_FALSE(r.settings.hasPassword()); }},
      {"negative launches", withLine(20, encodeDigitOffset(-5)),
       [](const ConfigReading& r) { EXPECT_EQ(r.settings.launchesLeft, 0); }},
      {"file cut after line 15", damagedFile(firstLines(15)),
       [](const ConfigReading& r) {
         EXPECT_FALSE(r.complete);
         EXPECT_FALSE(r.settings.hasPassword());
         EXPECT_EQ(r.settings.intervalCount, 1);
         EXPECT_FALSE(r.launchCounting);
       }},
  };
  for (const DamageCase& c : cases) {
    SCOPED_TRACE(c.name);
    ConfigReading r = readConfig(c.bytes, 10, 1);
    EXPECT_FALSE(r.repairs.empty() && r.checksumMatched);
    const Settings& s = r.settings;
    EXPECT_TRUE(s.timeLimitMinutes >= 1 && s.timeLimitMinutes <= 999);
    EXPECT_TRUE(s.gradeScale >= 5 && s.gradeScale <= 120);
    EXPECT_GE(guessingChoice(s.guessingCode), 0);
    EXPECT_TRUE(s.launchesLeft >= 0 && s.launchesLeft <= 99);
    for (int i = 1; i <= 10; ++i) {
      EXPECT_TRUE(s.taskWeights[i] >= 0 && s.taskWeights[i] <= 99);
      EXPECT_TRUE(s.taskLinks[i] >= 0 && s.taskLinks[i] <= 8);
    }
    c.check(r);
  }
}

// Intervals as a teacher may write them by hand, in a test of 12 tasks.
TEST(ReadConfig, IntervalsAreReadAsWrittenAndOnlyWhatWouldFaultIsMended) {
  using Pairs = std::vector<std::pair<int, int>>;
  struct Case {
    const char* name;
    std::vector<std::string> cells;
    Pairs read;
    const char* repair;  // nullptr: none
  } cases[] = {
      {"gaps stay gaps", {"2", "4", "7", "11"}, {{2, 4}, {7, 11}}, nullptr},
      {"order as written", {"7", "11", "2", "4"}, {{7, 11}, {2, 4}}, nullptr},
      {"a one-task interval", {"1", "11", "12", "12"}, {{1, 11}, {12, 12}}, nullptr},
      {"past the last task", {"1", "5", "6", "40"}, {{1, 5}, {6, 12}}, "reaches outside"},
      {"before the first task", {"0", "5", "6", "12"}, {{1, 5}, {6, 12}}, "reaches outside"},
      {"wholly outside", {"1", "12", "13", "20"}, {{1, 12}}, "lies outside"},
      {"reversed", {"1", "5", "11", "7"}, {{1, 5}}, "reversed"},
      {"overlapping", {"1", "6", "5", "12"}, {{1, 6}, {7, 12}}, "shares tasks"},
      {"inside an earlier one", {"1", "12", "3", "4"}, {{1, 12}}, "inside earlier"},
      {"around an earlier one", {"5", "6", "1", "12"}, {{5, 6}, {1, 4}}, "shares tasks"},
      {"a cell not a number", {"1", "5", "x", "12"}, {{1, 5}}, "not a number"},
      {"nothing left", {"9", "3", "13", "14"}, {{1, 12}}, "no interval is left"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    long long sum = 4;
    for (const std::string& cell : c.cells) sum += std::atoll(cell.c_str());
    std::vector<std::string> lines = {modeLine(4), "30", "1",  "1", "0", "0",
                                      "0",         "1",  "12", "1", "1", std::string(12, char(27)),
                                      "2"};
    lines.insert(lines.end(), c.cells.begin(), c.cells.end());
    for (std::string tail : {std::string(12, '0'), encodeDigitOffset(505), encodeDigitOffset(1),
                             encodeDigitOffset(sum + 505 + 1)})
      lines.push_back(tail);
    ConfigReading r = readConfig(damagedFile(lines), 12, 1);
    EXPECT_TRUE(r.checksumMatched);
    EXPECT_EQ(r.settings.password, 505);  // the teacher's lock stays
    Pairs read;
    for (int j = 1; j <= r.settings.intervalCount; ++j)
      read.emplace_back(r.settings.intervals[j].first, r.settings.intervals[j].last);
    EXPECT_EQ(read, c.read);
    if (c.repair) {
      EXPECT_TRUE(std::any_of(r.repairs.begin(), r.repairs.end(), [&](const std::string& t) {
        return t.find(c.repair) != t.npos;
      })) << testing::PrintToString(r.repairs);
    } else {
      EXPECT_TRUE(r.repairs.empty()) << testing::PrintToString(r.repairs);
    }
  }
}

SettingsDialogState tenTaskDialog() {
  SettingsDialogState d = readConfig(std::nullopt, 10, 1).dialog;
  return d;
}

TEST(WriteConfig, MonitoringWithOneIntervalChecksumsFifteenPlusPasswordPlusLaunches) {
  for (auto [p, l] : {std::pair{1234, 5}, std::pair{88888, 8}, std::pair{7, 0}}) {
    SettingsDialogState d = tenTaskDialog();
    d.values.password = p;
    d.values.launchesLeft = l;
    std::string bytes = configBytes(d);
    std::string tail =
        joinLines({encodeDigitOffset(p), encodeDigitOffset(l), encodeDigitOffset(15 + p + l)});
    ASSERT_GE(bytes.size(), tail.size());
    EXPECT_EQ(bytes.substr(bytes.size() - tail.size()), tail) << p;
    EXPECT_EQ(bytes.substr(0, 5), modeLine(4) + "\r\n");
    ConfigReading back = readConfig(bytes, 10, 1);
    EXPECT_TRUE(back.checksumMatched);
    EXPECT_EQ(back.settings.password, p);
    EXPECT_EQ(back.settings.launchesLeft, l);
  }
}

std::string weightsLineOf(const std::string& bytes) {
  LineReader lines(bytes);
  for (int i = 1; i < 12; ++i) lines.next();
  return std::string(*lines.next());
}

TEST(WriteConfig, WeightsAreWrittenOnlyWhenEveryTaskHasOne) {
  SettingsDialogState d = tenTaskDialog();
  d.values.taskWeights[4] = 5;
  EXPECT_EQ(weightsLineOf(configBytes(d)), std::string(10, char(27)));
  for (int i = 1; i <= 10; ++i) d.values.taskWeights[i] = i;
  std::string line = weightsLineOf(configBytes(d));
  ASSERT_EQ(line.size(), 10u);
  EXPECT_EQ(line[0], char(28));
  EXPECT_EQ(line[9], char(37));
  ConfigReading back = readConfig(configBytes(d), 10, 1);
  EXPECT_TRUE(back.dialog.weightsSelected);
  EXPECT_EQ(back.settings.taskWeights[7], 7);
}

TEST(WriteConfig, ScaleOutsideFiveTo120IsSavedAsTwelve) {
  for (auto [given, saved] :
       {std::pair{150, 12}, std::pair{4, 12}, std::pair{5, 5}, std::pair{120, 120}}) {
    SettingsDialogState d = tenTaskDialog();
    d.values.gradeScale = given;
    EXPECT_EQ(readConfig(configBytes(d), 10, 1).settings.gradeScale, saved) << given;
  }
}

TEST(WriteConfig, EverySettingReadsBackAsWritten) {
  SettingsDialogState d = tenTaskDialog();
  Settings& v = d.values;
  v.mode = 3;
  v.timeLimitMinutes = 90;
  v.personalise = false;
  v.shuffle = v.delay = v.forbidFreeNavigation = v.reviewInComposedOrder = true;
  v.showGrade = v.resultsInPercent = false;
  v.gradeScale = 100;
  v.guessingCode = 9;
  v.intervalCount = 3;
  v.intervals[1] = {1, 3};
  v.intervals[2] = {4, 8};
  v.intervals[3] = {9, 10};
  v.taskLinks[5] = 1;
  v.taskLinks[6] = 2;
  v.taskLinks[9] = 1;
  v.taskLinks[10] = 2;
  v.password = 31337;
  v.launchesLeft = 55;
  ConfigReading back = readConfig(configBytes(d), 10, 1);
  EXPECT_TRUE(back.repairs.empty()) << testing::PrintToString(back.repairs);
  const Settings& s = back.settings;
  EXPECT_EQ(s.mode, 3);
  EXPECT_EQ(s.timeLimitMinutes, 90);
  EXPECT_FALSE(s.personalise || s.showGrade || s.resultsInPercent);
  EXPECT_TRUE(s.shuffle && s.delay && s.forbidFreeNavigation && s.reviewInComposedOrder);
  EXPECT_EQ(s.gradeScale, 100);
  EXPECT_EQ(s.guessingCode, 9);
  ASSERT_EQ(s.intervalCount, 3);
  EXPECT_EQ(s.intervals[2].first, 4);
  EXPECT_EQ(s.intervals[2].last, 8);
  EXPECT_EQ(s.taskLinks, v.taskLinks);
  EXPECT_EQ(s.password, 31337);
  EXPECT_EQ(s.launchesLeft, 55);
}

TEST(WriteConfig, TheSavedPasswordFollowsTheNewPasswordEntry) {
  struct Case {
    bool enabled;
    const char* digits;
    bool invalid;
    int saved;
  } cases[] = {
      {false, "", false, 4321},        {false, "999", false, 4321},
      {true, "999", false, 999},       {true, "", false, 4321},
      {true, "", true, kNoPassword},   {true, "0123", false, kNoPassword},
      {true, "12", true, kNoPassword},
  };
  for (const Case& c : cases) {
    SettingsDialogState d = tenTaskDialog();
    d.values.password = 4321;
    d.newPasswordEnabled = c.enabled;
    d.newPasswordDigits = c.digits;
    d.newPasswordInvalid = c.invalid;
    EXPECT_EQ(readConfig(configBytes(d), 10, 1).passwordInFile, c.saved) << c.digits;
  }
}

class ConfigFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = fs::temp_directory_path() /
             (std::string("ispyt-config-") +
              ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder);
    fs::create_directories(folder);
  }
  void TearDown() override { fs::remove_all(folder); }
  void write(const std::string& name, std::string_view bytes) {
    std::ofstream(folder / name, std::ios::binary) << bytes;
  }
  std::string read(const std::string& name) {
    return readFileBytes(folder / name).value_or("<missing>");
  }
  fs::path folder;
};

TEST_F(ConfigFolder, CountingALaunchRewritesExactlyTheKeptCopy) {
  const long long sum = 4 + 11 + 9 + 2468 + 8;
  write("config.ini", tenTaskFile(4, "0120000123", 2468, 8, sum));
  ConfigReading r = readConfigFile(folder, 10, 1);
  ASSERT_TRUE(r.launchCounting);
  ASSERT_FALSE(countLaunch(folder, r.keptCopy));
  std::string expected = tenTaskFile(4, "0120000123", 2468, 7, sum - 1);
  expected.resize(expected.size() - 2);  // the last line has no line end
  EXPECT_EQ(read("config.ini"), expected);
  EXPECT_FALSE(fs::exists(folder / "Config.ini.new"));
  // Until the test is opened again every count writes the same values.
  ASSERT_FALSE(countLaunch(folder, r.keptCopy));
  EXPECT_EQ(read("config.ini"), expected);
  ConfigReading again = readConfigFile(folder, 10, 1);
  EXPECT_TRUE(again.checksumMatched);
  EXPECT_EQ(again.settings.launchesLeft, 7);
  EXPECT_EQ(again.settings.password, 2468);
}

TEST_F(ConfigFolder, SavingReplacesTheFileWhateverTheCaseOfItsName) {
  write("CONFIG.INI", "old");
  SettingsDialogState d = tenTaskDialog();
  d.values.timeLimitMinutes = 45;
  ASSERT_FALSE(saveConfig(folder, d));
  EXPECT_EQ(read("CONFIG.INI"), configBytes(d));
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
  EXPECT_EQ(readConfigFile(folder, 10, 1).settings.timeLimitMinutes, 45);
}

TEST_F(ConfigFolder, AFailedSaveReportsAnErrorAndKeepsTheOldFile) {
  const std::string old = tenTaskFile(4, "0000000000", 0, 1, 16);
  write("Config.ini", old);
  fs::create_directories(folder / "Config.ini.new" / "x");  // the new file cannot be made
  std::error_code error = saveConfig(folder, tenTaskDialog());
  EXPECT_TRUE(error);
  EXPECT_EQ(read("Config.ini"), old);
  EXPECT_NE(configSaveErrorText(error).find(cp1251("Помилка")), std::string::npos);
}

TEST_F(ConfigFolder, AReadOnlyFolderKeepsTheOldFileByteForByte) {
  // A file cut short would lose its password line: the lock would fall away.
  const std::string old = tenTaskFile(4, "0000000000", 2468, 3, 4 + 11 + 2468 + 3);
  write("Config.ini", old);
  SettingsDialogState d = tenTaskDialog();
  d.values.password = 99;
  std::error_code error;
  {
    fixtures::ReadOnlyFolder readOnly(folder);
    fixtures::ActingAsNobody nobody;
    ASSERT_TRUE(nobody.ok());
    error = saveConfig(folder, d);
  }
  EXPECT_EQ(error, std::errc::permission_denied);
  EXPECT_EQ(read("Config.ini"), old);
  EXPECT_FALSE(fs::exists(folder / "Config.ini.new"));
  EXPECT_NE(configSaveErrorText(error).find(cp1251("закрита для запису")), std::string::npos);
  EXPECT_EQ(readConfigFile(folder, 10, 1).settings.password, 2468);
}

TEST_F(ConfigFolder, AFailedReplaceLeavesNoNewFileBehind) {
  fs::create_directories(folder / "Config.ini" / "x");  // a folder where the file should be
  EXPECT_TRUE(saveConfig(folder, tenTaskDialog()));
  EXPECT_FALSE(fs::exists(folder / "Config.ini.new"));
  EXPECT_TRUE(fs::is_directory(folder / "Config.ini"));
}

TEST(LaunchCount, RefusesAnIncompleteKeptCopy) {
  EXPECT_FALSE(launchCountBytes({modeLine(4)}));
  EXPECT_FALSE(launchCountBytes(readConfig(std::nullopt, 10, 1).keptCopy));
}

}  // namespace
}  // namespace ispyt
