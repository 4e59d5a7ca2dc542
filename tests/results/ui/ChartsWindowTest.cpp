// The monitoring window on its widgets: the items each view allows, the
// bars per page from F1, F2 and the arrows within their limits, the pie
// turning only while it is shown, printing and saving; and the window made
// through its library.  ISPYT_CHARTS=DIR saves the charts as PNGs to look
// at.

#include <QAction>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QLabel>
#include <QPieSeries>
#include <QPrinter>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QToolButton>
#include <QValueAxis>
#include <QtTest>

#include "platform/Cp1251.h"
#include "platform/ManualScheduler.h"
#include "platform/qt/QtText.h"
#include "results/ui/ChartsWindow.h"
#include "results/ui/ChartsWindowLoader.h"

using namespace ispyt;

namespace {

// 30 tasks; four testees graded 3, 6, 9 and 12 of 12, task k at k % 5 * 25
// per cent.
MonitorCharts classOfFour(MonitorView view = MonitorView::AllAttempts) {
  MonitorCharts c;
  c.view = view;
  c.taskCount = 30;
  for (int k = 1; k <= 30; ++k) c.taskValues[k] = k % 5 * 25;
  const char* names[] = {"Коваль Олена", "Бондар Іван", "Шевченко Марія", "Ткачук Андрій"};
  for (int i = 0; i < 4; ++i) {
    MonitorRow row;
    row.attemptCode = "A10" + std::to_string(i);
    row.name = cp1251(names[i]);
    row.grade = 3 * (i + 1);
    c.rows.push_back(row);
    c.gradeSum += row.grade;
    ++c.levelCounts[i];
  }
  if (view == MonitorView::OneAttempt) {
    c.selectedCode = "A102";
    c.selected = c.rows[2];
  }
  return c;
}

void keep(const ChartsWindow& w, MonitorChart chart, const QString& name) {
  const QString dir = qEnvironmentVariable("ISPYT_CHARTS");
  if (!dir.isEmpty())
    QVERIFY(w.charts().picture(chart, QSize(400, 300), 2).save(dir + "/" + name + ".png"));
}

QBarSet* barsOf(const ChartsWindow& w, MonitorChart chart) {
  auto* series = qobject_cast<QBarSeries*>(w.charts().chart(chart)->series().front());
  return series->barSets().front();
}

}  // namespace

class ChartsWindowTest : public QObject {
  Q_OBJECT

  ManualScheduler scheduler;

 private slots:
  // The program makes the window through its library, from the first
  // place it opens at; a library that opens nowhere is said, not shown.
  void theWindowIsMadeThroughItsLibrary() {
    QString error;
    QVERIFY(!findChartsWindowEntry({"/nonexistent/ispyt_charts"}, error));
    QVERIFY(error.contains("nonexistent"));
    MakeChartsWindow make =
        findChartsWindowEntry({"/nonexistent/ispyt_charts", ISPYT_CHARTS_LIBRARY}, error);
    QVERIFY(make);
    std::unique_ptr<QWidget> w(make(classOfFour(), ScreenScale{}, scheduler, nullptr));
    auto* charts = qobject_cast<ChartsWindow*>(w.get());
    QVERIFY(charts);
    QCOMPARE(charts->shown(), MonitorChart::Tasks);
    QCOMPARE(charts->charts().barCount(MonitorChart::Testees), 4);
  }

  void theAllAttemptsViewOffersEveryChart() {
    ChartsWindow w(classOfFour(), ScreenScale{}, scheduler);
    QCOMPARE(w.windowTitle(), ui("Моніторинг"));
    QCOMPARE(w.size(), QSize(400, 300));
    QCOMPARE(w.shown(), MonitorChart::Tasks);
    for (auto item :
         {ChartsWindow::Item::Tasks, ChartsWindow::Item::Testees, ChartsWindow::Item::Levels,
          ChartsWindow::Item::MoreBars, ChartsWindow::Item::FewerBars, ChartsWindow::Item::Print,
          ChartsWindow::Item::SavePdf, ChartsWindow::Item::SavePng, ChartsWindow::Item::SaveCsv})
      QVERIFY(w.action(item)->isEnabled());
    QCOMPARE(w.action(ChartsWindow::Item::MoreBars)->text(), ui("Зменшити    F1"));
    QCOMPARE(w.action(ChartsWindow::Item::FewerBars)->text(), ui("Збільшити   F2"));
    QCOMPARE(w.charts().chart(MonitorChart::Tasks)->title(), ui("Середній результат тесту (%)"));
    QCOMPARE(w.charts().chart(MonitorChart::Testees)->title(),
             ui("Досягнення користувачів (в балах)"));
    QCOMPARE(w.charts().chart(MonitorChart::Levels)->title(), ui("Успішність користувачів"));
    // 12 bars at first of 30; the rest a scroll away.
    QCOMPARE(barsOf(w, MonitorChart::Tasks)->count(), 12);
    QCOMPARE(barsOf(w, MonitorChart::Tasks)->at(0), 25.0);
    QCOMPARE(barsOf(w, MonitorChart::Tasks)->color(), QColor(0, 255, 0));
    QVERIFY(w.scrollBar(MonitorChart::Tasks)->isVisibleTo(&w));
    w.scrollBar(MonitorChart::Tasks)->setValue(18);
    QCOMPARE(w.charts().firstBar(MonitorChart::Tasks), 18);
    QCOMPARE(barsOf(w, MonitorChart::Tasks)->at(11), 0.0);  // task 30
    // The testees: 400 div (10 x 14 letters) = 2 bars per page, the grade
    // scale the axis top, the average under it.
    w.showChart(MonitorChart::Testees);
    QCOMPARE(w.charts().barsPerPage(MonitorChart::Testees), 2);
    QCOMPARE(barsOf(w, MonitorChart::Testees)->color(), QColor(0, 50, 255));
    auto* names = qobject_cast<QBarCategoryAxis*>(
        w.charts().chart(MonitorChart::Testees)->axes(Qt::Horizontal).front());
    QCOMPARE(names->at(0), ui("Коваль Олена"));
    QCOMPARE(names->titleText(),
             ui("Середня успішність: 7") + QChar(systemDecimalPoint()) + ui("5 бал"));
    auto* grades = qobject_cast<QValueAxis*>(
        w.charts().chart(MonitorChart::Testees)->axes(Qt::Vertical).front());
    QCOMPARE(grades->max(), 12.0);
    // One slice per level, in order, in its colour.
    auto* pie = qobject_cast<QPieSeries*>(w.charts().chart(MonitorChart::Levels)->series().front());
    QCOMPARE(pie->count(), 4);
    QVERIFY(pie->slices()[0]->label().startsWith(ui("Низький")));
    QCOMPARE(pie->slices()[0]->color(), QColor(255, 0, 0));
    QCOMPARE(pie->slices()[3]->color(), QColor(0, 255, 0));
    QVERIFY(w.notice()->isHidden());
    for (MonitorChart c : kMonitorCharts) keep(w, c, QString("chart-%1").arg(int(c)));
  }

  void theOneAttemptViewShowsOnlyItsResult() {
    ChartsWindow w(classOfFour(MonitorView::OneAttempt), ScreenScale{}, scheduler);
    QCOMPARE(w.windowTitle(), ui("Результат тесту"));
    QCOMPARE(w.charts().chart(MonitorChart::Tasks)->title(), ui("Результат тесту (%)"));
    QVERIFY(w.action(ChartsWindow::Item::Tasks)->isEnabled());
    QVERIFY(!w.action(ChartsWindow::Item::Testees)->isEnabled());
    QVERIFY(!w.action(ChartsWindow::Item::Levels)->isEnabled());
    QVERIFY(w.action(ChartsWindow::Item::Print)->isEnabled());
    w.showChart(MonitorChart::Levels);
    QCOMPARE(w.shown(), MonitorChart::Tasks);
    QVERIFY(!w.pieTurning());
  }

  void keysAndArrowsZoomWithinTheirLimits() {
    ChartsWindow w(classOfFour(), ScreenScale{1.6, 1.35, 1.35}, scheduler);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QCOMPARE(w.size(), QSize(640, 405));
    QTest::keyClick(&w, Qt::Key_F1);
    QCOMPARE(w.charts().barsPerPage(MonitorChart::Tasks), 13);
    for (int i = 0; i < 40; ++i) QTest::keyClick(&w, Qt::Key_F1);
    QCOMPARE(w.charts().barsPerPage(MonitorChart::Tasks), 40);
    QVERIFY(!w.action(ChartsWindow::Item::MoreBars)->isEnabled());
    QVERIFY(!w.arrow(MonitorChart::Tasks, true)->isEnabled());
    QTest::keyClick(&w, Qt::Key_F2);
    QCOMPARE(w.charts().barsPerPage(MonitorChart::Tasks), 39);
    for (int i = 0; i < 50; ++i) QTest::keyClick(&w, Qt::Key_F2);
    QCOMPARE(w.charts().barsPerPage(MonitorChart::Tasks), 2);
    QVERIFY(!w.action(ChartsWindow::Item::FewerBars)->isEnabled());
    QVERIFY(w.action(ChartsWindow::Item::MoreBars)->isEnabled());
    // The up arrow adds a bar per page, the down arrow takes one away.
    QToolButton* up = w.arrow(MonitorChart::Tasks, true);
    QTest::mouseClick(up, Qt::LeftButton);
    QCOMPARE(w.charts().barsPerPage(MonitorChart::Tasks), 3);
    QTest::mouseClick(w.arrow(MonitorChart::Tasks, false), Qt::LeftButton);
    QCOMPARE(w.charts().barsPerPage(MonitorChart::Tasks), 2);
    // Each chart keeps its own: 640 div (10 x 14 letters) for the testees.
    w.showChart(MonitorChart::Testees);
    QCOMPARE(w.charts().barsPerPage(MonitorChart::Testees), 4);
    QTest::keyClick(&w, Qt::Key_F1);
    QCOMPARE(w.charts().barsPerPage(MonitorChart::Testees), 5);
    QCOMPARE(w.charts().barsPerPage(MonitorChart::Tasks), 2);
    // On the pie the zoom changes nothing.
    w.showChart(MonitorChart::Levels);
    QVERIFY(!w.action(ChartsWindow::Item::MoreBars)->isEnabled());
    QVERIFY(!w.action(ChartsWindow::Item::FewerBars)->isEnabled());
    QTest::keyClick(&w, Qt::Key_F1);
    QTest::keyClick(&w, Qt::Key_F2);
    w.zoom(1);
    QCOMPARE(w.charts().barsPerPage(MonitorChart::Testees), 5);
    QCOMPARE(w.charts().barsPerPage(MonitorChart::Tasks), 2);
    w.close();
  }

  void theArrowsStayAtTheTopRightOnResize() {
    ChartsWindow w(classOfFour(), ScreenScale{}, scheduler);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    for (QSize size : {QSize(400, 300), QSize(900, 500), QSize(320, 240)}) {
      w.resize(size);
      QApplication::processEvents();
      const QWidget* view = w.charts().view(MonitorChart::Tasks);
      QToolButton* up = w.arrow(MonitorChart::Tasks, true);
      QToolButton* down = w.arrow(MonitorChart::Tasks, false);
      QCOMPARE(up->x() + up->width() / 2, view->width() - 22);
      QCOMPARE(down->x(), up->x());
      QVERIFY(down->y() > up->y());
    }
    w.close();
  }

  void thePieTurnsOnlyWhileItIsShown() {
    ChartsWindow w(classOfFour(), ScreenScale{}, scheduler);
    w.show();
    QVERIFY(!w.pieTurning());
    w.showChart(MonitorChart::Levels);
    QVERIFY(w.pieTurning());
    scheduler.advance(1000);
    QCOMPARE(w.charts().pieAngle(), 10.0);  // a degree every 100 ms
    auto* pie = qobject_cast<QPieSeries*>(w.charts().chart(MonitorChart::Levels)->series().front());
    QCOMPARE(pie->pieStartAngle(), 10.0);
    QCOMPARE(pie->pieEndAngle(), 370.0);
    w.showChart(MonitorChart::Tasks);
    QVERIFY(!w.pieTurning());
    scheduler.advance(1000);
    QCOMPARE(w.charts().pieAngle(), 10.0);
    w.showChart(MonitorChart::Levels);
    scheduler.advance(500);
    QCOMPARE(w.charts().pieAngle(), 15.0);
    w.showChart(MonitorChart::Testees);
    QVERIFY(!w.pieTurning());
    w.showChart(MonitorChart::Levels);
    w.close();
    QVERIFY(!w.pieTurning());
    scheduler.advance(1000);
    QCOMPARE(w.charts().pieAngle(), 15.0);
  }

  void noKeptAttemptStillOpensWithEmptyCharts() {
    MonitorCharts none;
    none.taskCount = 5;
    ChartsWindow w(none, ScreenScale{}, scheduler);
    w.show();
    QCOMPARE(barsOf(w, MonitorChart::Tasks)->count(), 5);
    QCOMPARE(barsOf(w, MonitorChart::Testees)->count(), 0);
    QCOMPARE(w.charts().barsPerPage(MonitorChart::Testees), kFirstTaskBarsPerPage);
    auto* names = qobject_cast<QBarCategoryAxis*>(
        w.charts().chart(MonitorChart::Testees)->axes(Qt::Horizontal).front());
    QCOMPARE(names->titleText(), ui("Середня успішність: — бал"));
    w.showChart(MonitorChart::Levels);
    auto* pie = qobject_cast<QPieSeries*>(w.charts().chart(MonitorChart::Levels)->series().front());
    QCOMPARE(pie->count(), 0);
    w.close();
  }

  void aDamagedFileIsSaidUnderTheCharts() {
    MonitorCharts damaged = classOfFour();
    damaged.read.skippedBytes = 300;
    ChartsWindow w(damaged, ScreenScale{}, scheduler);
    QVERIFY(!w.notice()->isHidden());
    QVERIFY(w.notice()->text().contains(ui("пошкоджено")));
    QVERIFY(w.notice()->text().contains("300"));
  }

  void printsAndSavesTheChartShown() {
    QTemporaryDir dir;
    ChartsWindow w(classOfFour(), ScreenScale{}, scheduler);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.showChart(MonitorChart::Testees);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("printed.pdf"));
    w.printTo(printer);
    QFile printed(dir.filePath("printed.pdf"));
    QVERIFY(printed.open(QIODevice::ReadOnly));
    QVERIFY(printed.size() > 1000);
    QVERIFY(printed.read(5) == "%PDF-");

    QVERIFY(w.saveChart(dir.filePath("chart.pdf")));
    QVERIFY(QFileInfo(dir.filePath("chart.pdf")).size() > 1000);
    QVERIFY(w.saveChart(dir.filePath("chart.png")));
    const QImage png(dir.filePath("chart.png"));
    QCOMPARE(png.size(), w.charts().chart(MonitorChart::Testees)->size().toSize() * 2);
    int blue = 0;  // the testees' bars
    for (int y = 0; y < png.height(); y += 2)
      for (int x = 0; x < png.width(); x += 2) blue += png.pixelColor(x, y) == QColor(0, 50, 255);
    QVERIFY2(blue > 500, qPrintable(QString::number(blue)));

    QVERIFY(w.saveRows(dir.filePath("rows.csv")));
    QFile csv(dir.filePath("rows.csv"));
    QVERIFY(csv.open(QIODevice::ReadOnly));
    const QByteArray bytes = csv.readAll();
    QVERIFY(bytes.startsWith(QByteArray::fromStdString(cp1251("Код;Користувач;Оцінка;Рівень;1;"))));
    QCOMPARE(bytes.count("\r\n"), 6);  // the header, four testees, the averages
    QVERIFY(!w.saveRows(dir.filePath("no/such/folder/rows.csv")));
    w.close();
  }
};

QTEST_MAIN(ChartsWindowTest)
#include "ChartsWindowTest.moc"
