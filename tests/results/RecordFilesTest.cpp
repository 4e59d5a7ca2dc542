// The 44-byte monitoring records and the 140-byte database records field by
// field, texts cut to their capacity, and readers that skip an unfinished
// last group.

#include <gtest/gtest.h>

#include "platform/Cp1251.h"
#include "results/MonitorFile.h"
#include "results/MonitorRow.h"
#include "results/RecordFields.h"
#include "results/ResultDbFile.h"

namespace ispyt {
namespace {

MonitorGroup twoTasks() {
  MonitorGroup g;
  g.taskCount = 2;
  g.wrongCount = {0, 1, -2};
  g.missCount = {0, 3, 0};
  g.judgedElements = {0, 4, 256};
  g.attemptCode = "K123";
  g.name = "A name of more than twenty letters";
  return g;
}

TEST(MonitorFile, RecordFieldsAtTheirOffsets) {
  const std::string bytes = monitorBytes(twoTasks());
  ASSERT_EQ(bytes.size(), 7 * kMonitorRecordSize);
  auto record = [&](int i) { return std::string_view(bytes).substr(i * 44, 44); };
  EXPECT_EQ(getInt32(record(0), 4), 1);
  EXPECT_EQ(record(1).substr(4, 4), std::string("\xFE\xFF\xFF\xFF", 4));
  EXPECT_EQ(getInt32(record(2), 8), 3);
  EXPECT_EQ(record(5).substr(12, 4), std::string("\x00\x01\x00\x00", 4));
  const std::string_view closing = record(6);
  EXPECT_EQ(closing.substr(16, 5), "\x04K123");
  EXPECT_EQ(closing.substr(21, 21),
            "\x14"
            "A name of more than ");
  EXPECT_EQ(closing.substr(0, 16), std::string(16, '\0'));
  EXPECT_EQ(closing.substr(42), std::string(2, '\0'));
  // Only its own field is set in a count record.
  EXPECT_EQ(record(0).substr(8), std::string(36, '\0'));
}

TEST(MonitorFile, ReadsWholeGroupsAndSkipsAnUnfinishedOne) {
  MonitorGroup second = twoTasks();
  second.attemptCode = "K124";
  second.name = "";
  const std::string bytes =
      monitorBytes(twoTasks()) + monitorBytes(second) + monitorBytes(twoTasks()).substr(0, 100);
  Parsed<MonitorFile> file = ReadMonitor(bytes, 2);
  ASSERT_TRUE(file.ok());
  ASSERT_EQ(file.value->groups.size(), 2u);
  EXPECT_EQ(file.value->skippedBytes, 100u);
  const MonitorGroup& g = file.value->groups[0];
  EXPECT_EQ(g.wrongCount[2], -2);
  EXPECT_EQ(g.missCount[1], 3);
  EXPECT_EQ(g.judgedElements[2], 256);
  EXPECT_EQ(g.name, "A name of more than ");
  EXPECT_EQ(file.value->groups[1].attemptCode, "K124");
  EXPECT_EQ(file.value->groups[1].name, "");
}

TEST(MonitorFile, TaskCountMustBeATestsOwn) {
  for (int n : {0, 61, -1}) EXPECT_FALSE(ReadMonitor("", n).ok()) << n;
  Parsed<MonitorFile> empty = ReadMonitor("", 60);
  ASSERT_TRUE(empty.ok());
  EXPECT_TRUE(empty.value->groups.empty());
}

TEST(MonitorFile, OverlongLengthByteReadsTheWholeField) {
  std::string bytes = monitorBytes(twoTasks());
  bytes[6 * 44 + 16] = '\x09';  // code field holds 4
  bytes[6 * 44 + 21] = '\xFF';  // name field holds 20
  Parsed<MonitorFile> file = ReadMonitor(bytes, 2);
  ASSERT_TRUE(file.ok());
  EXPECT_EQ(file.value->groups[0].attemptCode, "K123");
  EXPECT_EQ(file.value->groups[0].name.size(), 20u);
}

TEST(MonitorRow, GradedAgainWithTheOpenTest) {
  ispyt::Test test;
  test.taskCount = 3;
  for (int k = 1; k <= 3; ++k) {
    test.task(k).elementCount = 2;
    test.task(k).itemCount = 4;
  }
  MonitorGroup g;
  g.taskCount = 3;
  g.attemptCode = "A101";
  g.name = "Ann";
  g.wrongCount = {0, 1, 0, 2};
  g.judgedElements = {0, 2, 2, 0};  // task 3 never judged: counted in full
  Settings settings;
  MonitorRow row = monitorRow(g, test, settings);
  EXPECT_EQ(row.elementsJudged, 6);
  EXPECT_EQ(row.taskPercent[1], 50);
  EXPECT_EQ(row.taskPercent[2], 100);
  EXPECT_EQ(row.taskPercent[3], 0);
  EXPECT_EQ(row.grade, 6);  // 120 - 3 * 20 = 60
  settings.gradeScale = 5;
  EXPECT_EQ(monitorRow(g, test, settings).grade, 2);  // 2.5, half to even
  g.wrongCount = {0, 2, 2, 2};
  EXPECT_EQ(monitorRow(g, test, settings).grade, 0);  // every element wrong
}

ResultDbEntry entry() {
  ResultDbEntry e;
  e.attemptCode = "Y537";
  e.cardCode = "A07-0123456789";
  e.elapsed = 754;
  e.timeText = "09:04:07";
  e.mode = 2;
  e.shuffle = true;
  e.fullName = cp1251("Іваненко Петро Сидорович");
  e.classGroup = " -";
  e.dateText = "05.12.26";
  e.testName = "A test name longer than twenty-five";
  e.percent = 75;
  e.result120 = 90;
  e.taskCount = 2;
  e.taskPercent = {0, 100, 50};
  e.answerText[1] = "first answer";
  e.answerText[2] = "an answer of more than twenty";
  return e;
}

TEST(ResultDbFile, HeaderTaskAndAnswerRecords) {
  const std::string bytes = resultDbBytes(entry());
  ASSERT_EQ(bytes.size(), 5 * kResultDbRecordSize);
  const std::string_view h = std::string_view(bytes).substr(0, 140);
  EXPECT_EQ(h.substr(0, 5), std::string("\x04\x27\x03\x01\x05", 5));  // "Y537" lowered by 50
  EXPECT_EQ(h.substr(5, 11),
            "\x0A"
            "A07-012345");
  EXPECT_EQ(getInt32(h, 16), 754);
  EXPECT_EQ(h.substr(20, 9),
            "\x08"
            "09:04:07");
  EXPECT_EQ(getInt32(h, 32), 2);
  EXPECT_EQ(h[36], 1);
  EXPECT_EQ(h[37], 1);
  EXPECT_EQ(h.substr(38, 21), "\x14" + cp1251("Іваненко Петро Сидор"));
  EXPECT_EQ(h.substr(59, 5), std::string("\x02 -\0\0", 5));
  EXPECT_EQ(h.substr(64, 9),
            "\x08"
            "05.12.26");
  EXPECT_EQ(h.substr(73, 26),
            "\x19"
            "A test name longer than t");
  EXPECT_EQ(getInt32(h, 100), 75);
  EXPECT_EQ(getInt32(h, 104), 90);
  EXPECT_EQ(getInt32(h, 108), 2);
  EXPECT_EQ(h.substr(112), std::string(28, '\0'));
  const std::string_view task2 = std::string_view(bytes).substr(2 * 140, 140);
  EXPECT_EQ(getInt32(task2, 112), 50);
  EXPECT_EQ(task2.substr(0, 112), std::string(112, '\0'));
  const std::string_view answer2 = std::string_view(bytes).substr(4 * 140, 140);
  EXPECT_EQ(answer2.substr(116, 21),
            "\x14"
            "an answer of more th");
}

TEST(ResultDbFile, ReadsBackAndSkipsAnUnfinishedGroup) {
  ResultDbEntry none = entry();
  none.taskCount = 0;
  const std::string bytes =
      resultDbBytes(entry()) + resultDbBytes(none) + resultDbBytes(entry()).substr(0, 300);
  Parsed<ResultDbFile> file = ReadResultDb(bytes);
  ASSERT_TRUE(file.ok());
  ASSERT_EQ(file.value->entries.size(), 2u);
  EXPECT_EQ(file.value->skippedBytes, 300u);
  const ResultDbEntry& e = file.value->entries[0];
  EXPECT_EQ(e.attemptCode, "Y537");
  EXPECT_EQ(e.cardCode, "A07-012345");
  EXPECT_TRUE(e.shuffle);
  EXPECT_EQ(e.testName, "A test name longer than t");
  EXPECT_EQ(e.taskPercent[1], 100);
  EXPECT_EQ(e.answerText[2], "an answer of more th");
  EXPECT_EQ(file.value->entries[1].taskCount, 0);
}

TEST(ResultDbFile, TaskCountOutsideTheTestFailsAtItsRecord) {
  std::string bytes = resultDbBytes(entry());
  std::string bad = resultDbBytes(entry()).substr(0, 140);
  putInt32(bad, 108, 61);
  Parsed<ResultDbFile> file = ReadResultDb(bytes + bad);
  EXPECT_FALSE(file.ok());
  EXPECT_EQ(file.fault.position, 5 * 140);
  putInt32(bad, 108, -1);
  EXPECT_FALSE(ReadResultDb(bad).ok());
}

TEST(ShiftText, LowersEveryByteWrappingAround) {
  EXPECT_EQ(ShiftText("Y537", 50), std::string("\x27\x03\x01\x05", 4));
  EXPECT_EQ(ShiftText("\x01", 50), "\xCF");
  EXPECT_EQ(ShiftText(ShiftText(cp1251("Клас"), 50), -50), cp1251("Клас"));
}

}  // namespace
}  // namespace ispyt
