// The desktop service the program picks for itself: offscreen, where the
// platform offers an X11 interface with no display behind it, the shell
// must not talk to X (it did, and the program crashed at start-up).

#include <QtTest>

#include "platform/ui/DeskShell.h"

using namespace ispyt;

class DeskShellTest : public QObject {
  Q_OBJECT

 private slots:
  void offscreenShellTakesTheDesktopWithoutAnXServer() {
    QCOMPARE(QGuiApplication::platformName(), QString("offscreen"));
    std::unique_ptr<SystemShell> shell = makeDeskShell();
    QVERIFY(shell);
    shell->setTaskbarVisible(false);
    shell->setScreenSaverRunning(true);
    shell->setScreenSaverRunning(false);
    shell->setTaskbarVisible(true);
  }
};

QTEST_MAIN(DeskShellTest)
#include "DeskShellTest.moc"
