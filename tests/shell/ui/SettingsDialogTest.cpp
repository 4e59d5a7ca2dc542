// The settings dialog on the real widgets of the workstation, opened through
// the menu: its opening, the interval check, links, the slider's keys, the
// password change, weights, and what "Ок" writes, or keeps when it cannot.

#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QtTest>

#include "../../ReadOnlyFolder.h"
#include "content/ConfigFile.h"
#include "content/TestSource.h"
#include "content/WriteTest.h"
#include "platform/Cp1251.h"
#include "platform/LineReader.h"
#include "platform/Paths.h"
#include "platform/ReplaceFile.h"
#include "platform/qt/QtText.h"
#include "shell/SettingsDialogLayout.h"
#include "WindowClicks.h"
#include "shell/ui/MainWindow.h"
#include "shell/ui/SettingsDialog.h"

using namespace ispyt;
namespace fs = std::filesystem;

using Rows = QList<QStringList>;

class SettingsDialogTest : public QObject {
  Q_OBJECT

  QTemporaryDir dir;
  QStringList messages;
  std::unique_ptr<MainWindow> window;
  fs::path set;

  SettingsDialog* dialog() { return window->settingsDialog(); }
  MenuCaptionLabel* caption(MenuCaption c) { return window->caption(c); }
  void choose(MenuCaption c) { chooseCaption(*window, c); }
  fs::path folder(const char* test) { return set / test; }  // names on disk are UTF-8
  std::string configOf(const char* test) {
    return readFileBytes(folder(test) / "Config.ini").value_or("<none>");
  }
  // A test of `tasks` one-element tasks, with a password or none.
  void makeTest(const char* name, int tasks, int password) {
    std::string source = "title: " + std::string(name) + "\n";
    for (int i = 1; i <= tasks; ++i) source += "== single\n? " + std::to_string(i) + "\n+ a\n- b\n";
    auto parsed = parseTestSource(source);
    QVERIFY(parsed.source);
    fs::create_directories(folder(name));
    Random random(1);
    std::string bytes = writeTestFile(*parsed.source, random);
    QVERIFY(replaceFile(folder(name) / "test.txt", bytes) == std::error_code());
    SettingsDialogState state = readConfig(std::nullopt, tasks, 1).dialog;
    state.values.password = password;
    QVERIFY(!saveConfig(folder(name), state));
  }
  // Opens the test afresh (its settings read again); a choice made while
  // the last screen's transition runs is ignored, so it is made again.
  void openTest(const char* name) {
    if (dialog()->isVisible()) dialog()->reject();
    Workstation& ws = window->workstation();
    ws.openTest.attemptCode.clear();
    for (int tries = 0; tries < 20 && ws.openTest.attemptCode.empty(); ++tries) {
      choose(MenuCaption::Test);
      const SideMenuLayout& l = window->sideMenu()->layout();
      int index = 0;
      for (int i = 1; i <= 20; ++i)
        if (l.items[i].text == cp1251(name)) index = i;
      QVERIFY(index > 0);
      clickSideItem(*window, index);
      QTest::qWait(50);
    }
    QTRY_VERIFY(ws.testOpen() && ws.openTest.testName == cp1251(name));
    QCOMPARE(caption(MenuCaption::Settings)->colour(), CaptionColour::Navy);
  }
  // "Установки", and the password when the test has one.
  void openDialog() {
    // "Установки" waits for the title screen's transition.
    QTRY_VERIFY(!window->transitionRunning());
    choose(MenuCaption::Settings);
    if (window->passwordPrompt()->isVisible())
      for (char k : std::string("1234")) QTest::keyClick(window->passwordPrompt()->box(), k);
    QTRY_VERIFY(dialog()->isVisible());
  }
  void toTab(SettingsTab tab) { dialog()->tabs()->setCurrentIndex(static_cast<int>(tab)); }
  void setTable(const Rows& rows) {
    toTab(SettingsTab::Sorting);
    QTest::mouseClick(dialog()->intervalsButton(), Qt::LeftButton, {}, QPoint(4, 8));
    dialog()->intervalCounter()->setValue(static_cast<int>(rows.size()));
    for (int r = 0; r < rows.size(); ++r)
      for (int c = 0; c < 2; ++c) dialog()->intervalTable()->item(r, c + 1)->setText(rows[r][c]);
  }
  void clickStrip(int cell) {
    LinkStrip* strip = dialog()->linkStrip();
    QTest::mouseClick(strip, Qt::LeftButton, {}, strip->cellRect(cell).center());
  }
  std::vector<int> links() {
    const auto& l = dialog()->model().state().values.taskLinks;
    return std::vector<int>(l.begin() + 1, l.begin() + 1 + dialog()->model().state().taskCount);
  }
  void typeInto(QWidget* w, const QString& keys) {
    for (QChar k : keys) QTest::keyClick(w, k.toLatin1());
  }

 private slots:
  void initTestCase() {
    // Readable by "nobody" too, for the read-only folder below.
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                          QFile::ReadOther | QFile::ExeOther);
    set = fs::path(dir.path().toStdString()) / "Base" / "Школа";
    // The set is listed at start-up: the tests are there before.
    makeTest("Дванадцять", 12, 1234);
    makeTest("Десять", 10, kNoPassword);
    window = std::make_unique<MainWindow>(MainWindowOptions{
        .programFolder = dir.path().toStdString(),
        .endProcess = [] {},
        .shell = std::make_unique<RecordingSystemShell>(),
        .showMessage = [this](const QString& text) { messages << text; },
    });
    window->showOnScreen();
    QTRY_VERIFY_WITH_TIMEOUT(window->intro().step() >= 48, 15000);
  }

  void init() {
    messages.clear();
    makeTest("Дванадцять", 12, 1234);
    makeTest("Десять", 10, kNoPassword);
  }

  void opensOnItsFirstTabAfterThePromptAndWhereItWasWithout() {
    openTest("Дванадцять");
    openDialog();
    QCOMPARE(dialog()->windowTitle(), ui("Дванадцять"));
    const ScreenScale& s = window->workstation().scale;
    QCOMPARE(dialog()->size(), QSize(s.x(350), s.y(285)));
    const QRect w = window->geometry();
    Point at = settingsLayout::openingPosition({w.x(), w.y(), w.width(), w.height()}, s,
                                               {dialog()->width(), dialog()->height()});
    QCOMPARE(dialog()->pos(), QPoint(at.x, at.y));
    QCOMPARE(dialog()->tabs()->currentIndex(), 0);
    QVERIFY(dialog()->okButton()->isVisible() && dialog()->okButton()->isEnabled());
    QVERIFY(caption(MenuCaption::Settings)->isOpen());
    toTab(SettingsTab::Grading);
    QVERIFY(!dialog()->okButton()->isVisible());
    QVERIFY(dialog()->oldPassword()->isVisible() && dialog()->oldPassword()->text().isEmpty());
    QVERIFY(!dialog()->newPassword()->isVisible());
    toTab(SettingsTab::Sorting);
    dialog()->reject();
    QVERIFY(!caption(MenuCaption::Settings)->isOpen());
    openDialog();  // the prompt again: the first tab
    QCOMPARE(dialog()->tabs()->currentIndex(), 0);

    openTest("Десять");
    openDialog();  // no prompt
    toTab(SettingsTab::Help);
    dialog()->reject();
    openDialog();
    QCOMPARE(dialog()->tabs()->currentIndex(), static_cast<int>(SettingsTab::Help));
    QTextDocument* page = dialog()->helpPage()->document();
    QCOMPARE(page->blockCount(), 114);
    QCOMPARE(page->findBlockByNumber(0).text(), ui("УСТАНОВКИ"));
    QTextCharFormat heading = page->findBlockByNumber(0).begin().fragment().charFormat();
    QCOMPARE(heading.foreground().color(), QColor(0, 0, 128));
    QCOMPARE(heading.fontWeight(), int(QFont::Bold));
    QTextCharFormat modes = page->findBlockByNumber(2).begin().fragment().charFormat();
    QVERIFY(modes.fontUnderline());
    QCOMPARE(modes.foreground().color(), QColor(0, 128, 0));
    QCOMPARE(page->findBlockByNumber(107).begin().fragment().charFormat().foreground().color(),
             QColor(255, 0, 0));
    // Ordinary lines keep the plain format, opening after opening.
    QVERIFY(!page->findBlockByNumber(3).begin().fragment().charFormat().font().bold());
  }

  void theIntervalTableIsCheckedOnTabChanges_data() {
    QTest::addColumn<Rows>("rows");
    QTest::addColumn<bool>("valid");
    QTest::newRow("(1,5) (6,12)") << Rows{{"1", "5"}, {"6", "12"}} << true;
    QTest::newRow("(1,5) (7,12)") << Rows{{"1", "5"}, {"7", "12"}} << false;
    QTest::newRow("(1,12) starting at 2") << Rows{{"2", "12"}} << false;
    QTest::newRow("(1,11) (12,12)") << Rows{{"1", "11"}, {"12", "12"}} << true;
  }
  void theIntervalTableIsCheckedOnTabChanges() {
    QFETCH(Rows, rows);
    QFETCH(bool, valid);
    openTest("Дванадцять");
    openDialog();
    setTable(rows);
    toTab(SettingsTab::Settings);
    QCOMPARE(dialog()->okButton()->isEnabled(), valid);
    toTab(SettingsTab::Sorting);
    QCOMPARE(dialog()->errorMark()->isVisible(), !valid);
    QCOMPARE(dialog()->intervalsButton()->isChecked(), valid);
  }

  void linksTakeAtMostEightTasks() {
    openTest("Дванадцять");
    openDialog();
    toTab(SettingsTab::Sorting);
    QTest::mouseClick(dialog()->linksButton(), Qt::LeftButton, {}, QPoint(4, 8));
    QVERIFY(dialog()->linkStrip()->isVisible());
    // 3 to 11: nine tasks never show together, and scrolling drops the start.
    clickStrip(2);
    QCOMPARE(dialog()->model().linkStart(), 3);
    dialog()->stripBar()->setValue(4);
    clickStrip(7);  // task 11
    QCOMPARE(links(), std::vector<int>(12, 0));
    QCOMPARE(dialog()->model().linkStart(), 11);
    // 3 to 10: 1..8.
    dialog()->stripBar()->setValue(3);
    clickStrip(0);
    clickStrip(7);
    QCOMPARE(links(), (std::vector<int>{0, 0, 1, 2, 3, 4, 5, 6, 7, 8, 0, 0}));
    toTab(SettingsTab::Settings);
    QTest::mouseClick(dialog()->okButton(), Qt::LeftButton);
    QCOMPARE(readConfigFile(folder("Дванадцять"), 12, 1).settings.taskLinks[10], 8);
  }

  void aNewPasswordStartingWithZeroSavesTheDefault() {
    openTest("Дванадцять");
    openDialog();
    toTab(SettingsTab::Grading);
    QTest::keyClicks(dialog()->oldPassword(), "1235");
    QVERIFY(!dialog()->newPassword()->isVisible());  // a wrong one is never reported
    dialog()->oldPassword()->clear();
    QTest::keyClicks(dialog()->oldPassword(), "1234");
    QVERIFY(!dialog()->oldPassword()->isVisible());
    QVERIFY(dialog()->newPassword()->isVisible());
    QVERIFY(dialog()->newPassword()->styleSheet().contains("#00FF00"));
    typeInto(dialog()->newPassword(), "0a123");
    QCOMPARE(dialog()->newPassword()->text(), QString("===="));
    toTab(SettingsTab::Settings);
    QVERIFY(dialog()->okButton()->isEnabled());
    QTest::mouseClick(dialog()->okButton(), Qt::LeftButton);
    QVERIFY(!dialog()->isVisible());
    ConfigReading r = readConfigFile(folder("Дванадцять"), 12, 1);
    QVERIFY(r.checksumMatched);
    QCOMPARE(r.passwordInFile, kNoPassword);
    // Saving greys "Установки" and "Результат"; the running password stays.
    QCOMPARE(caption(MenuCaption::Settings)->colour(), CaptionColour::Grey);
    QCOMPARE(caption(MenuCaption::Results)->colour(), CaptionColour::Grey);
    QCOMPARE(window->workstation().settings.password, 1234);
  }

  void anEmptyNewPasswordBlocksOk() {
    openTest("Дванадцять");
    openDialog();
    toTab(SettingsTab::Grading);
    QTest::keyClicks(dialog()->oldPassword(), "1234");
    toTab(SettingsTab::Settings);
    QVERIFY(!dialog()->okButton()->isEnabled());
    toTab(SettingsTab::Grading);
    typeInto(dialog()->newPassword(), "97531");
    QTest::keyClick(dialog()->newPassword(), '2');  // a sixth digit is not taken
    toTab(SettingsTab::Settings);
    QTest::mouseClick(dialog()->okButton(), Qt::LeftButton);
    QCOMPARE(readConfigFile(folder("Дванадцять"), 12, 1).settings.password, 97531);
  }

  void theSliderTakesDigitKeys() {
    openTest("Десять");
    openDialog();
    toTab(SettingsTab::Settings);
    QSlider* slider = dialog()->timeSlider();
    QTest::keyClick(slider, '7');
    QCOMPARE(slider->value(), 70);
    QCOMPARE(dialog()->timeCaption()->text(), ui("70 хв."));
    QTest::keyClick(slider, '0');
    QCOMPARE(slider->value(), 1);
    QTest::keyClick(slider, 'x');
    QCOMPARE(slider->value(), 1);
    QCOMPARE(dialog()->timeCaption()->x(), window->workstation().scale.x(6));
  }

  void autoSetupShowsTheElementCounts() {
    openTest("Дванадцять");
    openDialog();
    toTab(SettingsTab::Grading);
    QTest::mouseClick(dialog()->autoSetupButton(), Qt::LeftButton);
    QCOMPARE(dialog()->total()->text(), QString("12"));
    QVERIFY(dialog()->total()->isVisible());
    QCOMPARE(dialog()->scaleField()->text(), QString("12"));
  }

  void theGridHasTheCellsOfTheTestOpenedLast() {
    // Opened with twelve tasks, then a test of ten opened with the dialog
    // closed: its ten cells, with its own weights, when it opens again.
    openTest("Дванадцять");
    openDialog();
    QCOMPARE(dialog()->grid()->rowCount(), 12);
    openTest("Десять");
    openDialog();
    QCOMPARE(dialog()->grid()->rowCount(), 10);
    for (int i = 1; i <= 10; ++i)
      QCOMPARE(dialog()->gridCell(i)->text(), fromCp1251(dialog()->model().gridCell(i)));
  }

  void aTestOpenedBeforeTheDialogIsMadeShowsInIt() {
    // A window of its own, whose dialog nothing has asked for yet.
    MainWindow fresh(MainWindowOptions{
        .programFolder = dir.path().toStdString(),
        .endProcess = [] {},
        .shell = std::make_unique<RecordingSystemShell>(),
        .showMessage = [](const QString&) {},
    });
    QVERIFY(fresh.openTest(cp1251("Десять")));
    fresh.openSettingsDialog(true);
    SettingsDialog* opened = fresh.settingsDialog();
    QTRY_VERIFY(opened->isVisible());
    QCOMPARE(opened->windowTitle(), ui("Десять"));
    QCOMPARE(opened->grid()->rowCount(), 10);
    opened->reject();
  }

  void weightsWithOneTaskAtZeroSaveNone() {
    openTest("Десять");
    openDialog();
    toTab(SettingsTab::Settings);
    QTest::mouseClick(dialog()->modeButton(2), Qt::LeftButton, {}, QPoint(4, 8));
    toTab(SettingsTab::Grading);
    QTest::mouseClick(dialog()->weightsButton(), Qt::LeftButton, {}, QPoint(4, 8));
    QVERIFY(!dialog()->gridCell(1)->isReadOnly());
    for (int i = 1; i <= 10; ++i) {
      QLineEdit* cell = dialog()->gridCell(i);
      cell->setFocus();
      QTest::keyClick(cell, Qt::Key_Backspace);
      typeInto(cell, i == 4 ? "0" : "5x7");  // a letter is not taken
    }
    QCOMPARE(dialog()->gridCell(1)->text(), QString("57"));
    QVERIFY(!dialog()->total()->isVisible());
    toTab(SettingsTab::Settings);
    QTest::mouseClick(dialog()->okButton(), Qt::LeftButton);
    std::string bytes = configOf("Десять");
    LineReader lines(bytes);
    std::optional<std::string_view> line;
    for (int i = 1; i <= 12; ++i) line = lines.next();
    QCOMPARE(std::string(*line), std::string(10, char(27)));
  }

  void okWritesWhatReopensToTheSameSettings() {
    openTest("Десять");
    openDialog();
    toTab(SettingsTab::Settings);
    QTest::mouseClick(dialog()->modeButton(1), Qt::LeftButton, {}, QPoint(4, 8));
    QTest::keyClick(dialog()->timeSlider(), '4');
    toTab(SettingsTab::Grading);
    QLineEdit* scale = dialog()->scaleField();
    scale->setFocus();
    QTest::keyClick(scale, Qt::Key_Backspace);
    QTest::keyClick(scale, Qt::Key_Backspace);
    typeInto(scale, "1009");  // three characters at most
    QCOMPARE(scale->text(), QString("100"));
    setTable({{"1", "4"}, {"5", "10"}});
    QTest::mouseClick(dialog()->linksButton(), Qt::LeftButton, {}, QPoint(4, 8));
    clickStrip(4);
    clickStrip(5);
    toTab(SettingsTab::Settings);
    QTest::mouseClick(dialog()->okButton(), Qt::LeftButton);
    QVERIFY(!dialog()->isVisible());

    openTest("Десять");
    openDialog();
    QVERIFY(dialog()->modeButton(1)->isChecked());
    QCOMPARE(dialog()->timeSlider()->value(), 40);
    QCOMPARE(dialog()->scaleField()->text(), QString("100"));
    QCOMPARE(dialog()->intervalTable()->rowCount(), 2);
    QCOMPARE(dialog()->intervalTable()->item(1, 1)->text(), QString("5"));
    QCOMPARE(links(), (std::vector<int>{0, 0, 0, 0, 1, 2, 0, 0, 0, 0}));
  }

  void aFailedSaveKeepsTheFileAndTheDialog() {
    openTest("Дванадцять");
    openDialog();
    QTest::keyClick(dialog()->timeSlider(), '9');
    const std::string before = configOf("Дванадцять");
    {
      fixtures::ReadOnlyFolder readOnly(folder("Дванадцять"));
      fixtures::ActingAsNobody nobody;
      QVERIFY(nobody.ok());
      QTest::mouseClick(dialog()->okButton(), Qt::LeftButton);
    }
    QCOMPARE(configOf("Дванадцять"), before);
    QCOMPARE(messages.size(), 1);
    QVERIFY(messages[0].contains(ui("закрита для запису")));
    QVERIFY(dialog()->isVisible());
    QVERIFY(caption(MenuCaption::Settings)->colour() != CaptionColour::Grey);
    // Once the folder is free again the same edits are saved.
    QTest::mouseClick(dialog()->okButton(), Qt::LeftButton);
    QVERIFY(!dialog()->isVisible());
    QCOMPARE(readConfigFile(folder("Дванадцять"), 12, 1).settings.timeLimitMinutes, 90);
    QCOMPARE(readConfigFile(folder("Дванадцять"), 12, 1).settings.password, 1234);
  }
};

QTEST_MAIN(SettingsDialogTest)
#include "SettingsDialogTest.moc"
