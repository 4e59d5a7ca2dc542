#pragma once
// The three monitoring charts, drawn with Qt Charts from the monitoring
// data: the per-task bars, the per-testee bars and the levels' pie.  A bar
// chart shows a page of its bars at a time; the pie can be turned.  The
// charts window shows them, and ispyt-tool draws them the same way.

#include <QChartView>
#include <QColor>
#include <QImage>
#include <array>
#include <memory>

#include "presentation/ScreenScale.h"
#include "results/MonitorCharts.h"

class QBarSet;
class QBarSeries;
class QBarCategoryAxis;
class QPainter;
class QPieSeries;

namespace ispyt {

enum class MonitorChart { Tasks, Testees, Levels };
inline constexpr std::array<MonitorChart, 3> kMonitorCharts = {
    MonitorChart::Tasks, MonitorChart::Testees, MonitorChart::Levels};

class MonitorChartSet {
 public:
  // `scale` sizes the texts; `windowWidth` sets the per-testee chart's bars
  // per page; `decimalPoint` writes the average grade.
  MonitorChartSet(MonitorCharts data, const ScreenScale& scale, int windowWidth, char decimalPoint);
  ~MonitorChartSet();

  const MonitorCharts& data() const { return data_; }
  // The chart's view; a layout may take it in, the set still deletes it.
  QChartView* view(MonitorChart which) const { return views_[index(which)].get(); }
  QChart* chart(MonitorChart which) const { return view(which)->chart(); }

  static bool paged(MonitorChart which) { return which != MonitorChart::Levels; }
  int barCount(MonitorChart which) const;
  int barsPerPage(MonitorChart which) const { return pages_[index(which)].perPage; }
  int firstBar(MonitorChart which) const { return pages_[index(which)].first; }
  // One bar more (+1) or fewer (-1) per page, within 2..40; nothing on the
  // pie.
  void zoom(MonitorChart which, int change);
  // Every bar on one page, as a picture of the whole chart shows them.
  void showEveryBar(MonitorChart which);
  // The page starting at `first` (kept within the bars).
  void scrollTo(MonitorChart which, int first);

  void turnPie(double degrees);
  double pieAngle() const { return pieAngle_; }

  // The chart laid out anew at `size` (a shown view lays it out again at
  // its own on its next resize).
  void layOut(MonitorChart which, QSize size) const;
  // The chart as it stands drawn into `target` of the painter's device,
  // without the window's controls over it.
  void render(MonitorChart which, QPainter& painter, const QRectF& target) const;
  // The chart laid out at `size` (then as it was), drawn `pixelRatio`
  // times as large.
  QImage picture(MonitorChart which, QSize size, int pixelRatio = 1) const;

 private:
  struct Page {
    int perPage = kFirstTaskBarsPerPage;
    int first = 0;
  };
  static int index(MonitorChart which) { return static_cast<int>(which); }
  void buildBars(MonitorChart which, const QColor& colour, int maximum, const QString& axisTitle,
                 const ScreenScale& scale);
  void buildLevels(const ScreenScale& scale);
  void showPage(MonitorChart which);

  MonitorCharts data_;
  std::array<std::unique_ptr<QChartView>, 3> views_;
  std::array<Page, 3> pages_{};
  std::array<QBarSet*, 3> sets_{};
  std::array<QBarCategoryAxis*, 3> categories_{};
  QPieSeries* pie_ = nullptr;
  double pieAngle_ = 0;
};

// The system's decimal separator, as the average grade is written.
char systemDecimalPoint();

// The titles (Windows-1251): "Середній результат тесту (%)" or, of one
// attempt, "Результат тесту (%)"; "Досягнення користувачів (в балах)";
// "Успішність користувачів".
std::string monitorChartTitle(MonitorChart which, MonitorView view);

}  // namespace ispyt
