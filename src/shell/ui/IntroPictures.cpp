#include "shell/ui/IntroPictures.h"

#include <QPainter>
#include <QPainterPath>

#include "platform/qt/QtGeometry.h"
#include "platform/qt/QtText.h"
#include "presentation/MainLayout.h"
#include "presentation/TitleArch.h"
#include "presentation/qt/PictureImage.h"
#include "presentation/qt/TitleArchPicture.h"

namespace ispyt {
namespace {

// Where the medallion stands: to the right of the side picture, in the card.
constexpr Rect kLogoDesign{268, 108, 140, 140};

}  // namespace

IntroPictures::IntroPictures(QImage& screen, const ScreenScale& scale, const ArtworkList& artwork,
                             Host host)
    : screen_(screen), scale_(scale), artwork_(artwork), host_(std::move(host)) {}

QRect IntroPictures::logoRect() const { return qrect(scale_.rect(kLogoDesign)); }
QRect IntroPictures::titleRect() const { return qrect(scale_.rect(layout::kTitleArea)); }

void IntroPictures::put(const QRect& where, const QImage& picture) {
  if (picture.isNull()) return;
  QPainter p(&screen_);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.drawImage(where, picture);
  p.end();
  host_.repaint();
}

void IntroPictures::prepare(std::function<QImage()> titleBackdrop, bool lightText) {
  makeTitleBackdrop_ = std::move(titleBackdrop);
  titleBackdrop_ = QImage();
  lightText_ = lightText;
  for (QImage& t : titles_) t = QImage();
  finishedTitleReleased_ = false;
  idleFrame_[0] = idleFrame_[1] = QImage();
}

void IntroPictures::prepareRest() {
  for (int v = 1; v <= 5; ++v) title(v);
  idleFrame(0);
  idleFrame(1);
  if (logoFramesWanted_ && logoFrames_.isEmpty()) buildLogoFrames();
}

const QImage& IntroPictures::titleBackdrop() {
  if (titleBackdrop_.isNull() && makeTitleBackdrop_) titleBackdrop_ = makeTitleBackdrop_();
  return titleBackdrop_;
}

const QImage& IntroPictures::title(int variant) {
  QImage& t = titles_[variant];
  if (t.isNull() && !titleBackdrop().isNull())
    t = keptPicture(drawTitleArch(titleBackdrop_, variant, scale_, artwork_, lightText_));
  return t;
}

const QImage& IntroPictures::idleFrame(int index) {
  static constexpr artwork::Cut kCuts[] = {artwork::kIdleFrame2, artwork::kIdleFrame3};
  QImage& frame = idleFrame_[index];
  if (frame.isNull())
    frame = keptPicture(
        artwork_.cut(kCuts[index])
            .scaled(logoRect().size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
  return frame;
}

void IntroPictures::buildLogoFrames() {
  const QRect r = logoRect();
  QImage stage = artwork_.cut(artwork::kLogoStage).scaled(r.size(), Qt::IgnoreAspectRatio,
                                                           Qt::SmoothTransformation);
  // The mark grows along its path; the last frame is the finished logo.
  QRectF markBox = QRectF(0, 0, r.width(), r.height()).adjusted(r.width() * 0.05, r.height() * 0.05,
                                                                -r.width() * 0.05, -r.height() * 0.05);
  QPainterPath mark;
  mark.moveTo(markBox.left() + markBox.width() * 0.24, markBox.top() + markBox.height() * 0.52);
  mark.lineTo(markBox.left() + markBox.width() * 0.43, markBox.top() + markBox.height() * 0.72);
  mark.lineTo(markBox.left() + markBox.width() * 0.78, markBox.top() + markBox.height() * 0.28);
  logoFrames_.clear();
  for (int f = 0; f < 9; ++f) {
    QImage frame = stage;
    QPainter p(&frame);
    p.setRenderHint(QPainter::Antialiasing);
    double t = (f + 1) / 9.0;
    QPainterPath part;
    const int steps = 60;
    for (int i = 0; i <= steps * t; ++i) {
      QPointF pt = mark.pointAtPercent(double(i) / steps);
      if (i == 0)
        part.moveTo(pt);
      else
        part.lineTo(pt);
    }
    p.setPen(QPen(QColor(30, 110, 60), r.width() * 0.09, Qt::SolidLine, Qt::RoundCap,
                  Qt::RoundJoin));
    p.drawPath(part);
    logoFrames_.push_back(keptPicture(frame));
  }
}

void IntroPictures::drawTitle(int variant) {
  if (variant >= 1 && variant <= 5) put(titleRect(), title(variant));
}

void IntroPictures::drawSidePictureAndLogoStage() {
  QImage side = artwork_.cut(artwork::kSidePicture);
  QRect where(scale_.x(layout::kSidePicture.x), scale_.y(layout::kSidePicture.y),
              scale_.x(artwork::kSidePicture.rect.width * 0.95),
              scale_.y(artwork::kSidePicture.rect.height * 0.95));
  put(where, side);
  const QRect r = logoRect();
  put(r, artwork_.cut(artwork::kLogoStage));
  idleCopy_[0] = screen_.copy(r);
}

void IntroPictures::keepSecondLogoStage() { idleCopy_[1] = screen_.copy(logoRect()); }

void IntroPictures::drawLogoFrame(int frame) {
  if (logoFramesWanted_ && logoFrames_.isEmpty()) buildLogoFrames();
  if (frame >= 0 && frame < logoFrames_.size()) put(logoRect(), logoFrames_[frame]);
}

void IntroPictures::drawCaptionReveal(int characters) {
  QImage picture = titleBackdrop().copy();
  if (picture.isNull()) return;
  QPainter p(&picture);
  p.setRenderHint(QPainter::TextAntialiasing);
  QFont font("DejaVu Sans");
  font.setPixelSize(std::max(1, scale_.font(20 * 4 / 3.0)));
  p.setFont(font);
  const QString text = fromCp1251(titleArchText());
  QRect line(0, scale_.y(60), picture.width(), scale_.y(40));
  // Centre on the whole caption so the letters do not move as they appear.
  int width = p.fontMetrics().horizontalAdvance(text);
  QPoint origin(line.left() + (line.width() - width) / 2, line.top() + p.fontMetrics().ascent());
  p.setPen(QColor(40, 60, 80, 140));
  p.drawText(origin + QPoint(1, 1), text.left(characters));
  p.setPen(QColor(80, 200, 224));
  p.drawText(origin, text.left(characters));
  p.end();
  put(titleRect(), picture);
}

void IntroPictures::drawFinishedTitle() {
  if (!finishedTitleReleased_) put(titleRect(), title(1));
}

void IntroPictures::releaseTitlePictures() { finishedTitleReleased_ = true; }

void IntroPictures::makeMenuAvailable() {
  // The arch's variants are not shown again; one asked for later is built
  // anew, from a backdrop made anew.
  for (QImage& t : titles_) t = QImage();
  titleBackdrop_ = QImage();
  host_.makeMenuAvailable();
}

void IntroPictures::drawIdle(int copy, int frame) {
  const QRect r = logoRect();
  QImage picture = idleCopy_[copy - 1];
  if (picture.isNull()) return;
  QPainter p(&picture);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.drawImage(picture.rect(), idleFrame(frame - 2));
  p.end();
  put(r, picture);
}

void IntroPictures::releaseIdleCopies() {
  idleCopy_[0] = idleCopy_[1] = QImage();
}

}  // namespace ispyt
