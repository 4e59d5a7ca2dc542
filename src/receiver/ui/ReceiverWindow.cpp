#include "receiver/ui/ReceiverWindow.h"

#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QStatusBar>
#include <QTableView>
#include <QTableWidget>
#include <QTime>
#include <QVBoxLayout>

namespace ispyt::receiver {
namespace {

QString q(const std::string& utf8) { return QString::fromStdString(utf8); }

const char* const kAll = "Усі";

// The choices of a filter box, keeping what is chosen.
void setChoices(QComboBox* box, const std::vector<std::string>& items) {
  const QString chosen = box->currentIndex() > 0 ? box->currentText() : QString();
  QSignalBlocker quiet(box);
  box->clear();
  box->addItem(q(kAll));
  for (const std::string& item : items) box->addItem(q(item));
  const int at = chosen.isEmpty() ? 0 : box->findText(chosen);
  box->setCurrentIndex(at < 0 ? 0 : at);
}

std::string choiceOf(const QComboBox* box) {
  return box->currentIndex() > 0 ? box->currentText().toStdString() : std::string();
}

}  // namespace

ReceiverWindow::ReceiverWindow(ResultStore& store, const QString& where, QWidget* parent)
    : QMainWindow(parent), store_(store), where_(where), model_(this), view_(model_, this) {
  setWindowTitle(q("ispyt — результати класу"));
  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);

  auto* filters = new QHBoxLayout;
  filters->addWidget(new QLabel(q("Клас:"), central));
  class_ = new QComboBox(central);
  class_->setMinimumContentsLength(8);
  filters->addWidget(class_);
  filters->addSpacing(12);
  filters->addWidget(new QLabel(q("Тест:"), central));
  test_ = new QComboBox(central);
  test_->setMinimumContentsLength(24);
  filters->addWidget(test_);
  filters->addStretch();
  export_ = new QPushButton(q("Експорт CSV…"), central);
  filters->addWidget(export_);
  layout->addLayout(filters);

  auto* splitter = new QSplitter(Qt::Vertical, central);
  table_ = new QTableView(splitter);
  table_->setModel(&view_);
  table_->setSortingEnabled(true);
  table_->sortByColumn(static_cast<int>(Column::Date), Qt::AscendingOrder);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->verticalHeader()->hide();
  table_->setWordWrap(false);
  table_->setAlternatingRowColors(true);
  // Every column as wide as what it holds; the test's takes what is left.
  QHeaderView* header = table_->horizontalHeader();
  header->setSectionResizeMode(QHeaderView::ResizeToContents);
  header->setSectionResizeMode(static_cast<int>(Column::Test), QHeaderView::Stretch);

  auto* taskPane = new QWidget(splitter);
  auto* taskLayout = new QVBoxLayout(taskPane);
  taskLayout->setContentsMargins(0, 0, 0, 0);
  chosen_ = new QLabel(q("Оберіть спробу, щоб побачити її завдання."), taskPane);
  taskLayout->addWidget(chosen_);
  tasks_ = new QTableWidget(0, 3, taskPane);
  tasks_->setHorizontalHeaderLabels({q("Завдання"), q("Відсоток"), q("Відповідь")});
  tasks_->verticalHeader()->hide();
  tasks_->horizontalHeader()->setStretchLastSection(true);
  tasks_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  taskLayout->addWidget(tasks_);

  log_ = new QPlainTextEdit(splitter);
  log_->setReadOnly(true);
  log_->setMaximumBlockCount(2000);
  splitter->setStretchFactor(0, 5);
  splitter->setStretchFactor(1, 3);
  splitter->setStretchFactor(2, 1);
  layout->addWidget(splitter);
  setCentralWidget(central);
  status_ = new QLabel(this);
  statusBar()->addWidget(status_);

  model_.add(store_.attempts());
  refreshChoices();
  showCount();
  QObject::connect(class_, &QComboBox::currentIndexChanged, this, [this] { filterChosen(); });
  QObject::connect(test_, &QComboBox::currentIndexChanged, this, [this] { filterChosen(); });
  QObject::connect(export_, &QPushButton::clicked, this, [this] { exportChosen(); });
  QObject::connect(table_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
                   [this] { showTasks(); });
  resize(1000, 640);
}

void ReceiverWindow::addStored(const StoredAttempt& attempt) {
  model_.add({attempt});
  refreshChoices();
  showCount();
}

void ReceiverWindow::appendLog(const QString& line) {
  log_->appendPlainText(QTime::currentTime().toString("HH:mm:ss  ") + line);
}

void ReceiverWindow::filterChosen() {
  view_.setFilter({choiceOf(class_), choiceOf(test_)});
  showCount();
}

void ReceiverWindow::refreshChoices() {
  setChoices(class_, classesOf(model_.attempts()));
  setChoices(test_, testsOf(model_.attempts()));
}

void ReceiverWindow::showTasks() {
  const QModelIndex current = table_->currentIndex();
  tasks_->setRowCount(0);
  if (!current.isValid()) return;
  const StoredAttempt& a = model_.at(view_.mapToSource(current).row());
  const std::string group = cellText(a, Column::Class);
  chosen_->setText(q(a.fullName + (group.empty() ? "" : ", " + group) + " — " + a.testName + ", " +
                     a.dateText + " " + a.timeText + ": " + std::to_string(a.percent) + "%, " +
                     std::to_string(a.result120) + " з 120"));
  const std::vector<StoredTask> tasks = store_.tasks(a.id);
  tasks_->setRowCount(static_cast<int>(tasks.size()));
  for (int row = 0; row < static_cast<int>(tasks.size()); ++row) {
    const StoredTask& t = tasks[static_cast<std::size_t>(row)];
    tasks_->setItem(row, 0, new QTableWidgetItem(QString::number(t.task)));
    tasks_->setItem(row, 1, new QTableWidgetItem(QString::number(t.percent)));
    tasks_->setItem(row, 2, new QTableWidgetItem(q(t.answer)));
  }
}

void ReceiverWindow::showCount() {
  status_->setText(where_ + q(" · результатів: ") + QString::number(view_.rowCount()) +
                   (view_.rowCount() == model_.rowCount()
                        ? QString()
                        : q(" з ") + QString::number(model_.rowCount())));
}

bool ReceiverWindow::exportShown(const QString& file, QString& error) const {
  const std::string csv = attemptsCsv(view_.shown());
  QFile out(file);
  if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
      out.write(csv.data(), static_cast<qint64>(csv.size())) != static_cast<qint64>(csv.size()) ||
      !out.flush()) {
    error = out.errorString();
    return false;
  }
  return true;
}

void ReceiverWindow::exportChosen() {
  const QString file = QFileDialog::getSaveFileName(this, q("Експорт результатів"),
                                                    q("результати.csv"), q("CSV (*.csv)"));
  if (file.isEmpty()) return;
  QString error;
  if (!exportShown(file, error))
    QMessageBox::warning(this, windowTitle(), q("Файл не записано: ") + error);
}

}  // namespace ispyt::receiver
