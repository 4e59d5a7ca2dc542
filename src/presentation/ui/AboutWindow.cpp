#include "presentation/ui/AboutWindow.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>

#include "platform/Artwork.h"
#include "platform/qt/QtColour.h"
#include "platform/qt/QtText.h"
#include "presentation/ColourSchemes.h"

namespace ispyt {
namespace {

const char* const kCaption = "Про програму ";
const QColor kPen(64, 32, 32);
// The card on the left, the side bar with the page scroll bar on the right.
constexpr int kCardWidth = 278;
constexpr int kCardLeft = 20;
const QRect kSideBar(kCardWidth, 0, kAboutSize.width - kCardWidth, kAboutSize.height);
const QRect kScrollBar(kCardWidth + 8, 22, 16, kAboutSize.height - 44);

}  // namespace

AboutWindow::AboutWindow(QWidget* mainWindow, Scheduler& scheduler, const ArtworkList& artwork)
    : QWidget(mainWindow, Qt::Tool | Qt::FramelessWindowHint),
      main_(mainWindow),
      artwork_(artwork),
      caption_(new CaptionBar(this)),
      pages_(new QScrollBar(Qt::Vertical, this)),
      marquee_(scheduler, [this](const std::string& text) {
        caption_->setText(ui(kCaption) + fromCp1251(text));
      }) {
  setObjectName("about");
  setWindowTitle(ui(kCaption));
  setWindowModality(Qt::ApplicationModal);
  setAttribute(Qt::WA_OpaquePaintEvent);
  resize(kAboutSize.width, CaptionBar::kHeight + kAboutSize.height);
  caption_->setGeometry(0, 0, kAboutSize.width, CaptionBar::kHeight);
  caption_->setButtons({CaptionBar::Button::Close});
  caption_->pressed = [this](CaptionBar::Button) { hide(); };
  pages_->setRange(1, kAboutPages);
  pages_->setSingleStep(kAboutPageStep);
  pages_->setPageStep(kAboutPageStep);
  pages_->setGeometry(kScrollBar.translated(0, CaptionBar::kHeight));
  connect(pages_, &QScrollBar::valueChanged, this, [this] { update(); });
  text_ = aboutText(ISPYT_VERSION, nullptr);
}

void AboutWindow::showOver(bool firstPage, const ScreenScale& scale, const std::string& scheme) {
  const ColourScheme& s = colourSchemeOf(scheme);
  window_ = qcolor(s.window);
  accent_ = qcolor(aboutAccent(scheme, s.window));
  const QPoint corner = main_->mapToGlobal(QPoint(0, 0));
  const Point at = aboutPosition({corner.x(), corner.y()}, scale, {width(), height()});
  move(at.x, at.y);
  pages_->setValue(firstPage ? 1 : kAboutPages);
  caption_->setText(ui(kCaption));
  marquee_.start(text_[kAboutLineCount - 1], kAboutMarqueeTicks);
  show();
  raise();
  activateWindow();
  update();
}

int AboutWindow::page() const { return pages_->value(); }

QImage AboutWindow::card() const {
  QImage image(kAboutSize.width, kAboutSize.height, QImage::Format_RGB32);
  QPainter p(&image);
  paintClient(p);
  return image;
}

void AboutWindow::paintClient(QPainter& p) const {
  const QRect cardArea(0, 0, kCardWidth, kAboutSize.height);
  // The card area on parchment.
  p.fillRect(cardArea, QBrush(artwork_.cut(artwork::kParchmentTile)));
  // The page: a white rounded card with a white strip at the right; the
  // window colour around it lets the parchment through.
  QImage page(cardArea.size(), QImage::Format_RGB32);
  page.fill(window_);
  {
    QPainter c(&page);
    c.setRenderHint(QPainter::Antialiasing, false);
    c.setPen(QPen(kPen, 2));
    c.setBrush(Qt::white);
    c.drawRoundedRect(QRect(kCardLeft, 1, page.width() - 22, page.height() - 3), 35, 35,
                      Qt::AbsoluteSize);
    c.fillRect(QRect(page.width() - 30, 2, 30 - 3, page.height() - 5), Qt::white);
    const int number = pages_->value();
    if (number == kAboutPicturePage)
      c.drawImage(kCardLeft + kAboutPictureAt.x, kAboutPictureAt.y,
                  artwork_.cut(artwork::kAboutPicture));
    QFont font("Comic Sans MS");
    // The lines stand on the card, whose left edge is 20 pixels in.
    for (const AboutLine& line : aboutPage(number)) {
      font.setItalic(line.italic);
      font.setPointSize(line.size);
      c.setFont(font);
      c.setPen(qcolor(line.colour));
      const int x = kCardLeft + line.at.x;
      c.drawText(QRect(x, line.at.y, page.width() - x - 4, 25), Qt::AlignLeft | Qt::AlignTop,
                 fromCp1251(text_[line.index]));
    }
  }
  const QRgb clear = page.pixel(kCardLeft, page.height() - 20);
  QImage shown = page.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < shown.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(shown.scanLine(y));
    for (int x = 0; x < shown.width(); ++x)
      if (row[x] == clear) row[x] = 0;
  }
  p.drawImage(0, 0, shown);
  // The side bar: the scroll bar on the scheme's accent, rounded at both ends.
  p.fillRect(kSideBar, window_);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(kPen);
  p.setBrush(accent_);
  const QRect bar = kScrollBar.adjusted(-4, -6, 4, 6);
  p.drawEllipse(QRect(bar.left() - 2, bar.top() - 12, bar.width() + 4, 24));
  p.drawEllipse(QRect(bar.left() - 2, bar.bottom() - 12, bar.width() + 4, 24));
  p.drawRect(bar);
}

void AboutWindow::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.translate(0, CaptionBar::kHeight);
  paintClient(p);
}

void AboutWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return) {
    hide();
    return;
  }
  QWidget::keyPressEvent(event);
}

void AboutWindow::hideEvent(QHideEvent* event) {
  marquee_.stop();
  QWidget::hideEvent(event);
}

}  // namespace ispyt
