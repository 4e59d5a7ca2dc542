// A DirectInput task on a real desk: its fields take keys by the typed
// answer rules and hand every change to the engine; the main button judges
// them and the fields show the marks of the mode.

#include <QLineEdit>

#include "TaskDesk.h"
#include "platform/Cp1251.h"
#include "platform/qt/QtText.h"

using namespace ispyt;

namespace {

// Field 1 takes "Тх" (Cyrillic), field 2 "H2O".
Task typedTask() {
  Task t;
  t.type = TaskType::DirectInput;
  t.question = cp1251("Запишіть відповіді");
  t.elementCount = t.itemCount = 2;
  t.items[1] = cp1251("Перша:");
  t.items[2] = cp1251("Друга:");
  t.acceptedCount = {0, 1, 1, 0};
  t.accepted[1][1] = cp1251("Тх");
  t.accepted[2][1] = "H2O";
  return t;
}

const QColor kFieldRight(64, 255, 128);
const QColor kFieldWrong(255, 144, 64);
const QColor kCorrectText(160, 160, 255);

// Inside the field, right of any text.
QColor fieldShade(QLineEdit* field) {
  return shade(field, {field->width() - 4, field->height() / 2});
}

}  // namespace

class TypedFieldsTest : public QObject {
  Q_OBJECT

 private slots:
  void layoutGivesOneFieldPerAnswerAndTheKeyboard() {
    TaskDesk d(typedTask(), kModeTraining);
    auto* first = d.find<QLineEdit>("field1");
    QVERIFY(first && first->isVisible());
    QVERIFY(d.find<QLineEdit>("field2")->isVisible());
    QVERIFY(!d.find<QLineEdit>("field3")->isVisible());
    QCOMPARE(d.window.focusWidget(), first);
    QVERIFY(d.state().answerReady);
    // An 800-wide screen shows the keyboard selector while typing.
    QVERIFY(!d.keyboard.empty());
    QVERIFY(d.keyboard.back().typing && d.keyboard.back().selector);
    // Both fields stand in the option area, one under the other.
    const QRect area = d.desk->canvas().rect(layout::kOptionArea);
    QVERIFY(area.contains(first->geometry()));
    QVERIFY(d.find<QLineEdit>("field2")->y() > first->geometry().bottom());
  }

  void keysFollowTheTypedAnswerRules_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("text");
    QTest::newRow("no space at the start") << " ab"
                                           << "ab";
    QTest::newRow("no space after a space") << "a  b"
                                            << "a b";
    QTest::newRow("no space once two stops stand together") << "a..b c"
                                                            << "a..bc";
    QTest::newRow("no space once a stop and a space stand together") << "a. b c"
                                                                     << "a. bc";
    QTest::newRow("Cyrillic goes in") << QString::fromUtf8("Їжак є") << QString::fromUtf8("Їжак є");
    QTest::newRow("a character without a byte is refused") << QString::fromUtf8("a✓b") << "ab";
    QTest::newRow("26 characters at most") << QString(27, 'x') << QString(26, 'x');
    QTest::newRow("past 25 only Backspace") << QString(26, 'x') + "y\b\b" << QString(24, 'x');
  }

  void keysFollowTheTypedAnswerRules() {
    QFETCH(QString, keys);
    QFETCH(QString, text);
    TaskDesk d(typedTask(), kModeTraining);
    auto* field = d.find<QLineEdit>("field1");
    typeKeys(field, keys);
    QCOMPARE(field->text(), text);
    // Every change reached the engine.
    QCOMPARE(fromCp1251(d.record().given[1]), text);
  }

  void judgingInTrainingColoursTheFields() {
    TaskDesk d(typedTask(), kModeTraining);
    auto* first = d.find<QLineEdit>("field1");
    auto* second = d.find<QLineEdit>("field2");
    typeKeys(first, "Tx");  // Latin look-alikes of the accepted "Тх"
    d.submit();
    QCOMPARE(d.record().answerText, std::string("Tx|_"));
    QCOMPARE(d.record().wrongCount, 1);
    QCOMPARE(d.state().elementsJudged, 2);
    QCOMPARE(fieldShade(first), kFieldRight);
    QCOMPARE(fieldShade(second), kFieldWrong);
    QVERIFY(first->isReadOnly() && second->isReadOnly());
    QVERIFY(!d.keyboard.back().typing);
  }

  void modeZeroWritesTheFirstAcceptedAnswerIntoAWrongField() {
    TaskDesk d(typedTask(), kModeHint);
    auto* first = d.find<QLineEdit>("field1");
    auto* second = d.find<QLineEdit>("field2");
    typeKeys(first, QString::fromUtf8("Тх"));
    typeKeys(second, "H20");
    d.submit();
    QCOMPARE(d.record().answerText, cp1251("Тх") + "|H20");
    QCOMPARE(d.record().wrongCount, 1);
    QVERIFY(d.state().feedbackPause);
    QCOMPARE(fieldShade(first), kFieldRight);
    QCOMPARE(second->text(), QString("H2O"));
    QCOMPARE(fieldShade(second), kCorrectText);
  }

  void reviewShowsTheTypedTextsReadOnly() {
    TaskDesk d(typedTask(), kModeTestPaper);
    typeKeys(d.find<QLineEdit>("field2"), "H2O");
    d.submit();
    d.review();
    QVERIFY(d.state().reviewing);
    auto* first = d.find<QLineEdit>("field1");
    auto* second = d.find<QLineEdit>("field2");
    QVERIFY(first->isVisible() && first->isReadOnly() && second->isReadOnly());
    QCOMPARE(first->text(), QString());
    QCOMPARE(second->text(), QString("H2O"));
  }
};

QTEST_MAIN(TypedFieldsTest)
#include "TypedFieldsTest.moc"
