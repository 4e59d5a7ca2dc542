#include "shell/ui/SideMenuWindow.h"

#include <QMouseEvent>
#include <QPainter>

#include "platform/qt/QtText.h"

namespace ispyt {

SideMenuWindow::SideMenuWindow(QWidget* owner)
    : QWidget(owner, Qt::Popup | Qt::FramelessWindowHint) {
  setMouseTracking(true);
}

void SideMenuWindow::setBackground(const QImage& fill, QColor frameColour) {
  fill_ = fill;
  frameColour_ = frameColour;
}

void SideMenuWindow::setItemFont(const QFont& font) { setFont(font); }

ItemMetrics SideMenuWindow::metrics(int fontSize) const {
  QFontMetrics fm(font());
  return {[fm](const std::string& s) { return fm.horizontalAdvance(fromCp1251(s)); }, fm.height(),
          fontSize};
}

void SideMenuWindow::open(const SideMenuLayout& layout, QPoint screenPosition) {
  layout_ = layout;
  hovered_ = 0;
  setGeometry(QRect(screenPosition, QSize(layout.size.width, layout.size.height)));
  show();
  update();
}

QRect SideMenuWindow::itemRect(int i) const {
  const SideMenuItem& item = layout_.items[i];
  QFontMetrics fm(font());
  return QRect(item.position.x, item.position.y, fm.horizontalAdvance(fromCp1251(item.text)),
               fm.height());
}

int SideMenuWindow::itemAt(QPoint p) const {
  for (int i = 1; i <= kSideMenuItems; ++i)
    if (layout_.items[i].visible && itemRect(i).contains(p)) return i;
  return 0;
}

void SideMenuWindow::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (!fill_.isNull())
    p.drawImage(rect(), fill_);
  else
    p.fillRect(rect(), palette().window());
  p.setFont(font());
  QFontMetrics fm(font());
  for (int i = 1; i <= kSideMenuItems; ++i) {
    const SideMenuItem& item = layout_.items[i];
    if (!item.visible || item.text.empty()) continue;
    QColor colour = !item.enabled ? QColor(128, 128, 128)
                    : i == hovered_ ? QColor(255, 255, 0)
                                    : QColor(0, 0, 128);
    p.setPen(colour);
    const QString text = fromCp1251(item.text);
    p.drawText(item.position.x, item.position.y + fm.ascent(), text);
    if (!item.note.empty()) {
      p.setPen(QColor(176, 0, 0));
      p.drawText(item.position.x + fm.horizontalAdvance(text + "  "), item.position.y + fm.ascent(),
                 fromCp1251(item.note));
    }
  }
  // The separator: a row of underscores across the list.
  p.setPen(QColor(0, 0, 128));
  int underscore = std::max(1, fm.horizontalAdvance('_'));
  p.drawText(4, layout_.separatorTop + fm.ascent(),
             QString(std::max(1, (width() - 8) / underscore), '_'));
  p.setPen(QPen(frameColour_, 2));
  p.drawRect(rect().adjusted(1, 1, -1, -1));
}

void SideMenuWindow::mouseMoveEvent(QMouseEvent* event) {
  int i = itemAt(event->pos());
  if (i != hovered_) {
    hovered_ = i;
    update();
  }
}

void SideMenuWindow::mousePressEvent(QMouseEvent* event) {
  if (!rect().contains(event->pos())) {
    hide();  // a click outside: closed by the system
    return;
  }
  int i = itemAt(event->pos());
  if (i > 0 && layout_.items[i].enabled && !layout_.items[i].text.empty()) emit itemClicked(i);
}

void SideMenuWindow::closeAfterChoice() {
  closingOnPurpose_ = true;
  hide();
  closingOnPurpose_ = false;
}

void SideMenuWindow::hideEvent(QHideEvent* event) {
  if (!closingOnPurpose_) emit closedBySystem();
  QWidget::hideEvent(event);
}

}  // namespace ispyt
