// A second window raised during an attempt, on an Xvfb server of the
// test's own with the station's X11 desktop: the loss of focus is counted
// with its moments, kept beside the report, and shown where the stored
// results are listed.

#include <QTemporaryDir>
#include <QtTest>

#include "TestServers.h"
#include "content/ConfigFile.h"
#include "content/SettingsSource.h"
#include "content/TestSource.h"
#include "content/WriteTest.h"
#include "platform/qt/QtText.h"
#include "presentation/MainLayout.h"
#include "results/FocusLossFile.h"
#include "WindowClicks.h"
#include "shell/ui/MainWindow.h"

// Xlib last: its macros (None, Bool, Status ...) would clash with Qt's names.
#include <X11/Xlib.h>

using namespace ispyt;

class FocusLossTest : public QObject {
  Q_OBJECT

  QTemporaryDir dir;
  std::filesystem::path testFolder;
  std::unique_ptr<MainWindow> window;

  const AttemptState& state() { return window->attempt().state(); }
  AttemptPhase phase() { return window->attempt().engine().phase(); }
  QPoint centre(const Rect& design) { return centreOf(*window, design); }
  void choose(MenuCaption c) { chooseCaption(*window, c); }
  void openTheTest() {
    window->workstation().openTest.testLoaded = false;
    choose(MenuCaption::Test);
    clickSideItem(*window, 1);
    QTRY_VERIFY(window->workstation().openTest.testLoaded);
    QTRY_VERIFY(!window->transitionRunning());  // the announcement comes in
  }
  void pressMainButton() {
    QTest::mouseClick(window.get(), Qt::LeftButton, {}, centre(layout::kMainButton));
  }

 private slots:
  void initTestCase() {
    QDir base(dir.path());
    const QString folder = "Base/Set/" + ui("Оптика");
    base.mkpath(folder);
    std::string source =
        "title: Оптика\nmode: training\ncard: no\n\n"
        "== single\n? Світло поширюється...\n+ прямолінійно\n- по колу\n";
    const auto settings = settingsFromSource(takeSettingsLines(source), 1);
    QVERIFY(settings.dialog);
    auto parsed = parseTestSource(source);
    QVERIFY(parsed.source);
    Random random(3);
    testFolder = base.filePath(folder).toStdString();
    QVERIFY(!saveConfig(testFolder, *settings.dialog));
    QFile file(base.filePath(folder + "/test.txt"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    const std::string bytes = writeTestFile(*parsed.source, random);
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    file.close();
    // The session's own desktop shell: the keyboard grab is on.
    window = std::make_unique<MainWindow>(MainWindowOptions{
        .programFolder = dir.path().toStdString(),
        .endProcess = [] {},
        .shell = {},
        .actions = {},
        .showMessage = [](const QString&) {},
    });
    window->showOnScreen();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QTRY_VERIFY_WITH_TIMEOUT(window->intro().step() >= 48, 15000);
  }

  void aSecondWindowRaisedDuringAnAttemptIsCountedKeptAndListed() {
    openTheTest();
    pressMainButton();
    QTRY_COMPARE(phase(), AttemptPhase::Task);
    window->activateWindow();
    QTRY_COMPARE(QGuiApplication::applicationState(), Qt::ApplicationActive);
    QTRY_VERIFY_WITH_TIMEOUT(state().elapsed >= 1, 3000);

    // Another program's window comes up over the station and takes the
    // focus, then the pupil comes back.
    Display* other = XOpenDisplay(qgetenv("DISPLAY").constData());
    QVERIFY(other);
    const Window second =
        XCreateSimpleWindow(other, DefaultRootWindow(other), 50, 50, 300, 200, 0, 0, 0xffffff);
    XMapRaised(other, second);
    XSync(other, False);
    XSetInputFocus(other, second, RevertToParent, CurrentTime);
    XSync(other, False);
    QTRY_COMPARE(state().focusLosses.count(), 1);
    QVERIFY(state().focusLosses.away());
    const int lostAt = state().focusLosses.listed().at(0).at;
    QTRY_VERIFY_WITH_TIMEOUT(state().elapsed >= lostAt + 1, 3000);
    XDestroyWindow(other, second);
    XSetInputFocus(other, static_cast<Window>(window->winId()), RevertToParent, CurrentTime);
    XSync(other, False);
    QTRY_VERIFY(!state().focusLosses.away());
    const FocusLoss loss = state().focusLosses.listed().at(0);
    QCOMPARE(loss.kind, FocusLossKind::Window);
    QVERIFY(loss.back > loss.at);
    XCloseDisplay(other);

    // The attempt ends and is stored: the loss lies beside the report.
    QTRY_VERIFY(!window->attempt().engine().transitionRunning());
    const Rect area = window->workstation().scale.rect(layout::kOptionArea);
    for (int y = area.y + 4; y < area.y + area.height && !state().answerReady; y += 8)
      QTest::mouseClick(window.get(), Qt::LeftButton, {}, QPoint(area.x + area.width / 2, y));
    QVERIFY(state().answerReady);
    pressMainButton();
    // A wrong option shows the right one first; the button goes on.
    QTRY_VERIFY(phase() == AttemptPhase::Ended || phase() == AttemptPhase::Feedback);
    if (phase() == AttemptPhase::Feedback) pressMainButton();
    QTRY_COMPARE(phase(), AttemptPhase::Ended);
    QTRY_VERIFY_WITH_TIMEOUT(window->attempt().engine().diagramPromptShown(), 6000);
    QTest::mouseClick(window.get(), Qt::LeftButton, {}, centre(layout::kCardArea));
    QTRY_COMPARE_WITH_TIMEOUT(phase(), AttemptPhase::Closed, 3000);
    const std::string code = window->workstation().result.attemptCode;
    QFile kept(QString::fromStdString(focusLossFile(testFolder, code).string()));
    QVERIFY2(kept.open(QIODevice::ReadOnly), qPrintable(kept.fileName()));
    QCOMPARE(kept.readAll(), QByteArray("1\r\n") + QByteArray::number(loss.at) + " " +
                                 QByteArray::number(loss.back) + " 1\r\n");

    // Opened again, the test lists the result with its loss.
    openTheTest();
    choose(MenuCaption::Results);
    QTRY_VERIFY(window->sideMenu()->isVisible());
    const SideMenuLayout& list = window->sideMenu()->layout();
    QCOMPARE(list.items[1].text, code);
    QCOMPARE(list.items[1].note, std::string("!1"));
  }
};

// The test's own display, before Qt connects to it.
int main(int argc, char** argv) {
  ispyt::test::ToldServer xvfb;
  if (!ispyt::test::startXvfb(xvfb)) {
    std::fputs("SKIP: no Xvfb to raise a second window on\n", stderr);
    return ispyt::test::kSkippedForWantOfXvfb;
  }
  qputenv("QT_QPA_PLATFORM", "xcb");
  unsetenv("DBUS_SESSION_BUS_ADDRESS");
  QApplication app(argc, argv);
  FocusLossTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "FocusLossTest.moc"
