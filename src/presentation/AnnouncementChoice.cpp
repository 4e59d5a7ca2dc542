#include "presentation/AnnouncementChoice.h"

namespace ispyt {

AnnouncementSource AnnouncementChoice::next(bool testHasPicture, bool setHasPicture) {
  if (testHasPicture) {
    afterPicture_ = true;
    return AnnouncementSource::TestPicture;
  }
  if (!afterPicture_) return AnnouncementSource::Previous;
  afterPicture_ = false;
  return setHasPicture ? AnnouncementSource::SetPicture : AnnouncementSource::Hatched;
}

}  // namespace ispyt
