// The X11 desktop on an Xvfb server of the test's own: the layout codes
// switch the XKB group only to a configured layout, the keyboard is the
// station's while the screen-saver flag is set (no other client can grab
// it, also after a popup of the program closed) and free again once the
// flag is cleared, the program has ended through the exit or been killed;
// the main window stands full screen above the panels; the session's
// screen-saver service is asked to stay off.

#include <QDBusConnection>
#include <QMenu>
#include <QProcess>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QtTest>
#include <csignal>

#include "TestServers.h"
#include "platform/XkbLayouts.h"
#include "platform/x11/X11SystemShell.h"
#include "shell/Terminator.h"

// Xlib last: its macros (None, Bool, Status ...) would clash with Qt's names.
#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>

using namespace ispyt;

namespace {

// What the test's own bus offers in place of a desktop's service.
class FakeScreenSaver : public QObject {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.freedesktop.ScreenSaver")
 public:
  QSet<uint> holds;  // the cookies given and not yet handed back
  QStringList applications;
 public slots:
  uint Inhibit(const QString& application, const QString&) {
    applications << application;
    holds.insert(++lastCookie_);
    return lastCookie_;
  }
  void UnInhibit(uint cookie) { holds.remove(cookie); }

 private:
  uint lastCookie_ = 0;
};

// What the station writes to standard error meanwhile.
class ErrorCapture {
 public:
  ErrorCapture() {
    file_.open();
    std::fflush(stderr);
    saved_ = dup(2);
    dup2(file_.handle(), 2);
  }
  QString done() {
    std::fflush(stderr);
    dup2(saved_, 2);
    close(saved_);
    file_.seek(0);
    return QString::fromUtf8(file_.readAll());
  }

 private:
  QTemporaryFile file_;
  int saved_ = -1;
};

_XDisplay* qtDisplay() {
  return qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->display();
}

}  // namespace

class X11SystemShellTest : public QObject {
  Q_OBJECT

  // Another client of the same server, as a browser or the desktop is.
  Display* other = nullptr;
  FakeScreenSaver screenSaver;

  bool otherCanGrab() {
    const int r = XGrabKeyboard(other, DefaultRootWindow(other), False, GrabModeAsync,
                                GrabModeAsync, CurrentTime);
    if (r == GrabSuccess) XUngrabKeyboard(other, CurrentTime);
    XSync(other, False);
    return r == GrabSuccess;
  }
  int group() {
    XkbStateRec state{};
    XkbGetState(other, XkbUseCoreKbd, &state);
    return state.group;
  }
  bool setLayouts(const QString& layouts) {
    return QProcess::execute(
               "setxkbmap", {"-display", qEnvironmentVariable("DISPLAY"), "-layout", layouts}) == 0;
  }
  QStringList netWmState(QWidget& w) {
    const Atom state = XInternAtom(other, "_NET_WM_STATE", False);
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    QStringList names;
    if (XGetWindowProperty(other, static_cast<Window>(w.winId()), state, 0, 64, False, XA_ATOM,
                           &type, &format, &count, &after, &data) == Success &&
        data) {
      for (unsigned long i = 0; i < count; ++i) {
        char* name = XGetAtomName(other, reinterpret_cast<Atom*>(data)[i]);
        names << name;
        XFree(name);
      }
    }
    if (data) XFree(data);
    return names;
  }

 private slots:
  void initTestCase() {
    other = XOpenDisplay(qgetenv("DISPLAY").constData());
    QVERIFY(other);
    if (qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS")) {
      QDBusConnection bus = QDBusConnection::connectToBus(
          qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS"), "fake screen saver");
      QVERIFY(bus.registerService("org.freedesktop.ScreenSaver"));
      QVERIFY(bus.registerObject("/org/freedesktop/ScreenSaver", &screenSaver,
                                 QDBusConnection::ExportAllSlots));
    }
  }
  void cleanupTestCase() { XCloseDisplay(other); }

  void aLayoutCodeSwitchesToItsConfiguredGroupAndOnlyThen() {
    if (!setLayouts("us,ua")) QSKIP("setxkbmap (x11-xkb-utils) is not installed");
    X11SystemShell shell(qtDisplay());
    ErrorCapture errors;
    QVERIFY(shell.activateKeyboardLayout(kLayoutUkrainian));
    QCOMPARE(group(), 1);
    QCOMPARE(shell.activeKeyboardLayout(), std::string(kLayoutUkrainian));
    QVERIFY(shell.activateKeyboardLayout(kLayoutEnglish));
    QCOMPARE(group(), 0);
    QCOMPARE(shell.activeKeyboardLayout(), std::string(kLayoutEnglish));

    // Only "us": Ukrainian and Russian change nothing, and say so once each.
    QVERIFY(setLayouts("us"));
    QVERIFY(!shell.activateKeyboardLayout(kLayoutUkrainian));
    QVERIFY(!shell.activateKeyboardLayout(kLayoutUkrainian));
    QVERIFY(!shell.activateKeyboardLayout(kLayoutRussian));
    QCOMPARE(group(), 0);
    const QString said = errors.done();
    QCOMPARE(said.count("no \"ua\" layout"), 1);
    QCOMPARE(said.count("no \"ru\" layout"), 1);
    QVERIFY2(said.contains("setxkbmap -layout us,ua"), qPrintable(said));
  }

  void theFlagKeepsTheKeyboardAndClearingItGivesItBack() {
    X11SystemShell shell(qtDisplay());
    QWidget window(nullptr, Qt::FramelessWindowHint);
    window.setGeometry(window.screen()->geometry());
    shell.setTaskbarVisible(false);
    shell.setScreenSaverRunning(true);
    shell.holdWindows({&window});
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_VERIFY(shell.keyboardGrabbed());
    QVERIFY(!otherCanGrab());
    // Full screen, above the panels.
    const QStringList state = netWmState(window);
    QVERIFY2(state.contains("_NET_WM_STATE_FULLSCREEN"), qPrintable(state.join(' ')));
    QVERIFY2(state.contains("_NET_WM_STATE_ABOVE"), qPrintable(state.join(' ')));

    // A popup of the program takes the keyboard and lets go of it on
    // closing: the station takes it back.
    QMenu popup;
    popup.addAction("x");
    popup.popup(QPoint(10, 10));
    QVERIFY(QTest::qWaitForWindowExposed(&popup));
    popup.close();
    QTRY_VERIFY(!otherCanGrab());

    shell.setScreenSaverRunning(false);
    QVERIFY(otherCanGrab());
  }

  void theExitGivesTheKeyboardBack() {
    X11SystemShell shell(qtDisplay());
    QWidget window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    shell.holdWindows({&window});
    shell.setScreenSaverRunning(true);
    QTRY_VERIFY(!otherCanGrab());
    int ends = 0;
    Terminator terminator(shell, [&] { ++ends; });
    terminator.terminate();
    QCOMPARE(ends, 1);
    QVERIFY(otherCanGrab());
  }

  void theSessionIsAskedToKeepTheScreenOn() {
    if (!qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS"))
      QSKIP("dbus-daemon is not installed");
    X11SystemShell shell(qtDisplay());
    QVERIFY(shell.sessionInhibitor().available());
    shell.setScreenSaverRunning(true);
    QTRY_VERIFY(shell.sessionInhibitor().held());
    // The shells of the tests before hand back what they were given after
    // they were gone.
    QTRY_COMPARE(screenSaver.holds.size(), 1);
    QCOMPARE(screenSaver.applications.last(), QString("ispyt"));
    shell.setScreenSaverRunning(false);
    QTRY_VERIFY(screenSaver.holds.isEmpty());

    // Given up before the answer came, the hold is handed back on it.
    shell.setScreenSaverRunning(true);
    shell.setScreenSaverRunning(false);
    QTRY_VERIFY(!screenSaver.applications.isEmpty() && screenSaver.holds.isEmpty());
    QTest::qWait(100);
    QVERIFY(screenSaver.holds.isEmpty());
    QVERIFY(!shell.sessionInhibitor().held());
  }

  void aKilledProgramLeavesTheKeyboardFree() {
    QTemporaryDir folder;
    QVERIFY(QDir(folder.path()).mkpath("Base/Set"));
    QProcess program;
    program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program.start(ISPYT_PROGRAM, {"--program-folder", folder.path()});
    QVERIFY(program.waitForStarted());
    // The window takes the whole screen: the flag is set, the keyboard taken.
    QTRY_VERIFY_WITH_TIMEOUT(!otherCanGrab(), 20000);
    ::kill(static_cast<pid_t>(program.processId()), SIGKILL);
    QVERIFY(program.waitForFinished());
    QVERIFY(otherCanGrab());
  }
};

// The test's own display and bus, before Qt connects to either.
int main(int argc, char** argv) {
  ispyt::test::ToldServer xvfb, bus;
  if (!ispyt::test::startXvfb(xvfb)) {
    std::fputs("SKIP: no Xvfb to run the X11 desktop on\n", stderr);
    return ispyt::test::kSkippedForWantOfXvfb;
  }
  qputenv("QT_QPA_PLATFORM", "xcb");
  ispyt::test::startSessionBus(bus);
  QApplication app(argc, argv);
  X11SystemShellTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "X11SystemShellTest.moc"
