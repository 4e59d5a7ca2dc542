#pragma once
// The window behind the main window: a rounded frame with the user
// captions around an 800x600 window, the desktop with two frame lines
// beside a proportional one, or nothing when the main window fills an
// 800-wide screen.

#include <QImage>
#include <QWidget>

#include "shell/WindowPlacement.h"

namespace ispyt {

class SurroundWindow : public QWidget {
 public:
  SurroundWindow(const WindowPlacement& placement, const QImage& desktop, QColor frameColour);

 private:
  void placeAsPlaced();

 public:
  // Intro step 5: the publisher's line, moved right by half the free space
  // between its end and x = 800.
  void showPublisherLine(const QString& line);
  void setSmallCaption(const QString& caption) { smallCaption_ = caption; }
  // The card-window option ("Робочій стіл"): the window covers the screen
  // with the desktop and a rounded field in the window colour around the
  // main window, the captions just above it.  Off, it is as placed.
  void setDesktopMode(bool on, QSize screen, QColor windowColour);
  bool desktopMode() const { return desktopMode_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  WindowPlacement placement_;
  QImage desktop_;
  QColor frameColour_;
  QString publisherLine_;
  QString smallCaption_;
  bool desktopMode_ = false;
  QColor windowColour_;
};

}  // namespace ispyt
