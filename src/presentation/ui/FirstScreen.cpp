#include "presentation/ui/FirstScreen.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "platform/qt/QtGeometry.h"
#include "presentation/MainLayout.h"
#include "presentation/ui/ClockFace.h"
#include "presentation/ui/ScorePanel.h"

namespace ispyt {
namespace {

QRect screenRect(const ScreenScale& s, const Rect& design) { return qrect(s.rect(design)); }

}  // namespace

void fillPanel(QPainter& p, QRect r, QColor top, QColor bottom, int radius) {
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  g.setColorAt(0, top);
  g.setColorAt(1, bottom);
  p.setBrush(g);
  p.drawRoundedRect(r, radius, radius);
}

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
  fillPanel(p, status, look.stripTop, look.stripBottom, 8);
  p.setPen(QColor(90, 40, 0));
  QFont script("DejaVu Serif", 1, -1, true);
  script.setPixelSize(std::max(1, s.font(13)));
  p.setFont(script);
  p.drawText(status, Qt::AlignCenter, look.publisherLine);

  p.end();
  paintScorePanel(screen, screenRect(s, layout::kScorePanel), {}, s, look, {});
  paintClock(screen, screenRect(s, layout::kClockBox), {}, s, look, {});
}

}  // namespace ispyt
