#include "shell/ui/ExitConfirmPanel.h"

#include <QPainter>

#include "platform/qt/QtGeometry.h"
#include "presentation/MainLayout.h"

namespace ispyt {
namespace {

QImage answerTile(const char* text, QColor face, int fontSize, const ScreenScale& s) {
  QImage t(s.x(layout::kExitAnswerTile.width), s.y(layout::kExitAnswerTile.height),
           QImage::Format_ARGB32_Premultiplied);
  t.fill(Qt::transparent);
  QPainter p(&t);
  p.setRenderHint(QPainter::TextAntialiasing);
  QFont font("DejaVu Sans");
  font.setPixelSize(std::max(1, roundHalfEven(fontSize * 4 / 3.0)));
  font.setBold(true);
  p.setFont(font);
  p.setPen(Qt::black);
  p.drawText(t.rect(), Qt::AlignCenter, text);
  p.setPen(face);
  p.drawText(t.rect().translated(-1, -1), Qt::AlignCenter, text);
  return t;
}

}  // namespace

void ExitConfirmPanel::show(const QImage& screen, QImage window, const QImage& desktop,
                            const ArtworkList& artwork, const ScreenScale& s, QColor bandColour) {
  scale_ = s;
  base_ = screen.copy();
  QPainter p(&base_);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  QImage panel = artwork.cut(artwork::kExitPicture);
  p.drawImage(QRect(s.x(layout::kExitPicture.x), s.y(layout::kExitPicture.y), s.x(panel.width()),
                    s.y(panel.height())),
              panel);
  {
    QPainter w(&window);
    const int band = s.y(layout::kExitBand);
    w.fillRect(0, 0, window.width(), band, bandColour);
    w.fillRect(0, window.height() - band, window.width(), band, bandColour);
  }
  p.drawImage(qrect(s.rect(layout::kExitWindowThumb)), window);
  p.drawImage(qrect(s.rect(layout::kExitDesktopThumb)), desktop);
  p.end();
  tiles_[0] = answerTile("Tak", QColor(255, 255, 0), s.font(16), s);
  tiles_[1] = answerTile("Hi", QColor(255, 160, 128), s.font(18), s);
  picture_ = base_;
  hovered_ = ConfirmAnswer::None;
  shown_ = true;
}

bool ExitConfirmPanel::hover(ConfirmAnswer answer) {
  if (answer == hovered_) return false;
  hovered_ = answer;
  picture_ = base_.copy();
  if (answer != ConfirmAnswer::None) {
    QPainter p(&picture_);
    p.drawImage(qrect(confirmAnswerArea(answer, scale_)).topLeft(),
                tiles_[answer == ConfirmAnswer::Yes ? 0 : 1]);
  }
  return true;
}

}  // namespace ispyt
