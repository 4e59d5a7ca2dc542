#include "presentation/ui/FirstScreen.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "shell/MainLayout.h"

namespace ispyt {
namespace {

QRect screenRect(const ScreenScale& s, const Rect& design) {
  Rect r = s.rect(design);
  return {r.x, r.y, r.width, r.height};
}

void fillGradient(QPainter& p, QRect r, QColor top, QColor bottom, int radius) {
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  g.setColorAt(0, top);
  g.setColorAt(1, bottom);
  p.setBrush(g);
  p.drawRoundedRect(r, radius, radius);
}

void paintClockFace(QPainter& p, QRect box, const FirstScreenLook& look) {
  QRectF face = QRectF(box).adjusted(6, 6, -6, -6);
  QRadialGradient g(face.center(), face.width() / 2);
  g.setColorAt(0, QColor(255, 255, 240));
  g.setColorAt(1, look.panelBottom);
  p.setPen(QPen(look.frameColour, 2));
  p.setBrush(g);
  p.drawEllipse(face);
  QPointF c = face.center();
  double rx = face.width() / 2, ry = face.height() / 2;
  for (int i = 0; i < 60; ++i) {
    double a = i * M_PI / 30;
    double inner = i % 5 == 0 ? 0.80 : 0.90;
    p.setPen(QPen(look.frameColour, i % 5 == 0 ? 2 : 1));
    p.drawLine(QPointF(c.x() + std::sin(a) * rx * inner, c.y() - std::cos(a) * ry * inner),
               QPointF(c.x() + std::sin(a) * rx * 0.96, c.y() - std::cos(a) * ry * 0.96));
  }
  p.setBrush(look.frameColour);
  p.drawEllipse(c, 3, 3);
}

void paintEmptyWheel(QPainter& p, QRect panel, const ScreenScale& s) {
  QPointF c(panel.left() + 150 * s.scaleX, panel.top() + 88 * s.scaleY);
  double r = 45 * s.scaleMin;
  p.setPen(QPen(QColor(64, 64, 128), 1.5));
  p.setBrush(QColor(176, 176, 255));
  p.drawEllipse(c, r, r);
  p.setBrush(QColor(255, 128, 192));
  p.drawEllipse(c, r * 0.3, r * 0.3);
}

}  // namespace

QImage buildProgramBackground(QSize windowSize, const ScreenScale& scale,
                              const ArtworkList& artwork, const FirstScreenLook& look) {
  QImage background(windowSize, QImage::Format_RGB32);
  QPainter p(&background);
  QImage tile = artwork.cut(artwork::kRollerTile);
  p.fillRect(background.rect(), QBrush(tile));
  p.setRenderHint(QPainter::Antialiasing);
  QRect card = screenRect(scale, layout::kCardArea);
  p.setPen(QPen(look.frameColour, 2));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(card.adjusted(1, 1, -1, -1), 16.5, 16.5);
  return background;
}

void paintFirstScreen(QImage& screen, const ScreenScale& s, const FirstScreenLook& look) {
  QPainter p(&screen);
  p.setRenderHint(QPainter::Antialiasing);

  QRect strip = screenRect(s, layout::kMenuStrip);
  QLinearGradient g(strip.topLeft(), strip.bottomLeft());
  g.setColorAt(0, look.stripTop);
  g.setColorAt(1, look.stripBottom);
  p.fillRect(strip, g);
  p.setPen(QPen(look.frameColour, 1));
  p.drawLine(strip.bottomLeft(), strip.bottomRight());

  QRect bottom = screenRect(s, layout::kBottomBar);
  QLinearGradient gb(bottom.topLeft(), bottom.bottomLeft());
  gb.setColorAt(0, look.stripBottom);
  gb.setColorAt(1, look.stripTop);
  p.fillRect(bottom, gb);

  p.setPen(QPen(look.frameColour, 2));
  QRect status = screenRect(s, layout::kStatusStrip);
  fillGradient(p, status, look.stripTop, look.stripBottom, 8);
  p.setPen(QColor(90, 40, 0));
  QFont script("DejaVu Serif", 1, -1, true);
  script.setPixelSize(std::max(1, s.font(13)));
  p.setFont(script);
  p.drawText(status, Qt::AlignCenter, look.publisherLine);

  QRect panel = screenRect(s, layout::kScorePanel);
  p.setPen(QPen(look.frameColour, 2));
  fillGradient(p, panel, look.panelTop, look.panelBottom, 17);
  p.setBrush(QBrush(look.frameColour, Qt::DiagCrossPattern));
  p.drawRoundedRect(panel.adjusted(2, 2, -1, -1), 17, 17);
  paintEmptyWheel(p, panel, s);

  QRect clock = screenRect(s, layout::kClockBox);
  p.setPen(QPen(look.frameColour, 2));
  fillGradient(p, clock, look.panelTop, look.panelBottom, 17);
  paintClockFace(p, clock, look);
}

}  // namespace ispyt
