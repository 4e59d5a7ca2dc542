#include "presentation/ui/Announcement.h"

#include <QPainter>

#include "platform/Paths.h"

namespace ispyt {
namespace {

QImage loadPicture(const std::filesystem::path& folder) {
  if (folder.empty() || !exists(folder, "Anons.bmp")) return {};
  QImage picture;
  std::u8string name = locate(folder, "Anons.bmp").u8string();
  picture.load(QString::fromUtf8(reinterpret_cast<const char*>(name.data()),
                                 static_cast<qsizetype>(name.size())));
  return picture;
}

QImage framed(const QImage& picture, QSize size, QColor frame, int corner) {
  QImage card(size, QImage::Format_RGB32);
  QPainter p(&card);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.drawImage(card.rect(), picture);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(frame, 2));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(QRectF(2, 2, size.width() - 4, size.height() - 4), corner / 2.0, corner / 2.0);
  return card;
}

QImage hatched(const QImage& backgroundPiece, QColor frameColour) {
  QImage card = backgroundPiece.convertToFormat(QImage::Format_RGB32);
  QPainter p(&card);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(frameColour, 2));
  p.setBrush(QBrush(QColor(96, 96, 96, 70), Qt::DiagCrossPattern));
  p.drawRoundedRect(QRectF(2, 2, card.width() - 4, card.height() - 4), 15, 15);
  return card;
}

}  // namespace

QImage Announcement::build(const std::filesystem::path& testFolder,
                           const std::filesystem::path& setFolder, const QImage& backgroundPiece,
                           QColor frameColour) {
  const QSize size = backgroundPiece.size();
  QImage own = loadPicture(testFolder);
  if (!own.isNull()) {
    lastWasPicture_ = true;
    current_ = framed(own, size, frameColour, 30);
  } else if (lastWasPicture_ || current_.size() != size) {
    // Right after a test's own picture, the set's picture (or none);
    // otherwise the card keeps what it showed.
    QImage shared = lastWasPicture_ ? loadPicture(setFolder) : QImage();
    lastWasPicture_ = false;
    current_ = shared.isNull() ? hatched(backgroundPiece, frameColour)
                               : framed(shared, size, frameColour, 29);
  }
  return current_;
}

}  // namespace ispyt
