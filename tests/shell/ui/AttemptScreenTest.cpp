// One attempt on the real main window: from the menu through the title
// screen, the options clicked and submitted with the main button, to the
// end message, the result diagram and the result files; and "Вихід"
// breaking off an attempt under way.

#include <QTemporaryDir>
#include <QtTest>

#include "attempt/ui/CardDropDown.h"
#include "content/ConfigFile.h"
#include "content/SettingsSource.h"
#include "content/TestSource.h"
#include "content/WriteTest.h"
#include "platform/Cp1251.h"
#include "platform/Paths.h"
#include "platform/qt/QtText.h"
#include "presentation/MainLayout.h"
#include "WindowClicks.h"
#include "shell/ui/MainWindow.h"

using namespace ispyt;

class AttemptScreenTest : public QObject {
  Q_OBJECT

  QTemporaryDir dir;
  std::unique_ptr<MainWindow> window;

  const AttemptState& state() { return window->attempt().state(); }
  AttemptPhase phase() { return window->attempt().engine().phase(); }
  QPoint centre(const Rect& design) { return centreOf(*window, design); }
  void choose(MenuCaption c) { chooseCaption(*window, c); }
  void openTheTest() {
    window->workstation().openTest.testLoaded = false;  // waited for below
    choose(MenuCaption::Test);
    clickSideItem(*window, 1);
    QTRY_VERIFY(window->workstation().openTest.testLoaded);
    QTRY_VERIFY(!window->transitionRunning());  // the announcement comes in
  }
  void pressMainButton() { QTest::mouseClick(window.get(), Qt::LeftButton, {}, centre(layout::kMainButton)); }
  // Option j of the task shown, right or wrong.
  int option(bool right) {
    const Task& t = window->test().task(state().currentTask);
    for (int j = 1; j <= t.itemCount; ++j)
      if ((t.items[j] == t.correctTexts[j]) == right) return j;
    return 0;
  }
  QRect optionCell(int j) {
    const Rect area = window->workstation().scale.rect(layout::kOptionArea);
    return optionCells(window->test().task(state().currentTask).itemCount,
                       QRect(area.x, area.y, area.width, area.height),
                       window->workstation().scale.y(4))[j - 1];
  }
  void clickOption(int j) {
    QTest::mouseClick(window.get(), Qt::LeftButton, {}, optionCell(j).center());
  }
  void startAttempt() {
    openTheTest();
    pressMainButton();
    QTRY_COMPARE(phase(), AttemptPhase::Task);
    QTRY_VERIFY(state().answerReady || !window->attempt().engine().transitionRunning());
  }

 private slots:
  void initTestCase() {
    QDir base(dir.path());
    const QString folder = "Base/" + ui("Фізика") + "/" + ui("Оптика");
    base.mkpath(folder);
    std::string source =
        "title: Оптика\nmode: training\ncard: no\n\n"
        "== single\n? Світло поширюється...\n+ прямолінійно\n- по колу\n- хвилясто\n\n"
        "== single\n? Кут падіння дорівнює куту...\n+ відбивання\n- заломлення\n";
    const auto settings = settingsFromSource(takeSettingsLines(source), 2);
    QVERIFY(settings.dialog);
    auto parsed = parseTestSource(source);
    QVERIFY(parsed.source);
    Random random(3);
    const std::filesystem::path testFolder = base.filePath(folder).toStdString();
    QVERIFY(!saveConfig(testFolder, *settings.dialog));
    QFile file(base.filePath(folder + "/test.txt"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    const std::string bytes = writeTestFile(*parsed.source, random);
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    file.close();
    window = std::make_unique<MainWindow>(MainWindowOptions{
        .programFolder = dir.path().toStdString(),
        .endProcess = [] {},
        .shell = std::make_unique<RecordingSystemShell>(),
        .actions = {},
        .showMessage = [](const QString&) {},
    });
    window->showOnScreen();
    QTRY_VERIFY_WITH_TIMEOUT(window->intro().step() >= 48, 15000);
  }

  void namesByListOfferTheClassTheAppearanceDialogChose() {
    Workstation& ws = window->workstation();
    ws.classLists = {{.classNumber = 7, .letter = cp1251("А"),
                      .pupils = {cp1251("Іван Бойко"), cp1251("Олена Коваль")}}};
    ws.decor.byList = true;
    ws.decor.listClass = cp1251("7");
    ws.decor.listLetter = cp1251("А");
    openTheTest();
    auto* pupils = window->card()->findChild<CardDropDown*>("pupils");
    QVERIFY(pupils);
    QTRY_VERIFY(pupils->isVisibleTo(window->card()));
    QCOMPARE(pupils->itemCount(), 2);
    QCOMPARE(window->card()->findChild<CardDropDown*>("classNumber")->panelText(), QString("7"));
    QCOMPARE(ws.student.classNumber, std::string("7"));
    ws.decor.byList = false;
    ws.classLists.clear();
  }

  void anAttemptRunsFromTheMenuToTheResultFiles() {
    startAttempt();
    QCOMPARE(state().currentTask, 1);
    QVERIFY(!state().answerReady);

    // A picked option turns yellow and makes the answer ready.
    const int right = option(true);
    clickOption(right);
    QVERIFY(state().answerReady);
    const QRgb picked = window->screenPicture().pixel(optionCell(right).topLeft() + QPoint(3, 8));
    QVERIFY2(qRed(picked) > 200 && qGreen(picked) > 200 && qBlue(picked) < 120,
             "the picked option is yellow");

    // The menu ignores the mouse while the attempt runs.
    choose(MenuCaption::Test);
    QVERIFY(!window->sideMenu()->isVisible());

    pressMainButton();
    QTRY_COMPARE(state().currentTask, 2);
    QTRY_VERIFY(!window->attempt().engine().transitionRunning());
    clickOption(option(false));
    pressMainButton();
    QTRY_COMPARE(phase(), AttemptPhase::Ended);
    QCOMPARE(state().end, AttemptEnd::Finished);
    QCOMPARE(state().elementsJudged, 2);
    QCOMPARE(state().wrongElements, 1);

    // Once the diagram has turned, a click on the task area hands over.
    QTRY_VERIFY_WITH_TIMEOUT(window->attempt().engine().diagramPromptShown(), 6000);
    QTest::mouseClick(window.get(), Qt::LeftButton, {}, centre(layout::kCardArea));
    QTRY_COMPARE_WITH_TIMEOUT(phase(), AttemptPhase::Closed, 3000);
    QVERIFY(!window->workstation().testOpen());
    QCOMPARE(window->menu().colour(MenuCaption::Test), CaptionColour::Navy);
    const auto testFolder = window->workstation().openTest.testFolder;
    bool report = false;
    for (const auto& entry : std::filesystem::directory_iterator(testFolder))
      report = report || entry.path().extension() == ".rez";
    QVERIFY2(report, "the report is written into the test folder");
  }

  void aResultThatCannotBeStoredIsSaidAndAClickWritesItAgain() {
    const auto testFolder = window->workstation().openTest.testFolder;
    auto reports = [&] {
      int n = 0;
      for (const auto& entry : std::filesystem::directory_iterator(testFolder))
        n += entry.path().extension() == ".rez";
      return n;
    };
    const int before = reports();
    // A folder where the records belong refuses them.
    std::filesystem::remove(testFolder / "Monitor.dm");
    std::filesystem::create_directory(testFolder / "Monitor.dm");
    startAttempt();
    clickOption(option(true));
    pressMainButton();
    QTRY_COMPARE(state().currentTask, 2);
    QTRY_VERIFY(!window->attempt().engine().transitionRunning());
    clickOption(option(true));
    pressMainButton();
    QTRY_COMPARE(phase(), AttemptPhase::Ended);
    QTRY_VERIFY_WITH_TIMEOUT(window->attempt().engine().diagramPromptShown(), 6000);
    QTest::mouseClick(window.get(), Qt::LeftButton, {}, centre(layout::kCardArea));
    QTRY_COMPARE_WITH_TIMEOUT(phase(), AttemptPhase::Closed, 3000);
    QCOMPARE(reports(), before);
    // The card says so in red.
    const Rect card = window->workstation().scale.rect(layout::kCardArea);
    int red = 0;
    for (int y = card.y; y < card.y + card.height; y += 2)
      for (int x = card.x; x < card.x + card.width; x += 2) {
        const QRgb c = window->screenPicture().pixel(x, y);
        red += qRed(c) > 120 && qGreen(c) < 60 && qBlue(c) < 60;
      }
    QVERIFY2(red > 100, "the failure is written on the card");

    // Mended, a click on the card writes the result.
    std::filesystem::remove(testFolder / "Monitor.dm");
    QTest::mouseClick(window.get(), Qt::LeftButton, {}, centre(layout::kCardArea));
    QCOMPARE(reports(), before + 1);
    QVERIFY(std::filesystem::is_regular_file(testFolder / "Monitor.dm"));
  }

  void exitBreaksOffAnAttemptUnderWay() {
    startAttempt();
    clickOption(option(true));
    pressMainButton();
    QTRY_COMPARE(state().currentTask, 2);
    QTRY_VERIFY(!window->transitionRunning());  // "Вихід" waits for the next task to come in
    choose(MenuCaption::Exit);
    QCOMPARE(phase(), AttemptPhase::Ended);
    QCOMPARE(state().end, AttemptEnd::BrokenOff);
    QVERIFY(!window->exitConfirmationShown());
  }
};

QTEST_MAIN(AttemptScreenTest)
#include "AttemptScreenTest.moc"
