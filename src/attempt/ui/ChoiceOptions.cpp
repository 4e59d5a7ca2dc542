#include "attempt/ui/ChoiceOptions.h"

#include <QPainter>
#include <algorithm>

#include "attempt/FeedbackColours.h"
#include "platform/qt/QtColour.h"
#include "platform/qt/QtText.h"
#include "presentation/MainLayout.h"

namespace ispyt {
namespace {

const char* const kLetters[kMaxItems] = {"А", "Б", "В", "Г", "Д", "Е", "Є",
                                         "Ж", "З", "И", "І", "К", "Л"};

int optionCount(const Task& task) {
  const int limit = task.type == TaskType::Sequence ? kMaxOrderItems : kMaxItems;
  return std::clamp(task.itemCount, 0, limit);
}

}  // namespace

std::vector<QRect> optionCells(int n, QRect area, int gap) {
  std::vector<QRect> cells;
  if (n <= 0) return cells;
  const int columns = n <= 2 ? 1 : n <= 6 ? 2 : n <= 9 ? 3 : 4;
  const int rows = (n + columns - 1) / columns;
  const int w = (area.width() - gap * (columns - 1)) / columns;
  const int h = (area.height() - gap * (rows - 1)) / rows;
  for (int i = 0; i < n; ++i)
    cells.emplace_back(area.left() + (i % columns) * (w + gap),
                       area.top() + (i / columns) * (h + gap), w, h);
  return cells;
}

bool ChoiceOptions::handles(TaskType type) const {
  return type == TaskType::SingleChoice || type == TaskType::MultipleChoice ||
         type == TaskType::CountedChoice || type == TaskType::Sequence;
}

void ChoiceOptions::lay(const Task& task, const TaskRecord& record, int, bool reviewing) {
  type_ = task.type;
  sequence_ = task.type == TaskType::Sequence;
  reviewing_ = reviewing;
  area_ = canvas_.rect(layout::kOptionArea);
  cells_ = optionCells(optionCount(task), area_, canvas_.scale().y(4));
  drawOptions(task, record, false);
  Judgement marks;
  for (int j = 1; j <= count(); ++j) {
    // In review the options the testee chose are yellow.
    const bool chosen = reviewing && !sequence_ ? record.optionMarks[j - 1] == '1'
                                                : record.chosen[j];
    if (chosen) marks.marks[j] = Feedback::Picked;
  }
  paintMarks(marks);
}

void ChoiceOptions::drawOptions(const Task& task, const TaskRecord& record, bool correctOrder) {
  canvas_.clear(area_);
  const ScreenScale& s = canvas_.scale();
  const int badge = std::min(s.font(34), cells_.empty() ? 0 : cells_[0].height() - 8);
  auto textBox = [&](QRect c) { return c.adjusted(badge + 14, 2, -4, -2); };
  auto text = [&](int j) -> const std::string& {
    // A sequence shows the order the testee has left, or, once a hint has
    // shown where the items belong, the correct one.
    if (sequence_ && correctOrder) return task.correctTexts[j];
    return sequence_ && !record.given[j].empty() ? record.given[j] : task.items[j];
  };
  // All options at one common size: the smallest that fits each.
  int g = 64;
  for (int j = 1; j <= count(); ++j) {
    const int fit = canvas_.measure(text(j), textBox(cells_[j - 1]).size(), canvas_.answerBold());
    if (fit > 0) g = std::min(g, fit);
  }
  for (int j = 1; j <= count(); ++j) {
    canvas_.fillOption(cells_[j - 1]);
    canvas_.drawOption(text(j), textBox(cells_[j - 1]), kFirstOptionSlot + j - 1,
                       canvas_.answerColour(), g + g / 3, canvas_.answerBold());
  }
  QPainter p(&canvas_.screen());
  p.setRenderHint(QPainter::Antialiasing);
  QFont f("DejaVu Sans");
  f.setPixelSize(std::max(1, badge * 11 / 20));
  f.setBold(true);
  p.setFont(f);
  for (int j = 1; j <= count(); ++j) {
    const QRect c = cells_[j - 1];
    p.setPen(QPen(QColor(96, 96, 96), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(c).adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
    const QRect b(c.left() + 6, c.top() + (c.height() - badge) / 2, badge, badge);
    p.setBrush(QColor(255, 250, 235));
    p.setPen(QPen(QColor(0, 32, 96), 2));
    p.drawEllipse(b);
    p.drawText(b, Qt::AlignCenter, sequence_ ? QString::number(j) : ui(kLetters[j - 1]));
  }
  p.end();
  plain_ = canvas_.screen().copy(area_);
}

void ChoiceOptions::paintMarks(const Judgement& marks) {
  QPainter p(&canvas_.screen());
  p.drawImage(area_.topLeft(), plain_);
  p.setRenderHint(QPainter::Antialiasing);
  for (int j = 1; j <= count(); ++j) {
    const QColor c = qcolor(feedbackColour(type_, marks.marks[j]));
    if (!c.isValid()) continue;
    const QRectF cell = QRectF(cells_[j - 1]).adjusted(1.5, 1.5, -1.5, -1.5);
    QColor wash = c;
    wash.setAlpha(70);
    p.setPen(QPen(c.darker(115), 3));
    p.setBrush(wash);
    p.drawRoundedRect(cell, 8, 8);
  }
  p.end();
  canvas_.repaint();
}

void ChoiceOptions::showMarks(const Task& task, const TaskRecord& record,
                              const Judgement& marks) {
  // A swap in a sequence changes the texts, not only the marks.
  if (sequence_ && !reviewing_)
    drawOptions(task, record,
                std::any_of(marks.marks.begin(), marks.marks.end(),
                            [](Feedback f) { return f == Feedback::ShownRight; }));
  paintMarks(marks);
}

bool ChoiceOptions::click(QPoint at) {
  if (reviewing_) return false;
  for (int j = 1; j <= count(); ++j)
    if (cells_[j - 1].contains(at)) {
      clicked_(j);
      return true;
    }
  return false;
}

void ChoiceOptions::clear() {
  cells_.clear();
  plain_ = {};
}

}  // namespace ispyt
