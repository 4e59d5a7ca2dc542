#include "attempt/ui/TypedFields.h"

#include <QKeyEvent>
#include <algorithm>

#include "attempt/FeedbackColours.h"
#include "attempt/TypedText.h"
#include "platform/qt/QtColour.h"
#include "platform/qt/QtText.h"
#include "presentation/MainLayout.h"

#include "attempt/ReviewLayout.h"

namespace ispyt {
namespace {

// Design sizes of one row: a label on the left, its field on the right.
constexpr int kRowMost = 60;
constexpr int kFieldHeight = 34;
constexpr int kRowGap = 6;

QString fieldSheet(const QColor& background) {
  return QString(
             "QLineEdit { background: %1; color: black; border: 1px solid #8b9ab4;"
             " border-radius: 3px; padding: 0 4px; }")
      .arg(background.name());
}

int fieldCount(const Task& task) { return std::clamp(task.elementCount, 0, kMaxFields); }

}  // namespace

void TypedEdit::keyPressEvent(QKeyEvent* event) {
  const QString typed = event->text();
  const bool backspace = event->key() == Qt::Key_Backspace;
  const bool character = !typed.isEmpty() && typed.at(0).isPrint();
  if (!isReadOnly() && (backspace || character)) {
    const std::string bytes = toCp1251(typed);
    // A character Windows-1251 has no byte for cannot be stored.
    const bool storable = bytes.size() == 1 && fromCp1251(bytes) == typed;
    if (!backspace && !storable) return event->accept();
    if (!acceptsTypedKey(toCp1251(text()), backspace ? '\b' : bytes[0], backspace))
      return event->accept();
  }
  QLineEdit::keyPressEvent(event);
}

void TypedFields::create() {
  for (int f = 0; f < kMaxFields; ++f) {
    auto* field = new TypedEdit(canvas_.window());
    field->setObjectName(QString("field%1").arg(f + 1));
    field->hide();
    QObject::connect(field, &QLineEdit::textEdited, field,
                     [this, f](const QString& text) { edited_(f + 1, toCp1251(text)); });
    fields_[f] = field;
  }
}

void TypedFields::lay(const Task& task, const TaskRecord& record, int mode, bool reviewing) {
  if (!fields_[0]) create();
  count_ = fieldCount(task);
  const ScreenScale& s = canvas_.scale();
  const QRect area = canvas_.rect(layout::kOptionArea);
  canvas_.clear(area);
  if (count_ == 0) return;

  const int gap = s.y(kRowGap);
  const int row = std::min(s.y(kRowMost), (area.height() - gap * (count_ - 1)) / count_);
  const int top = area.top() + (area.height() - count_ * row - gap * (count_ - 1)) / 2;
  const int fieldLeft = area.left() + area.width() * 11 / 20;
  const int fieldHeight = std::min(row - 4, s.y(kFieldHeight));
  auto rowBox = [&](int f) { return QRect(area.left(), top + f * (row + gap), area.width(), row); };
  auto labelBox = [&](int f) {
    const QRect r = rowBox(f);
    return QRect(r.left() + s.x(8), r.top(), fieldLeft - r.left() - s.x(16), r.height());
  };

  // The labels at one common size, as options are drawn.
  int g = 64;
  for (int f = 0; f < count_; ++f) {
    const int fit = canvas_.measure(task.items[f + 1], labelBox(f).size(), canvas_.answerBold());
    if (fit > 0) g = std::min(g, fit);
  }
  const ReviewLayout review = reviewLayout(task, record, mode);
  QFont font("DejaVu Sans");
  font.setPixelSize(std::max(8, fieldHeight * 11 / 20));
  for (int f = 0; f < count_; ++f) {
    canvas_.fillOption(rowBox(f));
    canvas_.drawOption(task.items[f + 1], labelBox(f), kFirstOptionSlot + f, canvas_.answerColour(),
                       g + g / 3, canvas_.answerBold());
    TypedEdit* field = fields_[f];
    field->setFont(font);
    field->setGeometry(fieldLeft, rowBox(f).top() + (row - fieldHeight) / 2,
                       area.right() - s.x(8) - fieldLeft, fieldHeight);
    const std::string& text = reviewing ? review.entries[f].text : record.given[f + 1];
    field->setText(fromCp1251(text));
    field->setReadOnly(reviewing || record.done);
    setColour(f, QColor(Qt::white));
    field->show();
  }
  for (int f = count_; f < kMaxFields; ++f) fields_[f]->hide();
  if (!reviewing && !record.done) fields_[0]->setFocus();
  typing_(!reviewing && !record.done);
  canvas_.repaint();
}

void TypedFields::setColour(int f, const QColor& colour) {
  fields_[f]->setStyleSheet(fieldSheet(colour));
}

void TypedFields::showMarks(const Task& task, const TaskRecord& record, const Judgement& marks) {
  bool judged = record.done;
  for (int f = 0; f < count_; ++f) {
    const Feedback mark = marks.marks[f + 1];
    const auto colour = feedbackColour(TaskType::DirectInput, mark);
    // Mode 0 writes the field's first accepted answer in.
    if (mark == Feedback::ShownRight) fields_[f]->setText(fromCp1251(task.accepted[f + 1][1]));
    setColour(f, qcolor(colour, Qt::white));
    judged = judged || mark != Feedback::None;
  }
  if (!judged) return;
  for (int f = 0; f < count_; ++f) fields_[f]->setReadOnly(true);
  typing_(false);
}

void TypedFields::clear() {
  for (TypedEdit* field : fields_)
    if (field) field->hide();
  if (count_ > 0) typing_(false);
  count_ = 0;
}

}  // namespace ispyt
