#include "attempt/ui/EmailEntry.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QTextLayout>
#include <QValidator>

#include "attempt/EmailInput.h"
#include "platform/qt/PixelFont.h"
#include "platform/qt/QtText.h"

namespace ispyt {
namespace {

const char* const kFamily = "DejaVu Sans";

// Typed or pasted text goes in only when every character is one the
// address may hold.
bool emailTextAccepted(const QString& text) {
  for (QChar c : text) {
    const std::string byte = toCp1251(QString(c));
    if (byte.size() != 1 || fromCp1251(byte) != QString(c)) return false;
    if (byte[0] == '\b' || !emailKeyAccepted(byte[0])) return false;
  }
  return true;
}

class EmailPartValidator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int&) const override {
    return emailTextAccepted(input) ? Acceptable : Invalid;
  }
};

const char* const kPartStyle =
    "background: white; color: black; border: 1px solid #8b9ab4; border-radius: 3px;";

}  // namespace

EmailUserMemo::EmailUserMemo(QWidget* parent) : QPlainTextEdit(parent) {
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  setTabChangesFocus(true);
  setContextMenuPolicy(Qt::NoContextMenu);
}

int EmailUserMemo::wrappedLines() const {
  const qreal width = contentsRect().width() - 2 * document()->documentMargin();
  QTextLayout layout(toPlainText(), font());
  QTextOption option;
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  layout.setTextOption(option);
  int lines = 0;
  layout.beginLayout();
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(width);
    ++lines;
  }
  layout.endLayout();
  return std::max(1, lines);
}

void EmailUserMemo::keyPressEvent(QKeyEvent* event) {
  const bool backspace = event->key() == Qt::Key_Backspace;
  const QString text = event->text();
  const bool typed = !backspace && !text.isEmpty() && !event->matches(QKeySequence::Paste) &&
                     !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
      (typed && !emailTextAccepted(text))) {
    event->accept();
    return;
  }
  const QString before = toPlainText();
  QPlainTextEdit::keyPressEvent(event);
  if (toPlainText() != before) emit edited(backspace);
}

void EmailUserMemo::insertFromMimeData(const QMimeData* source) {
  if (!source->hasText() || !emailTextAccepted(source->text())) return;
  insertPlainText(source->text());
  emit edited(false);
}

EmailEntry::EmailEntry(QWidget* parent)
    : QWidget(parent),
      user_(new EmailUserMemo(this)),
      at_(new QLabel("@", this)),
      domain_(new QLineEdit(this)) {
  user_->setObjectName("emailUser");
  domain_->setObjectName("emailDomain");
  user_->setStyleSheet(QString("QPlainTextEdit { %1 }").arg(kPartStyle));
  domain_->setStyleSheet(QString("QLineEdit { %1 padding-left: 2px; }").arg(kPartStyle));
  at_->setAlignment(Qt::AlignCenter);
  at_->setStyleSheet("color: #1c3f7a; background: transparent;");
  domain_->setValidator(new EmailPartValidator(domain_));
  domain_->setContextMenuPolicy(Qt::NoContextMenu);
  connect(user_, &EmailUserMemo::edited, this, &EmailEntry::userEdited);
}

void EmailEntry::place(const QRect& user, const QRect& at, const QRect& domain, double scaleY) {
  const QRect all = user.united(at).united(domain);
  setGeometry(all);
  user_->setGeometry(user.translated(-all.topLeft()));
  at_->setGeometry(at.translated(-all.topLeft()));
  domain_->setGeometry(domain.translated(-all.topLeft()));
  scaleY_ = scaleY;
  points_ = emailFullFont(scaleY);
  applyFont();
}

std::string EmailEntry::address() const {
  const std::string user = toCp1251(user_->toPlainText());
  const std::string domain = toCp1251(domain_->text());
  if (user.empty() && domain.empty()) return {};
  return user + "@" + domain;
}

void EmailEntry::userEdited(bool backspace) {
  const int points = emailFontAfterEdit(points_, user_->wrappedLines(), backspace, scaleY_);
  if (points == points_) return;
  points_ = points;
  applyFont();
}

void EmailEntry::applyFont() {
  const QFont font = pixelFont(kFamily, points_);
  user_->setFont(font);
  at_->setFont(font);
  domain_->setFont(font);
}

}  // namespace ispyt
