#include "receiver/ResultStore.h"

#include <sqlite3.h>

#include "platform/Cp1251.h"

namespace ispyt::receiver {
namespace {

const char* const kSchema = R"(
CREATE TABLE IF NOT EXISTS attempts(
  id INTEGER PRIMARY KEY,
  attempt_code TEXT NOT NULL,
  card_code TEXT NOT NULL,
  date_text TEXT NOT NULL,
  time_text TEXT NOT NULL,
  elapsed INTEGER NOT NULL,
  mode INTEGER NOT NULL,
  shuffle INTEGER NOT NULL,
  full_name TEXT NOT NULL,
  class_group TEXT NOT NULL,
  test_name TEXT NOT NULL,
  percent INTEGER NOT NULL,
  result120 INTEGER NOT NULL,
  task_count INTEGER NOT NULL,
  station TEXT NOT NULL,
  received_at TEXT NOT NULL,
  UNIQUE(attempt_code, card_code, date_text, time_text));
CREATE TABLE IF NOT EXISTS task_values(
  attempt_id INTEGER NOT NULL REFERENCES attempts(id) ON DELETE CASCADE,
  task INTEGER NOT NULL,
  percent INTEGER NOT NULL,
  answer TEXT NOT NULL,
  PRIMARY KEY(attempt_id, task));
)";

const char* const kColumns =
    "id, attempt_code, card_code, elapsed, time_text, mode, shuffle, full_name, class_group, "
    "date_text, test_name, percent, result120, task_count, station, received_at";

// One prepared statement, finalised on every way out.
class Statement {
 public:
  Statement(sqlite3* db, const std::string& sql) {
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt_, nullptr) != SQLITE_OK) stmt_ = nullptr;
  }
  ~Statement() { sqlite3_finalize(stmt_); }
  explicit operator bool() const { return stmt_ != nullptr; }
  Statement& text(int i, const std::string& value) {
    sqlite3_bind_text(stmt_, i, value.data(), static_cast<int>(value.size()), SQLITE_TRANSIENT);
    return *this;
  }
  Statement& number(int i, long long value) {
    sqlite3_bind_int64(stmt_, i, value);
    return *this;
  }
  void reset() { sqlite3_reset(stmt_); }
  // SQLITE_ROW, SQLITE_DONE or an error.
  int step() { return stmt_ ? sqlite3_step(stmt_) : SQLITE_ERROR; }
  long long integer(int column) const { return sqlite3_column_int64(stmt_, column); }
  std::string string(int column) const {
    const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
    return p ? std::string(p, static_cast<std::size_t>(sqlite3_column_bytes(stmt_, column)))
             : std::string();
  }

 private:
  sqlite3_stmt* stmt_ = nullptr;
};

StoredAttempt attemptOf(const Statement& s) {
  StoredAttempt a;
  a.id = s.integer(0);
  a.attemptCode = s.string(1);
  a.cardCode = s.string(2);
  a.elapsed = static_cast<int>(s.integer(3));
  a.timeText = s.string(4);
  a.mode = static_cast<int>(s.integer(5));
  a.shuffle = s.integer(6) != 0;
  a.fullName = s.string(7);
  a.classGroup = s.string(8);
  a.dateText = s.string(9);
  a.testName = s.string(10);
  a.percent = static_cast<int>(s.integer(11));
  a.result120 = static_cast<int>(s.integer(12));
  a.taskCount = static_cast<int>(s.integer(13));
  a.station = s.string(14);
  a.receivedAt = s.string(15);
  return a;
}

}  // namespace

std::unique_ptr<ResultStore> ResultStore::open(const std::filesystem::path& file,
                                               std::string& error) {
  sqlite3* db = nullptr;
  if (sqlite3_open_v2(file.string().c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                      nullptr) != SQLITE_OK) {
    error = db ? sqlite3_errmsg(db) : "out of memory";
    sqlite3_close(db);
    return nullptr;
  }
  std::unique_ptr<ResultStore> store(new ResultStore(db));
  sqlite3_busy_timeout(db, 5000);
  // WAL lets an export read while results arrive; FULL makes every commit
  // survive a power cut.
  if (!store->exec("PRAGMA journal_mode=WAL") || !store->exec("PRAGMA synchronous=FULL") ||
      !store->exec("PRAGMA foreign_keys=ON") || !store->exec(kSchema)) {
    error = store->error_;
    return nullptr;
  }
  // A database of another program may have tables of these names.
  for (std::string sql : {std::string("SELECT ") + kColumns + " FROM attempts",
                          std::string("SELECT attempt_id, task, percent, answer FROM task_values")})
    if (!Statement(db, sql + " LIMIT 0")) {
      error = "not a database of received results: " + std::string(sqlite3_errmsg(db));
      return nullptr;
    }
  return store;
}

ResultStore::~ResultStore() { sqlite3_close(db_); }

bool ResultStore::exec(const char* sql) {
  char* message = nullptr;
  if (sqlite3_exec(db_, sql, nullptr, nullptr, &message) == SQLITE_OK) return true;
  error_ = message ? message : sqlite3_errmsg(db_);
  sqlite3_free(message);
  return false;
}

ResultStore::Outcome ResultStore::store(const ResultMessage& m, const std::string& station,
                                        const std::string& receivedAt, StoredAttempt* stored) {
  StoredAttempt a;
  a.attemptCode = cp1251ToUtf8(m.attemptCode);
  a.cardCode = cp1251ToUtf8(m.cardCode);
  a.elapsed = m.elapsed;
  a.timeText = cp1251ToUtf8(m.timeText);
  a.mode = m.mode;
  a.shuffle = m.shuffle;
  a.fullName = cp1251ToUtf8(m.fullName);
  a.classGroup = cp1251ToUtf8(m.classGroup);
  a.dateText = cp1251ToUtf8(m.dateText);
  a.testName = cp1251ToUtf8(m.testName);
  a.percent = m.percent;
  a.result120 = m.result120;
  a.taskCount = m.taskCount;
  a.station = station;
  a.receivedAt = receivedAt;

  if (!exec("BEGIN IMMEDIATE")) return Outcome::Failed;
  auto fail = [&] {
    error_ = sqlite3_errmsg(db_);
    exec("ROLLBACK");
    return Outcome::Failed;
  };
  Statement insert(db_,
                   "INSERT OR IGNORE INTO attempts(attempt_code, card_code, elapsed, time_text, "
                   "mode, shuffle, full_name, class_group, date_text, test_name, percent, "
                   "result120, task_count, station, received_at) "
                   "VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, ?14, ?15)");
  if (!insert) return fail();
  insert.text(1, a.attemptCode).text(2, a.cardCode).number(3, a.elapsed).text(4, a.timeText);
  insert.number(5, a.mode).number(6, a.shuffle).text(7, a.fullName).text(8, a.classGroup);
  insert.text(9, a.dateText).text(10, a.testName).number(11, a.percent).number(12, a.result120);
  insert.number(13, a.taskCount).text(14, a.station).text(15, a.receivedAt);
  if (insert.step() != SQLITE_DONE) return fail();
  if (sqlite3_changes(db_) == 0) {
    exec("ROLLBACK");
    Statement before(db_, std::string("SELECT ") + kColumns +
                              " FROM attempts WHERE attempt_code = ?1 AND card_code = ?2 AND "
                              "date_text = ?3 AND time_text = ?4");
    before.text(1, a.attemptCode).text(2, a.cardCode).text(3, a.dateText).text(4, a.timeText);
    if (stored && before.step() == SQLITE_ROW) *stored = attemptOf(before);
    return Outcome::AlreadyStored;
  }
  a.id = sqlite3_last_insert_rowid(db_);
  Statement task(db_,
                 "INSERT INTO task_values(attempt_id, task, percent, answer) "
                 "VALUES(?1, ?2, ?3, ?4)");
  if (!task) return fail();
  for (int k = 1; k <= m.taskCount && k <= kMaxTasks; ++k) {
    task.reset();
    task.number(1, a.id).number(2, k).number(3, m.taskPercent[k]);
    task.text(4, cp1251ToUtf8(m.answerText[k]));
    if (task.step() != SQLITE_DONE) return fail();
  }
  if (!exec("COMMIT")) {
    exec("ROLLBACK");
    return Outcome::Failed;
  }
  if (stored) *stored = a;
  return Outcome::Stored;
}

std::vector<StoredAttempt> ResultStore::attempts(long long afterId) const {
  std::vector<StoredAttempt> out;
  Statement s(db_, std::string("SELECT ") + kColumns + " FROM attempts WHERE id > ?1 ORDER BY id");
  s.number(1, afterId);
  while (s.step() == SQLITE_ROW) out.push_back(attemptOf(s));
  return out;
}

std::vector<StoredTask> ResultStore::tasks(long long attemptId) const {
  std::vector<StoredTask> out;
  Statement s(db_,
              "SELECT task, percent, answer FROM task_values WHERE attempt_id = ?1 ORDER BY task");
  s.number(1, attemptId);
  while (s.step() == SQLITE_ROW)
    out.push_back({static_cast<int>(s.integer(0)), static_cast<int>(s.integer(1)), s.string(2)});
  return out;
}

long long ResultStore::count() const {
  Statement s(db_, "SELECT COUNT(*) FROM attempts");
  return s.step() == SQLITE_ROW ? s.integer(0) : 0;
}

}  // namespace ispyt::receiver
