#pragma once
// The about window "Про програму": the about text on a paged card, a page
// scroll bar 1 to 9 on a side bar in the scheme's accent colour, and a
// running caption.  It is shown modally.

#include <QImage>
#include <QWidget>
#include <string>

#include "platform/Scheduler.h"
#include "platform/qt/ArtworkList.h"
#include "presentation/AboutCard.h"
#include "presentation/CaptionMarquee.h"
#include "presentation/ui/CaptionBar.h"

class QScrollBar;

namespace ispyt {

class AboutWindow : public QWidget {
 public:
  AboutWindow(QWidget* mainWindow, Scheduler& scheduler, const ArtworkList& artwork);

  void setText(const AboutText& text) { text_ = text; }
  // Shows the window modally over the main window, on page 1 when
  // `firstPage`, else on page 9, in the colours of `scheme`.
  void showOver(bool firstPage, const ScreenScale& scale, const std::string& scheme);

  int page() const;
  QScrollBar* pages() const { return pages_; }
  // The card as it is drawn now, in client pixels.
  QImage card() const;
  CaptionBar* caption() const { return caption_; }
  const CaptionMarquee& marquee() const { return marquee_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void paintClient(QPainter& p) const;

  QWidget* main_;
  const ArtworkList& artwork_;
  CaptionBar* caption_;
  QScrollBar* pages_;
  CaptionMarquee marquee_;
  AboutText text_{};
  QColor window_;
  QColor accent_;
};

}  // namespace ispyt
