#pragma once
// One attempt's result as it is to be stored: every result file's bytes,
// made before any is written.  It is kept as one file in the program
// folder's "Pending" folder until all of them are written, so that the
// answers given survive a full disk, a dropped share or a power cut, and
// are written out again later.
//
// The file: text lines ending in CR LF, then the three blocks, each after
// a line with its length:
//
//   ispyt pending result 1
//   program=<program folder>    folder=<test folder>    test=<test name>
//   code=<attempt code>         tasks=<N>               launch=0 | 1 | 2
//   report=<length> CR LF <bytes> CR LF
//   monitor=<length> CR LF <bytes> CR LF      (0 when none)
//   database=<length> CR LF <bytes> CR LF     (0 when none)
//   config=<length> CR LF <bytes> CR LF       (0 when not yet known)
//   focus=<length> CR LF <bytes> CR LF        (only when focus was lost)
//   message=<length> CR LF <bytes> CR LF      (only when there is one)
//
// "launch" is 0 when no launch is counted, 1 while one is still to be
// counted, 2 once it was; "config" is what counting it writes into
// "Config.ini".  Paths and names are Windows-1251.

#include <filesystem>
#include <string>
#include <string_view>

#include "results/ReadFault.h"

namespace ispyt {

struct PendingResult {
  std::filesystem::path programFolder;  // its "REZULT" holds the database
  std::filesystem::path testFolder;
  std::string testName;  // names the database
  std::string attemptCode;
  int taskCount = 0;
  std::string report;    // "<code>.rez"
  std::string monitor;   // the group appended to "Monitor.dm"; empty: none
  std::string database;  // the records of "<code>_<test>.Db"; empty: none
  bool countsLaunch = false;
  bool launchCounted = false;
  // What counting the launch writes into "Config.ini", made just before.
  std::string launchTarget;
  // "<code>.foc" beside the report; empty: the attempt never lost the focus.
  std::string focus;
  // The message for the teacher's computer, put in the outbox once the
  // result is stored; empty: none.
  std::string message;

  std::filesystem::path reportFile() const;
  std::filesystem::path monitorFile() const;
  std::filesystem::path databaseFile() const;
  std::filesystem::path configFile() const;
  std::filesystem::path focusFile() const;
};

// The same result under another attempt code of the same letter.
void recode(PendingResult& result, const std::string& attemptCode);

std::string pendingResultBytes(const PendingResult& result);
// Refuses anything but a whole file of this layout whose blocks fit the
// task count.
Parsed<PendingResult> ReadPendingResult(std::string_view bytes);

}  // namespace ispyt
