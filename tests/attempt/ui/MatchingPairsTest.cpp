// A Matching task on a real desk: letters chosen through the lists beside
// the left items, the right items in the "Відповідники" window, judged
// pairs coloured by the mode.

#include <QLabel>

#include "TaskDesk.h"
#include "platform/Cp1251.h"
#include "platform/qt/QtText.h"

using namespace ispyt;

namespace {

// Three left items matching "Київ", "Львів", "Одеса"; the right column
// also holds a "--" item, so three letters are offered.
Task matchingTask() {
  Task t;
  t.type = TaskType::Matching;
  t.question = cp1251("Доберіть місто");
  t.elementCount = 3;
  t.itemCount = 4;
  const char* left[] = {"Столиця", "Місто Лева", "Порт"};
  const char* right[] = {"Одеса", "Київ", "Львів", "--"};
  for (int j = 1; j <= 4; ++j) {
    if (j <= 3) t.items[j] = cp1251(left[j - 1]);
    t.rightItems[j] = cp1251(right[j - 1]);
  }
  t.correctTexts[1] = t.rightItems[2];
  t.correctTexts[2] = t.rightItems[3];
  t.correctTexts[3] = t.rightItems[1];
  t.correctTexts[4] = t.rightItems[4];
  t.hasEmptyRightItem = true;
  return t;
}

const QColor kRight(0, 255, 0);
const QColor kWrong(255, 128, 80);

// Long enough for the window to unroll and the panels to appear.
constexpr int kUnrollMs = 1000 / 2;

struct Pairs : TaskDesk {
  // The task laid out, its window out.
  Pairs(const Task& task, int mode, bool unrolled = true) : TaskDesk(task, mode) {
    if (unrolled) scheduler.advance(kUnrollMs);
  }
  QLabel* panel(int p) const { return find<QLabel>(QString("panel%1").arg(p)); }
  CardDropDown* list(int p) const { return find<CardDropDown>(QString("letters%1").arg(p)); }
  // The right items are shuffled when the attempt starts: the place of
  // `right` among them (0: А).
  int row(const char* right) const {
    for (int i = 1; i <= 3; ++i)
      if (test.task(1).rightItems[i] == cp1251(right)) return i - 1;
    return -1;
  }
  QString letter(const char* right) const { return QString(QChar(0x0410 + row(right))); }
  // Chooses for left item p the letter of `right`.
  void match(int p, const char* right) const { choose(list(p), row(right)); }
  QColor panelShade(int p) const { return shade(panel(p), {4, 4}); }
};

}  // namespace

class MatchingPairsTest : public QObject {
  Q_OBJECT

 private slots:
  void aLetterShownElsewhereEmptiesTheList() {
    Pairs d(matchingTask(), kModeTraining);
    QCOMPARE(d.list(1)->itemCount(), 3);  // "--" is not offered
    QVERIFY(!d.panel(4)->isVisible());
    d.match(1, "Київ");
    QCOMPARE(d.panel(1)->text(), d.letter("Київ"));
    QCOMPARE(d.panel(1)->frameShadow(), QFrame::Sunken);
    d.match(2, "Київ");  // shown for item 1 already: item 2 stays empty
    QCOMPARE(d.panel(2)->text(), QString());
    QCOMPARE(d.panel(2)->frameShadow(), QFrame::Raised);
    QCOMPARE(d.record().given[2], std::string());
    d.match(2, "Одеса");
    QVERIFY(!d.state().answerReady);
    d.match(3, "Львів");
    QVERIFY(d.state().answerReady);

    d.submit();
    QCOMPARE(fromCp1251(d.record().answerText),
             d.letter("Київ") + d.letter("Одеса") + d.letter("Львів"));
    QCOMPARE(d.record().wrongCount, 2);
    QCOMPARE(int(d.record().optionMarks[0]), d.row("Київ") + 1 + 13);
    QCOMPARE(d.panelShade(1), kRight);
    QCOMPARE(d.panelShade(2), kWrong);
    QVERIFY(!d.list(1)->isEnabled());
  }

  void modeZeroPutsTheCorrectLetterIntoAWrongPanel() {
    Pairs d(matchingTask(), kModeHint);
    d.match(1, "Київ");
    d.match(2, "Одеса");
    d.match(3, "Львів");
    d.submit();
    QVERIFY(d.state().feedbackPause);
    QCOMPARE(d.panel(1)->text(), d.letter("Київ"));
    QCOMPARE(d.panel(2)->text(), d.letter("Львів"));
    QCOMPARE(d.panel(3)->text(), d.letter("Одеса"));
    QCOMPARE(d.panelShade(2), kWrong);
    QVERIFY(!d.panel(2)->isEnabled());
  }

  void theRightItemsStandInTheirOwnWindow() {
    Pairs d(matchingTask(), kModeTraining);
    auto* answers = d.find<QWidget>("matchingAnswers");
    QVERIFY(answers && answers->isVisible());
    QCOMPARE(answers->windowTitle(), QString::fromUtf8("Відповідники"));
    QVERIFY(answers->windowFlags().testFlag(Qt::FramelessWindowHint));
    QVERIFY(answers->windowFlags().testFlag(Qt::Tool));
    QVERIFY(answers->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(answers->pos(), d.window.mapToGlobal(QPoint(430, 25)));
    // Half the option area's height under the title bar.
    QCOMPARE(answers->height(), 100 + CaptionBar::kHeight);
    // The attempt's end takes the task away, and the window with it.
    d.match(1, "Київ");
    d.match(2, "Львів");
    d.match(3, "Одеса");
    d.submit();
    d.desk->click(d.mainButton());
    d.scheduler.advance(1);
    QVERIFY(!answers->isVisible());
  }

  void theWindowUnrollsBeforeThePanelsAppear() {
    Pairs d(matchingTask(), kModeTraining, false);
    auto* answers = d.find<MatchingAnswersWindow>("matchingAnswers");
    QVERIFY(!answers->isVisible());
    QVERIFY(!d.panel(1)->isVisible());
    d.scheduler.advance(kListHiddenTicks * kListUnrollTickMs);
    QVERIFY(!answers->isVisible());
    d.scheduler.advance(kListUnrollTickMs);
    QVERIFY(answers->isVisible());
    QCOMPARE(answers->height(), kListGrowth);
    d.scheduler.advance(kListUnrollTickMs);
    QCOMPARE(answers->height(), 2 * kListGrowth);
    QVERIFY(!d.panel(1)->isVisible() && !d.list(1)->isVisible());
    d.scheduler.advance(kUnrollMs);
    QCOMPARE(answers->height(), answers->fullHeight());
    for (int p = 1; p <= 3; ++p) QVERIFY(d.panel(p)->isVisible() && d.list(p)->isVisible());
    QVERIFY(!d.panel(4)->isVisible());

    // The title bar's buttons: over the option area, rolled up, let down.
    auto press = [&](CaptionBar::Button b) {
      QTest::mouseClick(answers->caption(), Qt::LeftButton, {},
                        answers->caption()->buttonRect(b).center());
    };
    const QPoint corner = d.window.mapToGlobal(QPoint(0, 0));
    press(CaptionBar::Button::Minimise);
    QCOMPARE(answers->geometry(), QRect(corner + QPoint(430, 370), QSize(354, 120)));
    press(CaptionBar::Button::Restore);
    QCOMPARE(answers->geometry(), QRect(corner + QPoint(430, 25), QSize(354, 20)));
    press(CaptionBar::Button::Maximise);
    QCOMPARE(answers->geometry(), QRect(corner + QPoint(430, 25), QSize(354, 120)));

    // A presentation key lays the task out again: the window stays out.
    d.desk->presentationKey(PresentationKey::F7);
    QVERIFY(answers->isVisible() && d.panel(1)->isVisible());
  }

  void reviewShowsTheRecordedLetters() {
    Pairs d(matchingTask(), kModeTestPaper);
    d.match(1, "Київ");
    d.match(2, "Одеса");
    d.match(3, "Львів");
    const QString second = d.letter("Одеса");
    d.submit();
    d.review();
    d.scheduler.advance(kUnrollMs);
    QVERIFY(d.state().reviewing);
    QCOMPARE(d.panel(2)->text(), second);
    QVERIFY(!d.panel(2)->isEnabled() && !d.list(2)->isEnabled());
    QVERIFY(d.find<QWidget>("matchingAnswers")->isVisible());
  }
};

QTEST_MAIN(MatchingPairsTest)
#include "MatchingPairsTest.moc"
