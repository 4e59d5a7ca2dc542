#include "presentation/ui/AppendixWindow.h"

#include <QEvent>
#include <QImageReader>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>

#include "platform/Paths.h"
#include "platform/qt/QtText.h"
#include "presentation/RenderTaskText.h"

namespace ispyt {
namespace {

const QColor kMemoBackground(224, 192, 128);
const char* const kNoData = "Нема даних";

QSize qsize(Size s) { return {s.width, s.height}; }

}  // namespace

AppendixWindow::AppendixWindow(QWidget* mainWindow, const ScreenScale& scale)
    : QWidget(mainWindow, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      main_(mainWindow),
      scale_(scale),
      caption_(new CaptionBar(this)),
      memo_(new QPlainTextEdit(this)) {
  setObjectName("appendix");
  setWindowTitle(ui("Додаток"));
  setAttribute(Qt::WA_ShowWithoutActivating);
  caption_->setText(ui("Додаток"));
  caption_->pressed = [this](CaptionBar::Button b) {
    if (b == CaptionBar::Button::Close)
      hide();  // the task's title calls it back
    else
      setLarge(b == CaptionBar::Button::Maximise);
  };
  memo_->setReadOnly(true);
  memo_->setFrameStyle(QFrame::NoFrame);
  memo_->setFocusPolicy(Qt::NoFocus);
  QPalette palette = memo_->palette();
  palette.setColor(QPalette::Base, kMemoBackground);
  palette.setColor(QPalette::Text, Qt::black);
  memo_->setPalette(palette);
  memo_->viewport()->installEventFilter(this);
  memo_->hide();
}

bool AppendixWindow::showFor(const std::filesystem::path& testFolder, int task) {
  const AppendixFile file = findAppendix(testFolder, task);
  kind_ = file.kind;
  smallImage_ = largeImage_ = QImage();
  if (file.kind == AppendixKind::None) {
    hide();
    return false;
  }
  large_ = false;
  portrait_ = false;
  if (file.kind == AppendixKind::Picture) {
    QImageReader reader(QString::fromStdU16String(file.path.u16string()));
    const QImage picture = reader.read();
    if (picture.isNull())
      showLines({ui(kNoData)});
    else
      showPicture(picture);
  } else if (file.kind == AppendixKind::Text) {
    const auto line = readAppendixLine(file.path);
    if (line)
      showTextLine(*line, cp1251FromPath(testFolder));
    else
      showLines({ui(kNoData)});
  } else {
    const auto lines = readAppendixLines(file.path);
    QStringList shown;
    if (lines)
      for (const std::string& l : *lines) shown << fromCp1251(l);
    else
      shown << ui(kNoData);
    showLines(shown);
  }
  place(appendixOpening(scale_, portrait_));
  show();
  raise();
  update();  // the same place shows another task's appendix
  return true;
}

void AppendixWindow::showPicture(const QImage& picture) {
  memo_->hide();
  portrait_ = picture.width() < picture.height();
  const Size size{picture.width(), picture.height()};
  for (bool large : {false, true}) {
    const Rect w = appendixForm(scale_, large, portrait_).window;
    const Size fit = fitKeepingAspect(size, {w.width, w.height - CaptionBar::kHeight});
    (large ? largeImage_ : smallImage_) =
        picture.scaled(qsize(fit), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
            .convertToFormat(QImage::Format_RGB32);
  }
}

QImage AppendixWindow::renderLine(const std::string& line, const std::string& folder, QSize size) {
  GapBoxes boxes{};
  GapAnchors anchors{};
  SlotBackdrop backdrop;
  backdrop.scaleX = scale_.scaleX;
  backdrop.scaleY = scale_.scaleY;
  TextRenderTarget target{slots_, boxes, anchors, backdrop};
  RenderTaskText(target, line, folder, size.width(), size.height(), false, true, 0, Rgb{0, 0, 0},
                 64);
  QImage image = slots_.image(0);
  slots_.release(0);
  return image;
}

void AppendixWindow::showTextLine(const std::string& line, const std::string& folder) {
  memo_->hide();
  for (bool large : {false, true}) {
    const Rect w = appendixForm(scale_, large, false).window;
    (large ? largeImage_ : smallImage_) =
        renderLine(line, folder, QSize(w.width, w.height - CaptionBar::kHeight));
  }
}

void AppendixWindow::showLines(const QStringList& lines) {
  QFont font("Courier New");
  font.setPixelSize(appendixForm(scale_, false, false).memoFont);
  memo_->setFont(font);
  memo_->setPlainText(lines.join('\n'));
  memo_->show();
}

void AppendixWindow::setLarge(bool large) {
  large_ = large;
  if (memo_->isVisible()) {
    QFont font = memo_->font();
    font.setPixelSize(appendixForm(scale_, large, false).memoFont);
    memo_->setFont(font);
  }
  place(appendixForm(scale_, large, portrait_).window);
  update();
}

void AppendixWindow::place(const Rect& relative) {
  // Each form offers only the button for the other.
  caption_->setButtons({large_ ? CaptionBar::Button::Minimise : CaptionBar::Button::Maximise,
                        CaptionBar::Button::Close});
  const QPoint corner = main_->mapToGlobal(QPoint(0, 0));
  setGeometry(corner.x() + relative.x, corner.y() + relative.y, relative.width, relative.height);
  caption_->setGeometry(0, 0, relative.width, CaptionBar::kHeight);
  memo_->setGeometry(0, CaptionBar::kHeight, relative.width, relative.height - CaptionBar::kHeight);
}

void AppendixWindow::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QRect area(0, CaptionBar::kHeight, width(), height() - CaptionBar::kHeight);
  p.fillRect(area, Qt::white);
  const QImage& shown = image();
  if (shown.isNull()) return;
  // A picture smaller than its form stands in the middle.
  p.drawImage(area.left() + (area.width() - shown.width()) / 2,
              area.top() + (area.height() - shown.height()) / 2, shown);
}

void AppendixWindow::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  drag_.press(this, event->globalPosition().toPoint());
}

void AppendixWindow::mouseMoveEvent(QMouseEvent* event) {
  drag_.move(this, event->globalPosition().toPoint());
}

void AppendixWindow::mouseReleaseEvent(QMouseEvent*) { drag_.release(); }

bool AppendixWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == memo_->viewport() && event->type() == QEvent::MouseButtonDblClick) {
    QFont font = memo_->font();
    font.setBold(!font.bold());
    memo_->setFont(font);
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace ispyt
