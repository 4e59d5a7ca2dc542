#pragma once
// The receiver's window: the attempts as they arrive, sortable by every
// column and filtered by class and test; the tasks of the attempt chosen;
// the log of what came and what was refused; export to a spreadsheet.

#include <QMainWindow>
#include <QString>

#include "receiver/ResultStore.h"
#include "receiver/ui/AttemptsModel.h"

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTableView;
class QTableWidget;

namespace ispyt::receiver {

class ReceiverWindow : public QMainWindow {
 public:
  // `where` says on the status line where results come in and are kept.
  ReceiverWindow(ResultStore& store, const QString& where, QWidget* parent = nullptr);

  // A new attempt was stored.
  void addStored(const StoredAttempt& attempt);
  void appendLog(const QString& line);
  // The attempts shown, to `file`; false with `error` when it cannot be written.
  bool exportShown(const QString& file, QString& error) const;

  // The controls, for the tests and the screenshots.
  QTableView* table() const { return table_; }
  QTableWidget* tasks() const { return tasks_; }
  QComboBox* classBox() const { return class_; }
  QComboBox* testBox() const { return test_; }
  AttemptsView& view() { return view_; }

 private:
  void filterChosen();
  void refreshChoices();
  void showTasks();
  void showCount();
  void exportChosen();

  ResultStore& store_;
  QString where_;
  AttemptsModel model_;
  AttemptsView view_;
  QComboBox* class_ = nullptr;
  QComboBox* test_ = nullptr;
  QPushButton* export_ = nullptr;
  QTableView* table_ = nullptr;
  QLabel* chosen_ = nullptr;
  QTableWidget* tasks_ = nullptr;
  QPlainTextEdit* log_ = nullptr;
  QLabel* status_ = nullptr;
};

}  // namespace ispyt::receiver
