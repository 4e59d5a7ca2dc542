// The menu on the real widgets: the test list, the dispatcher's branches,
// the password prompt and Alt+F4, with the sections' actions recorded.

#include <QTemporaryDir>
#include <QtTest>

#include "content/TestSource.h"
#include "content/WriteTest.h"
#include "platform/Cp1251.h"
#include "platform/qt/QtText.h"
#include "WindowClicks.h"
#include "shell/ui/MainWindow.h"

using namespace ispyt;

namespace {

struct Recorder : SectionActions {
  QStringList* log;
  explicit Recorder(QStringList* l) : log(l) {}
  void showHelp() override { *log << "help"; }
  void showAbout(bool firstPage) override { *log << (firstPage ? "about" : "about 9"); }
  void openSettingsDialog(bool) override { *log << "settings"; }
  void showStoredResult(const std::string& code) override {
    *log << "result " + QString::fromStdString(code);
  }
  void showResultChart() override { *log << "chart"; }
  void cleanResults() override { *log << "clean"; }
  void monitorAllResults() override { *log << "monitor"; }
  void openAppearanceDialog() override { *log << "appearance"; }
  void sendResult() override { *log << "send"; }
};

}  // namespace

class MainMenuTest : public QObject {
  Q_OBJECT

  QTemporaryDir dir;
  QStringList log;
  QStringList messages;
  int ends = 0;
  std::unique_ptr<MainWindow> window;

  MenuCaptionLabel* caption(MenuCaption c) { return window->caption(c); }
  void choose(MenuCaption c) { chooseCaption(*window, c); }
  void clickItem(int index) { clickSideItem(*window, index); }
  void type(const QString& keys) {
    for (QChar k : keys) QTest::keyClick(window->passwordPrompt()->box(), k.toLatin1());
  }

 private slots:
  void initTestCase() {
    QDir base(dir.path());
    base.mkpath("Base/" + ui("Фізика") + "/" + ui("Оптика"));
    base.mkpath("Base/" + ui("Фізика") + "/" + ui("Механіка"));
    // "Оптика" is a real test of two tasks; "Механіка" has no test file.
    auto parsed = parseTestSource(
        "title: Оптика\n\n== single\n? Світло поширюється...\n+ прямолінійно\n- по колу\n\n"
        "== single\n? Кут падіння дорівнює куту...\n+ відбивання\n- заломлення\n");
    QVERIFY(parsed.source);
    Random random(3);
    QFile file(base.filePath("Base/" + ui("Фізика") + "/" + ui("Оптика") + "/test.txt"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    std::string bytes = writeTestFile(*parsed.source, random);
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    file.close();
    window = std::make_unique<MainWindow>(MainWindowOptions{
        .programFolder = dir.path().toStdString(),
        .endProcess = [this] { ++ends; },
        .shell = std::make_unique<RecordingSystemShell>(),
        .actions = std::make_unique<Recorder>(&log),
        .showMessage = [this](const QString& text) { messages << text; },
    });
    window->showOnScreen();
    QTRY_VERIFY_WITH_TIMEOUT(window->intro().step() >= 48, 15000);
  }

  void greyOrNavyCaptionsIgnoreClicks() {
    QTest::mouseClick(caption(MenuCaption::Help), Qt::LeftButton, {}, QPoint(2, 2));
    QVERIFY(log.isEmpty());  // "?" is navy, not blue
    choose(MenuCaption::Settings);  // grey
    QVERIFY(log.isEmpty());
  }

  void theTestListShowsTheSetAndOpensAChoice() {
    choose(MenuCaption::Test);
    QVERIFY(window->sideMenu()->isVisible());
    QVERIFY(caption(MenuCaption::Test)->isOpen());
    const SideMenuLayout& l = window->sideMenu()->layout();
    QCOMPARE(fromCp1251(l.items[1].text), ui("Механіка"));
    QCOMPARE(fromCp1251(l.items[2].text), ui("Оптика"));
    QCOMPARE(fromCp1251(l.items[21].text), ui("Довідка"));
    QCOMPARE(fromCp1251(l.items[22].text), ui("Про програму"));
    QVERIFY(window->intro().step() == 10 && !window->intro().running());

    // A folder without a test file: "Нема даних", and no test is open.
    clickItem(1);
    QVERIFY(!window->sideMenu()->isVisible());
    QTRY_COMPARE(messages, QStringList{ui("Нема даних")});
    QVERIFY(!window->workstation().testOpen());
    QCOMPARE(caption(MenuCaption::Settings)->colour(), CaptionColour::Grey);
    QCOMPARE(caption(MenuCaption::Appearance)->colour(), CaptionColour::Navy);

    choose(MenuCaption::Test);
    clickItem(2);
    QTRY_VERIFY(window->workstation().testOpen());
    QTRY_VERIFY(!window->transitionRunning());  // the announcement comes in
    QCOMPARE(window->test().taskCount, 2);
    QCOMPARE(caption(MenuCaption::Appearance)->colour(), CaptionColour::Grey);
    QCOMPARE(caption(MenuCaption::Settings)->colour(), CaptionColour::Navy);
    QCOMPARE(caption(MenuCaption::Results)->text(), ui("Результат"));
    QCOMPARE(window->workstation().openTest.attemptCode.size(), 4u);

    choose(MenuCaption::Test);
    clickItem(21);
    QTRY_COMPARE(log.value(0), QString("help"));
    choose(MenuCaption::Test);
    clickItem(22);
    QTRY_COMPARE(log.value(1), QString("about"));
    log.clear();
  }

  void settingsOpenWithoutAPromptWhenNoPasswordIsSet() {
    window->workstation().settings.password = kNoPassword;
    choose(MenuCaption::Settings);
    QCOMPARE(log, QStringList{"settings"});
    QVERIFY(!window->passwordPrompt()->isVisible());
    log.clear();
  }

  void thePasswordIsAcceptedOnItsLastDigit() {
    window->workstation().settings.password = 4071;
    choose(MenuCaption::Settings);
    QVERIFY(window->passwordPrompt()->isVisible());
    type("123456");  // a sixth digit clears
    QCOMPARE(window->passwordPrompt()->box()->text(), QString());
    type("40a");  // a letter clears
    QCOMPARE(window->passwordPrompt()->box()->text(), QString());
    type("407");
    QCOMPARE(window->passwordPrompt()->box()->text(), QString("==="));
    QVERIFY(log.isEmpty());
    type("1");
    QCOMPARE(log, QStringList{"settings"});
    QVERIFY(!window->passwordPrompt()->isVisible());
    log.clear();
  }

  void sixteenResultsPageWithTheArrow() {
    std::vector<std::string> codes;
    for (int i = 1; i <= 16; ++i) codes.push_back("B" + std::to_string(100 + i));
    window->workstation().openTest.results = {16, codes};
    window->showResultsCaption(resultsCaption(16));
    QCOMPARE(caption(MenuCaption::Results)->text(), ui("Результат 16"));
    QCOMPARE(caption(MenuCaption::Results)->colour(), CaptionColour::Navy);
    QVERIFY(caption(MenuCaption::Appearance)->x() >
            caption(MenuCaption::Results)->x() + caption(MenuCaption::Results)->width());
    QVERIFY(caption(MenuCaption::Help)->x() >
            caption(MenuCaption::Exit)->x() + caption(MenuCaption::Exit)->width());

    choose(MenuCaption::Results);
    const SideMenuLayout& first = window->sideMenu()->layout();
    QCOMPARE(QString::fromStdString(first.items[1].text), QString("B101"));
    QCOMPARE(QString::fromStdString(first.items[15].text), QString("B115"));
    QVERIFY(first.items[18].visible);
    QCOMPARE(QString::fromStdString(first.items[18].text), QString("      ---->"));
    QCOMPARE(caption(MenuCaption::Settings)->colour(), CaptionColour::Grey);

    clickItem(18);
    const SideMenuLayout& second = window->sideMenu()->layout();
    QVERIFY(window->sideMenu()->isVisible());
    QCOMPARE(QString::fromStdString(second.items[1].text), QString("B116"));
    QVERIFY(!second.items[18].visible);

    // A result is shown at once; its chart (Insert) asks for the password.
    window->workstation().settings.password = 55;
    clickItem(1);
    QTRY_COMPARE(log, QStringList{"result B116"});
    QCOMPARE(QString::fromStdString(window->workstation().selectedResult), QString("B116"));
    QTest::keyClick(window.get(), Qt::Key_Insert);
    QVERIFY(window->passwordPrompt()->isVisible());
    type("55");
    QCOMPARE(log, (QStringList{"result B116", "chart"}));
    QVERIFY(window->workstation().resultsUnlocked);
    QTest::keyClick(window.get(), Qt::Key_Insert);  // unlocked: no prompt now
    QCOMPARE(log.size(), 3);
    QVERIFY(!window->passwordPrompt()->isVisible());
    // End sends the result again: under a name, with sending on, not in mode 3.
    Workstation& ws = window->workstation();
    const int mode = ws.settings.mode;
    struct Case {
      int mode;
      const char* name;
      bool sending;
      bool sends;
    } ends[] = {{2, "", true, false},
                {2, "Ann Lee", false, false},
                {3, "Ann Lee", true, false},
                {4, "Ann Lee", true, true}};
    for (const Case& c : ends) {
      ws.settings.mode = c.mode;
      ws.student.fullName = c.name;
      ws.decor.sendResults = c.sending;
      QTest::keyClick(window.get(), Qt::Key_End);
      QCOMPARE(log.size(), c.sends ? 4 : 3);
    }
    QCOMPARE(log.last(), QString("send"));
    log.removeLast();
    ws.settings.mode = mode;
    ws.decor.sendResults = false;
    log.clear();
    // Without a password "Очистка " and "Моніторинг" act at once; with one
    // they ask first.
    window->workstation().settings.password = kNoPassword;
    choose(MenuCaption::Results);
    clickItem(16);
    QTRY_COMPARE(log, QStringList{"clean"});
    choose(MenuCaption::Results);
    clickItem(17);
    QTRY_COMPARE(log, (QStringList{"clean", "monitor"}));
    QVERIFY(!window->passwordPrompt()->isVisible());
    window->workstation().settings.password = 7;
    choose(MenuCaption::Results);
    clickItem(17);
    QTRY_VERIFY(window->passwordPrompt()->isVisible());
    QCOMPARE(log.size(), 2);
    type("7");
    QCOMPARE(log, (QStringList{"clean", "monitor", "monitor"}));
    log.clear();

    window->showResultsCaption(resultsCaption(0));
    QCOMPARE(caption(MenuCaption::Results)->text(), ui("Результат"));
    QCOMPARE(caption(MenuCaption::Results)->colour(), CaptionColour::Grey);
  }

  void altF4LeavesTheProgramRunning() {
    QTest::keyClick(window.get(), Qt::Key_F4, Qt::AltModifier);
    choose(MenuCaption::Test);
    QTest::keyClick(window->sideMenu(), Qt::Key_F4, Qt::AltModifier);
    window->sideMenu()->hide();
    QVERIFY(window->isVisible());
    QCOMPARE(ends, 0);
  }

  void f1ShowsHelpWhenIdle() {
    QTest::keyClick(window.get(), Qt::Key_F1);
    QCOMPARE(log, QStringList{"help"});
    log.clear();
  }
};

QTEST_MAIN(MainMenuTest)
#include "MainMenuTest.moc"
