#pragma once
// The teacher's database of received results: a SQLite file with a table
// of attempts and one of their tasks' values.  The same attempt received
// again (by its attempt code, card code, date and time) is stored once.
// Every result is committed before store() returns.

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "receiver/StoredAttempt.h"
#include "results/ResultMessage.h"

struct sqlite3;

namespace ispyt::receiver {

class ResultStore {
 public:
  // Opens the file, creating it and its tables when missing; nothing, and
  // `error` says why, when it cannot.
  static std::unique_ptr<ResultStore> open(const std::filesystem::path& file, std::string& error);
  ~ResultStore();
  ResultStore(const ResultStore&) = delete;
  ResultStore& operator=(const ResultStore&) = delete;

  enum class Outcome { Stored, AlreadyStored, Failed };
  // `message` is as received (Windows-1251).  `stored` gets the attempt as
  // kept, new or the one stored before.
  Outcome store(const ResultMessage& message, const std::string& station,
                const std::string& receivedAt, StoredAttempt* stored = nullptr);
  // Why the last step failed.
  const std::string& error() const { return error_; }

  // Oldest first; `afterId`: only those received after it.
  std::vector<StoredAttempt> attempts(long long afterId = 0) const;
  std::vector<StoredTask> tasks(long long attemptId) const;
  long long count() const;

 private:
  explicit ResultStore(sqlite3* db) : db_(db) {}
  bool exec(const char* sql);

  sqlite3* db_ = nullptr;
  std::string error_;
};

}  // namespace ispyt::receiver
