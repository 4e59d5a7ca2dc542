#include "presentation/ui/HelpWindow.h"

#include <QAbstractTextDocumentLayout>
#include <QEvent>
#include <QFontDatabase>
#include <QFrame>
#include <QLabel>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextEdit>

#include "platform/Cp1251.h"
#include "platform/qt/QtColour.h"
#include "platform/qt/QtText.h"

namespace ispyt {
namespace {

const QColor kLinkNavy(0, 0, 128);
const QColor kLinkBlue(0, 0, 255);
constexpr int kLinkRowHeight = 19;
constexpr int kLinkGap = 8;
constexpr int kPanelBorder = 2;
const char* const kCaption = "Довідка ";
constexpr int kCaptionTicks = 8;

void setInk(QLabel* label, const QColor& colour) {
  QPalette p = label->palette();
  p.setColor(QPalette::WindowText, colour);
  label->setPalette(p);
}

void setBackground(QWidget* w, const QColor& colour, QPalette::ColorRole role) {
  QPalette p = w->palette();
  p.setColor(role, colour);
  w->setPalette(p);
  w->setAutoFillBackground(true);
}

// The first `count` characters of the cursor's line in the signs' face;
// where that face is missing, as the signs they stand for.
void setSigns(QTextCursor line, int count, const QTextCharFormat& format) {
  static const bool installed = QFontDatabase::families().contains("Webdings");
  line.movePosition(QTextCursor::StartOfBlock);
  const QString text = line.block().text().left(count);
  line.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor,
                    static_cast<int>(text.size()));
  QTextCharFormat f = format;
  if (installed) {
    f.setFontFamilies({"Webdings"});
    line.mergeCharFormat(f);
    return;
  }
  QString signs;
  for (QChar c : text) {
    const char32_t sign = webdingsSign(static_cast<char>(c.unicode() < 128 ? c.unicode() : 0));
    signs += c.unicode() < 128 ? QString::fromUcs4(&sign, 1) : QString(c);
  }
  f.setFontFamilies({"DejaVu Sans"});
  line.insertText(signs, f);
}

}  // namespace

HelpWindow::HelpWindow(QWidget* mainWindow, Scheduler& scheduler)
    : QWidget(mainWindow, Qt::Tool | Qt::FramelessWindowHint),
      main_(mainWindow),
      caption_(new CaptionBar(this)),
      linkPanel_(new QWidget(this)),
      textPanel_(new QFrame(this)),
      text_(new QTextEdit(textPanel_)),
      marquee_(scheduler, [this](const std::string& text) {
        const QString caption = fromCp1251(text);
        caption_->setText(caption);
        setWindowTitle(caption);
      }) {
  setObjectName("help");
  setWindowTitle(ui(kCaption));
  caption_->setButtons(
      {CaptionBar::Button::Minimise, CaptionBar::Button::Maximise, CaptionBar::Button::Close});
  caption_->pressed = [this](CaptionBar::Button b) {
    if (b == CaptionBar::Button::Close)
      hide();
    else
      changeHeight(b == CaptionBar::Button::Maximise ? 1 : -1);
  };
  for (std::size_t i = 0; i < links_.size(); ++i) {
    QLabel* link = new QLabel(ui(kHelpSections[i].caption), linkPanel_);
    link->setObjectName(QString("section%1").arg(i + 1));
    QFont f("Arial");
    f.setPixelSize(11);
    f.setBold(true);
    link->setFont(f);
    link->setCursor(Qt::PointingHandCursor);
    link->setMouseTracking(true);
    link->installEventFilter(this);
    setInk(link, kLinkNavy);
    links_[i] = link;
  }
  textPanel_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  textPanel_->setLineWidth(kPanelBorder);
  text_->setReadOnly(true);
  text_->setFrameStyle(QFrame::NoFrame);
  // Long lines wrap: the page never scrolls sideways.
  text_->setLineWrapMode(QTextEdit::WidgetWidth);
  text_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  text_->setFont(QFont("Arial"));
  layOut();
}

void HelpWindow::layOut() {
  const int height = kHelpSize.height + step_ * kHelpStepHeight;
  resize(kHelpSize.width, CaptionBar::kHeight + height);
  caption_->setGeometry(0, 0, kHelpSize.width, CaptionBar::kHeight);
  // The links flow in rows across the panel.
  int x = 6, row = 0;
  for (QLabel* link : links_) {
    link->adjustSize();
    if (x > 6 && x + link->width() > kHelpSize.width - 4) {
      x = 6;
      ++row;
    }
    link->move(x, 2 + row * kLinkRowHeight);
    x += link->width() + kLinkGap;
  }
  const int links = (row + 1) * kLinkRowHeight + 4;
  linkPanel_->setGeometry(0, CaptionBar::kHeight, kHelpSize.width, links);
  textPanel_->setGeometry(0, CaptionBar::kHeight + links, kHelpSize.width, height - links);
  text_->setGeometry(textPanel_->contentsRect());
  keepOnScreen();
}

void HelpWindow::keepOnScreen() {
  // A taller window moves up rather than below the main window's edge.
  const int bottom = main_->mapToGlobal(QPoint(0, main_->height())).y();
  const int top = main_->mapToGlobal(QPoint(0, 0)).y();
  if (y() + height() > bottom) move(x(), std::max(top, bottom - height()));
}

void HelpWindow::showOver(const ScreenScale& scale, const std::string& scheme) {
  const QPoint corner = main_->mapToGlobal(QPoint(0, 0));
  const Point at = helpPosition({corner.x(), corner.y()}, scale, {width(), height()});
  move(at.x, at.y);
  keepOnScreen();
  format();
  const HelpColours colours = helpColours(scheme);
  setBackground(this, qcolor(colours.window), QPalette::Window);
  setBackground(linkPanel_, qcolor(colours.window), QPalette::Window);
  setBackground(textPanel_, qcolor(colours.window), QPalette::Window);
  QPalette p = text_->palette();
  p.setColor(QPalette::Base, qcolor(colours.text));
  text_->setPalette(p);
  for (std::size_t i = 0; i < links_.size(); ++i) {
    QFont f = links_[i]->font();
    f.setUnderline(false);
    links_[i]->setFont(f);
    setInk(links_[i], kLinkNavy);
  }
  marquee_.start(cp1251(kCaption), kCaptionTicks);
  show();
  raise();
}

void HelpWindow::format() {
  // Written anew each time, so that nothing of the last reading carries over.
  const HelpPage& page = helpPage();
  QStringList lines;
  for (const std::string& line : page.lines) lines << fromCp1251(line);
  QTextDocument* doc = text_->document();
  doc->clear();
  QFont base("Arial");
  base.setPointSize(10);
  doc->setDefaultFont(base);
  QTextCursor(doc).insertText(lines.join('\n'), QTextCharFormat());
  for (const HelpFormat& entry : page.formats) {
    const QTextBlock block = doc->findBlockByNumber(entry.line - 1);
    if (!block.isValid()) continue;  // no such line: nothing to format
    QTextCursor line(block);
    line.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    QTextCharFormat f;
    f.setForeground(qcolor(entry.colour));
    f.setFontPointSize(entry.size);
    switch (entry.style) {
      case HelpStyle::Normal:
        break;
      case HelpStyle::Bold:
        f.setFontWeight(QFont::Bold);
        break;
      case HelpStyle::Italic:
        f.setFontItalic(true);
        break;
      case HelpStyle::Underline:
        f.setFontUnderline(true);
        break;
      case HelpStyle::BoldUnderline:
        f.setFontWeight(QFont::Bold);
        f.setFontUnderline(true);
        break;
      case HelpStyle::BoldItalic:
        f.setFontWeight(QFont::Bold);
        f.setFontItalic(true);
        break;
      case HelpStyle::Comic:
        f.setFontFamilies({"Comic Sans MS"});
        break;
      case HelpStyle::SignsFirst2:
      case HelpStyle::SignsFirst4:
      case HelpStyle::BoldFirst14:
        break;
    }
    // Two signs lead a line styled by an entry of its own.
    if (entry.style == HelpStyle::SignsFirst2) {
      setSigns(QTextCursor(block), 2, f);
      continue;
    }
    line.mergeCharFormat(f);
    if (entry.style == HelpStyle::SignsFirst4) setSigns(QTextCursor(block), 4, f);
    if (entry.style == HelpStyle::BoldFirst14) {
      QTextCursor head(block);
      head.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor,
                        std::min(14, block.length() - 1));
      QTextCharFormat bold;
      bold.setFontWeight(QFont::Bold);
      head.mergeCharFormat(bold);
    }
  }
  text_->moveCursor(QTextCursor::Start);
}

void HelpWindow::changeHeight(int by) {
  const int step = std::clamp(step_ + by, 0, kHelpSteps - 1);
  if (step == step_) return;
  step_ = step;
  layOut();
}

void HelpWindow::openSection(int section) {
  const HelpSection& s = kHelpSections.at(static_cast<std::size_t>(section));
  highlight(section);
  for (std::size_t i = 0; i < links_.size(); ++i) {
    QFont f = links_[i]->font();
    f.setUnderline(static_cast<int>(i) == section);
    links_[i]->setFont(f);
  }
  QTextDocument* doc = text_->document();
  // The caret goes to the first line and on to the section's last line in
  // view; the section's first line then stands at the top, whatever the
  // lines' heights.
  text_->moveCursor(QTextCursor::Start);
  text_->ensureCursorVisible();
  const QTextBlock target = doc->findBlockByNumber(s.target[step_] - 1);
  if (target.isValid()) {
    text_->setTextCursor(QTextCursor(target));
    text_->ensureCursorVisible();
  }
  const QTextBlock top = doc->findBlockByNumber(helpSectionTop(s) - 1);
  if (top.isValid())
    text_->verticalScrollBar()->setValue(
        static_cast<int>(doc->documentLayout()->blockBoundingRect(top).top()));
}

void HelpWindow::highlight(int section) {
  for (std::size_t i = 0; i < links_.size(); ++i)
    setInk(links_[i], static_cast<int>(i) == section ? kLinkBlue : kLinkNavy);
}

int HelpWindow::topLine() const { return text_->cursorForPosition(QPoint(2, 2)).blockNumber() + 1; }

int HelpWindow::caretLine() const { return text_->textCursor().blockNumber() + 1; }

bool HelpWindow::eventFilter(QObject* watched, QEvent* event) {
  for (std::size_t i = 0; i < links_.size(); ++i) {
    if (watched != links_[i]) continue;
    if (event->type() == QEvent::Enter || event->type() == QEvent::MouseMove)
      highlight(static_cast<int>(i));
    else if (event->type() == QEvent::MouseButtonPress)
      openSection(static_cast<int>(i));
    else
      return false;
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

void HelpWindow::hideEvent(QHideEvent* event) {
  marquee_.stop();
  QWidget::hideEvent(event);
}

}  // namespace ispyt
