#include "presentation/qt/FirstScreen.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <future>
#include <numbers>
#include <system_error>
#include <tuple>
#include <utility>

#include "platform/Paths.h"
#include "platform/qt/QtColour.h"
#include "platform/qt/QtGeometry.h"
#include "presentation/MainLayout.h"
#include "presentation/qt/ClockFace.h"
#include "presentation/qt/PanelComposition.h"
#include "presentation/qt/PictureImage.h"
#include "presentation/qt/ScorePanel.h"

namespace ispyt {
namespace {

const QColor kPublisherInk(90, 40, 0);

QImage loadPicture(const std::filesystem::path& programFolder, const std::string& folder,
                   const std::string& name) {
  if (name.empty() || !exists(programFolder, folder + "/" + name + ".bmp")) return {};
  std::u8string u = locate(programFolder, folder + "/" + name + ".bmp").u8string();
  QImage picture(QString::fromUtf8(reinterpret_cast<const char*>(u.data()),
                                   static_cast<qsizetype>(u.size())));
  return picture.isNull() ? picture : picture.convertToFormat(QImage::Format_RGB32);
}

QImage tile(const QImage& picture, Backdrop kind, const ArtworkList& artwork) {
  switch (kind) {
    case Backdrop::Picture:
      return picture;
    case Backdrop::Parchment:
      return artwork.cut(artwork::kParchmentTile);
    case Backdrop::Transparent:
      break;
  }
  return {};
}

std::optional<FillRows> panelFill(QSize size, const Fill& fill, Random& noise) {
  return FillRows(fill, {3 * size.width(), 3 * size.height()}, noise);
}

// The opaque `tile` repeated from the top left over the whole picture: the
// pixels a painter's tiled brush gives, copied a row at a time.
void repeatTile(QImage& picture, const QImage& tile) {
  const QImage t = tile.convertToFormat(QImage::Format_RGB32);
  const int w = picture.width();
  for (int y = 0; y < picture.height(); ++y) {
    const auto* in = reinterpret_cast<const QRgb*>(t.constScanLine(y % t.height()));
    auto* out = reinterpret_cast<QRgb*>(picture.scanLine(y));
    for (int x = 0; x < w; x += t.width()) std::copy_n(in, std::min(t.width(), w - x), out + x);
  }
}

QImage screenBackground(ScreenBackground kind, const QImage& picture, const AppearanceSource& src,
                        const ArtworkList& artwork, const ColourScheme& scheme, Random& noise,
                        QImage canvas) {
  const ScreenScale& s = src.scale;
  const QRect design(0, 0, s.x(kDesignWidth), s.y(kDesignHeight));
  if (kind == ScreenBackground::Gradient) {
    Picture gradient({src.windowSize.width(), src.windowSize.height()});
    fillPicture(gradient, scheme.background, noise);
    return toImage(std::move(gradient));
  }
  QImage background = canvas.size() == src.windowSize && canvas.format() == QImage::Format_RGB32
                           ? std::move(canvas)
                           : QImage(src.windowSize, QImage::Format_RGB32);
  const QImage tiles = kind == ScreenBackground::Tiled    ? picture
                       : kind == ScreenBackground::Roller ? artwork.cut(artwork::kRollerTile)
                                                          : QImage();
  // An opaque picture that covers the window is repeated row by row; the
  // window's colour shows only where a picture leaves room.
  if (!tiles.isNull() && !tiles.hasAlphaChannel() && design == background.rect()) {
    repeatTile(background, tiles);
    return background;
  }
  background.fill(qcolor(scheme.window));
  QPainter p(&background);
  switch (kind) {
    case ScreenBackground::Stretched:
      p.setRenderHint(QPainter::SmoothPixmapTransform);
      p.drawImage(background.rect(), picture);
      break;
    case ScreenBackground::Tiled:
    case ScreenBackground::Roller:
      p.fillRect(design, QBrush(tiles));
      break;
    case ScreenBackground::Desktop:
      if (!src.desktop.isNull())
        p.drawImage(QPoint(0, 0), src.desktop, design.translated(src.windowAt));
      break;
    case ScreenBackground::Gradient:
      break;
  }
  return background;
}

void frameCard(QImage& background, const ScreenScale& s, QColor frame) {
  QPainter p(&background);
  p.setRenderHint(QPainter::Antialiasing);
  const QRect card = qrect(s.rect(layout::kCardArea));
  p.setPen(QPen(frame, 2));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(QRectF(card.left() + 1, card.top() + 1, card.width() - 2, card.height() - 2),
                    16.5, 16.5);
}

// The hatching around the clock and the score panel, and the border of an
// unscaled window.
void hatchAndBorder(QImage& background, const AppearanceSource& src, QColor frame) {
  const ScreenScale& s = src.scale;
  QPainter p(&background);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(frame, 2));
  p.setBrush(QBrush(frame, Qt::DiagCrossPattern));
  for (const Rect& design : {layout::kClockBox, layout::kScorePanel}) {
    const QRect r = qrect(s.rect(design));
    p.drawRoundedRect(QRectF(r.left() + 2, r.top() + 2, r.width() - 3, r.height() - 3), 17.5,
                      17.5);
  }
  if (src.windowSize == QSize(kDesignWidth, kDesignHeight) && s.scaleX == 1 && s.scaleY == 1) {
    const int w = background.width();
    QPainterPath rounded, upper, outside;
    rounded.addRoundedRect(QRectF(0, 0, w, 590), 17.5, 17.5);
    upper.addRect(QRectF(0, 0, w, 450));
    outside.addRect(QRectF(background.rect()));
    p.setPen(Qt::NoPen);
    p.setBrush(frame);
    p.drawPath(outside.subtracted(rounded.united(upper)));
    p.setPen(QPen(frame, 1));
    p.setRenderHint(QPainter::Antialiasing, false);
    p.drawLine(0, 0, 0, background.height());
    p.drawLine(w - 1, 0, w - 1, background.height());
  }
}

// The shapes of the panels, drawn at three times the size.
void drawClockShape(QPainter& p, QRectF r, const ScreenScale& s, QColor frame) {
  const double u = 3 * s.scaleMin;
  p.setPen(QPen(frame, 2 * u));
  p.setBrush(QColor::fromRgb(kPanelKey));
  const QRectF panel = r.adjusted(6 * u, 6 * u, -6 * u, -6 * u);
  p.drawRoundedRect(panel, 15 * u, 15 * u);
  const QRectF dial = r.adjusted(r.width() * 0.13, r.height() * 0.13, -r.width() * 0.13,
                                 -r.height() * 0.13);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(frame, 1.5 * u));
  p.drawEllipse(dial);
  const QPointF c = dial.center();
  const double rx = dial.width() / 2, ry = dial.height() / 2;
  for (int i = 0; i < 60; ++i) {
    const double a = i * std::numbers::pi / 30;
    const double inner = i % 5 == 0 ? 0.80 : 0.90;
    p.setPen(QPen(frame, (i % 5 == 0 ? 2 : 1) * u));
    p.drawLine(QPointF(c.x() + std::sin(a) * rx * inner, c.y() - std::cos(a) * ry * inner),
               QPointF(c.x() + std::sin(a) * rx * 0.96, c.y() - std::cos(a) * ry * 0.96));
  }
}

void drawScoreShape(QPainter& p, QRectF r, const ScreenScale& s, QColor frame) {
  const double u = 3 * s.scaleMin;
  p.setPen(QPen(frame, 2 * u));
  p.setBrush(QColor::fromRgb(kPanelKey));
  p.drawRoundedRect(r.adjusted(7 * u, 7 * u, -7 * u, -7 * u), 15 * u, 15 * u);
}

void drawMenuStripShape(QPainter& p, QRectF r, const ScreenScale& s, QColor frame) {
  const double u = 3 * s.scaleMin;
  const double corner = r.height() * 0.4;
  p.setPen(QPen(frame, 1.5 * u));
  p.setBrush(QColor::fromRgb(kPanelKey));
  p.drawRoundedRect(QRectF(r.left() - corner, r.top() - corner, r.width() + 2 * corner,
                           r.height() + corner - 2 * u),
                    corner, corner);
}

// The largest pixel size from `start` down to 6 at which `text` is no
// wider than `width` (6 when none is).  The advance grows about in
// proportion to the size, so the search begins where the proportion puts
// it, instead of trying every size from the top.
int fittingPixelSize(QFont font, const QString& text, double width, int start) {
  auto advance = [&](int pixels) {
    font.setPixelSize(pixels);
    return QFontMetrics(font).horizontalAdvance(text);
  };
  auto fits = [&](int pixels) { return advance(pixels) <= width; };
  const int full = advance(start);
  if (start <= 6 || full <= width) return start;
  int pixels = std::clamp(int(start * width / full), 6, start - 1);
  while (pixels + 1 < start && fits(pixels + 1)) ++pixels;
  while (pixels > 6 && !fits(pixels)) --pixels;
  return pixels;
}

QRectF statusPill(QRectF r, const ScreenScale& s) {
  const double u = 3 * s.scaleMin;
  return r.adjusted(2 * u, 2 * u, -2 * u, -2 * u);
}

// The caption keeps clear of the pill's ends, where the transparent colour
// is taken from.
QRectF statusLine(QRectF pill) {
  return pill.adjusted(pill.width() * 0.13, 0, -pill.width() * 0.13, 0);
}

// The caption's font, made smaller until the caption fits its line.
QFont statusFont(QRectF r, const ScreenScale& s, const QString& caption, const ScriptFont& font) {
  QFont f(QString::fromStdString(font.family));
  f.setItalic(true);
  int pixels = std::max(1, roundHalfEven(font.designSize * s.scaleMin * 3 * 4 / 3.0));
  f.setPixelSize(pixels);
  f.setPixelSize(fittingPixelSize(f, caption, statusLine(statusPill(r, s)).width(), pixels));
  return f;
}

void drawStatusShape(QPainter& p, QRectF r, const ScreenScale& s, QColor frame,
                     const QString& caption, const QFont& font) {
  const double u = 3 * s.scaleMin;
  p.setPen(QPen(frame, 2 * u));
  p.setBrush(QColor::fromRgb(kPanelKey));
  const QRectF pill = statusPill(r, s);
  p.drawRoundedRect(pill, pill.height() / 2, pill.height() / 2);
  const QRectF line = statusLine(pill);
  p.setFont(font);
  p.setPen(kPublisherInk);
  p.drawText(line, Qt::AlignCenter,
             p.fontMetrics().elidedText(caption, Qt::ElideRight, int(line.width())));
}

}  // namespace

QColor turned(QColor colour, int degrees) {
  if (degrees == 0) return colour;
  int h, s, v;
  colour.getHsv(&h, &s, &v);
  if (h < 0) return colour;  // a grey has no hue to turn
  return QColor::fromHsv((h + degrees) % 360, s, v);
}

QImage ApplyAppearance(DecorSettings& decor, const AppearanceSource& src,
                       const ArtworkList& artwork, Random& noise, FirstScreenLook& look,
                       const std::function<void(const QImage&)>& meanwhile, QImage canvas) {
  const ScreenScale& s = src.scale;
  const QImage picture = loadPicture(src.programFolder, "Decor/Fon1", decor.programBackground);
  const QImage cardPicture = loadPicture(src.programFolder, "Decor/Fon2", decor.questionBackground);
  const QImage optionPicture =
      loadPicture(src.programFolder, "Decor/Fon2", decor.answerBackground);
  const SettledAppearance settled =
      settleAppearance(decor, picture.width(), !cardPicture.isNull(), !optionPicture.isNull());
  const ColourScheme& scheme = colourSchemeOf(decor.colourScheme);

  look.windowColour = qcolor(scheme.window);
  look.secondHand = qcolor(settled.secondHand);
  look.textured = settled.textured;
  look.clockFaceOn = decor.clockBackground;
  look.lightTitle = titleArchLight(decor.colourScheme);
  look.cardTile = tile(cardPicture, settled.card, artwork);
  look.optionTile = tile(optionPicture, settled.options, artwork);

  QImage background = screenBackground(settled.background, picture, src, artwork, scheme, noise,
                                       std::move(canvas));
  const QColor frame = look.frameColour;
  if (settled.cardFrame) frameCard(background, s, frame);
  // The hatching shows around the panels' shapes, not inside them.
  const QRect clock = qrect(s.rect(layout::kClockBox));
  const QRect score = qrect(s.rect(layout::kScorePanel));
  const QImage plainClock = background.copy(clock), plainScore = background.copy(score);
  hatchAndBorder(background, src, frame);

  // The patterns' seeds are drawn in the panels' order; the clock and the
  // score panel are then put together on a second core while this one
  // makes the strips.
  std::optional<FillRows> clockFill = settled.textured && decor.clockBackground
                                          ? panelFill(clock.size(), scheme.panels, noise)
                                          : std::nullopt;
  std::optional<FillRows> scoreFill =
      settled.textured ? panelFill(score.size(), scheme.panels, noise) : std::nullopt;
  const QRect menu = qrect(s.rect(layout::kMenuStrip));
  std::optional<FillRows> menuFill = panelFill(menu.size(), scheme.strip, noise);
  const QRect status = qrect(s.rect(layout::kStatusStrip));
  std::optional<FillRows> statusFill = panelFill(status.size(), scheme.strip, noise);
  auto composeFaces = [&, clockBack = background.copy(clock),
                       scoreBack = background.copy(score)]() mutable {
    return std::pair{
        composePanel(
            clockBack, std::move(clockFill),
            [&](QPainter& p, QRectF r) { drawClockShape(p, r, s, frame); }, plainClock),
        composePanel(
            scoreBack, std::move(scoreFill),
            [&](QPainter& p, QRectF r) { drawScoreShape(p, r, s, frame); }, plainScore,
            PanelBands::Many)};
  };
  std::future<std::pair<QImage, QImage>> faces;
  try {
    faces = std::async(std::launch::async, composeFaces);
  } catch (const std::system_error&) {
    // No thread to be had: this core makes them too, after the strips.
    faces = std::async(std::launch::deferred, composeFaces);
  }
  look.menuStrip =
      composePanel(background.copy(menu), std::move(menuFill),
                   [&](QPainter& p, QRectF r) { drawMenuStripShape(p, r, s, frame); },
                   {}, PanelBands::Many);
  const QFont font = statusFont(QRectF(0, 0, 3 * status.width(), 3 * status.height()), s,
                                look.publisherLine, scriptFont(src.corsivaInstalled));
  look.statusStrip = composePanel(
      background.copy(status), std::move(statusFill),
      [&](QPainter& p, QRectF r) { drawStatusShape(p, r, s, frame, look.publisherLine, font); });
  if (meanwhile) meanwhile(background);
  std::tie(look.clockFace, look.scoreFace) = faces.get();
  return background;
}

void paintFirstScreen(QImage& screen, const ScreenScale& s, const FirstScreenLook& look) {
  QPainter p(&screen);
  p.drawImage(qrect(s.rect(layout::kMenuStrip)).topLeft(), look.menuStrip);
  p.drawImage(qrect(s.rect(layout::kStatusStrip)).topLeft(), look.statusStrip);
  p.end();
  paintScorePanel(screen, qrect(s.rect(layout::kScorePanel)), s, look, {});
  paintClock(screen, qrect(s.rect(layout::kClockBox)), s, look, {});
}

}  // namespace ispyt
