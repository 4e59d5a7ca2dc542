#include "presentation/qt/Announcement.h"

#include <QPainter>

#include "platform/Paths.h"
#include "presentation/qt/PictureImage.h"

namespace ispyt {
namespace {

bool hasPicture(const std::filesystem::path& folder) {
  return !folder.empty() && exists(folder, "Anons.bmp");
}

QImage loadPicture(const std::filesystem::path& folder) {
  QImage picture;
  std::u8string name = locate(folder, "Anons.bmp").u8string();
  picture.load(QString::fromUtf8(reinterpret_cast<const char*>(name.data()),
                                 static_cast<qsizetype>(name.size())));
  return picture;
}

QImage framed(const QImage& picture, QSize size, QColor frame, double corner) {
  QImage card(size, QImage::Format_RGB32);
  QPainter p(&card);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.drawImage(card.rect(), picture);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(frame, 2));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(QRectF(2, 2, size.width() - 4, size.height() - 4), corner / 2, corner / 2);
  return card;
}

QImage hatched(const QImage& backgroundPiece, QColor frame) {
  QImage card = backgroundPiece.convertToFormat(QImage::Format_RGB32);
  QPainter p(&card);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(frame, 2));
  p.setBrush(QBrush(frame, Qt::DiagCrossPattern));
  p.drawRoundedRect(QRectF(2, 2, card.width() - 4, card.height() - 4), 15, 15);
  return card;
}

}  // namespace

Picture Announcement::build(const std::filesystem::path& testFolder,
                            const std::filesystem::path& setFolder, const QImage& background,
                            QRect card, QColor frameColour) {
  const QSize size = card.size();
  const bool own = hasPicture(testFolder);
  AnnouncementSource source = choice_.next(own, hasPicture(setFolder));
  QImage picture;
  if (source == AnnouncementSource::TestPicture) picture = loadPicture(testFolder);
  if (source == AnnouncementSource::SetPicture) picture = loadPicture(setFolder);
  // A picture that cannot be read is no picture, nor is a kept one of
  // another size.
  const bool fromFile =
      source == AnnouncementSource::TestPicture || source == AnnouncementSource::SetPicture;
  if ((fromFile && picture.isNull()) || (source == AnnouncementSource::Previous &&
                                         current_.size() != Size{size.width(), size.height()}))
    source = AnnouncementSource::Hatched;
  switch (source) {
    case AnnouncementSource::TestPicture:
    case AnnouncementSource::SetPicture:
      current_ = toPicture(
          framed(picture, size, frameColour, source == AnnouncementSource::TestPicture ? 30 : 29));
      break;
    case AnnouncementSource::Hatched:
      current_ = toPicture(hatched(background.copy(card), frameColour));
      break;
    case AnnouncementSource::Previous:
      break;
  }
  return current_;
}

}  // namespace ispyt
