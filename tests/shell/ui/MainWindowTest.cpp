// The main window started offscreen (an 800-wide screen): start-up, the
// intro on real timers, the exit paths and the swallowed Alt+F4.

#include <QTemporaryDir>
#include <QtTest>

#include "attempt/ClassListFile.h"
#include "platform/SystemShell.h"
#include "shell/ui/MainWindow.h"

using namespace ispyt;

class MainWindowTest : public QObject {
  Q_OBJECT

  struct Started {
    QTemporaryDir dir;
    RecordingSystemShell* shell = nullptr;
    int ends = 0;
    QStringList messages;
    std::unique_ptr<MainWindow> window;
  };

  std::unique_ptr<Started> start(bool withTests = true, QByteArray schoolDbs = {}) {
    auto s = std::make_unique<Started>();
    QDir(s->dir.path()).mkpath(withTests ? "Base/Algebra/Fractions" : "Base/Algebra");
    if (!schoolDbs.isNull()) {
      QFile f(s->dir.path() + "/School.dbs");
      f.open(QIODevice::WriteOnly);
      f.write(schoolDbs);
    }
    auto shell = std::make_unique<RecordingSystemShell>();
    s->shell = shell.get();
    Started* raw = s.get();
    s->window = std::make_unique<MainWindow>(MainWindowOptions{
        .programFolder = s->dir.path().toStdString(),
        .endProcess = [raw] { ++raw->ends; },
        .shell = std::move(shell),
        .showMessage = [raw](const QString& text) { raw->messages << text; },
    });
    s->window->showOnScreen();
    return s;
  }

 private slots:
  void startUpTakesTheScreenAndPreparesTheFolders() {
    auto s = start();
    const Workstation& ws = s->window->workstation();
    // An 800-wide screen is always taken whole.
    QCOMPARE(s->window->geometry(), QGuiApplication::primaryScreen()->geometry());
    QVERIFY(!s->shell->taskbarVisible());
    QVERIFY(s->shell->screenSaverRunning());
    QCOMPARE(QString::fromStdString(s->shell->activeKeyboardLayout()), QString("00000422"));
    QVERIFY(QDir(s->dir.path() + "/Decor/Fon2").exists());
    QCOMPARE(ws.openTest.currentTestPath, std::string("c"));
    QCOMPARE(ws.testSet, std::string("Algebra"));
  }

  void menuCaptionsStandLeftToRight() {
    auto s = start();
    int previousEnd = -1;
    for (int i = 0; i < kMenuCaptionCount; ++i) {
      auto* c = s->window->caption(static_cast<MenuCaption>(i));
      QVERIFY2(c->x() > previousEnd, qPrintable(c->text()));
      previousEnd = c->x() + c->width();
    }
    QCOMPARE(s->window->caption(MenuCaption::Test)->colour(), CaptionColour::Grey);
  }

  void theIntroMakesTheMenuAvailable() {
    auto s = start();
    QTRY_VERIFY_WITH_TIMEOUT(s->window->intro().step() >= 48, 15000);
    QCOMPARE(s->window->caption(MenuCaption::Test)->colour(), CaptionColour::Navy);
    QCOMPARE(s->window->caption(MenuCaption::Appearance)->colour(), CaptionColour::Navy);
  }

  void aSetWithoutTestsLeavesTestGreyAfterTheIntro() {
    auto s = start(false);
    QTRY_VERIFY_WITH_TIMEOUT(s->window->intro().step() >= 48, 15000);
    QCOMPARE(s->window->caption(MenuCaption::Test)->colour(), CaptionColour::Grey);
    QCOMPARE(s->window->caption(MenuCaption::Appearance)->colour(), CaptionColour::Navy);
  }

  void classListsAreReadAtTheFirstIntroStep() {
    ClassLists lists{{.classNumber = 7, .letter = "A", .pupils = {"Ivan", "Olena"}}};
    auto bytes = classListBytes(lists);
    auto s = start(true, QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
    QTRY_COMPARE(s->window->workstation().classLists.size(), std::size_t(1));
    QCOMPARE(s->window->workstation().classLists[0].pupils.size(), std::size_t(2));
    QVERIFY(s->messages.isEmpty());
  }

  void aDamagedClassListIsReportedAndWhatIsWholeKept() {
    ClassLists lists{{.classNumber = 5, .letter = "B", .pupils = {"Petro"}}};
    auto bytes = classListBytes(lists);
    QByteArray damaged(bytes.data(), static_cast<qsizetype>(bytes.size()));
    damaged.append(QByteArray(20, '\x7f'));  // a record cut short
    auto s = start(true, damaged);
    QTRY_COMPARE(s->messages, QStringList{QString::fromUtf8("Ошибка открытия файла БД.")});
    QCOMPARE(s->window->workstation().classLists.size(), std::size_t(1));
  }

  void exitWithNoTestOpenTerminatesAndRestoresTheDesktop() {
    auto s = start();
    QTRY_VERIFY(!s->window->transitionRunning());  // the opening transition ends first
    s->window->requestExit();
    QCOMPARE(s->ends, 1);
    QVERIFY(s->shell->taskbarVisible());
    QVERIFY(!s->shell->screenSaverRunning());
  }

  void exitWithATestOpenAsksFirst() {
    auto s = start();
    QTRY_VERIFY(!s->window->transitionRunning());
    s->window->workstation().openTest.currentTestPath = s->dir.path().toStdString() + "/Base/Algebra/t/";
    s->window->requestExit();
    QCOMPARE(s->ends, 0);
    QVERIFY(s->window->exitConfirmationShown());
    QCOMPARE(s->window->caption(MenuCaption::Test)->colour(), CaptionColour::Grey);

    // "Hi" (left) keeps the program; "Tak" (right) ends it.
    QTest::mouseClick(s->window.get(), Qt::LeftButton, {}, QPoint(120, 40));
    QVERIFY(!s->window->exitConfirmationShown());
    QCOMPARE(s->ends, 0);
    QCOMPARE(s->window->caption(MenuCaption::Test)->colour(), CaptionColour::Navy);
    s->window->requestExit();
    QTest::mouseClick(s->window.get(), Qt::LeftButton, {}, QPoint(220, 40));
    QCOMPARE(s->ends, 1);
    QVERIFY(s->shell->taskbarVisible());
  }

  void altF4DoesNotClose() {
    auto s = start();
    QTest::keyClick(s->window.get(), Qt::Key_F4, Qt::AltModifier);
    QVERIFY(!s->window->close());
    QVERIFY(s->window->isVisible());
    QCOMPARE(s->ends, 0);
  }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
