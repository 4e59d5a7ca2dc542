#include "presentation/ui/FirstScreen.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "platform/Cp1251.h"
#include "platform/Paths.h"
#include "platform/qt/QtColour.h"
#include "platform/qt/QtGeometry.h"
#include "presentation/ColourSchemes.h"
#include "presentation/MainLayout.h"
#include "presentation/ui/ClockFace.h"
#include "presentation/ui/ScorePanel.h"

namespace ispyt {
namespace {

QRect screenRect(const ScreenScale& s, const Rect& design) { return qrect(s.rect(design)); }

QImage loadPicture(const std::filesystem::path& programFolder, const std::string& folder,
                   const std::string& name) {
  if (name.empty()) return {};
  std::filesystem::path file = locate(programFolder, folder + "/" + name + ".bmp");
  std::u8string u = file.u8string();
  return QImage(QString::fromUtf8(reinterpret_cast<const char*>(u.data()),
                                  static_cast<qsizetype>(u.size())));
}

}  // namespace

void applyScheme(FirstScreenLook& look, const DecorSettings& decor) {
  const ColourScheme& s = colourSchemeOf(decor.colourScheme);
  look.windowColour = qcolor(s.window);
  look.panelTop = qcolor(s.panelTop);
  look.panelBottom = qcolor(s.panelBottom);
  look.stripTop = qcolor(s.stripTop);
  look.stripBottom = qcolor(s.stripBottom);
  look.backgroundTop = qcolor(s.backgroundTop);
  look.backgroundBottom = qcolor(s.backgroundBottom);
  look.secondHand =
      qcolor(secondHandColour(decor.colourScheme, decor.clockBackground, decor.clockColour));
}

QImage backdropTile(const std::string& name, const std::filesystem::path& programFolder,
                    const ArtworkList& artwork) {
  QImage picture = loadPicture(programFolder, "Decor/Fon2", name);
  if (!picture.isNull()) return picture.convertToFormat(QImage::Format_RGB32);
  if (name == cp1251("Пергамент")) return artwork.cut(artwork::kParchmentTile);
  return {};
}

void fillPanel(QPainter& p, QRect r, QColor top, QColor bottom, int radius) {
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  g.setColorAt(0, top);
  g.setColorAt(1, bottom);
  p.setBrush(g);
  p.drawRoundedRect(r, radius, radius);
}

QImage buildProgramBackground(QSize windowSize, const ScreenScale& scale,
                              const ArtworkList& artwork, const FirstScreenLook& look,
                              ProgramBackground& b) {
  QImage background(windowSize, QImage::Format_RGB32);
  QPainter p(&background);
  QImage picture = loadPicture(b.programFolder, "Decor/Fon1", b.name);
  if (!picture.isNull()) {
    if (picture.width() >= kDesignWidth)
      p.drawImage(background.rect(), picture);
    else
      p.fillRect(background.rect(), QBrush(picture.convertToFormat(QImage::Format_RGB32)));
  } else if (b.name == cp1251("Накат")) {
    p.fillRect(background.rect(), QBrush(artwork.cut(artwork::kRollerTile)));
  } else if (b.name == cp1251("Прозорий") && !b.desktop.isNull()) {
    p.drawImage(0, 0, b.desktop);
  } else {
    b.name = cp1251("Градієнт");
    QLinearGradient g(0, 0, 0, windowSize.height());
    g.setColorAt(0, look.backgroundTop);
    g.setColorAt(1, look.backgroundBottom);
    p.fillRect(background.rect(), g);
  }
  if (b.cardFrame) {
    p.setRenderHint(QPainter::Antialiasing);
    QRect card = screenRect(scale, layout::kCardArea);
    p.setPen(QPen(look.frameColour, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(card.adjusted(1, 1, -1, -1), 16.5, 16.5);
  }
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
