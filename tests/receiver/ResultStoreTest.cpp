#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/Cp1251.h"
#include "receiver/ResultStore.h"

namespace ispyt::receiver {
namespace {

namespace fs = std::filesystem;

ResultMessage message(const std::string& code, const std::string& time = "09:04:07") {
  ResultMessage m;
  m.attemptCode = code;
  m.cardCode = "A07";
  m.elapsed = 754;
  m.timeText = time;
  m.mode = 2;
  m.fullName = cp1251("Іваненко Петро");
  m.classGroup = cp1251("10-Б");
  m.dateText = "05.12.26";
  m.testName = cp1251("Алгебра");
  m.percent = 43;
  m.result120 = 61;
  m.taskCount = 2;
  m.taskPercent[1] = 100;
  m.taskPercent[2] = 25;
  m.answerText[1] = "12";
  m.answerText[2] = cp1251("В Г");
  return m;
}

class ResultStoreTest : public ::testing::Test {
 protected:
  void SetUp() override {
    file = fs::temp_directory_path() /
           ("ispyt-store-" +
            std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + ".db");
    clean();
  }
  void TearDown() override { clean(); }
  void clean() {
    for (const char* end : {"", "-wal", "-shm"}) fs::remove(file.string() + end);
  }
  std::unique_ptr<ResultStore> open() {
    std::string error;
    auto store = ResultStore::open(file, error);
    EXPECT_TRUE(store) << error;
    return store;
  }
  fs::path file;
};

TEST_F(ResultStoreTest, StoresAnAttemptWithItsTasksInUtf8) {
  auto store = open();
  StoredAttempt a;
  ASSERT_EQ(store->store(message("b123"), "192.168.1.20", "2026-12-05 09:04:09", &a),
            ResultStore::Outcome::Stored);
  EXPECT_GT(a.id, 0);
  const auto all = store->attempts();
  ASSERT_EQ(all.size(), 1u);
  EXPECT_EQ(all[0].fullName, "Іваненко Петро");
  EXPECT_EQ(all[0].classGroup, "10-Б");
  EXPECT_EQ(all[0].testName, "Алгебра");
  EXPECT_EQ(all[0].station, "192.168.1.20");
  EXPECT_EQ(all[0].receivedAt, "2026-12-05 09:04:09");
  EXPECT_EQ(all[0].percent, 43);
  EXPECT_EQ(all[0].result120, 61);
  const auto tasks = store->tasks(a.id);
  ASSERT_EQ(tasks.size(), 2u);
  EXPECT_EQ(tasks[1].task, 2);
  EXPECT_EQ(tasks[1].percent, 25);
  EXPECT_EQ(tasks[1].answer, "В Г");
}

TEST_F(ResultStoreTest, TheSameAttemptReceivedAgainIsStoredOnce) {
  auto store = open();
  ASSERT_EQ(store->store(message("b123"), "s1", "t1"), ResultStore::Outcome::Stored);
  ResultMessage again = message("b123");
  again.atEnd = false;  // the End key's copy
  StoredAttempt before;
  EXPECT_EQ(store->store(again, "s1", "t2", &before), ResultStore::Outcome::AlreadyStored);
  EXPECT_EQ(before.receivedAt, "t1");
  // Another time of the same code is another attempt.
  EXPECT_EQ(store->store(message("b123", "10:00:00"), "s1", "t3"), ResultStore::Outcome::Stored);
  EXPECT_EQ(store->count(), 2);
  EXPECT_EQ(store->tasks(before.id).size(), 2u);
}

TEST_F(ResultStoreTest, KeepsWhatItStoredAcrossOpenings) {
  {
    auto store = open();
    store->store(message("b123"), "s1", "t1");
    store->store(message("b124"), "s2", "t2");
  }
  auto store = open();
  const auto all = store->attempts();
  ASSERT_EQ(all.size(), 2u);
  EXPECT_EQ(all[1].attemptCode, "b124");
  EXPECT_EQ(store->attempts(all[0].id).size(), 1u);
}

TEST_F(ResultStoreTest, RefusesAFileThatIsNoResultsDatabase) {
  std::ofstream(file) << "this is a text file, not a database";
  std::string error;
  EXPECT_FALSE(ResultStore::open(file, error));
  EXPECT_FALSE(error.empty());
  EXPECT_FALSE(ResultStore::open(fs::temp_directory_path() / "no-such-folder" / "x.db", error));
}

}  // namespace
}  // namespace ispyt::receiver
