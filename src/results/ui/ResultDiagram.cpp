#include "results/ui/ResultDiagram.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "attempt/AttemptEngine.h"
#include "platform/qt/QtText.h"
#include "results/ResultScreenMotion.h"
#include "results/ui/ResultBackdrop.h"

namespace ispyt {
namespace {

constexpr double kPi = std::numbers::pi;
const QColor kNavy(0, 0, 128);
const QColor kRight(52, 168, 83);
const QColor kRightLight(120, 212, 128);
const QColor kWrong(232, 106, 140);
const QColor kWrongLight(250, 178, 198);

// A piece of the ring from `start` degrees (0 at three o'clock, counter-
// clockwise) over `span` degrees (negative: clockwise).
QPainterPath ringPiece(QPointF c, double outer, double inner, double start, double span) {
  QPainterPath path;
  const QRectF out(c.x() - outer, c.y() - outer, 2 * outer, 2 * outer);
  const QRectF in(c.x() - inner, c.y() - inner, 2 * inner, 2 * inner);
  path.arcMoveTo(out, start);
  path.arcTo(out, start, span);
  path.arcTo(in, start + span, -span);
  path.closeSubpath();
  return path;
}

QRadialGradient ringGradient(QPointF c, double outer, double inner, QColor dark, QColor light) {
  QRadialGradient g(c, outer);
  g.setColorAt(inner / outer, dark);
  g.setColorAt((inner / outer + 1) / 2, light);
  g.setColorAt(1, dark);
  return g;
}

QPointF onCircle(QPointF c, double radius, double degrees) {
  const double a = degrees * kPi / 180;
  return {c.x() + radius * std::cos(a), c.y() - radius * std::sin(a)};
}

// A soft glow of light at `at`.
void glow(QPainter& p, QPointF at, double radius) {
  QRadialGradient g(at, radius);
  g.setColorAt(0, QColor(255, 255, 255, 240));
  g.setColorAt(0.35, QColor(255, 255, 255, 150));
  g.setColorAt(1, QColor(255, 255, 255, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(g);
  p.drawEllipse(at, radius, radius);
}

void drawPrompt(QPainter& p, QRectF band, double unit) {
  QFont font("DejaVu Sans");
  font.setBold(true);
  font.setPixelSize(std::max(8, static_cast<int>(unit * 0.55)));
  p.setFont(font);
  const QString text = fromCp1251(diagramPrompt());
  const QFontMetricsF m(font);
  const double w = m.horizontalAdvance(text) + unit * 1.4, h = m.height() + unit * 0.5;
  const QRectF pill(band.center().x() - w / 2, band.center().y() - h / 2, w, h);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 60, 40));
  p.drawRoundedRect(pill.translated(0, unit * 0.12), h / 2, h / 2);
  QLinearGradient fill(pill.topLeft(), pill.bottomLeft());
  fill.setColorAt(0, QColor(255, 250, 214));
  fill.setColorAt(1, QColor(255, 226, 140));
  p.setBrush(fill);
  p.setPen(QPen(QColor(214, 160, 40), std::max(1.0, unit * 0.06)));
  p.drawRoundedRect(pill, h / 2, h / 2);
  p.setPen(kNavy);
  p.drawText(pill, Qt::AlignCenter, text);
}

// The percentage and the counts in the ring's middle, counting up with
// the sweep.
void drawMiddle(QPainter& p, QPointF c, double radius, const DiagramShares& s, double sweep) {
  QFont big("DejaVu Sans");
  big.setBold(true);
  big.setPixelSize(std::max(8, static_cast<int>(radius * 0.62)));
  QFont small("DejaVu Sans");
  small.setBold(true);
  small.setPixelSize(std::max(6, static_cast<int>(radius * 0.26)));
  const QString number = QString::number(static_cast<int>(std::lround(s.percent * sweep)));
  const double numberW = QFontMetricsF(big).horizontalAdvance(number);
  const double signW = QFontMetricsF(small).horizontalAdvance("%");
  const double left = c.x() - (numberW + signW) / 2;
  const double base = c.y() + radius * 0.12;
  p.setPen(kNavy);
  p.setFont(big);
  p.drawText(QPointF(left, base), number);
  p.setFont(small);
  p.drawText(QPointF(left + numberW + radius * 0.02, base), "%");

  // A dot of each colour with its count, faded in with the sweep.
  p.setOpacity(sweep);
  const QString right = QString::number(s.rightElements), wrong = QString::number(s.wrongElements);
  const QFontMetricsF m(small);
  const double dot = radius * 0.16, gap = radius * 0.08, space = radius * 0.2;
  const double width =
      2 * (dot + gap) + m.horizontalAdvance(right) + m.horizontalAdvance(wrong) + space;
  double x = c.x() - width / 2;
  const double y = c.y() + radius * 0.45;
  auto entry = [&](QColor colour, const QString& text) {
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(QRectF(x, y - dot * 0.75, dot, dot));
    x += dot + gap;
    p.setPen(QColor(60, 60, 90));
    p.drawText(QPointF(x, y), text);
    x += m.horizontalAdvance(text) + space;
  };
  entry(kRight, right);
  entry(kWrong, wrong);
  p.setOpacity(1);
}

}  // namespace

QImage resultDiagram(QSize size, double angle, int judged, int wrong, bool prompt,
                     const QImage& backdrop) {
  QImage image = resultCanvas(size);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  paintResultBackdrop(p, image.size(), backdrop);

  const double w = image.width(), h = image.height();
  const double band = h * 0.16;  // the prompt's strip at the foot
  const double outer = std::max(2.0, std::min(w, h - band) * 0.42);
  const double inner = outer * 0.70;
  const QPointF c(w / 2, (h - band) / 2 + band * 0.15);

  // Shadow, rim and the track the parts are laid on.
  const QPointF shadowAt = c + QPointF(0, outer * 0.05);
  const double shadowReach = outer * 1.14;
  QRadialGradient shadow(shadowAt, shadowReach);
  shadow.setColorAt(0.85, QColor(0, 0, 60, 60));
  shadow.setColorAt(1, QColor(0, 0, 60, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(shadow);
  p.drawEllipse(shadowAt, shadowReach, shadowReach);
  p.setBrush(Qt::white);
  p.setPen(QPen(QColor(196, 206, 228), std::max(1.0, outer * 0.015)));
  p.drawEllipse(c, outer * 1.04, outer * 1.04);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(228, 232, 241));
  p.drawPath(ringPiece(c, outer, inner, 0, 360));

  const DiagramShares s = diagramShares(judged, wrong);
  const double sweep = s.empty ? 0 : diagramSweep(angle);
  if (sweep > 0) {
    const double total = -360 * sweep;  // clockwise from twelve o'clock
    const double rightSpan = total * s.right;
    const double wrongSpan = total - rightSpan;
    if (rightSpan != 0) {
      p.setBrush(ringGradient(c, outer, inner, kRight, kRightLight));
      p.drawPath(ringPiece(c, outer, inner, 90, rightSpan));
    }
    if (wrongSpan != 0) {
      p.setBrush(ringGradient(c, outer, inner, kWrong, kWrongLight));
      p.drawPath(ringPiece(c, outer, inner, 90 + rightSpan, wrongSpan));
    }
    // The light rides the sweep's edge, then goes on round while the
    // diagram waits for the click.
    const double lead = sweep < 1 ? 90 + total : 90 - (angle - 6 * kPi) * 180 / kPi;
    glow(p, onCircle(c, (outer + inner) / 2, lead), (outer - inner) * 0.75);
  }

  // The middle: a pale disc with the percentage.
  QRadialGradient disc(c + QPointF(0, -inner * 0.3), inner * 1.2);
  disc.setColorAt(0, Qt::white);
  disc.setColorAt(1, QColor(236, 242, 252));
  p.setBrush(disc);
  p.setPen(QPen(QColor(210, 218, 236), std::max(1.0, outer * 0.012)));
  p.drawEllipse(c, inner * 0.94, inner * 0.94);
  if (!s.empty) drawMiddle(p, c, inner * 0.94, s, sweep);

  if (prompt) drawPrompt(p, QRectF(0, h - band, w, band), band * 0.7);
  p.end();
  return image;
}

}  // namespace ispyt
