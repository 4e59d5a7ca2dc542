#include "shell/ResumeAttempt.h"

#include "platform/Cp1251.h"
#include "platform/Paths.h"

namespace ispyt {

ResumeSearch findWaitingAttempt(const fs::path& programFolder) {
  ResumeSearch out;
  for (const fs::path& file : waitingJournals(programFolder)) {
    WaitingAttempt attempt{file, ReadJournal(readFileBytes(file).value_or("")), {}};
    if (!attempt.journal.ok()) {
      const fs::path aside = setJournalAside(file, "damaged");
      out.refused.push_back(cp1251("Журнал перерваної спроби пошкоджено; його збережено як ") +
                            cp1251FromPath(aside.filename()) + ".");
      continue;
    }
    attempt.rebuilt = rebuildAttempt(attempt.journal);
    if (!attempt.rebuilt.ok()) {
      const fs::path aside = setJournalAside(file, "changed");
      out.refused.push_back(attempt.rebuilt.refusal + cp1251(" (") + attempt.journal.start.card.fullName +
                            cp1251(", ") + attempt.journal.start.testName +
                            cp1251("). Журнал збережено як ") + cp1251FromPath(aside.filename()) + ".");
      continue;
    }
    out.waiting = std::move(attempt);
    break;
  }
  return out;
}

std::string resumeOfferText(const WaitingAttempt& a) {
  const JournalStart& start = a.journal.start;
  const AttemptState& s = a.rebuilt.state;
  auto two = [](int n) { return (n < 10 ? "0" : "") + std::to_string(n); };
  const std::string name = start.card.fullName.empty() ? start.attemptCode : start.card.fullName;
  return cp1251("Спробу перервано, але її можна відновити.\n\nТестований: ") + name +
         cp1251("\nТест: ") + start.testName + cp1251("\nВиконано завдань: ") +
         std::to_string(s.doneCount()) + cp1251(" з ") + std::to_string(s.taskCount) +
         cp1251("\nВикористано часу: ") + std::to_string(s.elapsed / 60) + ":" +
         two(s.elapsed % 60) + cp1251(" з ") + std::to_string(s.timeLimit) +
         cp1251(":00\n\nЧас, коли комп'ютер не працював, не враховано.");
}

bool resumeNeedsPassword(const WaitingAttempt& a) {
  return a.journal.start.settings.hasPassword();
}

bool resumePasswordMatches(const WaitingAttempt& a, const std::string& typed) {
  return !resumeNeedsPassword(a) || typed == std::to_string(a.journal.start.settings.password);
}

std::string attemptTestSet(const WaitingAttempt& a) {
  return cp1251FromPath(a.journal.start.testFolder.parent_path().filename());
}

std::string attemptTestName(const WaitingAttempt& a) {
  return cp1251FromPath(a.journal.start.testFolder.filename());
}

}  // namespace ispyt
