#include "attempt/ui/RestorationGrid.h"

#include <QFontMetrics>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "attempt/FeedbackColours.h"
#include "attempt/RestorationJudge.h"
#include "platform/Paths.h"
#include "platform/qt/QtColour.h"
#include "platform/qt/QtText.h"
#include "presentation/MainLayout.h"

namespace ispyt {
namespace {

// Design sizes (800x600) inside the option area.
constexpr int kMargin = 8;
constexpr int kCellWidth = 22;
constexpr int kCellHeight = 32;  // six rows fill the area's 200 pixels
constexpr int kBaseline = 24;    // from the top of a row, for a cell on the line
constexpr int kLowered = 7;
constexpr int kRaised = 10;
constexpr int kLineFont = 24;
constexpr int kLevelFont = 18;
constexpr int kPictureWidth = 176;
constexpr int kPictureHeight = 184;
constexpr int kKeySize = 34;
constexpr int kKeyPitch = 38;
constexpr int kKeyColumns = 6;
constexpr int kKeyFont = 22;
constexpr int kSpacing = 12;
// A step of the hint blink.  The design ran it on the pointer's 1 ms
// timer, which would end all 21 steps before a pupil could see one.
constexpr int kBlinkStepMs = 60;

const QColor kFrame(0, 32, 96);
const QColor kKeyFace(255, 250, 235);
const QColor kPointerColour(200, 40, 0);


QFont cellFont(const ScreenScale& s, int level) {
  QFont f("Courier New");
  f.setStyleHint(QFont::TypeWriter);
  f.setPixelSize(std::max(1, s.font(level == 0 ? kLineFont : kLevelFont)));
  return f;
}

QString character(char c) { return fromCp1251(std::string(1, c)); }

}  // namespace

RestorationGrid::RestorationGrid(TaskCanvas& canvas, Scheduler& scheduler, DecorSettings& decor,
                                 const std::filesystem::path& testFolder,
                                 std::function<void(char)> entered)
    : canvas_(canvas), decor_(decor), testFolder_(testFolder), entered_(std::move(entered)) {
  pointerTimer_ = scheduler.createTimer([this] {
    if (!pointer_.tick()) pointerTimer_->stop();
    paint();
  });
  blinkTimer_ = scheduler.createTimer([this] {
    if (!blink_.tick()) blinkTimer_->stop();
    paint();
  });
}

RestorationGrid::~RestorationGrid() = default;

QRect RestorationGrid::cell(int c) const {
  const int col = (c - 1) % kGridColumns;
  const int row = (c - 1) / kGridColumns;
  const int shift = shift_[static_cast<std::size_t>(std::clamp(c, 0, kGridCells))];
  return {origin_.x() + (col - shift) * pitch_.width(), origin_.y() + row * pitch_.height(),
          pitch_.width(), pitch_.height()};
}

void RestorationGrid::lay(const Task& task, const TaskRecord& record, int mode, bool reviewing) {
  clear();
  task_ = task;
  record_ = record;
  mode_ = mode;
  reviewing_ = reviewing;
  laid_ = true;
  layOut();
  closeUp();
  drawPlain();
  if (!reviewing_) {
    pointerGap_ = RestorationJudge::currentGap(task_, record_, mode_);
    pointer_.place(pointerAt(pointerGap_));
  }
  paint();
}

// The palette stands at the right; the picture and the grid share the rest,
// centred.  Only the rows in use are counted, so a short grid stands in the
// middle of the area.
void RestorationGrid::layOut() {
  const ScreenScale& s = canvas_.scale();
  area_ = canvas_.rect(layout::kOptionArea);

  const std::string keys = RestorationJudge::paletteKeys(task_);
  const int n = static_cast<int>(keys.size());
  const int keyRows = (n + kKeyColumns - 1) / kKeyColumns;
  // Keys and cells keep their shape on a wide screen: they scale as fonts do.
  const int paletteLeft = area_.right() + 1 - s.x(kMargin) - s.font(kKeyColumns * kKeyPitch - 4);
  const int paletteTop = area_.top() + (area_.height() - s.font(keyRows * kKeyPitch - 4)) / 2;
  for (int i = 0; i < n; ++i)
    keys_.push_back({QRect(paletteLeft + s.font((i % kKeyColumns) * kKeyPitch),
                           paletteTop + s.font((i / kKeyColumns) * kKeyPitch), s.font(kKeySize),
                           s.font(kKeySize)),
                     keys[static_cast<std::size_t>(i)]});

  if (!task_.items[1].empty())
    if (auto path = findEntry(testFolder_, task_.items[1]))
      picture_.load(QString::fromStdU16String(path->u16string()));
  int pictureWidth = 0;
  if (!picture_.isNull()) {
    const QSize fitted =
        picture_.size().scaled(s.x(kPictureWidth), s.y(kPictureHeight), Qt::KeepAspectRatio);
    pictureWidth = fitted.width();
    pictureBox_ = QRect(QPoint(0, area_.top() + (area_.height() - fitted.height()) / 2), fitted);
  }

  int rows = 1;
  const std::string& grid = task_.items[2];
  for (int c = 1; c <= kGridCells && c <= static_cast<int>(grid.size()); ++c)
    if (grid[static_cast<std::size_t>(c - 1)] != ' ')
      rows = std::max(rows, (c - 1) / kGridColumns + 1);
  for (int g = 1; g <= RestorationJudge::gapCount(task_); ++g)
    if (const int c = RestorationJudge::cellOf(task_, g))
      rows = std::max(rows, (c - 1) / kGridColumns + 1);

  pitch_ = QSize(s.font(kCellWidth), s.font(kCellHeight));
  const int gridWidth = kGridColumns * pitch_.width();
  const int content = gridWidth + (pictureWidth ? pictureWidth + s.x(kSpacing) : 0);
  const int left = area_.left() + s.x(kMargin);
  const int room = paletteLeft - s.x(kSpacing) - left;
  const int x = left + std::max(0, (room - content) / 2);
  pictureBox_.moveLeft(x);
  origin_ =
      QPoint(x + content - gridWidth, area_.top() + (area_.height() - rows * pitch_.height()) / 2);
}

// What never changes while the task is shown: the backdrop, the picture
// and the grid's own characters.
void RestorationGrid::drawPlain() {
  canvas_.clear(area_);
  canvas_.fillOption(area_);
  QPainter p(&canvas_.screen());
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(96, 96, 96), 1));
  p.drawRoundedRect(QRectF(area_).adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
  if (!picture_.isNull()) p.drawImage(pictureBox_, picture_);
  const std::string& grid = task_.items[2];
  std::vector<bool> gap(kGridCells + 1, false);
  for (int g = 1; g <= RestorationJudge::gapCount(task_); ++g)
    gap[static_cast<std::size_t>(RestorationJudge::cellOf(task_, g))] = true;
  p.setPen(qcolor(canvas_.answerColour()));
  const ScreenScale& s = canvas_.scale();
  for (int c = 1; c <= kGridCells && c <= static_cast<int>(grid.size()); ++c) {
    const char ch = grid[static_cast<std::size_t>(c - 1)];
    if (gap[static_cast<std::size_t>(c)] || ch == ' ') continue;
    const int level = RestorationJudge::cellLevel(task_, c);
    const QRect r = cell(c);
    const int baseline = baselineOf(c);
    p.setFont(cellFont(s, level));
    const QString text = character(ch);
    p.drawText(QPoint(r.center().x() - p.fontMetrics().horizontalAdvance(text) / 2, baseline),
               text);
  }
  p.end();
  plain_ = canvas_.screen().copy(area_);
}

int RestorationGrid::baselineOf(int c) const {
  const ScreenScale& s = canvas_.scale();
  const int level = RestorationJudge::cellLevel(task_, c);
  const int shift = level == 1 ? s.font(kLowered) : level == 2 ? -s.font(kRaised) : 0;
  return cell(c).top() + s.font(kBaseline) + shift;
}

QRect RestorationGrid::gapBox(int gap) const {
  const int c = RestorationJudge::cellOf(task_, gap);
  if (c == 0) return {};
  const ScreenScale& s = canvas_.scale();
  const int level = RestorationJudge::cellLevel(task_, c);
  const QFontMetrics fm(cellFont(s, level));
  const QRect r = cell(c);
  const int baseline = baselineOf(c);
  const int w = fm.horizontalAdvance(QChar('W')) + s.font(2);
  return {r.center().x() - w / 2, baseline - fm.ascent() + 1, w, fm.ascent() + fm.descent() - 1};
}

Point RestorationGrid::pointerAt(int gap) const {
  const QPoint c = gapBox(gap).center();
  return {c.x(), c.y()};
}

void RestorationGrid::paint() {
  if (!laid_) return;
  QPainter p(&canvas_.screen());
  p.drawImage(area_.topLeft(), plain_);
  p.setRenderHint(QPainter::Antialiasing);
  // What stands in each gap: in review the grid with the characters typed.
  const std::string typed = RestorationJudge::gapFill(task_, record_, mode_);
  for (int g = 1; g <= static_cast<int>(typed.size()); ++g)
    drawGap(p, g, typed[static_cast<std::size_t>(g - 1)]);
  if (!reviewing_ && pointerGap_ >= 1 && pointerGap_ <= RestorationJudge::gapCount(task_)) {
    // A wheel around the gap; the spoke shows its turn as it rolls.
    const QRect box = gapBox(pointerGap_);
    const double radius = std::max(box.width(), box.height()) / 2.0 + canvas_.scale().font(3);
    const QPointF centre(pointer_.position().x, pointer_.position().y);
    p.setPen(QPen(kPointerColour, std::max(1.5, canvas_.scale().scaleMin * 2)));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, radius, radius);
    const double a = pointer_.angle() - std::numbers::pi / 2;
    p.setBrush(kPointerColour);
    const double dot = std::max(2.0, canvas_.scale().scaleMin * 3);
    p.drawEllipse(centre + QPointF(radius * std::cos(a), radius * std::sin(a)), dot, dot);
  }
  drawKeys(p);
  p.end();
  canvas_.repaint();
}

// A gap shows the character standing in it in the mode's colour, or its
// empty box; in mode 0 a gap waiting for its right character stays empty
// while the expected one blinks in it, and a hint shows the expected ones.
void RestorationGrid::drawGap(QPainter& p, int gap, char typed) {
  const QRect box = gapBox(gap);
  if (box.isNull()) return;
  const char expected = RestorationJudge::missingAt(task_, gap);
  const bool right = typed == expected;
  std::optional<Rgb> colour;
  char shown = typed;
  if (closed_[static_cast<std::size_t>(RestorationJudge::cellOf(task_, gap))]) return;
  if (blink_.gap() == gap) {
    shown = expected;
    if (blink_.shown()) colour = feedbackColour(TaskType::Restoration, Feedback::ShownRight);
  } else if (gap <= kMaxItems && record_.hintMarks[gap] && !standing(gap, typed)) {
    shown = expected;  // a hint shows what belongs there
    colour = feedbackColour(TaskType::Restoration, Feedback::ShownRight);
  } else if (standing(gap, typed)) {
    const bool judged = mode_ != kModeTestPaper && mode_ != kModeMonitoring;
    colour = feedbackColour(TaskType::Restoration, !judged ? Feedback::None
                                                   : right ? Feedback::Right
                                                           : Feedback::Wrong);
  }
  if (!colour || shown == ' ' || shown == kGapBackspace) {
    // The box stays, so that a space or '»' entered is still seen.
    p.setPen(QPen(colour ? qcolor(*colour) : kFrame, std::max(1.0, canvas_.scale().scaleMin)));
    p.setBrush(QColor(255, 255, 255, 150));
    p.drawRect(QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5));
    if (!colour || shown == ' ') return;
  }
  const int c = RestorationJudge::cellOf(task_, gap);
  const QFont f = cellFont(canvas_.scale(), RestorationJudge::cellLevel(task_, c));
  p.setFont(f);
  p.setPen(qcolor(*colour));
  const QString text = character(shown);
  p.drawText(QPoint(box.center().x() - QFontMetrics(f).horizontalAdvance(text) / 2,
                    box.top() + QFontMetrics(f).ascent() - 1),
             text);
}

void RestorationGrid::drawKeys(QPainter& p) {
  const ScreenScale& s = canvas_.scale();
  QFont f = cellFont(s, 0);
  f.setPixelSize(std::max(1, s.font(kKeyFont)));
  f.setBold(true);
  p.setFont(f);
  const char hinted = blink_.shown() ? RestorationJudge::missingAt(task_, blink_.gap()) : '\0';
  for (const Key& key : keys_) {
    const bool lit = hinted && key.c == hinted;
    const QColor ink = lit ? qcolor(feedbackColour(TaskType::Restoration, Feedback::ShownRight)
                                        .value_or(Rgb{0, 0, 255}))
                           : kFrame;
    p.setPen(QPen(ink, lit ? 3 : 1.5));
    p.setBrush(kKeyFace);
    p.drawRoundedRect(QRectF(key.rect).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
    if (key.c == ' ') {
      // The space key: an open bracket under the place of a character.
      const QRect r = key.rect.adjusted(key.rect.width() / 4, key.rect.height() / 2,
                                        -key.rect.width() / 4, -key.rect.height() / 4);
      p.drawPolyline(QPolygon({r.topLeft(), r.bottomLeft(), r.bottomRight(), r.topRight()}));
    } else {
      p.drawText(key.rect, Qt::AlignCenter, character(key.c));
    }
  }
}

bool RestorationGrid::standing(int gap, char typed) const {
  return typed &&
         (typed == RestorationJudge::missingAt(task_, gap) || mode_ != kModeHint || reviewing_);
}

// With the grid's display flag other than '+', a '»' standing in a gap
// deletes its cell: the rest of the row closes up by one cell.
bool RestorationGrid::closeUp() {
  std::vector<int> shift(kGridCells + 1, 0);
  std::vector<bool> closed(kGridCells + 1, false);
  const std::string& grid = task_.items[2];
  if (grid.size() > 2 * kGridCells && grid[2 * kGridCells] != '+') {
    const std::string fill = RestorationJudge::gapFill(task_, record_, mode_);
    for (int g = 1; g <= static_cast<int>(fill.size()); ++g) {
      const char typed = fill[static_cast<std::size_t>(g - 1)];
      const int c = RestorationJudge::cellOf(task_, g);
      if (c == 0 || typed != kGapBackspace || !standing(g, typed)) continue;
      closed[static_cast<std::size_t>(c)] = true;
      for (int d = c + 1; d <= kGridCells && (d - 1) / kGridColumns == (c - 1) / kGridColumns; ++d)
        ++shift[static_cast<std::size_t>(d)];
    }
  }
  if (shift == shift_ && closed == closed_) return false;
  shift_ = std::move(shift);
  closed_ = std::move(closed);
  return true;
}

void RestorationGrid::follow() {
  const int gap = RestorationJudge::currentGap(task_, record_, mode_);
  if (gap == pointerGap_) return;
  pointerGap_ = gap;
  if (gap > RestorationJudge::gapCount(task_)) {
    pointerTimer_->stop();
    return;
  }
  pointer_.moveTo(pointerAt(gap), decor_.pointerSpeed, canvas_.scale().scaleMin);
  if (pointer_.rolling()) pointerTimer_->start(pointer_.intervalMs());
}

void RestorationGrid::showMarks(const Task&, const TaskRecord& record, const Judgement&) {
  if (!laid_) return;
  record_ = record;
  if (closeUp()) drawPlain();
  paint();
}

void RestorationGrid::showGapEntry(const Task&, const TaskRecord& record, const GapEntry& entry) {
  if (!laid_) return;
  record_ = record;
  if (closeUp()) drawPlain();
  if (entry.mark == Feedback::ShownRight) {
    blink_.start(entry.gap);
    blinkTimer_->start(kBlinkStepMs);
  } else {
    blink_.stop();
    blinkTimer_->stop();
  }
  follow();
  paint();
}

// Clicks wait until the pointer has reached its gap.
bool RestorationGrid::click(QPoint at) {
  if (!laid_ || reviewing_) return false;
  for (const Key& key : keys_)
    if (key.rect.contains(at)) {
      if (!pointer_.rolling()) entered_(key.c);
      return true;
    }
  return false;
}

bool RestorationGrid::keyPressed(int qtKey, const std::string& text) {
  if (!laid_ || reviewing_) return false;
  if (!decor_.keyboard) return false;
  if (qtKey == Qt::Key_Backspace) {
    entered_(kGapBackspace);
    return true;
  }
  if (text.size() != 1 || static_cast<unsigned char>(text[0]) < ' ' || text[0] == '\x7f')
    return false;
  entered_(text[0]);
  return true;
}

void RestorationGrid::clear() {
  pointerTimer_->stop();
  blinkTimer_->stop();
  blink_.stop();
  pointer_ = GapPointer();
  pointerGap_ = 0;
  keys_.clear();
  picture_ = {};
  pictureBox_ = {};
  plain_ = {};
  shift_.assign(kGridCells + 1, 0);
  closed_.assign(kGridCells + 1, false);
  laid_ = false;
}

}  // namespace ispyt
