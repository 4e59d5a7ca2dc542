#include "results/ui/ClosingPicture.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "platform/qt/QtText.h"
#include "results/ComputeGrade.h"
#include "results/ResultScreenMotion.h"
#include "results/ui/ResultBackdrop.h"

namespace ispyt {
namespace {

constexpr double kPi = std::numbers::pi;
const QColor kNavy(0, 0, 128);
const QColor kVeil(16, 30, 84);
// The ribbon in the colours of the flag.
const QColor kRibbonBlue(0, 87, 183);
const QColor kRibbonYellow(255, 213, 0);

struct Metal {
  QColor light, mid, dark;
};

Metal metalOf(AchievementLevel level) {
  switch (level) {
    case AchievementLevel::High:  // gold
      return {QColor(255, 240, 160), QColor(236, 184, 40), QColor(160, 110, 10)};
    case AchievementLevel::Sufficient:  // silver
      return {QColor(250, 252, 255), QColor(192, 200, 212), QColor(110, 120, 138)};
    case AchievementLevel::Medium:  // bronze
      return {QColor(250, 206, 160), QColor(204, 128, 62), QColor(124, 70, 28)};
    case AchievementLevel::Low:
      break;
  }
  return {QColor(214, 230, 250), QColor(128, 160, 204), QColor(58, 82, 128)};  // steel blue
}

// A seal's toothed edge: `teeth` points between two radii.
QPainterPath toothedDisc(QPointF c, double outer, double inner, int teeth) {
  QPainterPath path;
  for (int i = 0; i < 2 * teeth; ++i) {
    const double a = i * kPi / teeth - kPi / 2;
    const double r = i % 2 == 0 ? outer : inner;
    const QPointF pt(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
    if (i == 0)
      path.moveTo(pt);
    else
      path.lineTo(pt);
  }
  path.closeSubpath();
  return path;
}

// Two tails hanging from behind the medal, cut in a V.
void drawRibbon(QPainter& p, QPointF c, double r) {
  for (int side : {-1, 1}) {
    const double x0 = c.x() + side * r * 0.18;
    const double x1 = c.x() + side * r * 0.78;
    const double top = c.y() + r * 0.2, foot = c.y() + r * 1.75;
    QPainterPath tail;
    tail.moveTo(x0 - side * r * 0.22, top);
    tail.lineTo(x0 + side * r * 0.22, top);
    tail.lineTo(x1 + side * r * 0.18, foot);
    tail.lineTo((x0 + x1) / 2 + side * r * 0.16, foot - r * 0.22);
    tail.lineTo(x1 - side * r * 0.40, foot);
    tail.closeSubpath();
    QLinearGradient g(QPointF(x0 - r * 0.3, 0), QPointF(x0 + r * 0.3, 0));
    const QColor colour = side < 0 ? kRibbonBlue : kRibbonYellow;
    g.setColorAt(0, colour.darker(125));
    g.setColorAt(0.5, colour.lighter(112));
    g.setColorAt(1, colour.darker(125));
    p.setPen(QPen(colour.darker(150), std::max(1.0, r * 0.015)));
    p.setBrush(g);
    p.drawPath(tail);
  }
}

// Soft beams of light turning behind the medal: wedges whose light fades
// outwards.
void drawBeams(QPainter& p, QPointF c, double reach, int step, double strength) {
  constexpr int kBeams = 8;
  QRadialGradient light(c, reach);
  light.setColorAt(0, QColor(255, 240, 170, static_cast<int>(90 * strength)));
  light.setColorAt(1, QColor(255, 240, 170, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(light);
  const double turn = step * 1.5 * kPi / 180;
  for (int i = 0; i < kBeams; ++i) {
    const double a = turn + i * 2 * kPi / kBeams;
    const double half = kPi / kBeams / 2;
    const QPointF tip[] = {c, c + reach * QPointF(std::cos(a - half), std::sin(a - half)),
                           c + reach * QPointF(std::cos(a + half), std::sin(a + half))};
    p.drawPolygon(tip, 3);
  }
}

void drawMedal(QPainter& p, QPointF c, double r, int grade, const Metal& metal) {
  drawRibbon(p, c, r);
  // Shadow, toothed seal edge, rim and face.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 30, 70));
  p.drawPath(toothedDisc(c + QPointF(r * 0.04, r * 0.07), r, r * 0.93, 36));
  QRadialGradient edge(c + QPointF(-r * 0.35, -r * 0.45), r * 1.6);
  edge.setColorAt(0, metal.light);
  edge.setColorAt(0.45, metal.mid);
  edge.setColorAt(1, metal.dark);
  p.setBrush(edge);
  p.setPen(QPen(metal.dark, std::max(1.0, r * 0.012)));
  p.drawPath(toothedDisc(c, r, r * 0.93, 36));
  QLinearGradient rim(c - QPointF(0, r), c + QPointF(0, r));
  rim.setColorAt(0, metal.dark);
  rim.setColorAt(1, metal.light);
  p.setBrush(rim);
  p.setPen(Qt::NoPen);
  p.drawEllipse(c, r * 0.82, r * 0.82);
  QRadialGradient face(c + QPointF(-r * 0.25, -r * 0.3), r * 1.1);
  face.setColorAt(0, metal.light);
  face.setColorAt(0.6, metal.mid);
  face.setColorAt(1, metal.dark);
  p.setBrush(face);
  p.drawEllipse(c, r * 0.74, r * 0.74);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(255, 255, 255, 110), std::max(1.0, r * 0.02), Qt::DotLine));
  p.drawEllipse(c, r * 0.66, r * 0.66);

  // The grade, pressed into the face.
  QFont font("DejaVu Serif");
  font.setBold(true);
  font.setPixelSize(std::max(6, static_cast<int>(r * (grade >= 10 ? 0.72 : 0.88))));
  p.setFont(font);
  const QRectF box(c.x() - r, c.y() - r, 2 * r, 2 * r);
  const QString text = QString::number(grade);
  p.setPen(QColor(255, 255, 255, 150));
  p.drawText(box.translated(r * 0.025, r * 0.035), Qt::AlignCenter, text);
  p.setPen(metal.dark.darker(140));
  p.drawText(box, Qt::AlignCenter, text);

  // A glint across the upper face.
  QPainterPath glint;
  glint.addEllipse(QRectF(c.x() - r * 0.55, c.y() - r * 0.68, r * 1.1, r * 0.5));
  QLinearGradient shine(c - QPointF(0, r * 0.7), c - QPointF(0, r * 0.2));
  shine.setColorAt(0, QColor(255, 255, 255, 90));
  shine.setColorAt(1, QColor(255, 255, 255, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(shine);
  p.drawPath(glint);
}

// The achievement level's name on a banner under the medal.
void drawBanner(QPainter& p, QPointF top, double r, const QString& text, double opacity) {
  QFont font("DejaVu Sans");
  font.setBold(true);
  font.setPixelSize(std::max(6, static_cast<int>(r * 0.24)));
  const QFontMetricsF m(font);
  const double w = m.horizontalAdvance(text) + r * 0.6, h = m.height() + r * 0.16;
  const QRectF band(top.x() - w / 2, top.y(), w, h);
  p.setOpacity(opacity);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 30, 60));
  p.drawRoundedRect(band.translated(0, r * 0.04), h / 3, h / 3);
  QLinearGradient fill(band.topLeft(), band.bottomLeft());
  fill.setColorAt(0, Qt::white);
  fill.setColorAt(1, QColor(226, 234, 250));
  p.setBrush(fill);
  p.setPen(QPen(QColor(150, 170, 210), std::max(1.0, r * 0.012)));
  p.drawRoundedRect(band, h / 3, h / 3);
  p.setFont(font);
  p.setPen(kNavy);
  p.drawText(band, Qt::AlignCenter, text);
  p.setOpacity(1);
}

// The screen seen through a circle that shrinks to nothing.
void drawIris(QPainter& p, QSize size, double shade, const QImage& backdrop) {
  const double w = size.width(), h = size.height();
  QLinearGradient ground(0, 0, 0, h);
  ground.setColorAt(0, kVeil.lighter(150));
  ground.setColorAt(1, kVeil);
  p.fillRect(QRectF(0, 0, w, h), ground);
  const double radius = (1 - shade) * std::hypot(w, h) / 2;
  if (radius <= 0) return;
  const QPointF c(w / 2, h / 2);
  // The screen as the circle's brush: only the circle is painted.
  if (backdrop.isNull())
    p.setBrush(resultSky(size));
  else
    p.setBrush(backdrop.size() == size ? backdrop : backdrop.scaled(size));
  p.setPen(QPen(QColor(255, 255, 255, 160), std::max(1.0, std::min(w, h) * 0.006)));
  p.drawEllipse(c, radius, radius);
}

}  // namespace

QImage closingPicture(QSize size, int step, int grade, int gradeScale, const QImage& backdrop) {
  QImage image = resultCanvas(size);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  const double shade = closingShade(step);
  if (grade <= 0) {
    drawIris(p, image.size(), shade, backdrop);
    p.end();
    return image;
  }

  paintResultBackdrop(p, image.size(), backdrop);
  const double w = image.width(), h = image.height();
  QColor veil = kVeil;
  veil.setAlphaF(0.6 * shade);
  p.fillRect(QRectF(0, 0, w, h), veil);

  const double scale = medalScale(step);
  const double full = std::min(w, h) * 0.27;
  const QPointF c(w / 2, h * 0.42);
  drawBeams(p, c, full * 2.2, step, std::min(1.0, shade * 1.6));
  if (scale > 0) {
    const AchievementLevel level = GradeLevel(grade, gradeScale > 0 ? gradeScale : 12);
    drawMedal(p, c, full * scale, grade, metalOf(level));
    // The level's name once the medal has settled.
    const double opacity = std::clamp((step - 34) / 14.0, 0.0, 1.0);
    if (opacity > 0)
      drawBanner(p, QPointF(c.x(), c.y() + full * 1.12), full, fromCp1251(levelName(level)),
                 opacity);
  }
  p.end();
  return image;
}

}  // namespace ispyt
