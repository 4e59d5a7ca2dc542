#include "shell/ui/PasswordPrompt.h"

#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QLinearGradient>
#include <QPainter>

#include "platform/qt/QtText.h"

namespace ispyt {
namespace {

// The mark stands on a light patch so that its maroon reads on the ground.
const QString kCloseMarkStyle =
    "color: %1; background: rgb(235,235,235); border-radius: 3px; padding: 0 3px;";

bool isNavigation(int key) {
  switch (key) {
    case Qt::Key_Left: case Qt::Key_Right: case Qt::Key_Up: case Qt::Key_Down:
    case Qt::Key_Home: case Qt::Key_End: case Qt::Key_PageUp: case Qt::Key_PageDown:
    case Qt::Key_Delete: case Qt::Key_Insert: case Qt::Key_Tab: case Qt::Key_Backtab:
      return true;
    default:
      return false;
  }
}

}  // namespace

PasswordPrompt::PasswordPrompt(QWidget* parent) : QWidget(parent) {
  box_ = new QLineEdit(this);
  box_->setContextMenuPolicy(Qt::NoContextMenu);
  box_->installEventFilter(this);
  close_ = new QLabel("x", this);
  close_->installEventFilter(this);
  close_->setAttribute(Qt::WA_Hover);
  resetCloseMark();
  hide();
}

void PasswordPrompt::setFonts(int captionSize, int closeSize, int editSize) {
  QFont f = font();
  f.setPixelSize(std::max(1, captionSize * 4 / 3));
  f.setBold(true);
  captionFont_ = f;
  QFontMetrics fm(f);
  QFont c = f;
  c.setPixelSize(std::max(1, closeSize * 4 / 3));
  close_->setFont(c);
  close_->adjustSize();
  QFont e = font();
  e.setPixelSize(std::max(1, editSize * 4 / 3));
  box_->setFont(e);
  // Caption, box and close mark in a row, centred on the strip's height.
  const int h = height();
  captionAt_ = QPoint(8, (h - fm.height()) / 2 + fm.ascent());
  int boxX = captionAt_.x() + fm.horizontalAdvance(ui("Пароль:")) + 8;
  int boxW = std::max(40, width() - boxX - close_->width() - 16);
  box_->setGeometry(boxX, (h - box_->sizeHint().height()) / 2, boxW, box_->sizeHint().height());
  close_->move(width() - close_->width() - 6, (h - close_->height()) / 2);
}

void PasswordPrompt::ask(int password) {
  password_ = password;
  entry_.clear();
  box_->clear();
  show();
  raise();
  box_->setFocus();
}

void PasswordPrompt::paintEvent(QPaintEvent*) {
  QPainter p(this);
  // Its own ground covers the status strip's line while it asks.
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient ground(0, 0, 0, height());
  ground.setColorAt(0, QColor(70, 90, 150));
  ground.setColorAt(1, QColor(35, 45, 95));
  p.setPen(QPen(QColor(96, 96, 96), 2));
  p.setBrush(ground);
  p.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 8, 8);
  p.setFont(captionFont_);
  p.setPen(QColor(200, 0, 0));
  p.drawText(captionAt_ + QPoint(1, 1), ui("Пароль:"));
  p.setPen(QColor(255, 255, 0));
  p.drawText(captionAt_, ui("Пароль:"));
}

void PasswordPrompt::resetCloseMark() {
  close_->setStyleSheet(kCloseMarkStyle.arg("rgb(128,0,0)"));
}

bool PasswordPrompt::eventFilter(QObject* watched, QEvent* event) {
  if (watched == close_) {
    if (event->type() == QEvent::Enter)
      close_->setStyleSheet(kCloseMarkStyle.arg("rgb(255,0,0)"));
    if (event->type() == QEvent::MouseButtonPress) {
      hide();
      emit closed();
      return true;
    }
    return false;
  }
  if (watched == box_ && event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (isNavigation(key->key())) return true;
    bool matched = false;
    if (key->key() == Qt::Key_Backspace) {
      matched = entry_.type(PasswordEntry::Key::Backspace, 0, password_);
    } else if (!key->text().isEmpty()) {
      std::string typed = toCp1251(key->text());
      matched = entry_.type(PasswordEntry::Key::Character, typed.empty() ? '?' : typed[0],
                             password_);
    } else {
      return false;  // modifiers and other keys without text
    }
    box_->setText(QString::fromStdString(entry_.shown()));
    if (matched) {
      hide();
      emit accepted();
    }
    return true;
  }
  return false;
}

}  // namespace ispyt
