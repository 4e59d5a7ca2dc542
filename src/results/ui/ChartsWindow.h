#pragma once
// The monitoring window: the three charts filling it, one shown at a time,
// under the menus "Діаграми" (which chart) and "Команди" (bars per page,
// printing, saving).  F1 and F2 and the two arrows at a bar chart's top
// right change the bars per page; the level pie turns while it is shown.
// Built anew for every showing; closing or hiding it stops the pie.

#include <QWidget>
#include <array>
#include <memory>

#include "platform/Scheduler.h"
#include "presentation/ScreenScale.h"
#include "results/MonitorCharts.h"
#include "results/ui/MonitorChartSet.h"

class QAction;
class QLabel;
class QPrinter;
class QScrollBar;
class QStackedWidget;
class QToolButton;

namespace ispyt {

class ChartsWindow : public QWidget {
  Q_OBJECT
 public:
  enum class Item { Tasks, Testees, Levels, MoreBars, FewerBars, Print, SavePdf, SavePng, SaveCsv };

  // Sized 400 x 300 of the design at `scale`; the per-task chart shown.
  ChartsWindow(MonitorCharts data, const ScreenScale& scale, Scheduler& scheduler,
               QWidget* parent = nullptr);
  ~ChartsWindow() override;

  const MonitorChartSet& charts() const { return *charts_; }
  MonitorChart shown() const { return shown_; }
  QAction* action(Item item) const { return actions_[static_cast<int>(item)]; }
  // The arrows of a bar chart: up adds a bar per page, down takes one away.
  QToolButton* arrow(MonitorChart chart, bool up) const;
  QScrollBar* scrollBar(MonitorChart chart) const;
  QLabel* notice() const { return notice_; }
  bool pieTurning() const { return pieTimer_->isActive(); }

  void showChart(MonitorChart which);
  // One bar more (+1, "Зменшити", F1) or fewer (-1, "Збільшити", F2) per
  // page of the bar chart shown.
  void zoom(int change);
  // The chart shown, on the printer's page.
  void printTo(QPrinter& printer);
  // The chart shown as ".pdf" or ".png" (by the name's end), or the rows as
  // CSV; false when the file could not be written.
  bool saveChart(const QString& file);
  bool saveRows(const QString& file);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* barPage(MonitorChart which);
  void placeArrows(MonitorChart which);
  void syncScrollBar(MonitorChart which);
  void syncItems();
  void print();
  void saveWithDialog(Item item);

  ScreenScale scale_;
  std::unique_ptr<MonitorChartSet> charts_;
  std::unique_ptr<Timer> pieTimer_;
  MonitorChart shown_ = MonitorChart::Tasks;
  QStackedWidget* stack_ = nullptr;
  QLabel* notice_ = nullptr;
  std::array<QAction*, 9> actions_{};
  std::array<std::array<QToolButton*, 2>, 2> arrows_{};  // per bar chart: up, down
  std::array<QScrollBar*, 2> scrollBars_{};
};

// The window's caption: "Моніторинг" for all attempts, "Результат тесту" for
// one (Windows-1251).
std::string chartsWindowCaption(MonitorView view);

}  // namespace ispyt
