#pragma once
// The announcement picture of the card area, of the card area's size:
// "Anons.bmp" of the test folder, or that of the test set, or the hatched
// background, as AnnouncementChoice picks.

#include <QColor>
#include <QImage>
#include <QRect>
#include <filesystem>

#include "platform/Picture.h"
#include "presentation/AnnouncementChoice.h"

namespace ispyt {

class Announcement {
 public:
  // `card` is where the card area lies on the screen `background`.  The
  // picture is kept: what it returns shares its pixels.
  Picture build(const std::filesystem::path& testFolder, const std::filesystem::path& setFolder,
                const QImage& background, QRect card, QColor frameColour);
  // A new background: the next picture is made anew from it.
  void forget() {
    choice_.reset();
    current_ = Picture();
  }

 private:
  AnnouncementChoice choice_;
  Picture current_;
};

}  // namespace ispyt
