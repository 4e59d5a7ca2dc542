// After a crash the station offers the attempt the journal holds, once its
// menu is up: behind the test's password when it has one; resumed, the
// attempt stands where it stopped, with the time it had used; declined, the
// journal is kept aside and never offered again.

#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <cstdlib>
#include <filesystem>

#include "attempt/RebuildAttempt.h"
#include "platform/Paths.h"
#include "platform/qt/QtText.h"
#include "shell/ui/MainWindow.h"

using namespace ispyt;
namespace fs = std::filesystem;

namespace {

const fs::path kDemo = fs::path(ISPYT_TOOL).parent_path() / "demo";
const fs::path kScripts = fs::path(ISPYT_FIXTURES).parent_path().parent_path() / "demo" / "scripts";
const fs::path kTest = fs::u8path("Base/Шкільні тести/Усі типи завдань");

std::string quoted(const std::string& s) { return "'" + s + "'"; }

}  // namespace

class ResumeOfferTest : public QObject {
  Q_OBJECT

  QTemporaryDir dir;
  std::unique_ptr<MainWindow> window;

  fs::path program() const { return fs::path(dir.path().toStdString()) / "program"; }
  // A copy of the demo with an attempt killed after `steps` steps of the
  // script.
  void crashAnAttempt(int steps, const char* password = nullptr) {
    window.reset();
    fs::remove_all(program());
    fs::copy(kDemo, program(), fs::copy_options::recursive);
    const std::string tool = quoted(ISPYT_TOOL);
    if (password)
      QCOMPARE(std::system((tool + " settings " + quoted((program() / kTest).string()) +
                            " --set password=" + password + " >/dev/null")
                               .c_str()),
               0);
    std::system((tool + " simulate " + quoted((program() / kTest).string()) + " " +
                 quoted((kScripts / "mode1-all-types.script").string()) + " --crash-after " +
                 std::to_string(steps) + " >/dev/null 2>&1")
                    .c_str());
    QCOMPARE(waitingJournals(program()).size(), std::size_t(1));
  }
  void startTheStation() {
    window = std::make_unique<MainWindow>(MainWindowOptions{
        .programFolder = program(),
        .endProcess = [] {},
        .shell = std::make_unique<RecordingSystemShell>(),
        .actions = {},
        .showMessage = [](const QString&) {},
    });
    window->showOnScreen();
    QTRY_VERIFY_WITH_TIMEOUT(window->resumeOffer() != nullptr, 15000);
  }

 private slots:
  void resumedTheAttemptStandsWhereItStopped() {
    crashAnAttempt(5);
    const fs::path journal = waitingJournals(program())[0];
    const RebuiltAttempt expected =
        rebuildAttempt(ReadJournal(readFileBytes(journal).value_or("")));
    QVERIFY(expected.ok());
    startTheStation();
    ResumeOffer* offer = window->resumeOffer();
    QVERIFY(offer->isVisible());
    QVERIFY(!offer->passwordBox());  // the test has no password
    QTest::mouseClick(offer->resumeButton(), Qt::LeftButton);
    const AttemptState& s = window->attempt().state();
    QCOMPARE(window->attempt().engine().phase() == AttemptPhase::Idle, false);
    QCOMPARE(s.currentTask, expected.state.currentTask);
    QCOMPARE(s.elapsed, expected.state.elapsed);
    QCOMPARE(s.doneCount(), expected.state.doneCount());
    QCOMPARE(s.elementsJudged, expected.state.elementsJudged);
    QVERIFY(window->attempt().engine().clockRunning());
    QCOMPARE(window->workstation().openTest.testName, cp1251("Усі типи завдань"));
    QVERIFY2(fs::exists(journal), "the attempt goes on writing its journal");
  }

  void theTestsPasswordGuardsTheResume() {
    crashAnAttempt(3, "4321");
    startTheStation();
    ResumeOffer* offer = window->resumeOffer();
    QVERIFY(offer->passwordBox());
    QTest::keyClicks(offer->passwordBox(), "1111");
    QTest::mouseClick(offer->resumeButton(), Qt::LeftButton);
    QVERIFY(offer->isVisible());  // a wrong one keeps the offer
    QCOMPARE(window->attempt().engine().phase(), AttemptPhase::Idle);
    QTest::keyClicks(offer->passwordBox(), "4321");
    QTest::mouseClick(offer->resumeButton(), Qt::LeftButton);
    QTRY_VERIFY(window->resumeOffer() == nullptr);
    QVERIFY(window->attempt().engine().phase() != AttemptPhase::Idle);
  }

  void declinedTheJournalIsKeptAsideAndNotOfferedAgain() {
    crashAnAttempt(2);
    const fs::path journal = waitingJournals(program())[0];
    startTheStation();
    QTest::mouseClick(window->resumeOffer()->declineButton(), Qt::LeftButton);
    QTRY_VERIFY(window->resumeOffer() == nullptr);
    QVERIFY(!fs::exists(journal));
    fs::path aside = journal;
    aside += ".declined";
    QVERIFY2(fs::exists(aside), "no answer is thrown away");
    QVERIFY(waitingJournals(program()).empty());
    QCOMPARE(window->attempt().engine().phase(), AttemptPhase::Idle);
  }

  void cleanupTestCase() { window.reset(); }
};

QTEST_MAIN(ResumeOfferTest)
#include "ResumeOfferTest.moc"
