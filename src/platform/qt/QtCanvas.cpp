#include "platform/qt/QtCanvas.h"

#include <QFontMetrics>
#include <QPainter>
#include <cmath>

#include "platform/Picture.h"
#include "platform/qt/QtColour.h"
#include "platform/qt/QtFonts.h"
#include "platform/qt/QtGeometry.h"

namespace ispyt {

namespace {

// Lines and points stay crisp, as the layout's pixel positions intend.
QPen pen(Rgb colour, int width) {
  QPen p(qcolor(colour), std::max(width, 1));
  p.setCapStyle(Qt::FlatCap);
  return p;
}

double degreesTowards(Rect bounds, Point p) {
  const double cx = bounds.x + bounds.width / 2.0, cy = bounds.y + bounds.height / 2.0;
  return std::atan2(-(p.y - cy), p.x - cx) * 180.0 / M_PI;
}

// A picture whose background (its bottom-left pixel's colour) shows through.
QImage keyed(const QImage& picture) {
  QImage out = picture.convertToFormat(QImage::Format_ARGB32);
  if (out.isNull()) return out;
  const QRgb key = out.pixel(0, out.height() - 1);
  for (int y = 0; y < out.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < out.width(); ++x)
      if ((row[x] & 0xFFFFFF) == (key & 0xFFFFFF)) row[x] = 0;
  }
  return out;
}

}  // namespace

const QImage& SlotImages::operator[](SlotImage which) const {
  switch (which) {
    case SlotImage::TitleBackdrop:
      return titleBackdrop;
    case SlotImage::CardBackdrop:
      return cardBackdrop;
    case SlotImage::OptionBackdrop:
      return optionBackdrop;
    case SlotImage::ScreenBackground:
      break;
  }
  return screenBackground;
}

void QtCanvas::whiten() {
  if (!blank_) return;
  image_.fill(Qt::white);
  blank_ = false;
}

void QtCanvas::drawText(Point topLeft, const Font& font, Rgb colour, std::string_view bytes) {
  whiten();
  const QFont f = resolveFont(font);
  QPainter p(&image_);
  p.setFont(f);
  p.setPen(qcolor(colour));
  p.drawText(QPoint(topLeft.x, topLeft.y + QFontMetrics(f).ascent()), runText(font.face, bytes));
}

void QtCanvas::drawLine(Point from, Point to, Rgb colour, int penWidth) {
  whiten();
  QPainter p(&image_);
  p.setPen(pen(colour, penWidth));
  p.drawLine(from.x, from.y, to.x, to.y);
}

void QtCanvas::drawArc(Rect bounds, Point start, Point end, Rgb colour, int penWidth) {
  whiten();
  const double a = degreesTowards(bounds, start);
  double span = degreesTowards(bounds, end) - a;
  while (span <= 0) span += 360;
  QPainter p(&image_);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(pen(colour, penWidth));
  p.drawArc(qrect(bounds), static_cast<int>(std::lround(a * 16)),
            static_cast<int>(std::lround(span * 16)));
}

void QtCanvas::drawPoint(Point at, int size, Rgb colour) {
  whiten();
  QPainter p(&image_);
  p.fillRect(at.x, at.y, size, size, qcolor(colour));
}

void QtCanvas::copyImage(SlotImage image, Rect source, Point at) {
  whiten();
  QPainter p(&image_);
  p.drawImage(QPoint(at.x, at.y), images_[image], qrect(source));
}

void QtCanvas::stretchImage(SlotImage image, Rect target) {
  const QImage& source = images_[image];
  // Three times an opaque image is each pixel as a 3x3 block, which the
  // painter's unsmoothed stretch gives too, only slower.
  const QRect to = qrect(target);
  const bool blocks = to.size() == 3 * source.size() && image_.rect().contains(to) &&
                      source.format() == QImage::Format_RGB32 &&
                      image_.format() == QImage::Format_RGB32;
  // Blocks covering the whole slot leave nothing to be white.
  if (blocks && to == image_.rect()) blank_ = false;
  whiten();
  if (blocks) {
    const std::size_t stride = std::size_t(image_.bytesPerLine()) / sizeof(Pixel);
    enlargeByThree(reinterpret_cast<const Pixel*>(source.constBits()),
                   std::size_t(source.bytesPerLine()) / sizeof(Pixel), source.width(),
                   source.height(),
                   reinterpret_cast<Pixel*>(image_.bits()) + std::size_t(to.y()) * stride + to.x(),
                   stride);
    return;
  }
  QPainter p(&image_);
  p.drawImage(to, source);
}

void QtCanvas::stretchPicture(const std::filesystem::path& file, Rect target, bool transparent) {
  whiten();
  QImage picture(QString::fromStdString(file.string()));
  if (picture.isNull()) return;  // an unreadable picture leaves the slot as it is
  QPainter p(&image_);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.drawImage(qrect(target), transparent ? keyed(picture) : picture);
}

}  // namespace ispyt
