// The main window's sounds through a player that notes its calls: the
// melody at start-up and after the appearance dialog, the exit
// confirmation's sound, and the sound switch read anew from decor.ini.

#include <QTemporaryDir>
#include <QtTest>

#include "platform/Cp1251.h"
#include "shell/ui/MainWindow.h"

using namespace ispyt;
using Calls = std::vector<std::string>;

class MainWindowSoundTest : public QObject {
  Q_OBJECT

  QTemporaryDir dir;
  RecordingAudio* audio = nullptr;
  std::unique_ptr<MainWindow> window;
  std::size_t seen = 0;

  void writeFile(const QString& name, const std::string& bytes) {
    QFile f(dir.path() + "/" + name);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes.data(), static_cast<qsizetype>(bytes.size()));
  }
  void switchSound(bool on) {
    writeFile("Decor/decor.ini", cp1251("[звук]\r\nCheckBox1=") + (on ? "1" : "0") + "\r\n");
  }
  // The screen is drawn anew; its opening transition ends.
  void applyAppearance() {
    window->applyAppearance();
    QTest::qWait(20);
  }
  // The calls since the last look.
  Calls heard() {
    Calls calls(audio->calls().begin() + static_cast<long>(seen), audio->calls().end());
    seen = audio->calls().size();
    return calls;
  }

 private slots:
  void initTestCase() {
    QDir d(dir.path());
    d.mkpath("Base/Algebra/Fractions");
    d.mkpath("Decor");
    d.mkpath("sound");
    writeFile("sound/start.mid", "MThd");
    writeFile("sound/END.wav", "RIFF");
    switchSound(true);
    auto player = std::make_unique<RecordingAudio>();
    audio = player.get();
    window = std::make_unique<MainWindow>(MainWindowOptions{
        .programFolder = dir.path().toStdString(),
        .endProcess = [] {},
        .shell = std::make_unique<RecordingSystemShell>(),
        .audio = std::move(player),
        .showMessage = [](const QString&) {},
    });
    window->showOnScreen();
    QTest::qWait(20);  // the opening transition ends
  }

  void theMelodyPlaysAtStartUp() { QCOMPARE(heard(), (Calls{"open start.mid", "play"})); }

  void theAppearanceDialogLeavesTheMelodyGoingOn() {
    applyAppearance();
    QCOMPARE(heard(), Calls{});
  }

  void switchedOffTheMelodyStopsAndTheExitIsSilent() {
    switchSound(false);
    applyAppearance();
    QCOMPARE(heard(), (Calls{"open start.mid", "stop"}));
    window->workstation().openTest.currentTestPath = dir.path().toStdString() + "/Base/Algebra/t/";
    QTRY_VERIFY(!window->transitionRunning());  // "Вихід" waits for it
    window->requestExit();
    QVERIFY(window->exitConfirmationShown());
    QCOMPARE(heard(), Calls{});
    QTest::mouseClick(window.get(), Qt::LeftButton, {}, QPoint(120, 40));  // "Hi"
  }

  void switchedOnAgainTheMelodyAndTheExitSoundPlay() {
    switchSound(true);
    applyAppearance();
    QCOMPARE(heard(), (Calls{"open start.mid", "play"}));
    QTRY_VERIFY(!window->transitionRunning());
    window->requestExit();
    QVERIFY(window->exitConfirmationShown());
    QCOMPARE(heard(), (Calls{"open END.wav", "play"}));
  }

  void cleanupTestCase() { window.reset(); }
};

QTEST_MAIN(MainWindowSoundTest)
#include "MainWindowSoundTest.moc"
