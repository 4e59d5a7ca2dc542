#include "attempt/ui/TaskCanvas.h"

#include <QPainter>
#include <QPainterPath>
#include <QTextOption>

#include "platform/qt/PixelFont.h"
#include "platform/qt/QtGeometry.h"
#include "presentation/MainLayout.h"
#include "presentation/RenderTaskText.h"
#include "presentation/TextColours.h"
#include "presentation/qt/PictureImage.h"

namespace ispyt {
namespace {

// The card's frame is a rounded rectangle on the background; its content
// stays inside it.
constexpr int kCardInset = 8;
constexpr double kCardCorner = 12;
// The plain backgrounds the presentation keys switch to.
constexpr QRgb kPlainQuestion = qRgb(128, 255, 255);
constexpr QRgb kPlainAnswer = qRgb(255, 255, 128);

}  // namespace

QRect TaskCanvas::rect(const Rect& design) const { return qrect(p_.scale.rect(design)); }

void TaskCanvas::clear(QRect box) {
  QPainter p(p_.screen);
  p.drawImage(box.topLeft(), *p_.background, box);
}

Rgb TaskCanvas::questionColour() const { return textColour(look_.questionColour); }
Rgb TaskCanvas::answerColour() const { return textColour(look_.answerColour); }

QImage TaskCanvas::backdrop(const QImage& tile, bool plain, QRgb plainColour, QRect box) const {
  if (!plain && tile.isNull()) return p_.background->copy(box);
  QImage picture(box.size(), QImage::Format_RGB32);
  if (plain) {
    picture.fill(plainColour);
    return picture;
  }
  QPainter p(&picture);
  p.fillRect(picture.rect(), QBrush(tile));
  return picture;
}

TextRenderTarget TaskCanvas::target(bool optionTile) {
  SlotBackdrop backdrop;
  backdrop.optionTileInUse = optionTile;
  backdrop.scaleX = p_.scale.scaleX;
  backdrop.scaleY = p_.scale.scaleY;
  return {slots_, boxes_, anchors_, backdrop};
}

bool TaskCanvas::drawCard(std::string_view text, int maxSize, bool animated,
                          std::function<void()> followUp) {
  const QRect area = rect(layout::kCardArea);
  const QRect card = area.adjusted(kCardInset, kCardInset, -kCardInset, -kCardInset);
  slots_.backdrops.cardBackdrop =
      backdrop(p_.cardTile, look_.plainQuestionBackground, kPlainQuestion, card);
  TextRenderTarget t = target(false);
  RenderTaskText(t, text, folder_, card.width(), card.height(), look_.questionBold, true,
                 kCardSlot, questionColour(), maxSize);
  if (p_.transition) {
    // The card's content: its backdrop with the text inside the frame.
    QImage content = backdrop(p_.cardTile, look_.plainQuestionBackground, kPlainQuestion, area);
    QPainter c(&content);
    c.drawImage(QPoint(kCardInset, kCardInset), slots_.image(kCardSlot));
    c.end();
    slots_.release(kCardSlot);
    if (animated)
      p_.transition->start(toPicture(content), std::move(followUp));
    else
      p_.transition->showAtOnce(toPicture(content));
    return animated;
  }
  QPainter p(p_.screen);
  p.setRenderHint(QPainter::Antialiasing);
  QPainterPath inside;
  inside.addRoundedRect(card, kCardCorner, kCardCorner);
  p.setClipPath(inside);
  p.drawImage(card.topLeft(), slots_.image(kCardSlot));
  p.end();
  slots_.release(kCardSlot);
  return false;
}

void TaskCanvas::drawCardText(const QString& text, QColor colour, int pixelSize) {
  const QRect card = rect(layout::kCardArea).adjusted(kCardInset, kCardInset, -kCardInset,
                                                       -kCardInset);
  QPainter p(p_.screen);
  p.setRenderHint(QPainter::Antialiasing);
  QPainterPath inside;
  inside.addRoundedRect(card, kCardCorner, kCardCorner);
  p.setClipPath(inside);
  p.drawImage(card.topLeft(),
              backdrop(p_.cardTile, look_.plainQuestionBackground, kPlainQuestion, card));
  p.setPen(colour);
  p.setFont(pixelFont("DejaVu Sans", pixelSize, true));
  const int margin = pixelSize;
  QTextOption wrap(Qt::AlignLeft | Qt::AlignTop);
  wrap.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  p.drawText(QRectF(card.adjusted(margin, margin, -margin, -margin)), text, wrap);
}

int TaskCanvas::measure(std::string_view text, QSize size, bool bold) {
  TextRenderTarget t = target(true);
  return RenderTaskText(t, text, folder_, size.width(), size.height(), bold, false,
                        kMeasuringSlot, answerColour(), 64);
}

void TaskCanvas::fillOption(QRect box) {
  QPainter p(p_.screen);
  p.drawImage(box.topLeft(), backdrop(p_.optionTile, look_.plainAnswerBackground, kPlainAnswer, box));
}

int TaskCanvas::drawOption(std::string_view text, QRect box, int slot, Rgb colour, int maxSize,
                           bool bold) {
  // Every option stands on the backdrop under its own box, so options
  // join the screen without seams wherever they are placed.
  int g = 0;
  const QImage picture = renderText(
      text, backdrop(p_.optionTile, look_.plainAnswerBackground, kPlainAnswer, box), slot, colour,
      maxSize, bold, &g);
  QPainter p(p_.screen);
  p.drawImage(box.topLeft(), picture);
  return g;
}

QImage TaskCanvas::renderText(std::string_view text, const QImage& backdrop, int slot,
                              Rgb colour, int maxSize, bool bold, int* cellWidth) {
  slots_.backdrops.optionBackdrop = backdrop;
  TextRenderTarget t = target(true);
  const int g = RenderTaskText(t, text, folder_, backdrop.width(), backdrop.height(), bold, true,
                               slot, colour, maxSize);
  if (cellWidth) *cellWidth = g;
  QImage picture = slots_.image(slot);
  slots_.release(slot);
  return picture;
}

}  // namespace ispyt
