// The shell chosen for the session: without a desktop (the offscreen
// platform, no display set) the station gets the recorder, and holding the
// desk there touches no window system.

#include <QApplication>
#include <QtTest>

#include "platform/ui/DeskShell.h"
#include "platform/x11/X11SystemShell.h"

using namespace ispyt;

class DeskShellTest : public QObject {
  Q_OBJECT
 private slots:
  void offscreenWithoutADisplayGetsTheRecorder() {
    QCOMPARE(QGuiApplication::platformName(), QString("offscreen"));
    std::unique_ptr<SystemShell> shell = makeDeskShell();
    QVERIFY(!dynamic_cast<X11SystemShell*>(shell.get()));
    auto* recorder = dynamic_cast<RecordingSystemShell*>(shell.get());
    QVERIFY(recorder);
    shell->setTaskbarVisible(false);
    shell->setScreenSaverRunning(true);
    QVERIFY(shell->activateKeyboardLayout(kLayoutUkrainian));
    QVERIFY(recorder->screenSaverRunning() && !recorder->taskbarVisible());
    shell->setScreenSaverRunning(false);
  }
};

int main(int argc, char** argv) {
  qunsetenv("DISPLAY");
  qunsetenv("WAYLAND_DISPLAY");
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  DeskShellTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "DeskShellTest.moc"
