#pragma once
// The announcement picture of the card area, of the card area's size:
// "Anons.bmp" of the test folder, or that of the test set, or the hatched
// background, as AnnouncementChoice picks.

#include <QImage>
#include <filesystem>

#include "presentation/AnnouncementChoice.h"

namespace ispyt {

class Announcement {
 public:
  // `backgroundPiece` is the screen background under the card area.
  QImage build(const std::filesystem::path& testFolder, const std::filesystem::path& setFolder,
               const QImage& backgroundPiece, QColor frameColour);
  // A new background: the next picture is made anew from it.
  void forget() {
    choice_.reset();
    current_ = QImage();
  }

 private:
  AnnouncementChoice choice_;
  QImage current_;
};

}  // namespace ispyt
