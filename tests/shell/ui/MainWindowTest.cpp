// The main window started offscreen (an 800-wide screen): start-up, the
// intro on real timers, the exit paths and the swallowed Alt+F4.

#include <QTemporaryDir>
#include <QtTest>

#include "../../platform/FakeTcpClient.h"
#include "attempt/ClassListFile.h"
#include "platform/Cp1251.h"
#include "platform/SystemShell.h"
#include "results/Outbox.h"
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

  // `prepare` fills the program folder first.
  std::unique_ptr<Started> start(bool withTests = true, QByteArray schoolDbs = {},
                                 std::unique_ptr<TcpClient> client = {},
                                 std::function<void(const QString&)> prepare = {}) {
    auto s = std::make_unique<Started>();
    if (prepare) prepare(s->dir.path());
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
        .tcpClient = std::move(client),
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

  void startUpFirstDeliversWhatAnEarlierRunCouldNot() {
    const std::string waiting = cp1251(
        "b123\r\nA07\r\n754\r\n09:04:07\r\n2\r\n1\r\n1\r\nІваненко Петро\r\n -\r\n"
        "05.12.26\r\nАлгебра\r\n100\r\n120\r\n0\r\n");
    auto client = std::make_unique<FakeTcpClient>();
    FakeTcpClient* network = client.get();
    auto s = start(true, {}, std::move(client), [&](const QString& dir) {
      QVERIFY(QDir(dir).mkpath("Decor"));
      QFile decor(dir + "/Decor/decor.ini");
      QVERIFY(decor.open(QIODevice::WriteOnly));
      decor.write(QByteArray::fromStdString(
          cp1251("[Адрес1]\r\nEdit3.Text=10\r\n[Адрес2]\r\nEdit4.Text=0\r\n[Адрес3]\r\n"
                 "Edit5.Text=0\r\n[Адрес4]\r\nEdit6.Text=7\r\n[сервер]\r\nCheckBox6=1\r\n")));
      decor.close();
      QVERIFY(!keepMessage(dir.toStdString(), waiting, diskFileSystem()));
    });
    QCOMPARE(network->connections.size(), std::size_t{1});
    QCOMPARE(QString::fromStdString(network->connections[0].host), QString("10.0.0.7"));
    QCOMPARE(network->connections[0].port, 62);
    QCOMPARE(network->connections[0].sent, waiting);
    network->closeCleanly();
    QVERIFY(waitingMessages(s->dir.path().toStdString(), diskFileSystem()).empty());
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
