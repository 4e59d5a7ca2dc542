#include "attempt/ui/CardDropDown.h"

#include <QMouseEvent>
#include <algorithm>

#include "attempt/CardLayout.h"

namespace ispyt {

CardDropDown::CardDropDown(QWidget* parent)
    : QWidget(parent),
      panel_(new QLabel(this)),
      arrow_(new QLabel(QString::fromUtf8("▼"), this)) {
  panel_->setObjectName("panel");
  arrow_->setObjectName("arrow");
  panel_->setTextFormat(Qt::PlainText);
  panel_->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
  arrow_->setAlignment(Qt::AlignCenter);
  setFocusPolicy(Qt::NoFocus);
  setCursor(Qt::PointingHandCursor);
  setStyleSheet(
      "QLabel#panel { background: white; color: black; border: 1px solid #8b9ab4;"
      " border-right: none; border-top-left-radius: 3px; border-bottom-left-radius: 3px;"
      " padding-left: 4px; }"
      "QLabel#arrow { background: #dfe7f3; color: #1c3f7a; border: 1px solid #8b9ab4;"
      " border-top-right-radius: 3px; border-bottom-right-radius: 3px; }"
      "QLabel#panel:disabled { background: #eef0f3; }"
      "QLabel#arrow:disabled { background: #eef0f3; color: #a8adb5; }");
}

CardPopupList* CardDropDown::list() {
  if (list_) return list_;
  list_ = new CardPopupList(this);
  if (listFont_) list_->setFont(*listFont_);
  list_->addItems(items_);
  connect(list_, &CardPopupList::chosen, this, &CardDropDown::chosen);
  return list_;
}

void CardDropDown::setItems(const QStringList& items) {
  items_ = items;
  if (!list_) return;
  list_->clear();
  list_->addItems(items);
}

void CardDropDown::setPanelColour(const QColor& colour) {
  // The panel's own sheet outweighs the box's, the disabled look included.
  panel_->setStyleSheet(colour.isValid() ? QString("QLabel#panel { background: %1; }")
                                               .arg(colour.name())
                                         : QString());
}

void CardDropDown::setBoxFont(const QFont& font) {
  panel_->setFont(font);
  listFont_ = font;
  if (list_) list_->setFont(font);
  QFont small = font;
  small.setPixelSize(std::max(1, font.pixelSize() * 3 / 4));
  arrow_->setFont(small);
}

void CardDropDown::place(const QRect& box, int arrowWidth) {
  setGeometry(box);
  const int arrow = std::min(arrowWidth, box.width());
  panel_->setGeometry(0, 0, box.width() - arrow, box.height());
  panel_->setVisible(box.width() > arrow);
  arrow_->setGeometry(box.width() - arrow, 0, arrow, box.height());
}

void CardDropDown::openList() {
  CardPopupList* popup = list();
  if (!isEnabled() || popup->count() == 0) return;
  QWidget* under = anchor_ ? anchor_ : this;
  QRect span(under->mapToGlobal(QPoint(0, 0)), under->size());
  // The list reaches to the arrow's right end.
  span.setRight(mapToGlobal(QPoint(width() - 1, 0)).x());
  popup->popUp(span, cardlayout::kPopupRows);
}

void CardDropDown::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) openList();
  event->accept();
}

}  // namespace ispyt
