// The results section on the real main window: a stored result opened
// from the side list, its chart by the Insert key, the monitoring charts of
// every result the folder still has a report of, hidden by the dispatcher,
// and cleaning the folder's results.

#include <QTemporaryDir>
#include <QtTest>

#include "content/ConfigFile.h"
#include "content/LoadTest.h"
#include "content/SettingsSource.h"
#include "content/TestSource.h"
#include "content/WriteTest.h"
#include "platform/Cp1251.h"
#include "platform/Paths.h"
#include "platform/qt/QtText.h"
#include "presentation/MainLayout.h"
#include "results/WriteReport.h"
#include "results/ui/ChartsWindow.h"
#include "WindowClicks.h"
#include "shell/ui/MainWindow.h"

using namespace ispyt;

class ResultsSectionTest : public QObject {
  Q_OBJECT

  QTemporaryDir dir;
  std::filesystem::path folder;
  QStringList messages;
  std::unique_ptr<MainWindow> window;

  Workstation& ws() { return window->workstation(); }
  void choose(MenuCaption c) { chooseCaption(*window, c); }
  void clickItem(int index) { clickSideItem(*window, index); }
  int itemOf(const std::string& text) {
    const SideMenuLayout& l = window->sideMenu()->layout();
    for (int i = 1; i <= 22; ++i)
      if (l.items[i].visible && l.items[i].text == text) return i;
    return 0;
  }
  void openTheTest() {
    ws().openTest.testLoaded = false;
    choose(MenuCaption::Test);
    clickItem(1);
    QTRY_VERIFY(ws().openTest.testLoaded);
  }
  // One monitoring attempt stored as the program stores it: task 1 right
  // or wrong, task 2 right.
  void store(const std::string& code, const char* name, bool firstRight) {
    Test test;
    Random random(5);
    QVERIFY(LoadTest(folder / "test.txt", test, random).loaded());
    Settings settings = readConfigFile(folder, 2, 1).settings;
    OpenTestState open;
    open.testFolder = folder;
    open.currentTestPath = cp1251FromPath(folder);
    open.testName = "Optics";
    open.attemptCode = code;
    AttemptState attempt;
    attempt.mode = 4;
    attempt.taskCount = 2;
    attempt.resetTaskTables();
    attempt.tasksDone = 2;
    for (int k = 1; k <= 2; ++k) {
      attempt.task(k).done = true;
      attempt.task(k).judgedElements = 1;
    }
    attempt.task(1).wrongCount = firstRight ? 0 : 1;
    attempt.elementsJudged = 2;
    attempt.wrongElements = firstRight ? 0 : 1;
    StudentCard card;
    card.fullName = cp1251(name);
    AttemptResult result;
    const WriteReportOutcome out = WriteReport(
        {settings, dir.path().toStdString(), open, attempt, test, card, result, random, {}, {}});
    QVERIFY(out.stored());
  }
  ChartsWindow* charts() { return qobject_cast<ChartsWindow*>(window->results().chartsWindow()); }

 private slots:
  void initTestCase() {
    QDir base(dir.path());
    const QString path = "Base/" + ui("Фізика") + "/" + ui("Оптика");
    base.mkpath(path);
    folder = base.filePath(path).toStdString();
    std::string source =
        "title: Оптика\nmode: monitoring\ncard: no\n\n"
        "== single\n? Світло поширюється...\n+ прямолінійно\n- по колу\n\n"
        "== single\n? Кут падіння дорівнює куту...\n+ відбивання\n- заломлення\n";
    const auto settings = settingsFromSource(takeSettingsLines(source), 2);
    QVERIFY(settings.dialog);
    QVERIFY(!saveConfig(folder, *settings.dialog));
    auto parsed = parseTestSource(source);
    QVERIFY(parsed.source);
    Random random(3);
    QFile file(base.filePath(path + "/test.txt"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    const std::string bytes = writeTestFile(*parsed.source, random);
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    file.close();
    store("A101", "Коваль Олена", true);
    store("A102", "Бондар Іван", false);
    store("A103", "Шевченко Марія", true);
    window = std::make_unique<MainWindow>(MainWindowOptions{
        .programFolder = dir.path().toStdString(),
        .endProcess = [] {},
        .shell = std::make_unique<RecordingSystemShell>(),
        .actions = {},
        .showMessage = [this](const QString& text) { messages << text; },
    });
    window->showOnScreen();
    QTRY_VERIFY_WITH_TIMEOUT(window->intro().step() >= 48, 15000);
    openTheTest();
    QCOMPARE(window->caption(MenuCaption::Results)->text(), ui("Результат 3"));
  }

  void monitoringShowsEveryStoredAttempt() {
    choose(MenuCaption::Results);
    clickItem(itemOf(cp1251("Моніторинг")));
    QTRY_VERIFY(charts() && charts()->isVisible());
    QCOMPARE(charts()->windowTitle(), ui("Моніторинг"));
    const MonitorCharts& data = charts()->charts().data();
    QCOMPARE(data.rows.size(), std::size_t(3));
    QCOMPARE(data.taskValues[1], 66);  // 100, 0, 100
    QCOMPARE(data.taskValues[2], 100);
    QVERIFY(ws().selectedResult.empty());
    QVERIFY(messages.isEmpty());
  }

  void aStoredResultOpensAndItsChartComesWithInsert() {
    const QRect plate = qrect(ws().scale.rect(layout::kNamePlate));
    const QImage before = window->screenPicture().copy(plate);
    choose(MenuCaption::Results);
    clickItem(itemOf("A102"));
    // The dispatcher hides the charts before it acts.
    QTRY_VERIFY(ws().resultShown);
    QVERIFY(!charts()->isVisible());
    QCOMPARE(ws().result.attemptCode, std::string("A102"));
    QCOMPARE(ws().student.fullName, cp1251("Бондар Іван"));
    QVERIFY(!ws().openTest.testLoaded);  // the test holds the report now
    QCOMPARE(ws().settings.mode, 4);
    QVERIFY(window->screenPicture().copy(plate) != before);  // the name plate

    // Keys wait for the card's transition.
    QTRY_VERIFY(!window->transitionRunning());
    QTest::keyClick(window.get(), Qt::Key_Insert);
    QTRY_VERIFY(charts() && charts()->isVisible());
    QCOMPARE(charts()->windowTitle(), ui("Результат тесту"));
    const MonitorCharts& data = charts()->charts().data();
    QVERIFY(data.selected);
    QCOMPARE(data.taskValues[1], 0);
    QCOMPARE(data.taskValues[2], 100);
    QVERIFY(!charts()->action(ChartsWindow::Item::Testees)->isEnabled());
    charts()->close();
    // Opened again, the test may be taken again.
    openTheTest();
  }

  void aReportDeletedByHandLeavesItsAttemptOut() {
    QVERIFY(QFile::remove(QString::fromStdString((folder / "A103.rez").string())));
    window->results().monitorAllResults();
    QVERIFY(charts()->isVisible());
    QCOMPARE(charts()->charts().data().rows.size(), std::size_t(2));
    QCOMPARE(charts()->charts().data().taskValues[1], 50);
  }

  void cleaningDeletesTheResultsAndGreysTheCaption() {
    QFile other(QString::fromStdString((folder / "notes.txt").string()));
    QVERIFY(other.open(QIODevice::WriteOnly));
    other.close();
    choose(MenuCaption::Results);
    clickItem(itemOf(cp1251("Очистка ")));
    QTRY_COMPARE(window->caption(MenuCaption::Results)->text(), ui("Результат"));
    QCOMPARE(window->caption(MenuCaption::Results)->colour(), CaptionColour::Grey);
    QVERIFY(!exists(folder, "A101.rez") && !exists(folder, "Monitor.dm"));
    QVERIFY(exists(folder, "test.txt") && exists(folder, "Config.ini") &&
            exists(folder, "notes.txt"));
    QVERIFY(messages.isEmpty());
    QVERIFY(!charts());
  }

  void withoutAMonitoringFileNoWindowOpens() {
    window->results().monitorAllResults();
    QCOMPARE(messages, QStringList{ui("Ошибка открытия файла БД.")});
    QVERIFY(!charts());
  }
};

QTEST_MAIN(ResultsSectionTest)
#include "ResultsSectionTest.moc"
