#pragma once
// The received attempts as a table for the window: the shown columns, with
// sorting by each column's own order and the class and test filter.

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>
#include <vector>

#include "receiver/ResultColumns.h"

namespace ispyt::receiver {

class AttemptsModel : public QAbstractTableModel {
 public:
  using QAbstractTableModel::QAbstractTableModel;

  void add(const std::vector<StoredAttempt>& attempts);
  const std::vector<StoredAttempt>& attempts() const { return attempts_; }
  const StoredAttempt& at(int row) const { return attempts_.at(static_cast<std::size_t>(row)); }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  std::vector<StoredAttempt> attempts_;
};

class AttemptsView : public QSortFilterProxyModel {
 public:
  explicit AttemptsView(AttemptsModel& model, QObject* parent = nullptr);
  void setFilter(AttemptFilter filter);
  const AttemptFilter& filter() const { return filter_; }
  // The attempts shown, in the order shown.
  std::vector<StoredAttempt> shown() const;

 protected:
  bool filterAcceptsRow(int row, const QModelIndex& parent) const override;

 private:
  AttemptsModel& model_;
  AttemptFilter filter_;
};

}  // namespace ispyt::receiver
