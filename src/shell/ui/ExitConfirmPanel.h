#pragma once
// The exit confirmation drawn over the main screen: the exit picture with a
// thumbnail of the program and one of the desktop, and the answer tiles
// "Tak" and "Hi" that appear while the mouse is over their areas.

#include <QImage>

#include "platform/qt/ArtworkList.h"
#include "shell/ExitRequest.h"

namespace ispyt {

class ExitConfirmPanel {
 public:
  // `window` is the window as it stands; its top and bottom bands are
  // painted over in `bandColour` before it is reduced into its frame.
  void show(const QImage& screen, QImage window, const QImage& desktop,
            const ArtworkList& artwork, const ScreenScale& scale, QColor bandColour);
  void hide() { shown_ = false; }
  bool shown() const { return shown_; }

  // Shows the tile of the answer under the mouse (or none); leaving an area
  // restores what was under its tile.  True when the picture changed.
  bool hover(ConfirmAnswer answer);

  const QImage& picture() const { return picture_; }

 private:
  bool shown_ = false;
  ScreenScale scale_;
  QImage base_;
  QImage picture_;
  QImage tiles_[2];  // "Tak", "Hi"
  ConfirmAnswer hovered_ = ConfirmAnswer::None;
};

}  // namespace ispyt
