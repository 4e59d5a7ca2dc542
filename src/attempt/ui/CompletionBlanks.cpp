#include "attempt/ui/CompletionBlanks.h"

#include <algorithm>

#include "attempt/FeedbackColours.h"
#include "platform/qt/QtColour.h"
#include "platform/qt/QtText.h"
#include "presentation/MainLayout.h"

#include "attempt/ReviewLayout.h"

namespace ispyt {
namespace {

constexpr int kTextMargin = 8;  // design pixels around the text
constexpr int kTextMostSize = 24;

int blankCount(const Task& task) { return std::clamp(task.elementCount, 0, kGapCount); }

QStringList variantsOf(const Task& task, int blank) {
  QStringList list;
  for (int v = 1; v <= std::clamp(task.variantCount, 0, kMaxItems); ++v)
    if (!task.variants[blank][v].empty()) list << fromCp1251(task.variants[blank][v]);
  return list;
}

int longest(const QStringList& texts) {
  int most = 0;
  for (const QString& t : texts) most = std::max(most, static_cast<int>(t.size()));
  return most;
}

}  // namespace

CompletionBlanks::ListBox CompletionBlanks::listBox(int longest, int g) {
  ListBox box;
  box.width = longest * g + 12;
  box.fontSize = longest > 0 ? std::max(8, (box.width - 16) / longest) : 8;
  return box;
}

void CompletionBlanks::create() {
  for (int j = 0; j < kGapCount; ++j) {
    auto* list = new CardDropDown(canvas_.window());
    list->setObjectName(QString("blank%1").arg(j + 1));
    QObject::connect(list, &CardDropDown::chosen, list, [this, j](int row) {
      if (row < 0 || row >= variants_[j].size()) return;
      chosen_(j + 1, toCp1251(variants_[j].at(row)));
      // The engine may have refused the choice.
      if (record_) showTexts(*record_);
    });
    list->hide();
    lists_[j] = list;
  }
}

void CompletionBlanks::lay(const Task& task, const TaskRecord& record, int mode, bool reviewing) {
  if (!lists_[0]) create();
  record_ = &record;
  count_ = blankCount(task);
  const ScreenScale& s = canvas_.scale();
  const QRect area = canvas_.rect(layout::kOptionArea);
  const QRect text =
      area.adjusted(s.x(kTextMargin), s.y(kTextMargin), -s.x(kTextMargin), -s.y(kTextMargin));
  // Each gap keeps room for its longest variant (and a cell more), so that
  // its list covers no word of the text.
  GapBoxes& boxes = canvas_.gapBoxes();
  for (int j = 0; j < kGapCount; ++j) {
    variants_[j] = j < count_ ? variantsOf(task, j + 1) : QStringList();
    boxes[j] = {j < count_ ? std::string(longest(variants_[j]) + 1, '_') : std::string(), false};
  }
  canvas_.clear(area);
  canvas_.fillOption(area);
  canvas_.drawOption(task.items[1], text, kFirstOptionSlot, canvas_.answerColour(), s.font(kTextMostSize),
                     false);
  const GapAnchors& anchors = canvas_.gapAnchors();
  const int g = std::max(1, anchors.cellWidth);
  const ReviewLayout review = reviewLayout(task, record, mode);
  int spare = text.left();  // lists whose gap the text lacks line up at the bottom
  for (int j = 0; j < count_; ++j) {
    CardDropDown* list = lists_[j];
    const ListBox box = listBox(longest(variants_[j]), g);
    const int height = box.fontSize * 3 / 2 + 4;
    QFont font("DejaVu Sans");
    font.setPixelSize(box.fontSize);
    list->setBoxFont(font);
    list->setItems(variants_[j]);
    QPoint at;
    if (boxes[j].inUse) {
      const Point a = anchors.at[j];
      at = QPoint(text.left() + a.x, text.top() + a.y + g * 3 / 4 - height / 2);
    } else {
      at = QPoint(spare, area.bottom() - height - 2);
      spare += box.width + s.x(8);
    }
    list->place(QRect(at, QSize(box.width, height)), std::max(10, height * 3 / 4));
    list->setPanelColour({});
    list->setEnabled(!reviewing && !record.done);
    list->show();
  }
  for (int j = count_; j < kGapCount; ++j) lists_[j]->hide();
  if (reviewing) {
    for (int j = 0; j < count_; ++j) lists_[j]->setPanelText(fromCp1251(review.entries[j].text));
  } else {
    showTexts(record);
  }
  canvas_.repaint();
}

void CompletionBlanks::showTexts(const TaskRecord& record) {
  for (int j = 0; j < count_; ++j) lists_[j]->setPanelText(fromCp1251(record.given[j + 1]));
}

void CompletionBlanks::showMarks(const Task& task, const TaskRecord& record,
                                 const Judgement& marks) {
  showTexts(record);
  bool judged = record.done;
  for (int j = 0; j < count_; ++j) {
    const Feedback mark = marks.marks[j + 1];
    const auto colour = feedbackColour(TaskType::Completion, mark);
    // Mode 0 writes the correct text into a wrong blank.
    if (mark == Feedback::ShownRight) lists_[j]->setPanelText(fromCp1251(task.correctTexts[j + 1]));
    lists_[j]->setPanelColour(qcolor(colour));
    judged = judged || mark != Feedback::None;
  }
  if (!judged) return;
  for (int j = 0; j < count_; ++j) lists_[j]->setEnabled(false);
}

void CompletionBlanks::clear() {
  for (CardDropDown* list : lists_)
    if (list) list->hide();
  // The room kept for this task's variants is no other text's.
  if (count_ > 0) canvas_.gapBoxes() = {};
  record_ = nullptr;
  count_ = 0;
}

}  // namespace ispyt
