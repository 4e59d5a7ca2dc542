#include "attempt/ui/CardPopupList.h"

#include <QKeyEvent>
#include <QScreen>
#include <QScrollBar>
#include <algorithm>

namespace ispyt {

CardPopupList::CardPopupList(QWidget* parent) : QListWidget(parent) {
  setWindowFlags(Qt::Popup);
  setObjectName("list");
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setStyleSheet(
      "QListWidget { background: white; color: black; border: 1px solid #5a6f94; }"
      "QListWidget::item:hover, QListWidget::item:selected { background: #c9dcf5; color: black; }");
  connect(this, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
    hide();
    emit chosen(row(item));
  });
}

void CardPopupList::popUp(const QRect& box, int rows) {
  const int shown = std::clamp(count(), 1, rows);
  const int frame = 2 * frameWidth();
  const int scrollBar = count() > rows ? verticalScrollBar()->sizeHint().width() : 0;
  const int width = std::max(box.width(), sizeHintForColumn(0) + frame + scrollBar + 8);
  QRect r(box.bottomLeft() + QPoint(0, 1),
          QSize(width, shown * std::max(1, sizeHintForRow(0)) + frame));
  if (QScreen* s = screen(); s && r.bottom() > s->geometry().bottom()) r.moveBottom(box.top() - 1);
  setGeometry(r);
  clearSelection();
  scrollToTop();
  show();
  setFocus();
}

void CardPopupList::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) hide();
  event->accept();
}

}  // namespace ispyt
