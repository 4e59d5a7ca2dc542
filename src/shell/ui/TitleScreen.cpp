#include "shell/ui/TitleScreen.h"

#include <QPainter>

#include "platform/Paths.h"
#include "platform/qt/PixelFont.h"
#include "platform/qt/QtText.h"
#include "presentation/MainLayout.h"
#include "presentation/qt/PictureImage.h"
#include "presentation/qt/RenderTitle.h"
#include "shell/OpenTest.h"

namespace ispyt {

TitleScreen::TitleScreen(const WindowParts& parts, Host host)
    : parts_(parts), ws_(parts.ws), host_(std::move(host)) {
  caption_ = new QLabel(parts_.window);
  caption_->setAlignment(Qt::AlignCenter);
  caption_->setGeometry(parts_.rect(layout::kTestSetCaption));
  redraw_ = parts_.scheduler.createTimer([this] { parts_.repaint(); });
  redraw_->setSingleShot(true);
}

bool TitleScreen::openTest(const std::string& name, const std::string* shuffleState) {
  if (OpenTest(name, ws_, parts_.random, parts_.shell, *this, shuffleState) <= 0) return false;
  host_.testOpened();
  return true;
}

void TitleScreen::showMessage(const std::string& cp1251Text) {
  parts_.showMessage(fromCp1251(cp1251Text));
}

void TitleScreen::showTestSetCaption() {
  showTestSetTitle(ws_.testSet, testSetTitleFontSize(ws_.testSet));
}

void TitleScreen::showTestSetTitle(const std::string& name, int designFontSize) {
  caption_->setFont(pixelFont("DejaVu Sans", ws_.scale.font(designFontSize), true));
  caption_->setStyleSheet("color: rgb(128,0,0); background: transparent;");
  caption_->setText(fromCp1251(name));
}

void TitleScreen::setCaption(const QString& text, QColor colour) {
  caption_->setStyleSheet(QString("color: %1; background: transparent;").arg(colour.name()));
  caption_->setText(text);
}

void TitleScreen::drawTitleScreen(const Test& test) {
  QRect title = parts_.rect(layout::kTitleArea);
  textSlots_.backdrops.titleBackdrop = parts_.background.copy(title);
  SlotBackdrop backdrop;
  backdrop.scaleX = ws_.scale.scaleX;
  backdrop.scaleY = ws_.scale.scaleY;
  backdrop.colourScheme = ws_.decor.colourScheme;
  QImage picture = RenderTitle(textSlots_, backdrop, test.title, title.width(), title.height());
  QPainter p(&parts_.screen);
  p.drawImage(title.topLeft(), picture);
  p.end();
  showAnnouncement();
}

void TitleScreen::showAnnouncement(std::function<void()> followUp) {
  QRect card = parts_.rect(layout::kCardArea);
  std::filesystem::path testFolder =
      ws_.testOpen() ? ws_.openTest.testFolder : std::filesystem::path();
  parts_.transition.start(
      announcement_.build(testFolder,
                          locate(ws_.programFolder, ws_.baseFolderName + "/" + ws_.testSet),
                          parts_.background, card, parts_.look.frameColour),
      std::move(followUp));
}

}  // namespace ispyt
