#pragma once
// The finished attempt as the result files hold it, and a stored report
// back into the attempt for review.  During an attempt every per-task table
// is in position order; the monitoring and database records are in file
// order, which `fileOrder` gives without moving the attempt's tables.

#include <string>
#include <vector>

#include "attempt/AttemptState.h"
#include "attempt/StudentCard.h"
#include "content/Settings.h"
#include "content/Test.h"
#include "results/AttemptResult.h"
#include "results/GradingCounts.h"
#include "results/MonitorFile.h"
#include "results/ReportFile.h"
#include "results/ResultDbFile.h"
#include "results/ResultMessage.h"

namespace ispyt {

// What grading reads from an attempt just ended (slots are positions), or
// from a reviewed report (`reviewed`: slots are file numbers, reached
// through the display order).  Of an attempt broken off (wrong elements
// -1) every task not done counts as wholly wrong and never judged, as at
// time-over (not in mode 3), and the wrong elements are the tasks' sum.

GradingCounts gradingCounts(const AttemptState& attempt, const Test& test, const Settings& settings,
                            bool reviewed = false);

// The positions 1..N sorted by their file number (an exchange sort on the
// display order); element i - 1 is the position of the task with the i-th
// smallest file number.
std::vector<int> fileOrder(const AttemptState& attempt);

// The result files' views of the attempt.  `card` is as the report shows it
// (class may be empty).  The report keeps the attempt as it was, the -1 of
// a broken-off one included, and its review grades it as above; the record
// files, which hold no such marker, get the tasks not done charged.
Report reportOf(const AttemptState& attempt, const Test& test, const Settings& settings,
                const StudentCard& card, const AttemptResult& result);
MonitorGroup monitorGroupOf(const AttemptState& attempt, const Test& test,
                            const std::string& attemptCode, const std::string& fullName);
// `wrong` is the wrong percentage; `card` has its class " -" when empty.
ResultDbEntry resultDbEntryOf(const AttemptState& attempt, const Test& test,
                              const Settings& settings, const StudentCard& card,
                              const AttemptResult& result, const std::string& testName, int wrong);
// The message to the teacher's computer, sent at the end of the attempt;
// `card` as for the database.
ResultMessage resultMessageOf(const AttemptState& attempt, const Test& test,
                              const Settings& settings, const StudentCard& card,
                              const AttemptResult& result, const std::string& testName);

// Loads a stored report for review: its header into the attempt, the card
// and the result, the shuffle flag into the settings, and each block under
// its task file number into the test and the attempt (the display order
// names them by position).
void applyReport(const Report& report, AttemptState& attempt, Test& test, Settings& settings,
                 StudentCard& card, AttemptResult& result);

}  // namespace ispyt
