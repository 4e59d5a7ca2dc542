#include "presentation/ui/ClockFace.h"

#include <QPainter>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace ispyt {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr int kCountdownSeconds = 120;
const QColor kMaroon(128, 0, 0);

void paintFace(QPainter& p, QRect box, const FirstScreenLook& look) {
  p.setPen(QPen(look.frameColour, 2));
  fillPanel(p, box.adjusted(1, 1, -1, -1), look.panelTop, look.panelBottom, 17);

  QRectF face = QRectF(box).adjusted(6, 6, -6, -6);
  QRadialGradient g(face.center(), face.width() / 2);
  g.setColorAt(0, QColor(255, 255, 240));
  g.setColorAt(1, look.panelBottom);
  p.setBrush(g);
  p.drawEllipse(face);
  const QPointF c = face.center();
  const double rx = face.width() / 2, ry = face.height() / 2;
  for (int i = 0; i < 60; ++i) {
    const double a = i * kPi / 30;
    const double inner = i % 5 == 0 ? 0.80 : 0.90;
    p.setPen(QPen(look.frameColour, i % 5 == 0 ? 2 : 1));
    p.drawLine(QPointF(c.x() + std::sin(a) * rx * inner, c.y() - std::cos(a) * ry * inner),
               QPointF(c.x() + std::sin(a) * rx * 0.96, c.y() - std::cos(a) * ry * 0.96));
  }
}

QFont clockFont(int pixels, bool bold) {
  QFont f("DejaVu Sans");
  f.setPixelSize(std::max(1, pixels));
  f.setBold(bold);
  return f;
}

}  // namespace

void paintClock(QImage& screen, QRect box, const QImage& background, const ScreenScale& s,
                const FirstScreenLook& look, const ClockReading& r) {
  QPainter p(&screen);
  if (!background.isNull()) p.drawImage(box.topLeft(), background, box);
  p.setRenderHint(QPainter::Antialiasing);
  paintFace(p, box, look);
  const QRectF face = QRectF(box).adjusted(6, 6, -6, -6);
  const QPointF c = face.center();
  if (r.limit > 0) {
    const int left = std::max(0, r.limit - r.elapsed);
    // The whole minutes left stand in the upper half of the face.
    p.setPen(look.frameColour);
    p.setFont(clockFont(s.font(11), true));
    p.drawText(QRectF(face.left(), face.top() + face.height() * 0.22, face.width(),
                      face.height() * 0.2),
               Qt::AlignCenter, QString::number(left / 60));
    if (r.running && left < kCountdownSeconds) {
      p.setFont(clockFont(roundHalfEven(12 * s.scaleMin * 4 / 3.0), true));
      const QRectF lower(face.left(), face.top() + face.height() * 0.58, face.width(),
                         face.height() * 0.22);
      p.setPen(QColor(255, 255, 0));
      p.drawText(lower.translated(-1, -1), Qt::AlignCenter, QString::number(left));
      p.setPen(kMaroon);
      p.drawText(lower, Qt::AlignCenter, QString::number(left));
    }
    // The second hand, one step a second, from twelve o'clock.
    const double a = ((r.elapsed % 60) - 1) * 6 * kPi / 180 - kPi / 2;
    const double rx = face.width() / 2 * 4 / 5 * 6 / 7, ry = face.height() / 2 * 4 / 5 * 6 / 7;
    p.setPen(QPen(look.secondHand, std::max(1.0, 1.5 * s.scaleMin)));
    p.drawLine(c, QPointF(c.x() + std::cos(a) * rx, c.y() + std::sin(a) * ry));
  }
  p.setPen(Qt::NoPen);
  p.setBrush(look.frameColour);
  p.drawEllipse(c, 3, 3);
}

}  // namespace ispyt
