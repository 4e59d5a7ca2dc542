#pragma once
// The pictures of the intro: the side picture, the logo stage and its nine
// frames (a check mark drawn stroke by stroke on a medallion), the title
// arch in its variants, the typed caption and the idle glint.  All are
// prepared once; each intro step copies one of them onto the screen.

#include <QImage>
#include <QVector>
#include <functional>

#include "platform/qt/ArtworkList.h"
#include "presentation/ScreenScale.h"
#include "shell/IntroAnimation.h"

namespace ispyt {

class IntroPictures : public IntroStage {
 public:
  struct Host {
    std::function<void()> loadClassLists;
    std::function<void()> showPublisherLine;
    std::function<void()> makeMenuAvailable;
    std::function<void()> repaint;
  };

  IntroPictures(QImage& screen, const ScreenScale& scale, const ArtworkList& artwork, Host host);

  // Takes what makes the backdrop under the title area for the title
  // pictures; it, they and the idle frames are made by prepareRest() or
  // when first drawn.
  void prepare(std::function<QImage()> titleBackdrop, bool lightText);
  // The nine logo frames are wanted (not on the transparent-start path);
  // built as the other pictures are.
  void prepareLogoFrames() { logoFramesWanted_ = true; }
  // Builds what prepare() and prepareLogoFrames() asked for and is not
  // built yet: done after the first frame, so that start-up waits for none
  // of it.
  void prepareRest();

  void loadClassLists() override { host_.loadClassLists(); }
  void drawTitle(int variant) override;
  void drawSidePictureAndLogoStage() override;
  void keepSecondLogoStage() override;
  void showPublisherLine() override { host_.showPublisherLine(); }
  void drawLogoFrame(int frame) override;
  void releaseLogoFrames() override {
    logoFrames_.clear();
    logoFramesWanted_ = false;
  }
  void drawCaptionReveal(int characters) override;
  void drawFinishedTitle() override;
  void releaseTitlePictures() override;
  void makeMenuAvailable() override;
  void drawIdle(int copy, int frame) override;
  void releaseIdleCopies() override;

 private:
  void put(const QRect& where, const QImage& picture);
  QRect logoRect() const;
  QRect titleRect() const;
  const QImage& titleBackdrop();
  const QImage& title(int variant);
  const QImage& idleFrame(int index);
  void buildLogoFrames();

  QImage& screen_;
  const ScreenScale& scale_;
  const ArtworkList& artwork_;
  Host host_;
  std::function<QImage()> makeTitleBackdrop_;
  QImage titleBackdrop_;  // null until made
  bool lightText_ = false;
  QImage titles_[6];  // by variant; null until built
  bool finishedTitleReleased_ = false;
  bool logoFramesWanted_ = false;
  QVector<QImage> logoFrames_;
  QImage idleCopy_[2];
  QImage idleFrame_[2];  // null until built
};

}  // namespace ispyt
