// A Completion task on a real desk: the text with its gaps in the option
// area, a list of variants over each gap, chosen with the mouse only,
// judged blanks coloured by the mode.

#include "TaskDesk.h"
#include "attempt/ui/CompletionBlanks.h"
#include "platform/Cp1251.h"
#include "platform/qt/QtText.h"

using namespace ispyt;

namespace {

// Two blanks of three variants each; the first variant is the correct one.
Task completionTask() {
  Task t;
  t.type = TaskType::Completion;
  t.question = cp1251("Доповніть речення");
  t.itemCount = 1;
  t.items[1] = cp1251("Сонце ‹ на сході, а ‹ на заході.");
  t.elementCount = t.blankCount = 2;
  t.variantCount = 3;
  const char* variants[2][3] = {{"сходить", "заходить", "стоїть"},
                                {"заходить", "сходить", "світить"}};
  for (int j = 1; j <= 2; ++j) {
    for (int v = 1; v <= 3; ++v) {
      t.variants[j][v] = cp1251(variants[j - 1][v - 1]);
      t.variantLetters[j][v] = static_cast<char>('A' + v - 1);
    }
    t.correctTexts[j] = t.variants[j][1];
  }
  return t;
}

const QColor kFieldRight(64, 255, 128);
const QColor kFieldWrong(255, 144, 64);
const QColor kCorrectText(160, 160, 255);

struct Blanks : TaskDesk {
  using TaskDesk::TaskDesk;
  CardDropDown* list(int j) const { return find<CardDropDown>(QString("blank%1").arg(j)); }
  QColor listShade(int j) const {
    auto* panel = list(j)->findChild<QLabel*>("panel");
    return shade(panel, {panel->width() - 3, panel->height() / 2});
  }
};

}  // namespace

class CompletionBlanksTest : public QObject {
  Q_OBJECT

 private slots:
  void aListIsAsWideAsItsLongestVariant_data() {
    QTest::addColumn<int>("longest");
    QTest::addColumn<int>("g");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("fontSize");
    QTest::newRow("ordinary") << 8 << 12 << 108 << 11;
    QTest::newRow("one letter") << 1 << 12 << 24 << 8;
    QTest::newRow("small cells keep the font at 8") << 10 << 6 << 72 << 8;
    QTest::newRow("no variant") << 0 << 12 << 12 << 8;
  }

  void aListIsAsWideAsItsLongestVariant() {
    QFETCH(int, longest);
    QFETCH(int, g);
    const CompletionBlanks::ListBox box = CompletionBlanks::listBox(longest, g);
    QTEST(box.width, "width");
    QTEST(box.fontSize, "fontSize");
  }

  void eachListStandsOverItsGapAndStartsEmpty() {
    Blanks d(completionTask(), kModeTraining);
    const QRect area = d.desk->canvas().rect(layout::kOptionArea);
    const GapAnchors& anchors = d.desk->canvas().gapAnchors();
    QVERIFY(anchors.cellWidth > 0);
    for (int j = 1; j <= 2; ++j) {
      CardDropDown* list = d.list(j);
      QVERIFY(list && list->isVisible() && list->isEnabled());
      QCOMPARE(list->panelText(), QString());
      QCOMPARE(list->itemCount(), 3);
      QVERIFY(area.contains(list->geometry()));
      // The gap's first cell lies under the list's left end.
      const QPoint gap =
          area.topLeft() + QPoint(8, 8) +
          QPoint(anchors.at[j - 1].x + 1, anchors.at[j - 1].y + anchors.cellWidth / 2);
      QVERIFY2(list->geometry().contains(gap), qPrintable(QString::number(j)));
    }
    QVERIFY(!d.list(1)->geometry().intersects(d.list(2)->geometry()));
    QVERIFY(!d.list(3)->isVisible());
    QVERIFY(d.state().answerReady);
  }

  void judgingInTrainingColoursTheBlanks() {
    Blanks d(completionTask(), kModeTraining);
    d.choose(d.list(1), 0);
    d.choose(d.list(2), 1);
    QCOMPARE(d.list(2)->panelText(), QString::fromUtf8("сходить"));
    QCOMPARE(d.record().given[2], cp1251("сходить"));
    d.submit();
    QCOMPARE(d.record().answerText, std::string("AB"));
    QCOMPARE(d.record().wrongCount, 1);
    QCOMPARE(d.listShade(1), kFieldRight);
    QCOMPARE(d.listShade(2), kFieldWrong);
    QVERIFY(!d.list(1)->isEnabled());
  }

  void modeZeroWritesTheCorrectTextIntoAWrongBlank() {
    Blanks d(completionTask(), kModeHint);
    d.choose(d.list(1), 2);
    d.submit();
    QCOMPARE(d.record().answerText, std::string("C_"));
    QCOMPARE(d.record().wrongCount, 2);
    QVERIFY(d.state().feedbackPause);
    QCOMPARE(d.list(1)->panelText(), QString::fromUtf8("сходить"));
    QCOMPARE(d.list(2)->panelText(), QString::fromUtf8("заходить"));
    QCOMPARE(d.listShade(2), kCorrectText);
  }

  void reviewShowsEachChosenTextInADisabledList() {
    Blanks d(completionTask(), kModeTestPaper);
    d.choose(d.list(2), 1);
    d.submit();
    // The task has left the screen: later texts keep no room for its variants.
    QCOMPARE(d.desk->canvas().gapBoxes()[0].text, std::string());
    d.review();
    QVERIFY(d.state().reviewing);
    QCOMPARE(d.list(1)->panelText(), QString(" "));
    QCOMPARE(d.list(2)->panelText(), QString::fromUtf8("сходить "));
    QVERIFY(!d.list(2)->isEnabled());
  }
};

QTEST_MAIN(CompletionBlanksTest)
#include "CompletionBlanksTest.moc"
