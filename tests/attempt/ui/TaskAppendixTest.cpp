// A task with an appendix on a real desk: its window comes with the task,
// the task's title turns blue with ":додаток", a closed window is called
// back by the title (which blinks meanwhile), and a task without one
// keeps its title maroon.

#include <QDir>
#include <QFile>

#include "TaskDesk.h"
#include "platform/Cp1251.h"
#include "platform/qt/QtText.h"

using namespace ispyt;

namespace {

Task single() {
  Task t;
  t.type = TaskType::SingleChoice;
  t.question = "q";
  t.itemCount = 2;
  t.items[1] = "r1";
  t.items[2] = "w2";
  t.itemLetters[1] = 'A';
  t.itemLetters[2] = 'B';
  t.correctTexts[1] = t.items[1];
  t.elementCount = 1;
  return t;
}

void withText(const QString& folder) {
  QFile f(QDir(folder).filePath("D1.txt"));
  QVERIFY(f.open(QIODevice::WriteOnly));
  f.write("x]2[ + 1");
}

const QColor kBlue(0, 0, 255), kNavy(0, 0, 128), kMaroon(128, 0, 0);

}  // namespace

class TaskAppendixTest : public QObject {
  Q_OBJECT

 private slots:
  void theAppendixComesWithItsTask() {
    TaskDesk d(single(), kModeTraining, withText);
    AppendixWindow* appendix = d.desk->appendix();
    QVERIFY(appendix && appendix->isVisible());
    QCOMPARE(appendix->kind(), AppendixKind::Text);
    QCOMPARE(d.title, QString::fromUtf8("Одиничний вибір:додаток"));
    QCOMPARE(d.titleColour, kBlue);
    // While it is shown the title stays blue.
    d.scheduler.advance(kClockMs);
    QCOMPARE(d.titleColour, kBlue);

    QTest::mouseClick(appendix->caption(), Qt::LeftButton, {},
                      appendix->caption()->buttonRect(CaptionBar::Button::Close).center());
    QVERIFY(!appendix->isVisible());
    d.scheduler.advance(kClockMs);
    QCOMPARE(d.titleColour, kNavy);
    d.scheduler.advance(kClockMs);
    QCOMPARE(d.titleColour, kBlue);
    QVERIFY(d.desk->click(d.desk->canvas().rect(layout::kTestSetCaption).center()));
    QVERIFY(appendix->isVisible());

    // The attempt's end takes the window away.
    d.desk->engine().optionClicked(1);
    d.submit();
    d.desk->click(d.mainButton());
    d.scheduler.advance(1);
    QVERIFY(!appendix->isVisible());
  }

  void aTaskWithoutAppendixKeepsItsTitleMaroon() {
    TaskDesk d(single(), kModeTraining);
    QVERIFY(!d.desk->appendix());
    QCOMPARE(d.title, QString::fromUtf8("Одиничний вибір"));
    QCOMPARE(d.titleColour, kMaroon);
    d.scheduler.advance(kClockMs * 2);
    QCOMPARE(d.titleColour, kMaroon);
    QVERIFY(!d.desk->click(d.desk->canvas().rect(layout::kTestSetCaption).center()));
  }
};

QTEST_MAIN(TaskAppendixTest)
#include "TaskAppendixTest.moc"
