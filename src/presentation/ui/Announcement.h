#pragma once
// The announcement picture of the card area: "Anons.bmp" of the test
// folder; right after such a picture, the one of the test set or else the
// piece of the screen background under the card, hatched; otherwise the
// card keeps what it showed.

#include <QImage>
#include <filesystem>

namespace ispyt {

class Announcement {
 public:
  // `backgroundPiece` is the screen background under the card area.
  QImage build(const std::filesystem::path& testFolder, const std::filesystem::path& setFolder,
               const QImage& backgroundPiece, QColor frameColour);
  // A new background: the next picture is made anew from it.
  void forget() { current_ = QImage(); }

 private:
  bool lastWasPicture_ = false;
  QImage current_;
};

}  // namespace ispyt
