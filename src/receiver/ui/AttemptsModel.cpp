#include "receiver/ui/AttemptsModel.h"

namespace ispyt::receiver {

void AttemptsModel::add(const std::vector<StoredAttempt>& attempts) {
  if (attempts.empty()) return;
  const int first = static_cast<int>(attempts_.size());
  beginInsertRows({}, first, first + static_cast<int>(attempts.size()) - 1);
  attempts_.insert(attempts_.end(), attempts.begin(), attempts.end());
  endInsertRows();
}

int AttemptsModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(attempts_.size());
}

int AttemptsModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kShownColumns;
}

QVariant AttemptsModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const StoredAttempt& a = at(index.row());
  const auto column = static_cast<Column>(index.column());
  switch (role) {
    case Qt::DisplayRole:
      return QString::fromStdString(cellText(a, column));
    case Qt::UserRole:
      return QString::fromStdString(sortKey(a, column));
    case Qt::TextAlignmentRole:
      if (column == Column::Percent || column == Column::Result120 || column == Column::Grade)
        return int(Qt::AlignRight | Qt::AlignVCenter);
      return {};
    default:
      return {};
  }
}

QVariant AttemptsModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
  return QString::fromStdString(columnTitle(static_cast<Column>(section)));
}

AttemptsView::AttemptsView(AttemptsModel& model, QObject* parent)
    : QSortFilterProxyModel(parent), model_(model) {
  setSourceModel(&model);
  setSortRole(Qt::UserRole);
}

void AttemptsView::setFilter(AttemptFilter filter) {
  filter_ = std::move(filter);
  invalidateFilter();
}

std::vector<StoredAttempt> AttemptsView::shown() const {
  std::vector<StoredAttempt> out;
  for (int row = 0; row < rowCount(); ++row)
    out.push_back(model_.at(mapToSource(index(row, 0)).row()));
  return out;
}

bool AttemptsView::filterAcceptsRow(int row, const QModelIndex&) const {
  return filter_.accepts(model_.at(row));
}

}  // namespace ispyt::receiver
