// The monitoring charts' data from a test folder: which attempts of
// "Monitor.dm" count, the per-task averages, the levels and the average
// grade, the one-attempt view, damaged files; the CSV table; cleaning a
// test folder's results; the name plate's sizes and lines.

#include <gtest/gtest.h>

#include <fstream>

#include "platform/Cp1251.h"
#include "results/CleanResults.h"
#include "results/MonitorCharts.h"
#include "results/MonitorCsv.h"
#include "results/NamePlate.h"

namespace ispyt {
namespace {

namespace fs = std::filesystem;

// A test of 12 one-element tasks without weights or guessing correction:
// an attempt with w wrong tasks grades 12 - w.
constexpr int kTasks = 12;

class MonitorChartsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = fs::temp_directory_path() /
             (std::string("ispyt-charts-") +
              ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder);
    fs::create_directories(folder);
    test.taskCount = kTasks;
    for (int k = 1; k <= kTasks; ++k) {
      test.task(k).elementCount = 1;
      test.task(k).itemCount = 4;
    }
  }
  void TearDown() override { fs::remove_all(folder); }

  // One attempt's group: `wrongTasks` wrong, the rest right; `report`
  // leaves its report in the folder.
  void attempt(const std::string& code, const std::string& name, int wrongTasks,
               bool report = true) {
    MonitorGroup g;
    g.taskCount = kTasks;
    g.attemptCode = code;
    g.name = name;
    for (int k = 1; k <= kTasks; ++k) {
      g.judgedElements[k] = 1;
      g.wrongCount[k] = k <= wrongTasks ? 1 : 0;
    }
    append(monitorBytes(g));
    if (report) std::ofstream(folder / (code + ".rez")) << "report";
  }
  void append(const std::string& bytes) {
    std::ofstream(folder / "Monitor.dm", std::ios::binary | std::ios::app) << bytes;
  }
  MonitorCharts charts(MonitorView view = MonitorView::AllAttempts, const std::string& code = {}) {
    Parsed<MonitorCharts> read = ReadFolderCharts(folder, test, settings, view, code);
    EXPECT_TRUE(read.ok()) << read.fault.reason;
    return read.ok() ? *read.value : MonitorCharts{};
  }

  fs::path folder;
  ispyt::Test test;
  Settings settings;
};

TEST_F(MonitorChartsTest, TaskBarsAreTheAverageOverTheKeptAttempts) {
  // Task 1 of two elements: right, half right, wrong.
  test.task(1).elementCount = 2;
  for (auto [code, wrong] : {std::pair{"A101", 0}, {"A102", 1}, {"A103", 2}}) {
    MonitorGroup g;
    g.taskCount = kTasks;
    g.attemptCode = code;
    g.name = code;
    g.judgedElements[1] = 2;
    g.wrongCount[1] = wrong;
    append(monitorBytes(g));
    std::ofstream(folder / (std::string(code) + ".rez")) << "r";
  }
  const MonitorCharts c = charts();
  EXPECT_EQ(c.rows.size(), 3u);
  EXPECT_EQ(c.taskValues[1], 50);
  EXPECT_EQ(c.taskValues[2], 100);  // never judged, nothing wrong
  EXPECT_FALSE(c.damaged());
}

TEST_F(MonitorChartsTest, AnAttemptWithoutItsReportIsLeftOut) {
  attempt("A101", "Ann", 0);
  attempt("A102", "Bob", 12, false);  // its report deleted by hand
  attempt("a103", "Cyd", 6);
  const MonitorCharts c = charts();
  ASSERT_EQ(c.rows.size(), 2u);
  EXPECT_EQ(c.rows[0].name, "Ann");
  EXPECT_EQ(c.rows[1].name, "Cyd");
  EXPECT_EQ(c.taskValues[1], 50);  // 100 and 0; Bob's 0 not counted
  EXPECT_EQ(c.taskValues[12], 100);
  EXPECT_EQ(c.gradeSum, 12 + 6);
  EXPECT_EQ(c.read.groups, 3u);
}

TEST_F(MonitorChartsTest, ReportNamesMatchCodesIgnoringCase) {
  attempt("b204", "Ann", 0, false);
  std::ofstream(folder / "B204.REZ") << "r";
  EXPECT_EQ(charts().rows.size(), 1u);
}

TEST_F(MonitorChartsTest, EveryReportCountsNotOnlyTheListedOnes) {
  // The side list has room for 59 codes; the charts take all the folder has.
  for (int i = 0; i < 61; ++i) attempt("A" + std::to_string(100 + i), "N", 0);
  EXPECT_EQ(charts().rows.size(), 61u);
}

TEST_F(MonitorChartsTest, OneSliceForEachLevel) {
  for (auto [code, grade] : {std::pair{"A101", 3}, {"A102", 6}, {"A103", 9}, {"A104", 12}})
    attempt(code, code, kTasks - grade);
  const MonitorCharts c = charts();
  ASSERT_EQ(c.rows.size(), 4u);
  EXPECT_EQ(c.rows[0].grade, 3);
  const auto slices = levelSlices(c);
  ASSERT_EQ(slices.size(), 4u);
  const AchievementLevel order[] = {AchievementLevel::Low, AchievementLevel::Medium,
                                    AchievementLevel::Sufficient, AchievementLevel::High};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(slices[i].first, order[i]);
    EXPECT_EQ(slices[i].second, 1);
  }
  EXPECT_EQ(averageGradeText(c, ','), "7,5");
}

TEST_F(MonitorChartsTest, LevelsWithNobodyHaveNoSlice) {
  attempt("A101", "Ann", 0);
  attempt("A102", "Bob", 1);
  attempt("A103", "Cyd", 10);
  const auto slices = levelSlices(charts());
  ASSERT_EQ(slices.size(), 2u);
  EXPECT_EQ(slices[0], std::pair(AchievementLevel::Low, 1));
  EXPECT_EQ(slices[1], std::pair(AchievementLevel::High, 2));
}

TEST_F(MonitorChartsTest, NoKeptAttemptGivesEmptyChartsAndNoDivisionByZero) {
  attempt("A101", "Ann", 3, false);
  attempt("A102", "Bob", 5, false);
  const MonitorCharts c = charts();
  EXPECT_TRUE(c.rows.empty());
  EXPECT_EQ(c.taskValues[1], 0);
  EXPECT_FALSE(c.averageGrade());
  EXPECT_EQ(averageGradeText(c, '.'), cp1251("—"));
  EXPECT_TRUE(levelSlices(c).empty());
  EXPECT_EQ(testeeBarsPerPage(c, 400), kFirstTaskBarsPerPage);
}

TEST_F(MonitorChartsTest, ACutOffFileIsReadToItsLastWholeGroupAndSaidDamaged) {
  attempt("A101", "Ann", 0);
  attempt("A102", "Bob", 12);
  append(std::string(300, '\x01'));  // an append cut short, or another test's group
  const MonitorCharts c = charts();
  EXPECT_TRUE(c.damaged());
  EXPECT_EQ(c.read.skippedBytes, 300u);
  ASSERT_EQ(c.rows.size(), 2u);
  EXPECT_EQ(c.taskValues[1], 50);
}

TEST_F(MonitorChartsTest, AGroupFilledAfterAFailedAppendIsPassedOverUnremarked) {
  attempt("A101", "Ann", 0);
  append(std::string(monitorGroupSize(kTasks), '\0'));
  attempt("A102", "Bob", 12);
  const MonitorCharts c = charts();
  EXPECT_EQ(c.rows.size(), 2u);
  EXPECT_EQ(c.read.damagedGroups, 1u);
  EXPECT_FALSE(c.damaged());
}

TEST_F(MonitorChartsTest, ANameWhoseLengthByteExceedsItsFieldIsCut) {
  attempt("A101", "Ann", 0);
  std::fstream file(folder / "Monitor.dm", std::ios::binary | std::ios::in | std::ios::out);
  file.seekp(3 * kTasks * 44 + 21);
  file.put('\xF0');
  file.close();
  const MonitorCharts c = charts();
  ASSERT_EQ(c.rows.size(), 1u);
  EXPECT_EQ(c.rows[0].name, std::string("Ann") + std::string(17, '\0'));
}

TEST_F(MonitorChartsTest, TheOneAttemptViewShowsThatAttemptsOwnValues) {
  attempt("A101", "Ann", 0);
  attempt("A102", "Bob", 3);
  MonitorCharts c = charts(MonitorView::OneAttempt, "a102");
  ASSERT_TRUE(c.selected);
  EXPECT_EQ(c.selected->name, "Bob");
  EXPECT_EQ(c.taskValues[1], 0);
  EXPECT_EQ(c.taskValues[4], 100);
  // The code drawn again for a later attempt whose group came after: the
  // last one is the report's.
  attempt("A102", "Bob", 0);
  c = charts(MonitorView::OneAttempt, "A102");
  EXPECT_EQ(c.taskValues[1], 100);
  EXPECT_FALSE(charts(MonitorView::OneAttempt, "A999").selected);
}

TEST_F(MonitorChartsTest, NoMonitoringFileFails) {
  EXPECT_FALSE(ReadFolderCharts(folder, test, settings, MonitorView::AllAttempts).ok());
  fs::create_directories(folder / "Monitor.dm");  // a folder in its place
  EXPECT_FALSE(ReadFolderCharts(folder, test, settings, MonitorView::AllAttempts).ok());
}

TEST_F(MonitorChartsTest, RegradedWithTheSettingsOfTheOpenTest) {
  attempt("A101", "Ann", 3);
  settings.gradeScale = 5;  // 120 - 30 = 90 of 120: 3.75 of 5
  const MonitorCharts c = charts();
  EXPECT_EQ(c.rows[0].grade, 4);
  EXPECT_EQ(c.gradeScale, 5);
  EXPECT_EQ(c.levelCounts[static_cast<int>(AchievementLevel::High)], 1);
}

TEST_F(MonitorChartsTest, CsvHasAHeaderALinePerAttemptAndTheAverages) {
  attempt("A101", "Ann", 0);
  attempt("A102", "O'Neil; \"Bob\"", 12);
  const std::string csv = monitorCsv(charts(), ',');
  const std::string header = cp1251("Код;Користувач;Оцінка;Рівень;1;2;3;4;5;6;7;8;9;10;11;12\r\n");
  EXPECT_EQ(csv.substr(0, header.size()), header);
  EXPECT_NE(csv.find(cp1251("A101;Ann;12;Високий;100;100;")), std::string::npos);
  EXPECT_NE(csv.find(cp1251("A102;\"O'Neil; \"\"Bob\"\"\";0;Низький;0;")), std::string::npos);
  EXPECT_NE(csv.find(cp1251(";Середнє;6,0;;50;50;50;50;50;50;50;50;50;50;50;50\r\n")),
            std::string::npos);
  const std::string one = monitorCsv(charts(MonitorView::OneAttempt, "A101"), ',');
  EXPECT_EQ(one, header + cp1251("A101;Ann;12;Високий;100;100;100;100;100;100;100;100;100;100;"
                                 "100;100\r\n"));
}

TEST(MonitorChartsText, AverageHasOneDecimalHalvesUp) {
  MonitorCharts c;
  for (int grade : {7, 7, 7, 8}) {  // 7.25
    MonitorRow row;
    row.grade = grade;
    c.rows.push_back(row);
    c.gradeSum += grade;
  }
  EXPECT_EQ(averageGradeText(c, ','), "7,3");
  c.rows.resize(3);
  c.gradeSum = 20;  // 6.666...
  EXPECT_EQ(averageGradeText(c, '.'), "6.7");
}

TEST(MonitorChartsText, BarsPerPageStayWithinTwoAndForty) {
  EXPECT_EQ(zoomBarsPerPage(12, 1), 13);
  EXPECT_EQ(zoomBarsPerPage(40, 1), 40);
  EXPECT_EQ(zoomBarsPerPage(2, -1), 2);
  MonitorCharts c;
  MonitorRow row;
  row.attemptCode = "A101";
  for (auto [name, width, bars] : {std::tuple{"", 400, 10},  // the code labels it
                                   {"Іваненко Петро Сидор", 400, 2},
                                   {"Ann", 400, 13},
                                   {"Ann", 2000, 40},
                                   {"Іваненко Петро Сидор", 100, 2}}) {
    row.name = cp1251(name);
    c.rows = {row};
    EXPECT_EQ(testeeBarsPerPage(c, width), bars) << name << width;
  }
}

// Cleaning: reports first, then monitoring files; nothing else.
class CleanResultsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root = fs::temp_directory_path() /
           (std::string("ispyt-clean-") +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(root);
    folder = root / "test";
    fs::create_directories(folder / "Sub");
    fs::create_directories(folder / "folder.rez");
    for (const char* name : {"A101.rez", "b202.REZ", "Monitor.dm", "test.txt", "Config.ini",
                             "A101.rez.new", "Sub/C303.rez", "P1-1.bmp"})
      std::ofstream(folder / name) << "x";
    std::ofstream(root / "outside.rez") << "keep";
    fs::create_symlink(root / "outside.rez", folder / "link.rez");
  }
  void TearDown() override { fs::remove_all(root); }
  fs::path root, folder;
};

TEST_F(CleanResultsTest, DeletesOnlyTheReportsAndMonitoringFilesOfTheFolder) {
  CleanOutcome out = CleanResults(folder);
  EXPECT_EQ(out.deleted, 4);  // A101.rez, b202.REZ, link.rez (the link), Monitor.dm
  EXPECT_TRUE(out.kept.empty());
  EXPECT_TRUE(cleanErrorText(out).empty());
  for (const char* gone : {"A101.rez", "b202.REZ", "Monitor.dm", "link.rez"})
    EXPECT_FALSE(fs::exists(fs::symlink_status(folder / gone))) << gone;
  for (const char* kept :
       {"test.txt", "Config.ini", "A101.rez.new", "Sub/C303.rez", "P1-1.bmp", "folder.rez"})
    EXPECT_TRUE(fs::exists(folder / kept)) << kept;
  EXPECT_TRUE(fs::exists(root / "outside.rez"));
}

// A disk on which one file cannot be removed (open elsewhere, a locked
// share): the rest still goes.
class StubbornFile : public FileSystem {
 public:
  explicit StubbornFile(std::string name) : name_(std::move(name)) {}
  std::vector<std::string> removed;
  std::optional<std::string> read(const fs::path& p, std::size_t n) override {
    return diskFileSystem().read(p, n);
  }
  std::error_code write(const fs::path&, std::string_view) override { return {}; }
  AppendResult append(const fs::path&, std::string_view, std::size_t, bool) override { return {}; }
  std::error_code rename(const fs::path&, const fs::path&) override { return {}; }
  std::error_code remove(const fs::path& path) override {
    removed.push_back(path.filename().string());
    if (path.filename() == name_) return std::make_error_code(std::errc::device_or_resource_busy);
    return diskFileSystem().remove(path);
  }
  std::error_code createDirectories(const fs::path&) override { return {}; }
  std::optional<std::uintmax_t> available(const fs::path&) override { return {}; }

 private:
  std::string name_;
};

TEST_F(CleanResultsTest, AFileThatCannotBeDeletedIsReportedAndKept) {
  StubbornFile disk("A101.rez");
  CleanOutcome out = CleanResults(folder, disk);
  EXPECT_EQ(disk.removed,
            (std::vector<std::string>{"A101.rez", "b202.REZ", "link.rez", "Monitor.dm"}));
  EXPECT_EQ(out.deleted, 3);
  ASSERT_EQ(out.kept.size(), 1u);
  EXPECT_EQ(out.kept[0].name, "A101.rez");
  EXPECT_TRUE(fs::exists(folder / "A101.rez"));
  EXPECT_FALSE(fs::exists(folder / "Monitor.dm"));
  EXPECT_EQ(cleanErrorText(out), cp1251("Помилка\nA101.rez: файл зайнятий іншою програмою"));
}

TEST(NamePlate, FontSizeByTheLengthOfTheName) {
  for (auto [length, size] : {std::pair{0, 20}, {14, 20}, {15, 16}, {17, 16}, {18, 14}, {23, 14}})
    EXPECT_EQ(namePlateFontSize(std::string(length, 'x')), size) << length;
  EXPECT_EQ(namePlateFontSize(cp1251("Іваненко Петро Сидор")), 14);  // 20 one-byte letters
}

TEST(NamePlate, StraightOrZigzagUnderline) {
  EXPECT_EQ(codeUnderline(10, 30, 160, 4, false), (std::vector<Point>{{20, 30}, {160, 30}}));
  const std::vector<Point> zigzag = codeUnderline(10, 30, 160, 4, true);
  ASSERT_EQ(zigzag.size(), 21u);
  EXPECT_EQ(zigzag[0], (Point{10, 30}));
  EXPECT_EQ(zigzag[1], (Point{18, 34}));
  EXPECT_EQ(zigzag[2], (Point{26, 30}));
  EXPECT_EQ(zigzag[20], (Point{170, 30}));
}

}  // namespace
}  // namespace ispyt
