#pragma once
// After a crash or a power cut: the attempts whose journals wait in the
// program folder, the one the teacher is offered to resume, and what the
// offer says.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "attempt/AttemptJournal.h"
#include "attempt/RebuildAttempt.h"

namespace ispyt {

struct WaitingAttempt {
  std::filesystem::path journalFile;
  JournalReading journal;
  RebuiltAttempt rebuilt;  // as far as the journal goes
};

struct ResumeSearch {
  std::optional<WaitingAttempt> waiting;
  // The journals that cannot be resumed, each set aside: what the teacher
  // is told of them (Windows-1251).
  std::vector<std::string> refused;
};

// The oldest journal that can be resumed; the ones before it that cannot
// (damaged, or their test file changed) are set aside, never deleted.
ResumeSearch findWaitingAttempt(const std::filesystem::path& programFolder);

// The offer: whose attempt, of which test, how far it came (Windows-1251).
std::string resumeOfferText(const WaitingAttempt& attempt);

// The test's password, when it has one, guards the resume.
bool resumeNeedsPassword(const WaitingAttempt& attempt);
bool resumePasswordMatches(const WaitingAttempt& attempt, const std::string& typed);

// The test set and the test's name of the attempt's folder (Windows-1251).
std::string attemptTestSet(const WaitingAttempt& attempt);
std::string attemptTestName(const WaitingAttempt& attempt);

}  // namespace ispyt
