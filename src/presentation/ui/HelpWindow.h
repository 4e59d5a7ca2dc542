#pragma once
// The help window "Довідка": the formatted help page in a read-only text,
// five section links above it that bring their section to the top, three
// heights chosen by the title bar's buttons, the scheme's colours and a
// running caption.

#include <QWidget>
#include <array>
#include <string>

#include "platform/Scheduler.h"
#include "presentation/CaptionMarquee.h"
#include "presentation/HelpPage.h"
#include "presentation/ui/CaptionBar.h"

class QLabel;
class QTextEdit;
class QFrame;

namespace ispyt {

class HelpWindow : public QWidget {
 public:
  HelpWindow(QWidget* mainWindow, Scheduler& scheduler);

  // Places the window over the main window's option area, formats its
  // text, colours it by `scheme` (Windows-1251), starts the caption and
  // shows it.
  void showOver(const ScreenScale& scale, const std::string& scheme);

  int heightStep() const { return step_; }
  // One step taller (the maximise button) or shorter (minimise), within
  // steps 0 to 2.
  void changeHeight(int by);
  // A section link clicked.
  void openSection(int section);

  QTextEdit* text() const { return text_; }
  QLabel* link(int section) const { return links_.at(section); }
  CaptionBar* caption() const { return caption_; }
  const CaptionMarquee& marquee() const { return marquee_; }
  // The 1-based line at the top of the text, and the caret's.
  int topLine() const;
  int caretLine() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void format();
  void layOut();
  void highlight(int section);
  void keepOnScreen();

  QWidget* main_;
  CaptionBar* caption_;
  QWidget* linkPanel_;
  std::array<QLabel*, kHelpSections.size()> links_{};
  QFrame* textPanel_;
  QTextEdit* text_;
  CaptionMarquee marquee_;
  int step_ = 0;
};

}  // namespace ispyt
