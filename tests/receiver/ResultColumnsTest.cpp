#include <gtest/gtest.h>

#include "receiver/ReceiverOptions.h"
#include "receiver/ResultColumns.h"

namespace ispyt::receiver {
namespace {

StoredAttempt attempt(const std::string& name, const std::string& group, const std::string& test,
                      int percent, int result120, const std::string& date = "05.12.26") {
  StoredAttempt a;
  a.fullName = name;
  a.classGroup = group;
  a.testName = test;
  a.percent = percent;
  a.result120 = result120;
  a.dateText = date;
  a.timeText = "09:04:07";
  a.mode = 2;
  a.attemptCode = "b123";
  a.cardCode = "-07";
  a.elapsed = 754;
  a.station = "192.168.1.20";
  return a;
}

TEST(ResultColumns, CsvOpensInASpreadsheetWithTheColumns) {
  const std::string csv =
      attemptsCsv({attempt("Іваненко Петро", "10-Б", "Алгебра; частина 1", 43, 61),
                   attempt("=cmd", " -", "Алгебра", 100, 120)});
  ASSERT_EQ(csv.substr(0, 3), "\xEF\xBB\xBF");
  const std::size_t titleEnd = csv.find("\r\n");
  EXPECT_EQ(csv.substr(3, titleEnd - 3),
            "Дата;Час;Клас;Прізвище, ім'я;Тест;Режим;Відсоток;Бал (з 120);Оцінка (з 12);"
            "Станція;Код спроби;Код картки;Тривалість, с");
  const std::size_t rowEnd = csv.find("\r\n", titleEnd + 2);
  EXPECT_EQ(csv.substr(titleEnd + 2, rowEnd - titleEnd - 2),
            "05.12.26;09:04:07;10-Б;Іваненко Петро;\"Алгебра; частина 1\";Контрольна робота;43;61;"
            "6;192.168.1.20;b123;'-07;754");
  // A text a spreadsheet would run as a formula stays text; no class is empty.
  EXPECT_NE(csv.find("\r\n05.12.26;09:04:07;;'=cmd;Алгебра;"), std::string::npos) << csv;
  EXPECT_EQ(csv.substr(csv.size() - 2), "\r\n");
}

TEST(ResultColumns, GradeOnTheTwelvePointScale) {
  struct Case {
    int result120, percent, grade;
  } cases[] = {{120, 100, 12}, {117, 97, 12}, {61, 43, 6}, {1, 5, 1}, {1, 0, 0}, {0, 0, 0}};
  for (const Case& c : cases)
    EXPECT_EQ(schoolGrade(c.result120, c.percent), c.grade) << c.result120 << " " << c.percent;
}

TEST(ResultColumns, SortsDatesAndNumbersAsTheyRead) {
  const StoredAttempt december = attempt("A", "1", "T", 9, 9, "05.12.26");
  const StoredAttempt january = attempt("A", "1", "T", 10, 100, "04.01.27");
  EXPECT_LT(sortKey(december, Column::Date), sortKey(january, Column::Date));
  EXPECT_LT(sortKey(december, Column::Percent), sortKey(january, Column::Percent));
  EXPECT_LT(sortKey(december, Column::Result120), sortKey(january, Column::Result120));
  StoredAttempt negative = december;
  negative.percent = -3;
  EXPECT_LT(sortKey(negative, Column::Percent), sortKey(december, Column::Percent));
}

TEST(ResultColumns, FilterByClassAndTest) {
  const std::vector<StoredAttempt> all = {
      attempt("A", "10-Б", "Алгебра", 1, 1), attempt("B", "10-А", "Алгебра", 1, 1),
      attempt("C", "10-Б", "Геометрія", 1, 1), attempt("D", " -", "Алгебра", 1, 1)};
  EXPECT_EQ(classesOf(all), (std::vector<std::string>{"10-А", "10-Б"}));
  EXPECT_EQ(testsOf(all), (std::vector<std::string>{"Алгебра", "Геометрія"}));
  auto names = [&](const AttemptFilter& f) {
    std::string out;
    for (const StoredAttempt& a : all)
      if (f.accepts(a)) out += a.fullName;
    return out;
  };
  EXPECT_EQ(names({}), "ABCD");
  EXPECT_EQ(names({"10-Б", ""}), "AC");
  EXPECT_EQ(names({"10-Б", "Алгебра"}), "A");
  EXPECT_EQ(names({"", "Алгебра"}), "ABD");
}

TEST(ReceiverOptions, CommandLine) {
  ReceiverOptions o = parseReceiverOptions({"--port", "6200", "--db", "r.db", "--headless"});
  EXPECT_TRUE(o.error.empty());
  EXPECT_EQ(o.port, 6200);
  EXPECT_EQ(o.database, "r.db");
  EXPECT_TRUE(o.headless);
  EXPECT_EQ(parseReceiverOptions({}).port, 62);
  EXPECT_EQ(parseReceiverOptions({"--export-csv", "out.csv"}).exportCsv, "out.csv");
  EXPECT_TRUE(parseReceiverOptions({"--version"}).version);
  for (auto bad : std::vector<std::vector<std::string>>{
           {"--port"}, {"--port", "x"}, {"--port", "70000"}, {"--db"}, {"--what"}})
    EXPECT_FALSE(parseReceiverOptions(bad).error.empty()) << bad[0];
}

}  // namespace
}  // namespace ispyt::receiver
