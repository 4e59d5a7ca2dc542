#include "shell/ui/AppearancePage.h"

#include <QPainter>
#include <algorithm>
#include <random>

#include "platform/qt/PixelFont.h"
#include "presentation/ColourSchemes.h"

namespace ispyt {

void AppearancePage::addLabel(const QString& text, QPoint at, int points) {
  labels_.push_back({text, at, points});
  update();
}

void AppearancePage::setScheme(int schemeNumber) {
  if (schemeNumber == scheme_) return;
  scheme_ = schemeNumber;
  // Painted when the page is next shown: a dialog made at start-up keeps
  // no picture until it is opened.
  backdrop_ = QImage();
  update();
}

QStringList AppearancePage::labels() const {
  QStringList texts;
  for (const Label& l : labels_) texts << l.text;
  return texts;
}

void AppearancePage::resizeEvent(QResizeEvent*) { backdrop_ = QImage(); }

void AppearancePage::paintBackdrop() {
  if (width() <= 0 || height() <= 0) return;
  const DialogBackdrop b = dialogBackdrop(scheme_);
  backdrop_ = QImage(size(), QImage::Format_RGB32);
  // The same grain every time a scheme is painted.
  std::minstd_rand grain(static_cast<unsigned>(scheme_ + 1));
  const int h = std::max(1, height() - 1);
  for (int y = 0; y < height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(backdrop_.scanLine(y));
    auto channel = [&](int top, int bottom) { return top - (top - bottom) * y / h; };
    const int r = channel(b.top.r, b.bottom.r), g = channel(b.top.g, b.bottom.g),
              bl = channel(b.top.b, b.bottom.b);
    for (int x = 0; x < width(); ++x) {
      const int d = b.grain ? static_cast<int>(grain() % (2 * b.grain + 1)) - b.grain : 0;
      row[x] =
          qRgb(std::clamp(r + d, 0, 255), std::clamp(g + d, 0, 255), std::clamp(bl + d, 0, 255));
    }
  }
}

void AppearancePage::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (backdrop_.size() != size()) paintBackdrop();
  p.drawImage(0, 0, backdrop_);
  p.setRenderHint(QPainter::TextAntialiasing);
  for (const Label& l : labels_) {
    const QFont font = pixelFont("DejaVu Sans", l.points, l.points >= 10);
    p.setFont(font);
    const QPoint base = l.at + QPoint(0, p.fontMetrics().ascent());
    // A light copy under the text keeps it readable on every scheme.
    p.setPen(QColor(255, 255, 255, 170));
    p.drawText(base + QPoint(1, 1), l.text);
    p.setPen(QColor(20, 30, 90));
    p.drawText(base, l.text);
  }
}

}  // namespace ispyt
