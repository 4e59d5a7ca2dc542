#pragma once
// The journal of a running attempt: what rebuilds it exactly after a crash
// or a power cut.  Its start holds the test folder, the check of its test
// file, the random generator's state when the test was read and when the
// run began, the attempt code, the settings and the card; then every input
// the attempt engine took, and every one of its timers that fired, in
// order, each with its time since the run began.  Replayed through the
// engine, the steps give the same attempt, whatever the clock of the
// machine does.
//
// The file, "Journal/<code>.journal" in the program folder: text lines
// ending in LF, Windows-1251:
//
//   ispyt attempt journal 1
//   folder=<test folder>          test=<test name>       check=<hex>
//   code=<attempt code>           effect=<effect name>   <setting>=<value> ...
//   card=<district>|<school>|<card code>|<class>|<letter>|<group>|<name>
//   opened=<generator state>      run=<generator state>
//   steps
//   <ms> <step> [<argument in hex>] ...
//
// Each step is appended with one write as it happens, so a cut leaves at
// most a partial last line, which a reader passes over.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "attempt/StudentCard.h"
#include "content/Settings.h"
#include "platform/FileSystem.h"

namespace ispyt {

struct JournalStart {
  std::filesystem::path testFolder;
  std::string testName;
  std::uint64_t fileCheck = 0;
  std::string attemptCode;
  std::string effect;  // the transition effect, which times free moves
  Settings settings;   // as the run began, before the assembly moved them
  StudentCard card;
  std::string shuffleState;  // the generator as the test file was read
  std::string runState;      // the generator as the run began
};

// The engine's inputs and timers, as journal steps.
enum class JournalStepKind {
  Button,      // the main button; in the card phase with "1"/"0": the card complete
  Transition,  // the screen's transition ended
  Option,      // an option clicked: its number
  Field,       // a typed field edited: its number, its text
  Letter,      // a matching list set: its item, the letter
  Blank,       // a completion blank set: its number, the text
  Gap,         // a Restoration character
  Petal,       // a petal clicked: its position
  Sign,        // the mode sign
  Band,        // a click past the result diagram
  BreakOff,    // "Вихід"
  Start,       // the start timer fired
  Submit,      // the submit timer fired
  Tick,        // the attempt clock ticked
  Diagram,     // the result diagram turned a step
  Mark,        // not the engine's: a tool's note (the script steps done)
};

struct JournalStep {
  long long atMs = 0;  // since the run began
  JournalStepKind kind = JournalStepKind::Button;
  std::vector<std::string> args;  // Windows-1251

  int number(std::size_t i = 0) const;  // an argument as a number, 0 when none
};

struct JournalReading {
  JournalStart start;
  std::vector<JournalStep> steps;
  bool cut = false;  // a partial last line was passed over
  // Why the start is not whole (English, for tools), and its line; empty
  // when it is.
  std::string fault;
  int faultLine = 0;

  bool ok() const { return fault.empty(); }
};

std::string journalStartBytes(const JournalStart& start);
std::string journalStepLine(const JournalStep& step);
// Refuses a start that is not whole; steps stop at the first line that is
// not a whole step.
JournalReading ReadJournal(std::string_view bytes);

// Where the engine writes its journal.  The program and the headless runs
// keep it in a file; tests record it.
class AttemptJournal {
 public:
  virtual ~AttemptJournal() = default;
  // A new run of an attempt begins (not a repeated exam run).
  virtual void begin(const JournalStart& start) = 0;
  virtual void step(const JournalStep& step) = 0;
  // The attempt's answers are safe in its result files: the journal goes.
  virtual void end() = 0;
};

// The journal of the program folder, "Journal/<code>.journal".
class FileJournal : public AttemptJournal {
 public:
  FileJournal(std::filesystem::path programFolder, FileSystem& files)
      : programFolder_(std::move(programFolder)), files_(files) {}

  void begin(const JournalStart& start) override;
  void step(const JournalStep& step) override;
  void end() override;
  // Goes on writing the journal `file` (an attempt rebuilt from it).
  void adopt(const std::filesystem::path& file) { file_ = file; }
  const std::filesystem::path& file() const { return file_; }

 private:
  std::filesystem::path programFolder_;
  FileSystem& files_;
  std::filesystem::path file_;  // empty: no attempt runs
};

std::filesystem::path journalFolder(const std::filesystem::path& programFolder);

// The journals of unfinished attempts in the program folder, oldest first.
std::vector<std::filesystem::path> waitingJournals(const std::filesystem::path& programFolder);

// Keeps a journal that is not to be resumed beside the others, under a
// name no start-up offers again ("<name>.<why>"); returns the new name.
std::filesystem::path setJournalAside(const std::filesystem::path& journal, std::string_view why);

}  // namespace ispyt
