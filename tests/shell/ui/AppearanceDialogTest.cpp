// The appearance dialog: its boxes' rules on the real widgets (on a manual
// clock), and on the main window the unlock key, OK writing a file that
// reads back to the same settings and the main screen drawn anew, the
// scheme number that "Прозорий" keeps, and a failed write that keeps the
// old file.

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "platform/Cp1251.h"
#include "platform/ManualScheduler.h"
#include "platform/Paths.h"
#include "platform/qt/QtText.h"
#include "presentation/DecorFile.h"
#include "shell/ui/AppearanceDialog.h"
#include "shell/ui/AppearancePage.h"
#include "shell/ui/MainWindow.h"

using namespace ispyt;

namespace {

void chooseText(QComboBox* box, const char* utf8) {
  const int i = box->findText(ui(utf8));
  QVERIFY2(i >= 0, utf8);
  box->setCurrentIndex(i);
}

void unlock(AppearanceDialog* d) {
  QTest::keyClick(d->pupilMemo(), Qt::Key_F12, Qt::ControlModifier | Qt::ShiftModifier);
}

}  // namespace

class AppearanceDialogTest : public QObject {
  Q_OBJECT

  // The dialog alone, over a bare window, on a manual clock.
  struct Bare {
    QTemporaryDir dir;
    ManualScheduler scheduler;
    RecordingSystemShell shell;
    ClassLists lists{{.classNumber = 7, .letter = cp1251("А"), .pupils = {cp1251("Іван")}}};
    ClassListEditor editor{dir.path().toStdString(), lists};
    QWidget window;
    AppearanceDialog dialog{scheduler, shell, editor, lists, &window};

    Bare() {
      window.setWindowTitle("ispyt");
      dialog.fill(DecorSettings{}, choices(), windowOptionsAvailable(1280, 1.0));
      dialog.show();
    }
    static AppearanceDialog::Choices choices() {
      return {{cp1251("Осінь"), cp1251("Градієнт"), cp1251("Накат"), cp1251("Прозорий")},
              {cp1251("Прозорий"), cp1251("Пергамент")},
              {cp1251("Алгебра"), cp1251("Фізика 9 клас")},
              {"Z123_Algebra"}};
    }
  };

  struct Started {
    QTemporaryDir dir;
    std::unique_ptr<MainWindow> window;
    AppearanceDialog* dialog() const { return window->appearanceDialog(); }
    Workstation& ws() const { return window->workstation(); }
    std::filesystem::path decorFile() const { return decorPath(ws().programFolder, "Base"); }
  };

  std::unique_ptr<Started> start() {
    auto s = std::make_unique<Started>();
    QDir(s->dir.path()).mkpath("Base/Algebra/t");
    s->window = std::make_unique<MainWindow>(MainWindowOptions{
        .programFolder = s->dir.path().toStdString(),
        .endProcess = [] {},
        .shell = std::make_unique<RecordingSystemShell>(),
        .showMessage = [](const QString&) {},
    });
    s->window->showOnScreen();
    s->window->openAppearanceDialog();
    return s;
  }

 private slots:
  void theFirstAddressBoxMovesOnAfterThreeDigits() {
    Bare b;
    b.dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&b.dialog));
    QLineEdit* first = b.dialog.addressBox(0);
    first->setFocus();
    QTest::keyClicks(first, "19");
    QCOMPARE(QApplication::focusWidget(), first);
    QTest::keyClicks(first, "2");
    QCOMPARE(first->text(), QString("192"));
    QCOMPARE(QApplication::focusWidget(), b.dialog.addressBox(1));
    QTest::keyClicks(first, "4");
    QCOMPARE(first->text(), QString("192"));
    QTest::keyClicks(b.dialog.addressBox(1), "a1.");
    QCOMPARE(b.dialog.addressBox(1)->text(), QString("1"));
  }

  void theDatabaseNameRefusesCharactersAndTakesTheLatinI() {
    Bare b;
    QLineEdit* name = b.dialog.databaseBox()->lineEdit();
    name->clear();
    QTest::keyClicks(name, "ab c*:?/\\\"|");
    QTest::sendKeyEvent(QTest::Click, name, Qt::Key_unknown, ui("і"), Qt::NoModifier);
    QTest::keyClicks(name, "1");
    QCOMPARE(name->text(), QString("abci1"));
    QTest::mouseClick(name, Qt::LeftButton);
    QCOMPARE(QString::fromStdString(b.shell.activeKeyboardLayout()), QString("00000409"));
  }

  void theCaptionEffectEndsWithItsLastCharacterFirst() {
    Bare b;
    b.dialog.tabs()->setCurrentIndex(0);
    b.dialog.tabs()->setCurrentIndex(1);
    QCOMPARE(b.dialog.windowTitle(), ui("Налашування "));
    b.scheduler.advance(200);
    QCOMPARE(b.dialog.windowTitle(), ui("алашування Н"));
    QCOMPARE(b.window.windowTitle(), ui("алашування Н"));
    b.scheduler.advance(200 * 10);
    QCOMPARE(b.dialog.windowTitle(), ui(" Налашування"));
    b.scheduler.advance(2000);  // twelve steps in all, then it stops
    QCOMPARE(b.dialog.windowTitle(), ui(" Налашування"));
    QCOMPARE(b.scheduler.activeTimers(), 0);
    b.dialog.reject();
    QCOMPARE(b.window.windowTitle(), QString("ispyt"));
  }

  void applyAndOkWaitForTheUnlockKey() {
    Bare b;
    QVERIFY(!b.dialog.okButton()->isEnabled());
    QVERIFY(!b.dialog.applyButton()->isEnabled());
    QTest::keyClicks(b.dialog.pupilMemo(), "x");  // no class chosen: refused
    QCOMPARE(b.dialog.pupilMemo()->toPlainText(), QString());
    unlock(&b.dialog);
    QVERIFY(b.dialog.okButton()->isEnabled() && b.dialog.applyButton()->isEnabled());
    QCOMPARE(b.dialog.pupilMemo()->toPlainText(), QString());
  }

  void theControlsGiveBackWhatTheyWereFilledWith() {
    Bare b;
    DecorSettings d;
    d.testSet = cp1251("Фізика 9 клас");
    d.programBackground = cp1251("Осінь");
    d.questionBackground = cp1251("Прозорий");
    d.colourScheme = cp1251("Рожева");
    d.clockColour = true;
    d.effect = cp1251("В`їзд");
    d.sound = true;
    d.pointerSpeed = 3;
    d.keyboard = true;
    d.questionColour = 6;
    d.answerColour = 1;
    d.resultDatabase = "Z123_Algebra";
    d.fullScreen = false;
    d.answerBold = true;
    d.address = {"10", "0", "0", "254"};
    d.sendResults = true;
    d.teacherPort = 6200;  // set by hand in the file: no control shows it, none loses it
    d.byList = true;
    d.listClass = "7";
    d.listLetter = cp1251("А");
    d.listGroup = cp1251("7А");
    AppearanceDialog::Choices choices = Bare::choices();
    choices.unsentResults = 3;
    b.dialog.fill(d, choices, windowOptionsAvailable(1280, 1.0));
    QCOMPARE(b.dialog.chosen(), d);
    QCOMPARE(b.dialog.unsentLabel()->text(), ui("Не надіслано результатів: 3"));
    QCOMPARE(b.dialog.pupilMemo()->toPlainText(), ui("Іван"));
    QCOMPARE(b.dialog.tabs()->currentIndex(), 1);
  }

  void theLabelsStandOnTheTabs() {
    Bare b;
    QCOMPARE(
        b.dialog.page(AppearanceTab::Appearance)->labels().mid(0, 7),
        (QStringList{ui("Фон програми"), ui("Фон діаграми"), ui("Фон питання"), ui("Колір питання"),
                     ui("Фон вiдповідей"), ui("Колір вiдповідей"), ui("Ефект переходу")}));
    QVERIFY(b.dialog.page(AppearanceTab::Options)->labels().contains(ui("Робочій стіл")));
    QCOMPARE(b.dialog.page(AppearanceTab::Lists)->labels(), QStringList{ui("Клас")});
  }

  void anUnscaledSmallScreenDisablesTheWindowOptions() {
    Bare b;
    b.dialog.fill(DecorSettings{}, Bare::choices(), windowOptionsAvailable(800, 1.0));
    auto* page = b.dialog.page(AppearanceTab::Options);
    int disabled = 0;
    for (auto* box : page->findChildren<QCheckBox*>()) disabled += box->isEnabled() ? 0 : 1;
    QCOMPARE(disabled, 3);  // the card window, full screen, proportional
  }

  void okWritesAFileThatReadsBackAndRedrawsTheScreen() {
    auto s = start();
    AppearanceDialog* d = s->dialog();
    QVERIFY(d->isVisible());
    const QRgb before = s->window->screenPicture().pixel(5, 300);
    s->ws().settings.password = 1234;  // a test's password stays
    unlock(d);
    chooseText(d->schemeBox(), "Ялиця");
    chooseText(d->programBackgroundBox(), "Градієнт");
    d->byListBox()->setChecked(true);  // no class list: switched off again
    const DecorSettings chosen = [&] {
      DecorSettings c = d->chosen();
      c.byList = false;
      return c;
    }();
    QTest::mouseClick(d->okButton(), Qt::LeftButton);
    QVERIFY(!d->isVisible());
    DecorSettings back;
    QVERIFY(readDecorFile(s->decorFile(), back, true).unusable.empty());
    QCOMPARE(back, chosen);
    QTRY_COMPARE(s->ws().decor.colourScheme, cp1251("Ялиця"));
    QCOMPARE(s->ws().decor, chosen);
    QCOMPARE(s->ws().settings.password, 1234);
    QTRY_VERIFY(s->window->screenPicture().pixel(5, 300) != before);
  }

  void transparentKeepsTheDialogsSchemeNumber() {
    auto s = start();
    AppearanceDialog* d = s->dialog();
    QCOMPARE(d->schemeNumber(), 2);
    unlock(d);
    chooseText(d->schemeBox(), "Ялиця");
    QTest::mouseClick(d->applyButton(), Qt::LeftButton);
    QCOMPARE(d->schemeNumber(), 6);
    chooseText(d->schemeBox(), "Прозорий");
    QTest::mouseClick(d->applyButton(), Qt::LeftButton);
    QCOMPARE(d->schemeNumber(), 6);
    QVERIFY(d->isVisible());
  }

  void aFailedWriteKeepsTheOldFile() {
    auto s = start();
    AppearanceDialog* d = s->dialog();
    unlock(d);
    QTest::mouseClick(d->applyButton(), Qt::LeftButton);
    QTest::qWait(50);  // the dispatcher has read it back
    const auto old = readFileBytes(s->decorFile());
    QVERIFY(old.has_value());
    const DecorSettings decorBefore = s->ws().decor;
    QDir().mkpath(QString::fromStdString(s->decorFile().string()) + ".new/x");
    chooseText(d->schemeBox(), "Весна");
    QTest::mouseClick(d->okButton(), Qt::LeftButton);
    QVERIFY(d->isVisible());
    QVERIFY(d->problem().contains("decor.ini"));
    QCOMPARE(readFileBytes(s->decorFile()), old);
    QTest::qWait(50);
    QCOMPARE(s->ws().decor, decorBefore);
  }
};

QTEST_MAIN(AppearanceDialogTest)
#include "AppearanceDialogTest.moc"
