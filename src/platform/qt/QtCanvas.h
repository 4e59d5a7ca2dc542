#pragma once
// A Canvas that paints onto a QImage (a text slot's bitmap).

#include <QImage>

#include "platform/Canvas.h"

namespace ispyt {

// The pictures slot backdrops are cut from, kept by the screen code.
struct SlotImages {
  QImage titleBackdrop;
  QImage cardBackdrop;
  QImage optionBackdrop;
  QImage screenBackground;

  const QImage& operator[](SlotImage which) const;
};

class QtCanvas : public Canvas {
 public:
  // A `blank` image's pixels are not set yet: they are white unless the
  // first drawing covers them all.
  QtCanvas(QImage& image, const SlotImages& images, bool blank = false)
      : image_(image), images_(images), blank_(blank) {}

  void drawText(Point topLeft, const Font& font, Rgb colour, std::string_view bytes) override;
  void drawLine(Point from, Point to, Rgb colour, int penWidth) override;
  void drawArc(Rect bounds, Point start, Point end, Rgb colour, int penWidth) override;
  void drawPoint(Point at, int size, Rgb colour) override;
  void copyImage(SlotImage image, Rect source, Point at) override;
  void stretchImage(SlotImage image, Rect target) override;
  void stretchPicture(const std::filesystem::path& file, Rect target, bool transparent) override;
  void setTransparent() override { transparent_ = true; }

  bool transparent() const { return transparent_; }
  // The image as drawn: white where nothing was.
  const QImage& image() {
    whiten();
    return image_;
  }

 private:
  void whiten();

  QImage& image_;
  const SlotImages& images_;
  bool blank_;
  bool transparent_ = false;
};

}  // namespace ispyt
