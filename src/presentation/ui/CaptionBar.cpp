#include "presentation/ui/CaptionBar.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>

namespace ispyt {
namespace {

constexpr int kButtonWidth = 18;
constexpr int kButtonHeight = 15;

void drawGlyph(QPainter& p, CaptionBar::Button button, QRect r) {
  p.setPen(QPen(Qt::black, 2));
  const QRect g = r.adjusted(5, 4, -5, -4);
  switch (button) {
    case CaptionBar::Button::Minimise:
      p.drawLine(g.left(), g.bottom(), g.right(), g.bottom());
      break;
    case CaptionBar::Button::Maximise:
      p.setPen(QPen(Qt::black, 1));
      p.drawRect(g);
      p.drawLine(g.left(), g.top() + 1, g.right(), g.top() + 1);
      break;
    case CaptionBar::Button::Restore:
      p.setPen(QPen(Qt::black, 1));
      p.drawRect(g.adjusted(2, 0, 0, -2));
      p.drawRect(g.adjusted(0, 2, -2, 0));
      break;
    case CaptionBar::Button::Close:
      p.drawLine(g.topLeft(), g.bottomRight());
      p.drawLine(g.bottomLeft(), g.topRight());
      break;
  }
}

}  // namespace

CaptionBar::CaptionBar(QWidget* window) : QWidget(window) {
  setFixedHeight(kHeight);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void CaptionBar::setText(const QString& text) {
  text_ = text;
  update();
}

void CaptionBar::setButtons(std::vector<Button> buttons) {
  buttons_ = std::move(buttons);
  update();
}

void CaptionBar::setColours(QColor bar, QColor ink) {
  bar_ = bar;
  ink_ = ink;
  update();
}

QRect CaptionBar::buttonRect(Button button) const {
  const int n = static_cast<int>(buttons_.size());
  for (int i = 0; i < n; ++i)
    if (buttons_[i] == button)
      return QRect(width() - 3 - (n - i) * (kButtonWidth + 2), (kHeight - kButtonHeight) / 2,
                   kButtonWidth, kButtonHeight);
  return {};
}

void CaptionBar::paintEvent(QPaintEvent*) {
  QPainter p(this);
  QLinearGradient g(0, 0, width(), 0);
  g.setColorAt(0, bar_);
  g.setColorAt(1, bar_.lighter(170));
  p.fillRect(rect(), g);
  QFont f("DejaVu Sans");
  f.setPixelSize(12);
  f.setBold(true);
  p.setFont(f);
  p.setPen(ink_);
  const int buttons = static_cast<int>(buttons_.size()) * (kButtonWidth + 2) + 6;
  p.drawText(QRect(5, 0, width() - 5 - buttons, kHeight), Qt::AlignVCenter | Qt::AlignLeft, text_);
  for (Button b : buttons_) {
    const QRect r = buttonRect(b);
    p.fillRect(r, QColor(212, 208, 200));
    p.setPen(Qt::white);
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(QColor(64, 64, 64));
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
    drawGlyph(p, b, r);
  }
}

void CaptionBar::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  for (Button b : buttons_)
    if (buttonRect(b).contains(event->position().toPoint())) {
      if (pressed) pressed(b);
      return;
    }
  drag_.press(window(), event->globalPosition().toPoint());
}

void CaptionBar::mouseMoveEvent(QMouseEvent* event) {
  drag_.move(window(), event->globalPosition().toPoint());
}

void CaptionBar::mouseReleaseEvent(QMouseEvent*) { drag_.release(); }

void WindowDrag::press(QWidget* window, QPoint global) {
  active_ = true;
  offset_ = global - window->frameGeometry().topLeft();
}

void WindowDrag::move(QWidget* window, QPoint global) const {
  if (active_) window->move(global - offset_);
}

}  // namespace ispyt
