#include "presentation/qt/ScorePanel.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "presentation/MainLayout.h"
#include "presentation/TaskWheel.h"

namespace ispyt {
namespace {

const QColor kOutline(64, 64, 128);
const QColor kCentre(255, 128, 192);
const QColor kLightYellow(255, 255, 128);

QColor petalColour(PetalLook look) {
  switch (look) {
    case PetalLook::Open:
      return {176, 176, 255};
    case PetalLook::Done:
      return kLightYellow;
    case PetalLook::Current:
      return {255, 190, 110};
    case PetalLook::Late:
      return {150, 150, 250};
  }
  return Qt::white;
}

QRect onPanel(const ScreenScale& s, const Rect& design, QRect panel) {
  const Rect r = s.rect(design);
  const Rect p = s.rect(layout::kScorePanel);
  return {panel.left() + r.x - p.x, panel.top() + r.y - p.y, r.width, r.height};
}

QFont panelFont(int pixels, bool bold, bool italic = false) {
  QFont f("DejaVu Sans");
  f.setPixelSize(std::max(1, pixels));
  f.setBold(bold);
  f.setItalic(italic);
  return f;
}

void paintWheel(QPainter& p, QRect panel, const ScreenScale& s, const ScorePanelView& v,
                int turn) {
  const int n = static_cast<int>(v.petals.size());
  const TaskWheel wheel = taskWheel(s, std::max(n, 1));
  const QPointF c(panel.left() + wheel.centre.x, panel.top() + wheel.centre.y);
  const double r = wheel.radius;
  p.setPen(QPen(kOutline, std::max(1.0, 1.3 * s.scaleMin)));
  if (n == 0) {
    p.setBrush(turned(petalColour(PetalLook::Open), turn));
    p.drawEllipse(c, r, r);
    p.setBrush(turned(kCentre, turn));
    p.drawEllipse(c, r * 0.3, r * 0.3);
    return;
  }
  // Neighbouring petals touch where the hit test's reach ends; a few big
  // petals are kept small enough for the wheel to stay on its panel.
  const double petal = std::min(std::sin(std::numbers::pi / n), 0.45) * r * 0.94;
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(c, r, r);
  for (int i = 1; i <= n; ++i) {
    const PointF pc = wheel.petalCentre(i);
    const QPointF at(panel.left() + pc.x, panel.top() + pc.y);
    p.setBrush(turned(petalColour(v.petals[i - 1]), turn));
    p.drawEllipse(at, petal, petal);
    if (petal >= 7) {
      p.setPen(kOutline);
      p.setFont(panelFont(static_cast<int>(petal * 0.95), true));
      p.drawText(QRectF(at.x() - petal, at.y() - petal, 2 * petal, 2 * petal), Qt::AlignCenter,
                 QString::number(i));
      p.setPen(QPen(kOutline, std::max(1.0, 1.3 * s.scaleMin)));
    }
  }
  const double disc = std::max(r - petal * 1.15, r * 0.3);
  p.setBrush(turned(kCentre, turn));
  p.drawEllipse(c, disc, disc);
  if (v.centreNumber > 0) {
    p.setPen(kLightYellow);
    p.setFont(panelFont(static_cast<int>(disc * 0.95), true));
    p.drawText(QRectF(c.x() - disc, c.y() - disc, 2 * disc, 2 * disc), Qt::AlignCenter,
               QString::number(v.centreNumber));
  }
}

void paintSign(QPainter& p, QRect box, ModeSign sign, const FirstScreenLook& look) {
  if (sign == ModeSign::None) return;
  QRadialGradient g(box.center(), box.width() / 2.0);
  const QColor inner = sign == ModeSign::GiveUp ? QColor(255, 210, 210) : QColor(220, 255, 220);
  const QColor outer = sign == ModeSign::GiveUp ? QColor(220, 60, 60) : QColor(40, 160, 80);
  g.setColorAt(0, inner);
  g.setColorAt(1, outer);
  p.setPen(QPen(look.frameColour, 2));
  p.setBrush(g);
  p.drawEllipse(QRectF(box).adjusted(2, 2, -2, -2));
  const QRectF b = QRectF(box).adjusted(box.width() * 0.28, box.height() * 0.28,
                                        -box.width() * 0.28, -box.height() * 0.28);
  p.setPen(QPen(Qt::white, std::max(2.0, box.width() / 9.0), Qt::SolidLine, Qt::RoundCap,
                Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  switch (sign) {
    case ModeSign::Hint: {  // a question mark
      QPainterPath q;
      q.moveTo(b.left() + b.width() * 0.15, b.top() + b.height() * 0.3);
      q.cubicTo(b.left() + b.width() * 0.15, b.top() - b.height() * 0.1, b.right(),
                b.top() - b.height() * 0.05, b.right() - b.width() * 0.1,
                b.top() + b.height() * 0.35);
      q.cubicTo(b.right() - b.width() * 0.2, b.top() + b.height() * 0.55, b.center().x(),
                b.top() + b.height() * 0.5, b.center().x(), b.top() + b.height() * 0.72);
      p.drawPath(q);
      p.drawPoint(QPointF(b.center().x(), b.bottom() + b.height() * 0.05));
      break;
    }
    case ModeSign::GiveUp:  // a cross
      p.drawLine(b.topLeft(), b.bottomRight());
      p.drawLine(b.topRight(), b.bottomLeft());
      break;
    case ModeSign::Review: {  // an arrow to the next task
      const double y = b.center().y();
      p.drawLine(QPointF(b.left(), y), QPointF(b.right(), y));
      p.drawLine(QPointF(b.right(), y), QPointF(b.right() - b.width() * 0.4, b.top()));
      p.drawLine(QPointF(b.right(), y), QPointF(b.right() - b.width() * 0.4, b.bottom()));
      break;
    }
    case ModeSign::None:
      break;
  }
}

void paintScore(QPainter& p, QRect box, const QString& score, const ScreenScale& s) {
  if (score.isEmpty()) return;
  p.setPen(QPen(QColor(64, 64, 128), 1));
  p.setBrush(Qt::white);
  p.drawRoundedRect(box, 4, 4);
  p.setPen(QColor(128, 0, 64));
  const int size = score.endsWith('%') || score.size() >= 3 ? 20 : 24;
  QFont f = panelFont(s.font(size * 0.9), true, true);
  f.setFamily("Arial");
  p.setFont(f);
  p.drawText(box, Qt::AlignCenter, score);
}

}  // namespace

void paintScorePanel(QImage& screen, QRect panel, const ScreenScale& s,
                     const FirstScreenLook& look, const ScorePanelView& view) {
  QPainter p(&screen);
  p.drawImage(panel.topLeft(), look.scoreFace);
  p.setRenderHint(QPainter::Antialiasing);
  paintWheel(p, panel, s, view, look.diagramColourOffset);
  paintSign(p, onPanel(s, layout::kModeSign, panel), view.sign, look);
  paintScore(p, onPanel(s, layout::kScoreBox, panel), view.score, s);
}

}  // namespace ispyt
