#include "attempt/RebuildAttempt.h"

#include "attempt/AllTaskJudges.h"
#include "attempt/AssembleAttempt.h"
#include "attempt/AttemptEngine.h"
#include "attempt/AttemptLog.h"
#include "content/LoadTest.h"
#include "content/ReadTestFolder.h"
#include "platform/Cp1251.h"
#include "platform/ManualScheduler.h"
#include "platform/Paths.h"

namespace ispyt {
namespace {

// The card was filled when the journal began; it is never asked again.
struct FilledCard : AttemptCard {
  void show() override {}
  bool complete() const override { return true; }
  bool nameKnown() const override { return true; }
};

// Nothing is written: the journal's attempt is only looked at.
struct NoResults : ResultWriter {
  void evaluateExam(const std::string&) override {}
  void writeResults() override {}
  int grade() const override { return 0; }
  void sendResult() override {}
  void closeNetwork() override {}
};

}  // namespace

std::string testChangedText() {
  return cp1251("Файл тесту змінено після початку спроби: її не можна відновити");
}

RebuiltAttempt rebuildAttempt(const JournalReading& journal) {
  RebuiltAttempt out;
  const JournalStart& start = journal.start;
  if (testFileCheck(start.testFolder) != start.fileCheck) {
    out.refusal = testChangedText();
    return out;
  }
  Random random(0);
  random.setState(start.shuffleState);
  if (LoadTest(locate(start.testFolder, "test.txt"), out.test, random).value <= 1) {
    out.refusal = testChangedText();
    return out;
  }
  Settings settings = start.settings;
  OpenTestState openTest;
  openTest.testFolder = start.testFolder;
  openTest.testName = start.testName;
  openTest.testLoaded = true;
  DecorSettings decor;
  decor.effect = start.effect;
  StudentCard student;
  ManualScheduler scheduler;
  AttemptLog log;
  AllTaskJudges judges;
  FilledCard card;
  AttemptAssembler assembly(random);
  NoResults results;
  AttemptEngine engine({settings, openTest, decor, out.test, out.state, scheduler, random, log, log,
                        log, judges, card, assembly, results, student});
  engine.resume(journal);
  return out;
}

}  // namespace ispyt
