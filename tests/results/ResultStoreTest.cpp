// A result is stored whole or not at all, and writing it again stores it
// exactly once: each change the store makes failing in turn, the process
// killed at each, another workstation appending beside it, a group cut
// short, two processes appending at once, and many attempts failing while
// the space comes back a little at a time.

#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <set>

#include "FaultyFiles.h"
#include "ResultFixture.h"
#include "content/ConfigFile.h"
#include "content/TestSets.h"
#include "results/AttemptRecords.h"
#include "results/MonitorFile.h"
#include "results/PendingResults.h"
#include "results/ReportFile.h"
#include "results/ResultDbFile.h"

namespace ispyt::results_test {
namespace {

std::vector<fs::path> filesOf(const fs::path& folder, const std::string& extension) {
  std::vector<fs::path> found;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
    if (it->path().extension() == extension) found.push_back(it->path());
  return found;
}

class ResultStoreTest : public ResultFilesFixture {
 protected:
  // Memory is as real a file system as a disk, and many thousand writes
  // to it take no time.
  fs::path scratch() const override {
    std::error_code ec;
    return fs::is_directory("/dev/shm", ec) && access("/dev/shm", W_OK) == 0
               ? fs::path("/dev/shm")
               : fs::temp_directory_path();
  }

  void SetUp() override {
    ResultFilesFixture::SetUp();
    attempt = finishedAttempt(kModeMonitoring);
    // The pupil went to another window once, and the pointer to another
    // screen until the end.
    attempt.focusLosses.observe(10, false, true);
    attempt.focusLosses.observe(20, true, true);
    attempt.focusLosses.observe(30, true, false);
    // A monitoring test with a password counts its launches: 5 left.
    SettingsDialogState limited = readConfig(std::nullopt, kTasks, 1).dialog;
    limited.values.password = 4321;
    limited.values.launchesLeft = 5;
    std::ofstream(folder / "Config.ini", std::ios::binary) << configBytes(limited);
    ws.openTest.launchCounting = true;
  }

  ResultFilesContext contextOn(FileSystem& files) {
    ResultFilesContext c = context();
    c.files = &files;
    return c;
  }
  int launches() { return readConfigFile(folder, kTasks, 1).settings.launchesLeft; }
  MonitorFile monitor() { return *ReadMonitor(read(folder / "Monitor.dm"), kTasks).value; }
  int groupsOf(const std::string& code) {
    int n = 0;
    for (const MonitorGroup& g : monitor().groups) n += g.attemptCode == code;
    return n;
  }
  fs::path rezult() { return root / "REZULT"; }
  std::vector<fs::path> leftovers() {
    std::vector<fs::path> all;
    for (const fs::path& f : {folder, rezult(), pendingFolder(root)})
      for (const fs::path& p : filesOf(f, ".new")) all.push_back(p);
    return all;
  }

  // The result of `code` is there once, whole: its report, its one group,
  // its database, one launch used up, its focus losses (unless they could
  // not be written), and nothing kept or left over.
  void expectStoredOnce(const std::string& code, bool withFocusLosses = true) {
    if (withFocusLosses)
      EXPECT_EQ(read(folder / (code + ".foc")), "2\r\n10 20 1\r\n30 754 2\r\n");
    else
      EXPECT_FALSE(fs::exists(folder / (code + ".foc")));
    EXPECT_EQ(filesOf(folder, ".rez"), std::vector<fs::path>{folder / (code + ".rez")});
    EXPECT_EQ(groupsOf(code), 1);
    auto db = ReadResultDb(read(rezult() / (code + "_Algebra.Db")));
    ASSERT_TRUE(db.ok());
    EXPECT_EQ(db.value->entries.size(), 1u);
    EXPECT_EQ(filesOf(rezult(), ".Db").size(), 1u);
    EXPECT_EQ(launches(), 4);
    EXPECT_TRUE(keptResults(root).empty());
    EXPECT_TRUE(leftovers().empty()) << leftovers().front();
  }

  void startAgain() {
    fs::remove_all(root);
    SetUp();
  }
};

TEST_F(ResultStoreTest, EachChangeFailingInTurnStoresNothingAndWritingAgainStoresItOnce) {
  for (int k = 1;; ++k) {
    SCOPED_TRACE(k);
    startAgain();
    FaultyFiles faulty;
    faulty.failAt = k;
    WriteReportOutcome out = WriteReport(contextOn(faulty));
    if (faulty.changes < k) break;  // the whole store made fewer changes
    const std::string failed = faulty.made[k - 1];
    SCOPED_TRACE(failed);
    const std::string code = out.result.attemptCode;
    if (out.stored()) {
      // Only the kept copy, or the focus losses beside the report, could
      // not be written: the result itself is.
      const bool focus = failed.find(".foc") != std::string::npos;
      EXPECT_TRUE(focus || failed.find(".pending") != std::string::npos ||
                  failed == "folder Pending");
      EXPECT_TRUE(out.focusFile.empty() == focus);
      expectStoredOnce(code, !focus);
      continue;
    }
    EXPECT_TRUE(out.error) << "a failure is said";
    EXPECT_FALSE(out.failedFile.empty());
    EXPECT_TRUE(filesOf(folder, ".rez").empty()) << "no report without its records";
    EXPECT_FALSE(fs::exists(rezult() / (code + "_Algebra.Db"))) << "no database without its report";
    EXPECT_LE(groupsOf(code), 1);
    // Only the very last change, the report taking its name, comes after
    // the launch is counted.
    if (failed.rfind("rename " + code + ".rez.new", 0) != 0) {
      EXPECT_EQ(launches(), 5);
    }
    EXPECT_EQ(keptResults(root).size(), 1u) << "the answers are kept";

    ASSERT_TRUE(WriteReportAgain(context(), out));
    EXPECT_EQ(out.result.attemptCode, code);
    expectStoredOnce(code);
  }
}

TEST_F(ResultStoreTest, KilledAtAnyChangeTheNextStartWritesTheResultOnce) {
  int kills = 0;
  for (bool after : {false, true}) {
    for (int k = 1;; ++k) {
      SCOPED_TRACE(std::string(after ? "killed after change " : "killed at change ") +
                   std::to_string(k));
      startAgain();
      const pid_t child = fork();
      ASSERT_GE(child, 0);
      if (child == 0) {
        FaultyFiles faulty;
        faulty.killAt = k;
        faulty.killAfter = after;
        WriteReport(contextOn(faulty));
        _exit(0);
      }
      int status = 0;
      waitpid(child, &status, 0);
      if (WIFEXITED(status)) break;  // the store was done before change k
      ASSERT_TRUE(WIFSIGNALED(status));
      ++kills;
      // Whatever the cut, no report stands without its records.
      for (const fs::path& report : filesOf(folder, ".rez"))
        EXPECT_EQ(groupsOf(report.stem().string()), 1);

      // The next start writes out what was kept.
      RetryOutcome retried = retryKeptResults(root, diskFileSystem(), random);
      EXPECT_EQ(retried.left, 0);
      const std::vector<fs::path> reports = filesOf(folder, ".rez");
      if (reports.empty()) {
        // Killed before the answers were kept: nothing of it was written.
        EXPECT_TRUE(filesOf(rezult(), ".Db").empty());
        EXPECT_TRUE(monitor().groups.empty());
        EXPECT_EQ(launches(), 5);
        continue;
      }
      ASSERT_EQ(reports.size(), 1u);
      for (const fs::path& p : filesOf(pendingFolder(root), ".new")) fs::remove(p);
      expectStoredOnce(reports[0].stem().string());
    }
  }
  EXPECT_GE(kills, 2 * 12) << "every change of the store is a place to be killed";
}

TEST_F(ResultStoreTest, AFailedAppendLeavesTheGroupAnotherWorkstationAppended) {
  ASSERT_TRUE(WriteReport(context()).stored());
  const std::string first = result.attemptCode;
  // Another workstation appends its group between our reading and writing.
  MonitorGroup other = monitor().groups.at(0);
  other.attemptCode = other.name = "Y900";
  ASSERT_FALSE(diskFileSystem()
                   .append(folder / "Monitor.dm", monitorBytes(other), monitorGroupSize(kTasks))
                   .error);
  const std::uintmax_t before = sizeOf(folder / "Monitor.dm");

  // The disk fills in the middle of our group.
  ws.openTest.attemptCode = "Y538";
  class AppendFails : public FaultyFiles {
   public:
    AppendResult append(const std::filesystem::path& path, std::string_view bytes,
                        std::size_t block, bool) override {
      diskFileSystem().append(path, bytes.substr(0, 500), block);
      return {std::make_error_code(std::errc::no_space_on_device), false};
    }
  } full;
  WriteReportOutcome out = WriteReport(contextOn(full));
  ASSERT_FALSE(out.stored());
  EXPECT_EQ(out.failedFile, folder / "Monitor.dm");
  EXPECT_GT(sizeOf(folder / "Monitor.dm"), before) << "nothing is cut off";
  EXPECT_EQ(groupsOf(first), 1);
  EXPECT_EQ(groupsOf("Y900"), 1) << "the other workstation's group survives";
  EXPECT_EQ(monitor().skippedBytes, 500u);

  // Written again, our group starts on a group's boundary after the cut one.
  ASSERT_TRUE(WriteReportAgain(context(), out));
  const MonitorFile file = monitor();
  EXPECT_EQ(file.groups.size(), 3u);
  EXPECT_EQ(file.damagedGroups, 1u);
  EXPECT_EQ(file.skippedBytes, 0u);
  EXPECT_EQ(groupsOf(out.result.attemptCode), 1);
}

TEST_F(ResultStoreTest, AGroupCutShortShiftsNoGroupAfterIt) {
  // A 60-task group is 7964 bytes; a process killed between its two writes
  // left 4096 of them.
  ASSERT_EQ(monitorGroupSize(60), 7964u);
  ASSERT_TRUE(WriteReport(context()).stored());
  const std::string first = result.attemptCode;
  std::string bytes = read(folder / "Monitor.dm");
  bytes.append(monitorGroupSize(kTasks) / 2, '\x07');  // half a group of someone else's
  std::ofstream(folder / "Monitor.dm", std::ios::binary | std::ios::trunc) << bytes;

  std::set<std::string> codes{first};
  for (const char* code : {"Y600", "Y601"}) {
    ws.openTest.attemptCode = code;
    ASSERT_TRUE(WriteReport(context()).stored());
    codes.insert(result.attemptCode);
  }
  const MonitorFile file = monitor();
  std::set<std::string> found;
  for (const MonitorGroup& g : file.groups) found.insert(g.attemptCode);
  EXPECT_EQ(found, codes);
  EXPECT_EQ(file.damagedGroups, 1u);
  EXPECT_EQ(file.skippedBytes, 0u);
  EXPECT_EQ(sizeOf(folder / "Monitor.dm") % monitorGroupSize(kTasks), 0u);
}

TEST_F(ResultStoreTest, TwoProcessesAppendingAtOnceLeaveEveryGroupWhole) {
  const fs::path file = folder / "Monitor.dm";
  const MonitorGroup group = monitorGroupOf(attempt, test, "Y100", "Y100");
  pid_t children[2];
  for (int c = 0; c < 2; ++c) {
    children[c] = fork();
    ASSERT_GE(children[c], 0);
    if (children[c] == 0) {
      for (int i = 0; i < 200; ++i) {
        MonitorGroup g = group;
        g.attemptCode = std::string(1, c ? 'B' : 'A') + std::to_string(100 + i);
        if (diskFileSystem().append(file, monitorBytes(g), monitorGroupSize(kTasks)).error)
          _exit(1);
      }
      _exit(0);
    }
  }
  for (pid_t child : children) {
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  const MonitorFile read = monitor();
  EXPECT_EQ(read.groups.size(), 400u);
  EXPECT_EQ(read.damagedGroups, 0u);
  EXPECT_EQ(read.skippedBytes, 0u);
  std::set<std::string> codes;
  for (const MonitorGroup& g : read.groups) {
    codes.insert(g.attemptCode);
    EXPECT_EQ(g.wrongCount, group.wrongCount);
  }
  EXPECT_EQ(codes.size(), 400u);
}

// Under the old order a failed write left its report behind, and every
// report holds a code: 600 attempts of which a third fail once would have
// used up the 899 codes of the mode's letter.
TEST_F(ResultStoreTest, AttemptsFailingWhileSpaceComesBackLeaveNoOrphanAndTheCodesLast) {
  Random faults(42);
  int failed = 0;
  for (int i = 0; i < 600; ++i) {
    FaultyFiles faulty;
    if (faults.random(2) == 0) {
      faulty.failAt = 1 + faults.random(14);
      faulty.partial = faults.random(2) ? 1000 : 0;
    }
    ws.openTest.attemptCode = "Y" + std::to_string(100 + faults.random(899));
    // The attempt before's kept result is written first, as at every attempt.
    WriteReportOutcome out = WriteReport(contextOn(faulty));
    failed += !out.stored();
    if (!out.stored()) {
      ASSERT_FALSE(fs::exists(folder / (out.result.attemptCode + ".rez")));
      ASSERT_LE(groupsOf(out.result.attemptCode), 1);
    }
  }
  EXPECT_GT(failed, 100);
  EXPECT_EQ(retryKeptResults(root, diskFileSystem(), random).left, 0);

  const std::vector<fs::path> reports = filesOf(folder, ".rez");
  EXPECT_EQ(reports.size(), 600u);
  EXPECT_TRUE(leftovers().empty());
  EXPECT_TRUE(keptResults(root).empty());
  EXPECT_EQ(filesOf(rezult(), ".Db").size(), 600u);
  std::set<std::string> codes;
  for (const MonitorGroup& g : monitor().groups) codes.insert(g.attemptCode);
  EXPECT_EQ(codes.size(), 600u);
  for (const fs::path& report : reports) EXPECT_TRUE(codes.contains(report.stem().string()));
  EXPECT_EQ(baseNamesInUse(folder).size(), 600u + 2);  // and Config, Monitor
  EXPECT_EQ(launches(), 0);
}

TEST_F(ResultStoreTest, AKeptResultReadsBackAndTakesAnotherCode) {
  FaultyFiles full;
  full.failAt = 4;  // the report: nothing of it is written
  WriteReportOutcome out = WriteReport(contextOn(full));
  ASSERT_FALSE(out.stored());
  ASSERT_EQ(keptResults(root).size(), 1u);
  Parsed<PendingResult> kept = ReadPendingResult(read(keptResults(root)[0]));
  ASSERT_TRUE(kept.ok()) << kept.fault.reason;
  EXPECT_EQ(pendingResultBytes(*kept.value), pendingResultBytes(out.result));
  EXPECT_EQ(kept.value->testFolder, folder);

  // Another attempt took the code meanwhile: the kept one gets a new one,
  // in every file it writes.
  std::ofstream(folder / (out.result.attemptCode + ".rez")) << "another attempt";
  RetryOutcome retried = retryKeptResults(root, diskFileSystem(), random);
  ASSERT_EQ(retried.stored, 1);
  const std::string code = out.result.attemptCode;
  std::string stored;
  for (const fs::path& report : filesOf(folder, ".rez"))
    if (report.stem() != code) stored = report.stem().string();
  ASSERT_FALSE(stored.empty());
  EXPECT_EQ(ReadReport(read(folder / (stored + ".rez"))).value->attemptCode, stored);
  EXPECT_EQ(groupsOf(stored), 1);
  EXPECT_EQ(ReadResultDb(read(rezult() / (stored + "_Algebra.Db"))).value->entries.at(0).attemptCode,
            stored);
}

TEST(PendingResultFile, RefusesWhatIsNotAWholeKeptResult) {
  PendingResult r;
  r.programFolder = "/p";
  r.testFolder = "/p/Base/S/T";
  r.testName = "T";
  r.attemptCode = "Y100";
  r.taskCount = 2;
  r.report = "Y\1\0\0\r\n";
  const std::string bytes = pendingResultBytes(r);
  ASSERT_TRUE(ReadPendingResult(bytes).ok());
  const struct {
    const char* why;
    std::string bytes;
  } cases[] = {
      {"empty", ""},
      {"cut in its last block", bytes.substr(0, bytes.size() - 3)},
      {"bytes after it", bytes + "x"},
      {"another first line", "ispyt pending result 2" + bytes.substr(bytes.find("\r\n"))},
      {"a monitor block of another size",
       bytes.substr(0, bytes.find("monitor=")) + "monitor=3\r\nabc\r\ndatabase=0\r\n\r\nconfig=0\r\n\r\n"},
      {"a focus block that records no loss", bytes + "focus=3\r\n0\r\n\r\n"},
      {"an empty focus block", bytes + "focus=0\r\n\r\n"},
  };
  for (const auto& c : cases) EXPECT_FALSE(ReadPendingResult(c.bytes).ok()) << c.why;

  // The focus losses follow the blocks of a kept result that has them.
  r.focus = "1\r\n5 9 1\r\n";
  const std::string withFocus = pendingResultBytes(r);
  EXPECT_EQ(withFocus, bytes + "focus=10\r\n1\r\n5 9 1\r\n\r\n");
  Parsed<PendingResult> read = ReadPendingResult(withFocus);
  ASSERT_TRUE(read.ok()) << read.fault.reason;
  EXPECT_EQ(read.value->focus, r.focus);
}

}  // namespace
}  // namespace ispyt::results_test
