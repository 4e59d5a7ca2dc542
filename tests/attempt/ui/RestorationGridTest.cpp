// A Restoration task on a real attempt desk, on a virtual clock: palette
// clicks and typed keys reach the gaps, the pointer rolls and makes clicks
// wait, the mode-0 hint blinks, mode 3 ends the task on a wrong character,
// and the review shows what was typed, in the colours of each mode.
// ISPYT_GRID_PICTURES=DIR saves the option area as PNGs to look at.

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "TaskDesk.h"
#include "attempt/RestorationJudge.h"

using namespace ispyt;

namespace {

// "H" then gap 1 (cell 2, lowered, '2') and gap 2 (cell 3, 'O') on row 1;
// gap 3 at the start of row 2 ('H'), left of gap 2.
Task formula() {
  Task t;
  t.type = TaskType::Restoration;
  t.question = "Formula";
  std::string grid(kGridCells, ' ');
  grid[0] = 'H';
  std::string levels(kGridCells, '0');
  levels[1] = '1';
  t.items[2] = grid + levels + '+' + std::string{static_cast<char>(2 + 40),  '2', '1',
                                                 static_cast<char>(3 + 40),  'O', '0',
                                                 static_cast<char>(16 + 40), 'H', '0'};
  t.rightItems[1] = "12OH______________";
  t.itemCount = 5;
  t.elementCount = 3;
  return t;
}

// One attempt at the formula (and a second task, so that the first one
// ends nothing) on an 800x600 screen.
struct Desk {
  QTemporaryDir dir;
  DeskWorkstation ws;
  ispyt::Test test;
  AttemptState attempt;
  ManualScheduler scheduler;
  Random random{3};
  NoCard card;
  QImage screen;
  QImage background;
  QWidget window;
  std::unique_ptr<TaskCanvas> canvas;
  AttemptLog end;
  NoResults results;
  std::unique_ptr<AttemptDesk> desk;

  Desk(int mode, int speed = 0, bool keyboard = false, int tasks = 2, Task task = formula(),
       ScreenScale scale = {}) {
    screen = QImage(scale.x(kDesignWidth), scale.y(kDesignHeight), QImage::Format_RGB32);
    background = screen.copy();
    background.fill(QColor(250, 246, 230));
    screen.fill(Qt::white);
    const QString folder = dir.path() + "/Base/Set/Formula";
    QDir().mkpath(folder);
    ws.programFolder = dir.path().toStdString();
    ws.openTest.testFolder = folder.toStdString();
    ws.openTest.currentTestPath = folder.toStdString() + "/";
    ws.openTest.attemptCode = "B123";
    ws.openTest.testLoaded = true;
    ws.settings.mode = mode;
    ws.settings.personalise = false;
    ws.settings.timeLimitMinutes = 10;
    ws.decor.pointerSpeed = speed;
    ws.decor.keyboard = keyboard;
    test.title = "t";
    test.taskCount = tasks;
    for (int k = 1; k <= tasks; ++k) test.task(k) = task;
    canvas = std::make_unique<TaskCanvas>(
        TaskCanvas::Parts{&screen, &background, &window, scale, {}, {}, {}});
    desk = makeDesk(ws, test, attempt, scheduler, random, card, *canvas, end, results,
                    AttemptDesk::Host{[](const QString&, QColor) {}, [] {}, [] {}, [] {}});
    desk->testOpened();
    desk->engine().mainButton();
    scheduler.advance(kStartDelayMs);
    scheduler.advance(1);  // the task's transition
  }

  const RestorationGrid& grid() const { return desk->restorationGrid(); }
  const TaskRecord& record() const { return desk->state().task(1); }
  QPoint key(char c) const {
    for (const RestorationGrid::Key& k : grid().keys())
      if (k.c == c) return k.rect.center();
    return {};
  }
  void click(char c) { desk->click(key(c)); }
  bool type(int qtKey, const char* text = "") { return desk->keyPressed(qtKey, text); }
  // The gap's box on the screen (its cell).
  QRect gapCell(int gap) const { return grid().cell(RestorationJudge::cellOf(test.task(1), gap)); }
  bool shows(int gap, QColor colour) const {
    const QRect r = gapCell(gap);
    for (int y = r.top(); y <= r.bottom(); ++y)
      for (int x = r.left(); x <= r.right(); ++x)
        if (screen.pixelColor(x, y) == colour) return true;
    return false;
  }
  void save(const char* name) const {
    const QByteArray out = qgetenv("ISPYT_GRID_PICTURES");
    if (!out.isEmpty()) screen.copy(16, 376, 768, 200).save(QString(out) + "/" + name + ".png");
  }
};

const QColor kGreen(0, 128, 0), kRed(255, 0, 0), kNavy(0, 0, 128), kBlue(0, 0, 255);

}  // namespace

class RestorationGridTest : public QObject {
  Q_OBJECT

 private slots:
  void theGridAndThePaletteFitTheOptionArea_data() {
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::newRow("800x600") << 1.0 << 1.0;
    QTest::newRow("1920x1080") << 2.4 << 1.8;
    QTest::newRow("1280x1024") << 1.6 << 1024 / 600.0;
  }
  void theGridAndThePaletteFitTheOptionArea() {
    QFETCH(double, x);
    QFETCH(double, y);
    const ScreenScale scale{x, y, std::min(x, y)};
    Desk d(kModeTraining, 0, false, 2, formula(), scale);
    const QRect area = d.desk->canvas().rect(layout::kOptionArea);
    QCOMPARE(d.grid().keys().size(), std::size_t(4));
    for (const RestorationGrid::Key& k : d.grid().keys()) {
      QVERIFY(area.contains(k.rect));
      QCOMPARE(k.rect.width(), k.rect.height());
      // The keys stand clear of the grid.
      QVERIFY(k.rect.left() > d.grid().cell(15).right());
    }
    QVERIFY(area.contains(d.grid().cell(1)));
    QVERIFY(area.contains(d.grid().cell(2 * kGridColumns)));  // the rows in use
  }

  void clicksAndTypedKeysFillTheGapsInOrder() {
    Desk d(kModeTraining);
    d.click('2');
    QCOMPARE(d.record().gapAnswers, std::string("2"));
    // Typing is off by default, Backspace too.
    QVERIFY(!d.type(Qt::Key_O, "O"));
    QVERIFY(!d.type(Qt::Key_Backspace));
    d.ws.decor.keyboard = true;
    QVERIFY(d.type(Qt::Key_O, "O"));
    QVERIFY(!d.type(Qt::Key_Return, "\r"));
    QVERIFY(!d.desk->state().answerReady);
    QVERIFY(d.type(Qt::Key_Backspace));
    QCOMPARE(d.record().gapAnswers, std::string("2O\xBB"));
    QCOMPARE(d.record().wrongCount, 1);
    QVERIFY(d.desk->state().answerReady);
    d.save("training");
  }

  void charactersTakeTheColoursOfTheMode_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QColor>("right");
    QTest::addColumn<QColor>("wrong");
    QTest::newRow("training") << int(kModeTraining) << kGreen << kRed;
    QTest::newRow("exam") << int(kModeExam) << kGreen << kRed;
    QTest::newRow("test paper") << int(kModeTestPaper) << kNavy << kNavy;
    QTest::newRow("monitoring") << int(kModeMonitoring) << kNavy << kNavy;
  }
  void charactersTakeTheColoursOfTheMode() {
    QFETCH(int, mode);
    QFETCH(QColor, right);
    QFETCH(QColor, wrong);
    Desk d(mode);
    d.click('2');
    QVERIFY(d.shows(1, right));
    QVERIFY(!d.shows(2, right) && !d.shows(2, wrong));  // an empty box
    if (mode == kModeExam) return;                      // a wrong character ends the task (below)
    d.click('1');
    QVERIFY(d.shows(2, wrong));
  }

  void aWrongCharacterInTheExamCompletesTheTask() {
    Desk d(kModeExam);
    d.click('2');
    d.click('H');
    QVERIFY(d.record().done);
    QCOMPARE(d.record().wrongCount, 1);
    QVERIFY(d.desk->state().currentTask != 1);
  }

  void thePointerRollsToTheNextGapAndClicksWait() {
    Desk d(kModeTraining, 1);
    const Point first = d.grid().pointer().position();
    d.click('2');
    QVERIFY(d.grid().pointer().rolling());
    d.click('O');  // waits for the pointer
    QCOMPARE(d.record().gapAnswers, std::string("2"));
    d.scheduler.advance(1);
    QCOMPARE(d.grid().pointer().position().x, first.x + 3);
    d.scheduler.advance(100);
    QVERIFY(!d.grid().pointer().rolling());
    QVERIFY(d.gapCell(2).contains(
        QPoint(d.grid().pointer().position().x, d.grid().pointer().position().y)));
    d.click('O');
    QCOMPARE(d.record().gapAnswers, std::string("2O"));
    // Gap 3 lies to the left, on the next row: the pointer jumps there.
    QVERIFY(!d.grid().pointer().rolling());
    QVERIFY(d.gapCell(3).contains(
        QPoint(d.grid().pointer().position().x, d.grid().pointer().position().y)));
  }

  void leftSlowsThePointerAndRightSpeedsItUp() {
    Desk d(kModeTraining, 1);
    for (int i = 0; i < 3; ++i) d.desk->presentationKey(PresentationKey::Left);
    QCOMPARE(d.ws.decor.pointerSpeed, 3);
    const int x = d.grid().pointer().position().x;
    d.click('2');
    d.scheduler.advance(19);
    QCOMPARE(d.grid().pointer().position().x, x);  // the slowest steps every 20 ms
    d.scheduler.advance(1);
    QCOMPARE(d.grid().pointer().position().x, x + 1);
    for (int i = 0; i < 5; ++i) d.desk->presentationKey(PresentationKey::Right);
    QCOMPARE(d.ws.decor.pointerSpeed, 0);
  }

  void aHintShowsTheExpectedCharactersInTheirGaps() {
    Desk d(kModeHint);
    QVERIFY(!d.shows(1, kBlue));
    d.desk->engine().modeSign();
    QCOMPARE(d.desk->engine().phase(), AttemptPhase::Hint);
    QVERIFY(d.shows(1, kBlue));
    QVERIFY(d.shows(2, kBlue));
  }

  void aWrongCharacterInHintModeBlinksTheExpectedOne() {
    Desk d(kModeHint);
    d.click('1');
    QCOMPARE(RestorationJudge::currentGap(d.test.task(1), d.record(), kModeHint), 1);
    QVERIFY(d.grid().blink().blinking());
    QVERIFY(!d.shows(1, kBlue));
    d.scheduler.advance(60);  // the second step shows it
    QVERIFY(d.grid().blink().shown());
    QVERIFY(d.shows(1, kBlue));
    d.save("hint-blink");
    d.scheduler.runUntilIdle(5000);
    QVERIFY(!d.grid().blink().blinking());
    QVERIFY(!d.shows(1, kBlue) && !d.shows(1, kRed));  // the gap waits, empty
    d.click('2');
    QCOMPARE(d.record().gapAnswers, std::string("12"));
    QVERIFY(d.shows(1, kGreen));
  }

  void aDeletedCellClosesItsRowUnlessTheFlagIsPlus_data() {
    QTest::addColumn<char>("flag");
    QTest::addColumn<bool>("closes");
    QTest::newRow("flag -") << '-' << true;
    QTest::newRow("flag +") << '+' << false;
  }
  void aDeletedCellClosesItsRowUnlessTheFlagIsPlus() {
    QFETCH(char, flag);
    QFETCH(bool, closes);
    // Gap 1 (cell 2) holds a character to delete.
    Task task = formula();
    task.items[2][2 * kGridCells] = flag;
    task.items[2][2 * kGridCells + 2] = '\xBB';
    Desk d(kModeTraining, 0, false, 2, task);
    const QRect before = d.grid().cell(2);
    d.click('\xBB');
    QCOMPARE(d.record().gapAnswers, std::string("\xBB"));
    QCOMPARE(d.grid().cell(3) == before, closes);
    QCOMPARE(d.shows(1, kGreen), !closes);  // a closed gap shows nothing
  }

  void theReviewShowsTheCharactersTyped() {
    Desk d(kModeTestPaper, 0, false, 1);
    for (char c : {'2', '1', 'H'}) d.click(c);
    d.desk->click(d.desk->canvas().rect(layout::kMainButton).center());
    d.scheduler.advance(kSubmitDelayMs);
    QCOMPARE(d.desk->engine().phase(), AttemptPhase::Ended);
    while (!d.desk->engine().diagramPromptShown()) d.scheduler.advance(kDiagramMs);
    d.desk->engine().bandClicked();
    for (int i = 0; i < 200 && d.desk->engine().phase() != AttemptPhase::Closed; ++i)
      d.scheduler.advance(kClosingMs);
    QVERIFY(d.desk->engine().reviewAllowed());
    d.desk->engine().petalClicked(1);
    d.scheduler.advance(1);
    QVERIFY(d.desk->state().reviewing);
    QVERIFY(d.shows(1, kNavy) && d.shows(2, kNavy) && d.shows(3, kNavy));
    d.save("review");
    d.click('O');  // the review takes no input
    QCOMPARE(d.record().gapAnswers, std::string("21H"));
  }
};

QTEST_MAIN(RestorationGridTest)
#include "RestorationGridTest.moc"
