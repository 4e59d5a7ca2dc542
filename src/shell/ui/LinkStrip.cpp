#include "shell/ui/LinkStrip.h"

#include <QMouseEvent>
#include <QPainter>

#include "platform/qt/QtColour.h"
#include "shell/SettingsDialogLayout.h"

namespace ispyt {

namespace sl = settingsLayout;

LinkStrip::LinkStrip(const ScreenScale& scale, QWidget* parent) : QWidget(parent), scale_(scale) {}

void LinkStrip::setCells(const std::array<LinkCell, kLinkStripCells>& cells) {
  cells_ = cells;
  update();
}

QRect LinkStrip::cellRect(int k) const {
  const int side = scale_.font(sl::kLinkCellSize);
  return {scale_.x(sl::kLinkCellX + sl::kLinkCellStep * k), scale_.y(sl::kLinkCellY), side, side};
}

void LinkStrip::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), palette().window());
  for (int k = 0; k < kLinkStripCells; ++k) {
    const LinkCell& c = cells_[static_cast<std::size_t>(k)];
    if (c.task == 0) continue;
    const QRect r = cellRect(k);
    if (c.barToNext) {
      const int h = std::max(2, r.height() / 5);
      p.fillRect(QRect(r.right(), r.center().y() - h / 2, cellRect(k + 1).left() - r.right(), h),
                 qcolor(kLinkedTask).darker(130));
    }
    p.setPen(Qt::black);
    p.setBrush(qcolor(c.fill));
    p.drawRect(r.adjusted(0, 0, -1, -1));
    p.drawText(r, Qt::AlignCenter, QString::number(c.task));
    if (c.intervalEnd) {
      const int x = r.left() + scale_.x(sl::kIntervalEndX);
      p.fillRect(QRect(x, r.top() - scale_.y(3), 2, r.height() + scale_.y(6)), Qt::black);
    }
  }
}

void LinkStrip::mousePressEvent(QMouseEvent* event) {
  for (int k = 0; k < kLinkStripCells; ++k)
    if (cellRect(k).contains(event->position().toPoint())) emit cellClicked(k);
}

}  // namespace ispyt
