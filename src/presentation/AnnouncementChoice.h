#pragma once
// Which picture the card area announces a test with: the test folder's own
// "Anons.bmp"; right after such a picture (and at the first call) the test
// set's, or the hatched background when the set has none; otherwise the
// card keeps what it showed.

namespace ispyt {

enum class AnnouncementSource { TestPicture, SetPicture, Hatched, Previous };

class AnnouncementChoice {
 public:
  AnnouncementSource next(bool testHasPicture, bool setHasPicture);
  // A new appearance: the next call makes its picture anew.
  void reset() { afterPicture_ = true; }

 private:
  bool afterPicture_ = true;
};

}  // namespace ispyt
