#include "results/StoreResult.h"

#include <set>

#include "content/ConfigFile.h"
#include "content/TestSets.h"
#include "platform/Cp1251.h"
#include "platform/Paths.h"
#include "results/MonitorFile.h"

namespace ispyt {
namespace {

constexpr int kFirstCode = 100;
constexpr int kCodeCount = 899;  // 100..998
constexpr std::size_t kMaxDatabaseBytes = 64 * 1024 * 1024;

std::error_code errc(std::errc e) { return std::make_error_code(e); }

fs::path temporaryOf(const fs::path& file) {
  fs::path temporary = file;
  temporary += ".new";
  return temporary;
}

class Store {
 public:
  Store(PendingResult& r, FileSystem& files, Random& random, bool again,
        const std::function<void()>& progress)
      : r_(r), files_(files), random_(random), again_(again), progress_(progress) {}

  StoreOutcome run() {
    if (!checkFolder()) return out_;
    const Claim claim = claimCode();
    if (claim == Claim::Refused) return out_;
    if (claim == Claim::Stored) {
      // Stored before; only the kept copy of the result was left.
      out_.reportFile = r_.reportFile();
      if (!r_.monitor.empty()) out_.monitorFile = r_.monitorFile();
      if (!r_.database.empty()) out_.resultDb = r_.databaseFile();
      out_.launchCounted = r_.launchCounted;
      keepFocusLosses();
      return out_;
    }
    if (!checkSpace()) return out_;
    const fs::path report = r_.reportFile();
    const fs::path temporary = temporaryOf(report);
    // A reserve an earlier try left stays: that try may have appended the
    // group already.
    const bool reserved = claim == Claim::Reserved;
    if (!reserved && !step(files_.write(temporary, r_.report), report)) {
      files_.remove(temporary);
      return out_;
    }
    if (!WriteResultDb()) {
      undoDatabase();
      if (!reserved) files_.remove(temporary);
      return out_;
    }
    // From here on the group may be in "Monitor.dm": the temporary report
    // keeps the code until the result is completed.  An append cut short
    // left no readable group, so nothing needs the code then.
    if (!AppendMonitor()) {
      undoDatabase();
      if (!reserved && !groupWritten_) files_.remove(temporary);
      return out_;
    }
    if (!CountLaunch()) {
      undoDatabase();
      return out_;
    }
    keepFocusLosses();
    if (!step(files_.rename(temporary, report), report)) {
      undoLaunch();
      undoDatabase();
      return out_;
    }
    out_.reportFile = report;
    return out_;
  }

 private:
  bool step(std::error_code ec, const fs::path& file) {
    if (!ec) return true;
    out_.error = ec;
    out_.failedFile = file;
    return false;
  }

  // The focus losses go beside the report before it is renamed, so that
  // whoever lists it finds them.  Wanted, never needed: a file that cannot
  // be written keeps no result from being stored.
  void keepFocusLosses() {
    if (r_.focus.empty()) return;
    const fs::path file = r_.focusFile();
    if (holds(file, r_.focus) || !files_.replace(file, r_.focus)) out_.focusFile = file;
  }

  bool checkFolder() {
    std::error_code ec;
    if (r_.testFolder.empty() || !fs::is_directory(r_.testFolder, ec))
      return step(errc(std::errc::no_such_file_or_directory), r_.testFolder);
    return true;
  }

  // The bytes of `file` equal `bytes`.
  bool holds(const fs::path& file, const std::string& bytes) {
    auto found = files_.read(file, bytes.size() + 1);
    return found && *found == bytes;
  }

  enum class Claim { Free, Reserved, Stored, Refused };

  // The code is a free one of the result's letter (drawn anew when another
  // attempt has taken it), or writing again finds this result's own
  // report under it: finished, or kept in reserve.
  Claim claimCode() {
    const std::set<std::string> inUse = baseNamesInUse(r_.testFolder);
    if (!inUse.contains(cp1251Upper(r_.attemptCode))) return Claim::Free;
    const fs::path report = r_.reportFile();
    if (again_ && holds(report, r_.report)) return Claim::Stored;
    if (again_ && holds(temporaryOf(report), r_.report)) return Claim::Reserved;
    const std::string letter = r_.attemptCode.substr(0, 1);
    auto taken = [&](int d) { return inUse.contains(cp1251Upper(letter + std::to_string(d))); };
    int free = 0;
    for (int d = kFirstCode; d < kFirstCode + kCodeCount; ++d) free += taken(d) ? 0 : 1;
    if (free == 0) {
      step(errc(std::errc::file_exists), report);
      return Claim::Refused;
    }
    int digits = 0;
    do digits = kFirstCode + random_.random(kCodeCount);
    while (taken(digits));
    recode(r_, letter + std::to_string(digits));
    if (progress_) progress_();
    return Claim::Free;
  }

  bool checkSpace() {
    const std::uintmax_t testBytes = r_.report.size() + r_.monitor.size() +
                                     monitorGroupSize(r_.taskCount) + kMaxConfigBytes + kSpareBytes;
    if (auto free = files_.available(r_.testFolder); free && *free < testBytes)
      return step(errc(std::errc::no_space_on_device), r_.testFolder);
    if (r_.database.empty()) return true;
    std::error_code ec;
    const fs::path db = r_.databaseFile();
    const std::uintmax_t old = fs::exists(db, ec) ? fs::file_size(db, ec) : 0;
    const fs::path folder = fs::is_directory(db.parent_path(), ec) ? db.parent_path() : r_.programFolder;
    if (auto free = files_.available(folder); free && *free < old + r_.database.size() + kSpareBytes)
      return step(errc(std::errc::no_space_on_device), folder);
    return true;
  }

  bool WriteResultDb() {
    if (r_.database.empty()) return true;
    const fs::path file = r_.databaseFile();
    if (!step(files_.createDirectories(file.parent_path()), file.parent_path())) return false;
    std::error_code ec;
    if (fs::exists(file, ec)) {
      oldDatabase_ = files_.read(file, kMaxDatabaseBytes);
      if (!oldDatabase_) return step(errc(std::errc::io_error), file);
      // Written before, by an earlier try of this result.
      if (again_ && oldDatabase_->ends_with(r_.database)) {
        oldDatabase_.reset();
        out_.resultDb = file;
        return true;
      }
    }
    // A new attempt's records follow whatever the file held.
    if (!step(files_.replace(file, oldDatabase_.value_or("") + r_.database), file)) return false;
    databaseWritten_ = true;
    out_.resultDb = file;
    return true;
  }

  void undoDatabase() {
    if (!databaseWritten_) return;
    const fs::path file = r_.databaseFile();
    if (oldDatabase_)
      files_.replace(file, *oldDatabase_);
    else
      files_.remove(file);
    out_.resultDb.clear();
  }

  // "Monitor.dm" holds this result's group already.
  bool groupAppended(const fs::path& file) {
    bool found = false;
    std::error_code ec;
    if (!fs::exists(file, ec)) return false;
    ReadMonitorFile(file, r_.taskCount, [&](const MonitorGroup& g) {
      found = found || monitorBytes(g) == r_.monitor;
    });
    return found;
  }

  bool AppendMonitor() {
    if (r_.monitor.empty()) return true;
    const fs::path file = r_.monitorFile();
    if (!(again_ && groupAppended(file))) {
      const AppendResult appended = files_.append(file, r_.monitor, monitorGroupSize(r_.taskCount));
      groupWritten_ = appended.whole;
      if (!step(appended.error, file)) return false;
    }
    out_.monitorFile = file;
    return true;
  }

  // Counted from the file as it is now, so that settings saved since the
  // test was opened, or a launch another workstation counted, are kept.
  bool CountLaunch() {
    if (!r_.countsLaunch || r_.launchCounted) {
      out_.launchCounted = r_.launchCounted;
      return true;
    }
    const fs::path file = r_.configFile();
    const std::optional<std::string> bytes = files_.read(file, kMaxConfigBytes);
    // An earlier try that stopped right after counting left the file as
    // it meant to.
    if (!r_.launchTarget.empty() && bytes == r_.launchTarget) return launchDone();
    const ConfigReading now = readConfig(bytes, r_.taskCount, 1);
    oldConfig_ = bytes;
    const std::optional<std::string> counted =
        now.launchCounting ? launchCountBytes(now.keptCopy) : std::nullopt;
    if (!counted) {
      r_.countsLaunch = false;  // the test counts no launches any more
      if (progress_) progress_();
      return true;
    }
    // The kept copy knows what counting writes before it is written.
    r_.launchTarget = *counted;
    if (progress_) progress_();
    if (!step(countLaunch(r_.testFolder, now.keptCopy, files_), file)) return false;
    return launchDone();
  }

  // The launch goes back when the result it was counted for is not stored
  // after all, unless the file changed since.
  void undoLaunch() {
    if (!r_.launchCounted || !oldConfig_) return;
    const fs::path file = r_.configFile();
    if (files_.read(file, kMaxConfigBytes) == r_.launchTarget && !files_.replace(file, *oldConfig_)) {
      r_.launchCounted = false;
      r_.launchTarget.clear();
      out_.launchCounted = false;
      if (progress_) progress_();
    }
  }

  bool launchDone() {
    r_.launchCounted = true;
    out_.launchCounted = true;
    if (progress_) progress_();
    return true;
  }

  PendingResult& r_;
  FileSystem& files_;
  Random& random_;
  bool again_;
  const std::function<void()>& progress_;
  StoreOutcome out_;
  bool databaseWritten_ = false;
  bool groupWritten_ = true;  // unless an append is known to have stopped short
  std::optional<std::string> oldDatabase_;
  std::optional<std::string> oldConfig_;
};

}  // namespace

StoreOutcome StoreResult(PendingResult& result, FileSystem& files, Random& random, bool again,
                         const std::function<void()>& progress) {
  return Store(result, files, random, again, progress).run();
}

}  // namespace ispyt
