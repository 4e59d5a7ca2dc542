#include "results/ui/MonitorChartSet.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QGraphicsLayout>
#include <QHash>
#include <QLocale>
#include <QPainter>
#include <QPieSeries>
#include <QPieSlice>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "platform/Cp1251.h"
#include "platform/qt/PixelFont.h"
#include "platform/qt/QtText.h"

namespace ispyt {
namespace {

const QColor kTaskBars(0, 255, 0);  // lime
const QColor kTesteeBars(0, 50, 255);
const QColor kLevelColours[4] = {QColor(255, 0, 0), QColor(0, 50, 255), QColor(255, 255, 0),
                                 QColor(0, 255, 0)};

struct Fonts {
  QFont title;
  QFont labels;
  QFont marks;
};

Fonts fontsFor(const ScreenScale& s) {
  return {pixelFont("DejaVu Sans", s.font(9), true), pixelFont("DejaVu Sans", s.font(7)),
          pixelFont("DejaVu Sans", s.font(7), true)};
}

std::unique_ptr<QChartView> newView(const QString& title, const Fonts& fonts) {
  auto* chart = new QChart;
  chart->setTitle(title);
  chart->setTitleFont(fonts.title);
  chart->legend()->hide();
  chart->setBackgroundRoundness(0);
  chart->layout()->setContentsMargins(0, 0, 0, 0);
  auto view = std::make_unique<QChartView>(chart);
  view->setRenderHint(QPainter::Antialiasing);
  return view;
}

// A value axis from 0 to `maximum` with whole-number labels.
QValueAxis* valueAxis(int maximum, const Fonts& fonts) {
  auto* axis = new QValueAxis;
  axis->setRange(0, std::max(maximum, 1));
  axis->setLabelFormat("%d");
  axis->setLabelsFont(fonts.labels);
  // At most ten steps of whole points, so that the labels never crowd.
  axis->setTickType(QValueAxis::TicksDynamic);
  axis->setTickAnchor(0);
  axis->setTickInterval(std::max((maximum + 9) / 10, 1));
  return axis;
}

}  // namespace

char systemDecimalPoint() {
  const std::string point = toCp1251(QLocale::system().decimalPoint());
  return point.size() == 1 ? point[0] : '.';
}

std::string monitorChartTitle(MonitorChart which, MonitorView view) {
  switch (which) {
    case MonitorChart::Tasks:
      return cp1251(view == MonitorView::AllAttempts ? "Середній результат тесту (%)"
                                                     : "Результат тесту (%)");
    case MonitorChart::Testees:
      return cp1251("Досягнення користувачів (в балах)");
    case MonitorChart::Levels:
      break;
  }
  return cp1251("Успішність користувачів");
}

MonitorChartSet::MonitorChartSet(MonitorCharts data, const ScreenScale& scale, int windowWidth,
                                 char decimalPoint)
    : data_(std::move(data)) {
  buildBars(MonitorChart::Tasks, kTaskBars, 100, QString(), scale);
  pages_[index(MonitorChart::Testees)].perPage = testeeBarsPerPage(data_, windowWidth);
  buildBars(MonitorChart::Testees, kTesteeBars, data_.gradeScale,
            fromCp1251(cp1251("Середня успішність: ") + averageGradeText(data_, decimalPoint) +
                       cp1251(" бал")),
            scale);
  buildLevels(scale);
  for (MonitorChart which : {MonitorChart::Tasks, MonitorChart::Testees}) showPage(which);
}

MonitorChartSet::~MonitorChartSet() = default;

// The per-task and the per-testee charts: one set of bars, its values
// over them, a value axis up to `maximum`.
void MonitorChartSet::buildBars(MonitorChart which, const QColor& colour, int maximum,
                                const QString& axisTitle, const ScreenScale& scale) {
  const Fonts fonts = fontsFor(scale);
  auto& view = views_[index(which)];
  view = newView(fromCp1251(monitorChartTitle(which, data_.view)), fonts);
  auto* set = new QBarSet(QString());
  set->setColor(colour);
  set->setBorderColor(colour.darker(140));
  set->setLabelColor(Qt::black);
  set->setLabelFont(fonts.marks);
  auto* series = new QBarSeries;
  series->append(set);
  series->setLabelsVisible(true);
  series->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
  series->setLabelsFormat("@value");
  QChart* chart = view->chart();
  chart->addSeries(series);
  auto* x = new QBarCategoryAxis;
  x->setLabelsFont(fonts.labels);
  if (!axisTitle.isEmpty()) {
    x->setTitleText(axisTitle);
    x->setTitleFont(fonts.title);
  }
  chart->addAxis(x, Qt::AlignBottom);
  chart->addAxis(valueAxis(maximum, fonts), Qt::AlignLeft);
  series->attachAxis(x);
  series->attachAxis(chart->axes(Qt::Vertical).front());
  sets_[index(which)] = set;
  categories_[index(which)] = x;
}

void MonitorChartSet::buildLevels(const ScreenScale& scale) {
  const Fonts fonts = fontsFor(scale);
  auto& view = views_[index(MonitorChart::Levels)];
  view = newView(fromCp1251(monitorChartTitle(MonitorChart::Levels, data_.view)), fonts);
  pie_ = new QPieSeries;
  pie_->setPieSize(0.62);
  for (auto [level, count] : levelSlices(data_)) {
    auto* slice = pie_->append(fromCp1251(levelName(level)) + ": " + QString::number(count), count);
    slice->setColor(kLevelColours[static_cast<int>(level)]);
    slice->setBorderColor(Qt::white);
    slice->setLabelFont(fonts.labels);
    slice->setLabelVisible(true);
  }
  view->chart()->addSeries(pie_);
}

int MonitorChartSet::barCount(MonitorChart which) const {
  switch (which) {
    case MonitorChart::Tasks:
      return data_.taskCount;
    case MonitorChart::Testees:
      return static_cast<int>(data_.rows.size());
    case MonitorChart::Levels:
      break;
  }
  return static_cast<int>(levelSlices(data_).size());
}

void MonitorChartSet::zoom(MonitorChart which, int change) {
  if (!paged(which)) return;
  Page& page = pages_[index(which)];
  page.perPage = zoomBarsPerPage(page.perPage, change);
  showPage(which);
}

void MonitorChartSet::showEveryBar(MonitorChart which) {
  if (!paged(which)) return;
  pages_[index(which)] = {std::max(barCount(which), 1), 0};
  showPage(which);
}

void MonitorChartSet::scrollTo(MonitorChart which, int first) {
  if (!paged(which)) return;
  pages_[index(which)].first = first;
  showPage(which);
}

void MonitorChartSet::showPage(MonitorChart which) {
  Page& page = pages_[index(which)];
  const int count = barCount(which);
  page.first = std::clamp(page.first, 0, std::max(count - page.perPage, 0));
  const int end = std::min(count, page.first + page.perPage);
  QList<qreal> values;
  QStringList labels;
  QHash<QString, int> repeats;
  for (int i = page.first; i < end; ++i) {
    if (which == MonitorChart::Tasks) {
      values << data_.taskValues[i + 1];
      labels << QString::number(i + 1);
    } else {
      const MonitorRow& row = data_.rows[static_cast<std::size_t>(i)];
      values << row.grade;
      // Two attempts under one name keep two bars, though a category is
      // unique: a repeated name gets invisible spaces after it.
      const QString label = fromCp1251(rowLabel(row));
      labels << label + QString(repeats[label]++, QChar(0x200B));
    }
  }
  QBarSet* set = sets_[index(which)];
  set->remove(0, set->count());
  set->append(values);
  QBarCategoryAxis* axis = categories_[index(which)];
  axis->clear();
  axis->append(labels);
}

void MonitorChartSet::turnPie(double degrees) {
  pieAngle_ = std::fmod(pieAngle_ + degrees, 360.0);
  pie_->setPieStartAngle(pieAngle_);
  pie_->setPieEndAngle(pieAngle_ + 360);
}

void MonitorChartSet::render(MonitorChart which, QPainter& painter, const QRectF& target) const {
  QChart* c = chart(which);
  c->scene()->render(&painter, target, QRectF(QPointF(0, 0), c->size()), Qt::IgnoreAspectRatio);
}

void MonitorChartSet::layOut(MonitorChart which, QSize size) const {
  QChart* c = chart(which);
  c->resize(QSizeF(size));
  c->layout()->activate();
}

QImage MonitorChartSet::picture(MonitorChart which, QSize size, int pixelRatio) const {
  QChart* c = chart(which);
  const QSize before = c->size().toSize();
  layOut(which, size);
  QImage image(size * pixelRatio, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  render(which, p, QRectF(QPointF(0, 0), QSizeF(image.size())));
  p.end();
  layOut(which, before);
  return image;
}

}  // namespace ispyt
