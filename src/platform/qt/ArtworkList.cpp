#include "platform/qt/ArtworkList.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QVector>
#include <cmath>
#include <cstdint>

#include "platform/qt/QtGeometry.h"
#include "platform/qt/QtText.h"

namespace ispyt {
namespace {

using artwork::Cut;

// A fixed generator, so that the pictures are the same on every run.
class Noise {
 public:
  explicit Noise(std::uint32_t seed) : state_(seed) {}
  double next() {
    state_ = state_ * 1664525u + 1013904223u;
    return (state_ >> 8) / double(1u << 24);
  }

 private:
  std::uint32_t state_;
};

// Smooth value noise that wraps at the tile's edges, so the tile repeats
// without seams.
QVector<double> tileableNoise(int w, int h, int cells, std::uint32_t seed) {
  Noise n(seed);
  int cw = cells, ch = std::max(2, cells * h / w);
  QVector<double> grid(cw * ch);
  for (double& v : grid) v = n.next();
  QVector<double> out(w * h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      double gx = double(x) * cw / w, gy = double(y) * ch / h;
      int x0 = int(gx) % cw, y0 = int(gy) % ch;
      int x1 = (x0 + 1) % cw, y1 = (y0 + 1) % ch;
      double fx = gx - std::floor(gx), fy = gy - std::floor(gy);
      fx = fx * fx * (3 - 2 * fx);
      fy = fy * fy * (3 - 2 * fy);
      double a = grid[y0 * cw + x0] * (1 - fx) + grid[y0 * cw + x1] * fx;
      double b = grid[y1 * cw + x0] * (1 - fx) + grid[y1 * cw + x1] * fx;
      out[y * w + x] = a * (1 - fy) + b * fy;
    }
  }
  return out;
}

int clamp255(double v) { return v < 0 ? 0 : v > 255 ? 255 : int(v); }

// A textured tile: two octaves of noise between a light and a dark colour,
// with fine grain on top.
void paintTexture(QImage& image, const Rect& r, QColor light, QColor dark, int cells,
                  std::uint32_t seed, double grain) {
  auto coarse = tileableNoise(r.width, r.height, cells, seed);
  auto fine = tileableNoise(r.width, r.height, cells * 4, seed * 7 + 1);
  Noise g(seed + 99);
  for (int y = 0; y < r.height; ++y) {
    for (int x = 0; x < r.width; ++x) {
      double t = 0.65 * coarse[y * r.width + x] + 0.35 * fine[y * r.width + x];
      double d = (g.next() - 0.5) * grain;
      auto mix = [&](int a, int b) { return clamp255(a + (b - a) * t + d); };
      image.setPixel(r.x + x, r.y + y,
                     qRgb(mix(light.red(), dark.red()), mix(light.green(), dark.green()),
                          mix(light.blue(), dark.blue())));
    }
  }
}

QImage blankPicture() {
  QImage image(artwork::kPictureSize.width, artwork::kPictureSize.height,
               QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return image;
}

void drawPencil(QPainter& p, QPointF from, QPointF to, double width) {
  QLineF axis(from, to);
  double len = axis.length();
  p.save();
  p.translate(from);
  p.rotate(-axis.angle());
  p.setPen(Qt::NoPen);
  QLinearGradient body(0, -width / 2, 0, width / 2);
  body.setColorAt(0, QColor(255, 214, 90));
  body.setColorAt(0.5, QColor(240, 176, 40));
  body.setColorAt(1, QColor(200, 130, 20));
  p.setBrush(body);
  p.drawRect(QRectF(len * 0.12, -width / 2, len * 0.7, width));
  p.setBrush(QColor(230, 120, 140));
  p.drawRoundedRect(QRectF(0, -width / 2, len * 0.1, width), 2, 2);
  p.setBrush(QColor(190, 190, 200));
  p.drawRect(QRectF(len * 0.1, -width / 2, len * 0.03, width));
  QPainterPath tip;
  tip.moveTo(len * 0.82, -width / 2);
  tip.lineTo(len, 0);
  tip.lineTo(len * 0.82, width / 2);
  tip.closeSubpath();
  p.setBrush(QColor(236, 206, 160));
  p.drawPath(tip);
  QPainterPath lead;
  lead.moveTo(len * 0.94, -width * 0.17);
  lead.lineTo(len, 0);
  lead.lineTo(len * 0.94, width * 0.17);
  p.setBrush(QColor(60, 60, 70));
  p.drawPath(lead);
  p.restore();
}

void drawFrameSlot(QPainter& p, QRect r) {
  p.setPen(QPen(QColor(70, 80, 120), 2));
  p.setBrush(QColor(255, 255, 255, 200));
  p.drawRoundedRect(r, 4, 4);
}

// Picture 0: the two background tiles and a third texture along its
// bottom (artwork::kSheetTextures), and above them the exit panel and a
// pencil.  The textures come first and alone: the first screen needs one of
// them and nothing else of the picture.
QImage sheetTextures() {
  QImage image = blankPicture();
  paintTexture(image, artwork::kRollerTile.rect, QColor(214, 208, 226), QColor(186, 178, 208), 5,
               11, 8);
  paintTexture(image, artwork::kParchmentTile.rect, QColor(246, 236, 204), QColor(222, 198, 148),
               4, 23, 6);
  paintTexture(image, {0, 95, 131, 65}, QColor(246, 236, 204), QColor(222, 198, 148), 4, 29, 6);
  return image;
}

void drawSheetAboveTextures(QImage& image) {
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  drawPencil(p, {10, 80}, {120, 12}, 16);

  QRect panel = qrect(artwork::kExitPicture.rect).adjusted(1, 1, -1, -1);
  QLinearGradient g(panel.topLeft(), panel.bottomLeft());
  g.setColorAt(0, QColor(236, 244, 255));
  g.setColorAt(1, QColor(176, 200, 240));
  p.setPen(QPen(QColor(60, 70, 120), 2));
  p.setBrush(g);
  p.drawRoundedRect(panel, 12, 12);
  // Frames for the two thumbnails: the program on the left, the desktop on
  // the right, with an arrow from one to the other.
  QPoint o = panel.topLeft() - QPoint(1, 1);
  drawFrameSlot(p, QRect(o + QPoint(6, 4), QSize(72, 56)));
  drawFrameSlot(p, QRect(o + QPoint(114, 6), QSize(69, 54)));
  p.setPen(QPen(QColor(200, 60, 40), 3, Qt::SolidLine, Qt::RoundCap));
  QPoint a = o + QPoint(84, 32), b = o + QPoint(108, 32);
  p.drawLine(a, b);
  p.drawLine(b, b + QPoint(-6, -6));
  p.drawLine(b, b + QPoint(-6, 6));
  QFont f("DejaVu Sans", 9, QFont::Bold);
  p.setFont(f);
  p.setPen(QColor(30, 40, 100));
  p.drawText(QRect(o + QPoint(0, 62), QSize(190, 28)), Qt::AlignCenter, ui("Завершити роботу?"));
}

// Picture 1: the about picture (a stack of books) and the intro's side
// picture (a test sheet with a pencil).
QImage pictureDesk() {
  QImage image = blankPicture();
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor books[] = {QColor(170, 50, 50), QColor(40, 90, 160), QColor(40, 130, 80)};
  for (int i = 0; i < 3; ++i) {
    QRectF r(6 + i * 3, 86 - i * 18, 68 - i * 6, 16);
    p.setPen(QPen(books[i].darker(150), 1));
    p.setBrush(books[i]);
    p.drawRoundedRect(r, 3, 3);
    p.setPen(QPen(QColor(250, 240, 210), 2));
    p.drawLine(QPointF(r.right() - 3, r.top() + 3), QPointF(r.right() - 3, r.bottom() - 3));
  }
  QRadialGradient apple(QPointF(40, 34), 14);
  apple.setColorAt(0, QColor(255, 120, 100));
  apple.setColorAt(1, QColor(190, 20, 30));
  p.setPen(Qt::NoPen);
  p.setBrush(apple);
  p.drawEllipse(QPointF(40, 36), 13, 12);
  p.setPen(QPen(QColor(90, 60, 20), 2));
  p.drawLine(QPointF(40, 25), QPointF(42, 17));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(70, 150, 60));
  p.drawEllipse(QRectF(43, 15, 10, 5));

  QRect sheet(104, 10, 150, 140);
  p.setPen(QPen(QColor(120, 120, 140), 1));
  p.setBrush(QColor(252, 252, 246));
  p.drawRect(sheet.translated(4, 4).adjusted(0, 0, 0, 0));
  p.setBrush(QColor(255, 255, 250));
  p.drawRect(sheet);
  p.setPen(QPen(QColor(160, 190, 230), 1));
  for (int y = sheet.top() + 22; y < sheet.bottom() - 6; y += 14)
    p.drawLine(sheet.left() + 6, y, sheet.right() - 6, y);
  for (int i = 0; i < 6; ++i) {
    int y = sheet.top() + 24 + i * 19;
    p.setPen(QPen(QColor(60, 70, 110), 1.4));
    p.setBrush(Qt::white);
    p.drawRect(sheet.left() + 12, y, 10, 10);
    p.setPen(QPen(QColor(150, 150, 165), 2));
    p.drawLine(sheet.left() + 30, y + 5, sheet.left() + 30 + 60 + (i * 23) % 45, y + 5);
    if (i != 2 && i != 5) {
      p.setPen(QPen(QColor(30, 120, 50), 2.2, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(sheet.left() + 13, y + 5, sheet.left() + 17, y + 9);
      p.drawLine(sheet.left() + 17, y + 9, sheet.left() + 24, y - 2);
    }
  }
  p.setPen(QColor(40, 50, 110));
  p.setFont(QFont("DejaVu Serif", 9, QFont::Bold));
  p.drawText(QRect(sheet.left(), sheet.top() + 3, sheet.width(), 16), Qt::AlignCenter, ui("Тест"));
  drawPencil(p, {300, 150}, {232, 70}, 12);
  return image;
}

void drawMedallion(QPainter& p, QRectF r) {
  QRadialGradient g(r.center() - QPointF(r.width() * 0.15, r.height() * 0.2), r.width() * 0.6);
  g.setColorAt(0, QColor(255, 250, 224));
  g.setColorAt(0.7, QColor(244, 214, 128));
  g.setColorAt(1, QColor(200, 150, 60));
  p.setPen(QPen(QColor(120, 80, 30), 3));
  p.setBrush(g);
  p.drawEllipse(r);
  p.setPen(QPen(QColor(150, 100, 40, 160), 1.5, Qt::DashLine));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(r.adjusted(9, 9, -9, -9));
}

QPainterPath checkMark(QRectF r) {
  QPainterPath path;
  path.moveTo(r.left() + r.width() * 0.24, r.top() + r.height() * 0.52);
  path.lineTo(r.left() + r.width() * 0.43, r.top() + r.height() * 0.72);
  path.lineTo(r.left() + r.width() * 0.78, r.top() + r.height() * 0.28);
  return path;
}

// Picture 2: the logo stage (a medallion) and the finished logo.
QImage pictureLogo() {
  QImage image = blankPicture();
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QRectF stage = QRectF(qrect(artwork::kLogoStage.rect)).adjusted(8, 8, -8, -8);
  drawMedallion(p, stage);
  QRectF mark = QRectF(qrect(artwork::kLogoMark.rect)).adjusted(8, 8, -8, -8);
  drawMedallion(p, mark);
  p.setPen(QPen(QColor(30, 110, 60), 14, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(checkMark(mark));
  return image;
}

// Picture 3: letter tiles "ЗНАННЯ", gold on blue and blue on gold.
QImage pictureLetters() {
  QImage image = blankPicture();
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const QString letters = ui("ЗНАННЯ");
  for (int row = 0; row < 2; ++row) {
    for (int i = 0; i < artwork::kLetterTileCount; ++i) {
      QRectF r = QRectF(qrect(artwork::letterTile(i, row).rect)).adjusted(1, 1, -1, -1);
      QLinearGradient g(r.topLeft(), r.bottomLeft());
      QColor face = row == 0 ? QColor(40, 70, 150) : QColor(250, 214, 110);
      g.setColorAt(0, face.lighter(130));
      g.setColorAt(1, face.darker(120));
      p.setPen(QPen(face.darker(180), 1.5));
      p.setBrush(g);
      p.drawRoundedRect(r, 5, 5);
      p.setPen(row == 0 ? QColor(255, 224, 120) : QColor(30, 50, 120));
      p.setFont(QFont("DejaVu Serif", 20, QFont::Bold));
      p.drawText(r, Qt::AlignCenter, letters.mid(i, 1));
    }
  }
  return image;
}

// Picture 4: the idle frames, the logo without and with a glint.
QImage pictureIdle(const QImage& logo) {
  QImage image = blankPicture();
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QImage mark = logo.copy(qrect(artwork::kLogoMark.rect));
  p.drawImage(artwork::kIdleFrame2.rect.x, 0, mark);
  p.drawImage(artwork::kIdleFrame3.rect.x, 0, mark);
  QPointF c(artwork::kIdleFrame3.rect.x + 8 + 144 * 0.78, 8 + 144 * 0.28);
  QRadialGradient glow(c, 18);
  glow.setColorAt(0, QColor(255, 255, 255, 240));
  glow.setColorAt(1, QColor(255, 255, 255, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(glow);
  p.drawEllipse(c, 18, 18);
  p.setPen(QPen(QColor(255, 255, 255), 2, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(c - QPointF(11, 0), c + QPointF(11, 0));
  p.drawLine(c - QPointF(0, 11), c + QPointF(0, 11));
  return image;
}

// Picture 5: a graduation cap; picture 6: a cup for the best results.
QImage pictureCap() {
  QImage image = blankPicture();
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QPolygonF board{{160, 30}, {280, 70}, {160, 110}, {40, 70}};
  p.setPen(QPen(QColor(20, 20, 40), 2));
  p.setBrush(QColor(40, 40, 70));
  p.drawRect(QRectF(110, 80, 100, 45));
  p.setBrush(QColor(60, 60, 100));
  p.drawPolygon(board);
  p.setPen(QPen(QColor(230, 180, 40), 3));
  p.drawLine(QPointF(160, 70), QPointF(250, 95));
  p.drawLine(QPointF(250, 95), QPointF(250, 135));
  p.setBrush(QColor(230, 180, 40));
  p.drawEllipse(QPointF(250, 140), 6, 8);
  return image;
}

QImage pictureCup() {
  QImage image = blankPicture();
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient gold(110, 0, 210, 0);
  gold.setColorAt(0, QColor(200, 140, 20));
  gold.setColorAt(0.4, QColor(255, 230, 120));
  gold.setColorAt(1, QColor(190, 130, 20));
  QPainterPath cup;
  cup.moveTo(110, 20);
  cup.lineTo(210, 20);
  cup.cubicTo(210, 80, 185, 100, 170, 104);
  cup.lineTo(170, 124);
  cup.lineTo(150, 124);
  cup.lineTo(150, 104);
  cup.cubicTo(135, 100, 110, 80, 110, 20);
  p.setPen(QPen(QColor(130, 90, 10), 2));
  p.setBrush(gold);
  p.drawPath(cup);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(200, 150, 30), 6));
  p.drawArc(QRectF(82, 28, 44, 44), 90 * 16, 180 * 16);
  p.drawArc(QRectF(194, 28, 44, 44), -90 * 16, 180 * 16);
  p.setPen(QPen(QColor(130, 90, 10), 2));
  p.setBrush(QColor(120, 70, 30));
  p.drawRect(QRectF(125, 124, 70, 22));
  return image;
}

}  // namespace

const QImage& ArtworkList::picture(int index) const {
  static const QImage none;
  if (index < 0 || index >= kCount) return none;
  if (index == 0) {
    QImage& sheet = withTextures();
    if (!sheetWhole_) drawSheetAboveTextures(sheet);
    sheetWhole_ = true;
    return sheet;
  }
  QImage& p = pictures_[index];
  if (!p.isNull()) return p;
  switch (index) {
    case 1: p = pictureDesk(); break;
    case 2: p = pictureLogo(); break;
    case 3: p = pictureLetters(); break;
    case 4: p = pictureIdle(picture(2)); break;
    case 5: p = pictureCap(); break;
    case 6: p = pictureCup(); break;
  }
  return p;
}

QImage ArtworkList::cut(const artwork::Cut& c) const {
  const QRect r = qrect(c.rect);
  if (c.picture == 0 && qrect(artwork::kSheetTextures).contains(r)) return withTextures().copy(r);
  return picture(c.picture).copy(r);
}

QImage& ArtworkList::withTextures() const {
  if (pictures_[0].isNull()) pictures_[0] = sheetTextures();
  return pictures_[0];
}

}  // namespace ispyt
