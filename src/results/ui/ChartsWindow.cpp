#include "results/ui/ChartsWindow.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QScrollBar>
#include <QShortcut>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QToolButton>
#include <QVBoxLayout>

#include "platform/Cp1251.h"
#include "platform/qt/PixelFont.h"
#include "platform/qt/QtText.h"
#include "results/MonitorCsv.h"

namespace ispyt {
namespace {

constexpr int kPieTurnMs = 100;
// The arrows stand this far left of a bar chart's right edge, whatever its
// size.
constexpr int kArrowInset = 22;
constexpr int kSavedPixelRatio = 2;

int chartIndex(MonitorChart c) { return static_cast<int>(c); }

}  // namespace

std::string chartsWindowCaption(MonitorView view) {
  return cp1251(view == MonitorView::AllAttempts ? "Моніторинг" : "Результат тесту");
}

ChartsWindow::ChartsWindow(MonitorCharts data, const ScreenScale& scale, Scheduler& scheduler,
                           QWidget* parent)
    : QWidget(parent, Qt::Window), scale_(scale) {
  const MonitorView view = data.view;
  const int width = scale.x(400);
  charts_ = std::make_unique<MonitorChartSet>(std::move(data), scale, width, systemDecimalPoint());
  pieTimer_ = scheduler.createTimer([this] { charts_->turnPie(1); });
  setWindowTitle(fromCp1251(chartsWindowCaption(view)));
  setAttribute(Qt::WA_DeleteOnClose, false);

  auto* menus = new QMenuBar(this);
  QMenu* chartsMenu = menus->addMenu(ui("Діаграми"));
  QMenu* commands = menus->addMenu(ui("Команди"));
  auto* group = new QActionGroup(this);
  const char* const chartItems[] = {"Результат", "Досягнення", "Успішність"};
  for (MonitorChart c : kMonitorCharts) {
    QAction* a =
        chartsMenu->addAction(ui(chartItems[chartIndex(c)]), this, [this, c] { showChart(c); });
    a->setCheckable(true);
    group->addAction(a);
    actions_[chartIndex(c)] = a;
  }
  actions_[static_cast<int>(Item::MoreBars)] =
      commands->addAction(ui("Зменшити    F1"), this, [this] { zoom(1); });
  actions_[static_cast<int>(Item::FewerBars)] =
      commands->addAction(ui("Збільшити   F2"), this, [this] { zoom(-1); });
  actions_[static_cast<int>(Item::Print)] =
      commands->addAction(ui("Друк"), this, [this] { print(); });
  commands->addSeparator();
  actions_[static_cast<int>(Item::SavePdf)] = commands->addAction(
      ui("Зберегти як PDF..."), this, [this] { saveWithDialog(Item::SavePdf); });
  actions_[static_cast<int>(Item::SavePng)] = commands->addAction(
      ui("Зберегти як PNG..."), this, [this] { saveWithDialog(Item::SavePng); });
  actions_[static_cast<int>(Item::SaveCsv)] = commands->addAction(
      ui("Зберегти таблицю CSV..."), this, [this] { saveWithDialog(Item::SaveCsv); });
  // The keys stand in the items' texts; the items take no shortcut of
  // their own, which would show them twice.
  new QShortcut(QKeySequence(Qt::Key_F1), this, [this] { zoom(1); });
  new QShortcut(QKeySequence(Qt::Key_F2), this, [this] { zoom(-1); });

  stack_ = new QStackedWidget(this);
  for (MonitorChart c : kMonitorCharts)
    stack_->addWidget(MonitorChartSet::paged(c) ? barPage(c) : charts_->view(c));
  notice_ = new QLabel(fromCp1251(monitorNotice(charts_->data())), this);
  notice_->setWordWrap(true);
  notice_->setStyleSheet("color: #a00000; background: #fff4e0; padding: 2px;");
  notice_->setFont(pixelFont("DejaVu Sans", scale.font(8), true));
  notice_->setVisible(!notice_->text().isEmpty());

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->setMenuBar(menus);
  layout->addWidget(stack_, 1);
  layout->addWidget(notice_);

  resize(width, scale.y(300));
  showChart(MonitorChart::Tasks);
}

ChartsWindow::~ChartsWindow() = default;

QWidget* ChartsWindow::barPage(MonitorChart which) {
  auto* page = new QWidget;
  auto* box = new QVBoxLayout(page);
  box->setContentsMargins(0, 0, 0, 0);
  box->setSpacing(0);
  QChartView* view = charts_->view(which);
  box->addWidget(view, 1);
  auto* bar = new QScrollBar(Qt::Horizontal, page);
  connect(bar, &QScrollBar::valueChanged, this, [this, which](int first) {
    if (first != charts_->firstBar(which)) charts_->scrollTo(which, first);
  });
  box->addWidget(bar);
  scrollBars_[chartIndex(which)] = bar;
  const QFont arrowFont = pixelFont("DejaVu Sans", scale_.font(8), true);
  const int side = scale_.font(16);
  for (bool up : {true, false}) {
    auto* arrow = new QToolButton(view);
    arrow->setText(up ? QString(QChar(0x25B2)) : QString(QChar(0x25BC)));
    arrow->setFont(arrowFont);
    arrow->setAutoRaise(true);
    arrow->setFixedSize(side, side);
    arrow->setToolTip(ui(up ? "Більше стовпчиків на сторінці" : "Менше стовпчиків на сторінці"));
    connect(arrow, &QToolButton::clicked, this, [this, up] { zoom(up ? 1 : -1); });
    arrows_[chartIndex(which)][up ? 0 : 1] = arrow;
  }
  view->installEventFilter(this);
  syncScrollBar(which);
  return page;
}

QToolButton* ChartsWindow::arrow(MonitorChart chart, bool up) const {
  return MonitorChartSet::paged(chart) ? arrows_[chartIndex(chart)][up ? 0 : 1] : nullptr;
}

QScrollBar* ChartsWindow::scrollBar(MonitorChart chart) const {
  return MonitorChartSet::paged(chart) ? scrollBars_[chartIndex(chart)] : nullptr;
}

bool ChartsWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Resize)
    for (MonitorChart c : {MonitorChart::Tasks, MonitorChart::Testees})
      if (watched == charts_->view(c)) placeArrows(c);
  return QWidget::eventFilter(watched, event);
}

void ChartsWindow::placeArrows(MonitorChart which) {
  const QWidget* view = charts_->view(which);
  QToolButton* up = arrows_[chartIndex(which)][0];
  QToolButton* down = arrows_[chartIndex(which)][1];
  const int left = view->width() - kArrowInset - up->width() / 2;
  up->move(left, 2);
  down->move(left, 2 + up->height());
}

void ChartsWindow::syncScrollBar(MonitorChart which) {
  QScrollBar* bar = scrollBars_[chartIndex(which)];
  const int count = charts_->barCount(which);
  const int perPage = charts_->barsPerPage(which);
  const QSignalBlocker quiet(bar);
  bar->setRange(0, std::max(count - perPage, 0));
  bar->setPageStep(perPage);
  bar->setValue(charts_->firstBar(which));
  bar->setVisible(count > perPage);
}

void ChartsWindow::syncItems() {
  const bool all = charts_->data().view == MonitorView::AllAttempts;
  action(Item::Testees)->setEnabled(all);
  action(Item::Levels)->setEnabled(all);
  action(Item::Tasks)->setChecked(shown_ == MonitorChart::Tasks);
  action(Item::Testees)->setChecked(shown_ == MonitorChart::Testees);
  action(Item::Levels)->setChecked(shown_ == MonitorChart::Levels);
  const bool paged = MonitorChartSet::paged(shown_);
  const int perPage = charts_->barsPerPage(shown_);
  const bool more = paged && perPage < kMostBarsPerPage;
  const bool fewer = paged && perPage > kFewestBarsPerPage;
  action(Item::MoreBars)->setEnabled(more);
  action(Item::FewerBars)->setEnabled(fewer);
  if (paged) {
    arrow(shown_, true)->setEnabled(more);
    arrow(shown_, false)->setEnabled(fewer);
  }
}

void ChartsWindow::showChart(MonitorChart which) {
  // The other views belong to all attempts only.
  if (which != MonitorChart::Tasks && charts_->data().view != MonitorView::AllAttempts) return;
  shown_ = which;
  stack_->setCurrentIndex(chartIndex(which));
  if (which == MonitorChart::Levels)
    pieTimer_->start(kPieTurnMs);
  else
    pieTimer_->stop();
  syncItems();
}

void ChartsWindow::zoom(int change) {
  if (!MonitorChartSet::paged(shown_)) return;
  charts_->zoom(shown_, change);
  syncScrollBar(shown_);
  syncItems();
}

void ChartsWindow::closeEvent(QCloseEvent* event) {
  pieTimer_->stop();
  QWidget::closeEvent(event);
}

void ChartsWindow::hideEvent(QHideEvent* event) {
  pieTimer_->stop();
  QWidget::hideEvent(event);
}

void ChartsWindow::printTo(QPrinter& printer) {
  QPainter p;
  if (!p.begin(&printer)) return;
  p.setRenderHint(QPainter::Antialiasing);
  // The chart as large as the page takes it, its shape kept.
  const QRectF page = p.viewport();
  const QSizeF chart = charts_->chart(shown_)->size().scaled(page.size(), Qt::KeepAspectRatio);
  charts_->render(shown_, p, QRectF(page.topLeft(), chart));
}

bool ChartsWindow::saveChart(const QString& file) {
  if (file.endsWith(".pdf", Qt::CaseInsensitive)) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setOutputFileName(file);
    printTo(printer);
    return QFileInfo(file).size() > 0;
  }
  const QSize size = charts_->chart(shown_)->size().toSize();
  return charts_->picture(shown_, size, kSavedPixelRatio).save(file, "PNG");
}

bool ChartsWindow::saveRows(const QString& file) {
  const std::string csv = monitorCsv(charts_->data(), systemDecimalPoint());
  QSaveFile out(file);
  return out.open(QIODevice::WriteOnly) &&
         out.write(csv.data(), static_cast<qint64>(csv.size())) ==
             static_cast<qint64>(csv.size()) &&
         out.commit();
}

void ChartsWindow::print() {
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageOrientation(QPageLayout::Landscape);
  QPrintDialog dialog(&printer, this);
  if (dialog.exec() == QDialog::Accepted) printTo(printer);
}

void ChartsWindow::saveWithDialog(Item item) {
  const char* extension = item == Item::SavePdf ? ".pdf" : item == Item::SavePng ? ".png" : ".csv";
  const QString filter = item == Item::SavePdf   ? "PDF (*.pdf)"
                         : item == Item::SavePng ? "PNG (*.png)"
                                                 : "CSV (*.csv)";
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  QString file = QFileDialog::getSaveFileName(
      this, windowTitle(), QDir(folder).filePath(windowTitle() + extension), filter);
  if (file.isEmpty()) return;
  if (!file.endsWith(extension, Qt::CaseInsensitive)) file += extension;
  const bool saved = item == Item::SaveCsv ? saveRows(file) : saveChart(file);
  if (!saved) QMessageBox::warning(this, windowTitle(), ui("Помилка") + "\n" + file);
}

}  // namespace ispyt
