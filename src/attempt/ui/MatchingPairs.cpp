#include "attempt/ui/MatchingPairs.h"

#include <QPainter>
#include <algorithm>

#include "attempt/FeedbackColours.h"
#include "attempt/MatchingJudge.h"
#include "attempt/ui/ChoiceOptions.h"
#include "platform/qt/QtColour.h"
#include "platform/qt/QtText.h"
#include "presentation/MainLayout.h"

#include "attempt/ReviewLayout.h"

namespace ispyt {
namespace {

// The "Відповідники" window stands this far from the main window's corner
// (design pixels), as wide as the title area, half as high as the option
// area.
constexpr Point kAnswersCorner{430, 25};
constexpr int kAnswersWidth = 354;
// More right items than this stand in two columns.
constexpr int kAnswersOneColumn = 4;

const QColor kPanelColour(255, 255, 240);
const QColor kPaper(255, 250, 235);
const QColor kInk(0, 32, 96);

int leftCount(const Task& task) { return std::clamp(task.itemCount - 1, 0, kMaxMatchingLeft); }

// The right items shown: a "--" item is not; no more than there are letters.
int rightCount(const Task& task) {
  const int shown = task.hasEmptyRightItem ? task.itemCount - 1 : task.itemCount;
  return std::clamp(shown, 0, static_cast<int>(MatchingJudge::letters().size()));
}

QString letter(int index) {
  return fromCp1251(MatchingJudge::letters().substr(static_cast<std::size_t>(index - 1), 1));
}

// The letter of the right item that matches left item p; empty when none.
QString correctLetter(const Task& task, int p) {
  for (int i = 1; i <= rightCount(task); ++i)
    if (task.rightItems[i] == task.correctTexts[p]) return letter(i);
  return {};
}

void drawBadge(QPainter& p, QRect box, const QString& text) {
  p.setBrush(kPaper);
  p.setPen(QPen(kInk, 2));
  p.drawEllipse(box);
  p.drawText(box, Qt::AlignCenter, text);
}

}  // namespace

void MatchingPairs::create() {
  QWidget* window = canvas_.window();
  for (int p = 0; p < kMaxMatchingLeft; ++p) {
    Pair& pair = pairs_[p];
    pair.panel = new QLabel(window);
    pair.panel->setObjectName(QString("panel%1").arg(p + 1));
    pair.panel->setAlignment(Qt::AlignCenter);
    pair.panel->setLineWidth(2);
    pair.panel->setAutoFillBackground(true);
    pair.list = new CardDropDown(window);
    pair.list->setObjectName(QString("letters%1").arg(p + 1));
    pair.list->setListAnchor(pair.panel);
    QObject::connect(pair.list, &CardDropDown::chosen, pair.list, [this, p](int row) {
      if (row < 0 || row >= offered_.size()) return;
      chosen_(p + 1, toCp1251(offered_.at(row)));
      // The engine may have refused the letter or emptied the panel.
      if (record_) showLetters(*record_);
    });
    pair.panel->hide();
    pair.list->hide();
  }
  answers_ = new MatchingAnswersWindow(window, scheduler_, canvas_.scale());
}

void MatchingPairs::lay(const Task& task, const TaskRecord& record, int mode, bool reviewing) {
  if (!answers_) create();
  // The same task laid out again (a presentation key) keeps its window out.
  const bool again = record_ == &record && answers_->out() && answers_->isVisible();
  record_ = &record;
  count_ = leftCount(task);
  offered_.clear();
  for (int i = 1; i <= rightCount(task); ++i) offered_ << letter(i);
  drawLeftItems(task);
  const ReviewLayout review = reviewLayout(task, record, mode);
  for (int p = 0; p < count_; ++p) {
    Pair& pair = pairs_[p];
    pair.list->setItems(offered_);
    pair.list->setEnabled(!reviewing && !record.done);
    pair.panel->setEnabled(!reviewing);
  }
  showPanels(again);
  if (reviewing) {
    for (int p = 0; p < count_; ++p) setPanel(p + 1, fromCp1251(review.entries[p].text), {});
  } else {
    showLetters(record);
  }
  showAnswersWindow(task, !again);
  canvas_.repaint();
}

void MatchingPairs::showPanels(bool shown) {
  for (int p = 0; p < kMaxMatchingLeft; ++p) {
    pairs_[p].panel->setVisible(shown && p < count_);
    pairs_[p].list->setVisible(shown && p < count_);
  }
}

void MatchingPairs::drawLeftItems(const Task& task) {
  const ScreenScale& s = canvas_.scale();
  const QRect area = canvas_.rect(layout::kOptionArea);
  canvas_.clear(area);
  const std::vector<QRect> cells = optionCells(count_, area, s.y(4));
  if (cells.empty()) return;
  const int side = std::min(s.font(34), cells[0].height() - 8);
  const int arrow = std::max(12, side / 2);
  auto textBox = [&](QRect c) { return c.adjusted(6 + side + arrow + 10, 2, -4, -2); };
  int g = 64;
  for (int p = 0; p < count_; ++p) {
    const int fit = canvas_.measure(task.items[p + 1], textBox(cells[p]).size(), canvas_.answerBold());
    if (fit > 0) g = std::min(g, fit);
  }
  QFont font("DejaVu Sans");
  font.setPixelSize(std::max(8, side * 11 / 20));
  font.setBold(true);
  for (int p = 0; p < count_; ++p) {
    const QRect c = cells[p];
    canvas_.fillOption(c);
    canvas_.drawOption(task.items[p + 1], textBox(c), kFirstOptionSlot + p, canvas_.answerColour(),
                       g + g / 3, canvas_.answerBold());
    const QRect panel(c.left() + 6, c.top() + (c.height() - side) / 2, side, side);
    pairs_[p].panel->setGeometry(panel);
    pairs_[p].panel->setFont(font);
    pairs_[p].list->setBoxFont(font);
    pairs_[p].list->place(QRect(panel.right() + 1, panel.top(), arrow, side), arrow);
  }
  QPainter painter(&canvas_.screen());
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(96, 96, 96), 1));
  for (int p = 0; p < count_; ++p)
    painter.drawRoundedRect(QRectF(cells[p]).adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
}

void MatchingPairs::showAnswersWindow(const Task& task, bool unroll) {
  const ScreenScale& s = canvas_.scale();
  const QSize size(s.x(kAnswersWidth), canvas_.rect(layout::kOptionArea).height() / 2);
  QImage picture(size, QImage::Format_RGB32);
  picture.fill(kPaper);
  const int n = rightCount(task);
  const int columns = n <= kAnswersOneColumn ? 1 : 2;
  const int rows = std::max(1, (n + columns - 1) / columns);
  const int w = (size.width() - 8) / columns;
  const int h = (size.height() - 4) / rows;
  const int badge = std::max(8, std::min(h - 4, s.font(22)));
  // Read down the first column, then the second.
  auto cell = [&](int i) { return QRect(4 + (i - 1) / rows * w, 2 + (i - 1) % rows * h, w, h); };
  auto textBox = [&](int i) { return cell(i).adjusted(badge + 8, 0, -2, 0); };
  int g = 64;
  for (int i = 1; i <= n; ++i) {
    const int fit = canvas_.measure(task.rightItems[i], textBox(i).size(), canvas_.answerBold());
    if (fit > 0) g = std::min(g, fit);
  }
  QPainter p(&picture);
  for (int i = 1; i <= n; ++i) {
    QImage backdrop(textBox(i).size(), QImage::Format_RGB32);
    backdrop.fill(kPaper);
    p.drawImage(textBox(i).topLeft(),
                canvas_.renderText(task.rightItems[i], backdrop, kFirstOptionSlot + i - 1,
                                   canvas_.answerColour(), g + g / 3, canvas_.answerBold()));
  }
  p.setRenderHint(QPainter::Antialiasing);
  QFont font("DejaVu Sans");
  font.setBold(true);
  font.setPixelSize(std::max(8, badge * 11 / 20));
  p.setFont(font);
  for (int i = 1; i <= n; ++i) {
    const QRect c = cell(i);
    drawBadge(p, QRect(c.left() + 2, c.top() + (c.height() - badge) / 2, badge, badge), letter(i));
  }
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(kInk, 1));
  p.drawRect(QRect(0, 0, size.width() - 1, size.height() - 1));
  p.end();
  answers_->setPicture(picture);
  if (!unroll) return;
  answers_->unroll(QPoint(s.x(kAnswersCorner.x), s.y(kAnswersCorner.y)), count_,
                   [this] { showPanels(true); });
}

void MatchingPairs::setPanel(int p, const QString& text, const QColor& colour) {
  QLabel* panel = pairs_[p - 1].panel;
  panel->setText(text);
  // A lettered panel is lowered, an empty one raised.
  panel->setFrameStyle(QFrame::Panel | (text.isEmpty() ? QFrame::Raised : QFrame::Sunken));
  QPalette palette = panel->palette();
  palette.setColor(QPalette::Window, colour.isValid() ? colour : kPanelColour);
  palette.setColor(QPalette::WindowText, kInk);
  panel->setPalette(palette);
}

void MatchingPairs::showLetters(const TaskRecord& record) {
  for (int p = 1; p <= count_; ++p) setPanel(p, fromCp1251(record.given[p]), {});
}

void MatchingPairs::showMarks(const Task& task, const TaskRecord& record, const Judgement& marks) {
  showLetters(record);
  bool judged = record.done;
  bool shown = false;
  for (int p = 1; p <= count_; ++p) {
    const Feedback mark = marks.marks[p];
    if (mark == Feedback::None) continue;
    judged = true;
    const auto colour = feedbackColour(TaskType::Matching, mark);
    const QColor c = qcolor(colour);
    // Mode 0 puts the correct letter into the panel of a wrong pair.
    if (mark == Feedback::ShownRight) {
      shown = true;
      setPanel(p, correctLetter(task, p), c);
    } else {
      setPanel(p, fromCp1251(record.given[p]), c);
    }
  }
  if (!judged) return;
  for (int p = 0; p < count_; ++p) {
    pairs_[p].list->setEnabled(false);
    if (shown) pairs_[p].panel->setEnabled(false);
  }
}

void MatchingPairs::clear() {
  for (Pair& pair : pairs_)
    if (pair.panel) {
      pair.panel->hide();
      pair.list->hide();
    }
  if (answers_) answers_->withdraw();
  record_ = nullptr;
  count_ = 0;
}

}  // namespace ispyt
