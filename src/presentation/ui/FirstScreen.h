#pragma once
// The pictures of the main screen before any test is open: the program
// background with the card frame, the menu strip, the status strip, the
// clock face and the empty task wheel.  The appearance dialog's themes
// and file backgrounds replace the defaults drawn here.

#include <QImage>
#include <QPainter>
#include <QString>

#include "platform/qt/ArtworkList.h"
#include "presentation/ScreenScale.h"

namespace ispyt {

struct FirstScreenLook {
  QColor windowColour{240, 216, 96};    // the "Гарбуз" scheme
  QColor panelTop{255, 128, 0};
  QColor panelBottom{255, 255, 128};
  QColor stripTop{200, 200, 128};
  QColor stripBottom{240, 200, 32};
  QColor frameColour{96, 96, 96};
  QString publisherLine;
};

// A rounded panel filled from `top` down to `bottom`, outlined with the
// painter's pen.
void fillPanel(QPainter& p, QRect r, QColor top, QColor bottom, int radius);

// The program background of the window's size: the "Накат" tile repeated,
// with the card frame drawn on it.
QImage buildProgramBackground(QSize windowSize, const ScreenScale& scale,
                              const ArtworkList& artwork, const FirstScreenLook& look);

// Draws the decorative panels (menu strip, status strip, clock, score
// panel with an empty wheel) over the background.
void paintFirstScreen(QImage& screen, const ScreenScale& scale, const FirstScreenLook& look);

}  // namespace ispyt
