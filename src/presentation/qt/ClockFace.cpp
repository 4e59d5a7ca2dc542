#include "presentation/qt/ClockFace.h"

#include <QPainter>
#include <algorithm>

#include "presentation/ClockDial.h"

namespace ispyt {
namespace {

const QColor kMaroon(128, 0, 0);
const QColor kYellow(255, 255, 0);

QFont clockFont(int pixels, bool bold) {
  QFont f("DejaVu Sans");
  f.setPixelSize(std::max(1, pixels));
  f.setBold(bold);
  return f;
}

}  // namespace

void paintClock(QImage& screen, QRect box, const ScreenScale& s, const FirstScreenLook& look,
                const ClockReading& r) {
  QPainter p(&screen);
  p.drawImage(box.topLeft(), look.clockFace);
  p.setRenderHint(QPainter::Antialiasing);
  const ClockStep c =
      clockStep({box.width(), box.height()}, s, r.elapsed, r.limit, r.running, look.textured);
  const QPointF centre(box.left() + c.centre.x, box.top() + c.centre.y);
  if (r.limit > 0) {
    // The whole minutes left stand in the upper half of the face.
    p.setPen(look.frameColour);
    p.setFont(clockFont(s.font(11), true));
    p.drawText(QRectF(box.left(), box.top() + box.height() * 0.28, box.width(), box.height() * 0.16),
               Qt::AlignCenter, QString::number(c.minutesLeft));
    if (c.countdown) {
      p.setFont(clockFont(roundHalfEven(c.countdownSize * 4 / 3.0), true));
      const QPoint at(box.left() + c.countdownAt.x, box.top() + c.countdownAt.y);
      const QString seconds = QString::number(c.secondsLeft);
      const int ascent = p.fontMetrics().ascent();
      if (c.yellowCopy) {
        p.setPen(kYellow);
        p.drawText(at + QPoint(-1, ascent - 1), seconds);
      }
      p.setPen(kMaroon);
      p.drawText(at + QPoint(0, ascent), seconds);
    }
    p.setPen(QPen(turned(look.secondHand, look.clockColourOffset),
                  std::max(1, roundHalfEven(s.scaleMin))));
    p.drawLine(centre, QPointF(box.left() + c.handEnd.x, box.top() + c.handEnd.y));
  }
  p.setPen(Qt::NoPen);
  p.setBrush(look.frameColour);
  p.drawEllipse(centre, 3 * s.scaleMin, 3 * s.scaleMin);
}

}  // namespace ispyt
