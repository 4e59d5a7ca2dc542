#include "attempt/ui/MatchingAnswersWindow.h"

#include <QPainter>

#include "platform/qt/QtText.h"

namespace ispyt {

MatchingAnswersWindow::MatchingAnswersWindow(QWidget* mainWindow, Scheduler& scheduler,
                                             const ScreenScale& scale)
    : QWidget(mainWindow, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      main_(mainWindow),
      scale_(scale),
      caption_(new CaptionBar(this)) {
  setObjectName("matchingAnswers");
  setWindowTitle(ui("Відповідники"));
  setAttribute(Qt::WA_OpaquePaintEvent);
  // The window only shows; the main window keeps the focus and the keys.
  setAttribute(Qt::WA_ShowWithoutActivating);
  setFocusPolicy(Qt::NoFocus);
  caption_->setText(ui("Відповідники"));
  caption_->setButtons(
      {CaptionBar::Button::Minimise, CaptionBar::Button::Maximise, CaptionBar::Button::Restore});
  caption_->pressed = [this](CaptionBar::Button b) {
    place(b == CaptionBar::Button::Minimise   ? ListButton::Minimise
          : b == CaptionBar::Button::Maximise ? ListButton::Maximise
                                              : ListButton::Restore);
  };
  timer_ = scheduler.createTimer([this] { step(); });
}

void MatchingAnswersWindow::setPicture(const QImage& picture) {
  picture_ = picture;
  update();
}

void MatchingAnswersWindow::unroll(QPoint corner, int items, std::function<void()> out) {
  corner_ = corner;
  out_ = std::move(out);
  unroll_.start(fullHeight(), main_->height(), items);
  hide();
  setTopAndHeight(corner.y(), 0);
  timer_->start(kListUnrollTickMs);
}

void MatchingAnswersWindow::step() {
  const bool going = unroll_.tick();
  if (unroll_.visible()) {
    setTopAndHeight(corner_.y(), unroll_.height());
    if (!isVisible()) show();
  }
  if (going) return;
  timer_->stop();
  if (out_) std::exchange(out_, nullptr)();
}

void MatchingAnswersWindow::place(ListButton button) {
  const ListPlace p = listPlace(button, scale_, main_->height(), fullHeight());
  setTopAndHeight(p.top, p.height);
}

void MatchingAnswersWindow::setTopAndHeight(int top, int height) {
  const QPoint at = main_->mapToGlobal(QPoint(corner_.x(), top));
  setGeometry(at.x(), at.y(), picture_.width(), std::max(1, height));
}

void MatchingAnswersWindow::withdraw() {
  timer_->stop();
  out_ = nullptr;
  hide();
}

void MatchingAnswersWindow::resizeEvent(QResizeEvent*) {
  caption_->setGeometry(0, 0, width(), CaptionBar::kHeight);
}

void MatchingAnswersWindow::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::white);
  p.drawImage(0, CaptionBar::kHeight, picture_);
}

}  // namespace ispyt
