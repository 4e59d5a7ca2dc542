#pragma once
// The pictures of the main screen before any test is open: the program
// background with the card frame, the menu strip, the status strip, the
// clock face and the empty task wheel, in the colours of the chosen
// scheme.

#include <QImage>
#include <QPainter>
#include <QString>
#include <filesystem>
#include <string>

#include "platform/qt/ArtworkList.h"
#include "presentation/DecorSettings.h"
#include "presentation/ScreenScale.h"

namespace ispyt {

struct FirstScreenLook {
  QColor windowColour{240, 216, 96};    // the "Гарбуз" scheme
  QColor panelTop{255, 128, 0};
  QColor panelBottom{255, 255, 128};
  QColor stripTop{200, 200, 128};
  QColor stripBottom{240, 200, 32};
  QColor frameColour{96, 96, 96};
  QColor backgroundTop{200, 200, 128};  // the "Градієнт" background
  QColor backgroundBottom{220, 220, 32};
  QColor secondHand{0, 0, 255};
  QString publisherLine;
};

// The colours of the scheme and the clock options of `decor`.
void applyScheme(FirstScreenLook& look, const DecorSettings& decor);

// What the program background is made of.
struct ProgramBackground {
  // A picture of "Decor/Fon1" (without ".bmp"), "Накат", "Прозорий" or
  // "Градієнт"; a name that gives no picture becomes "Градієнт".
  std::string name;
  std::filesystem::path programFolder;
  QImage desktop;          // the desktop under the window, for "Прозорий"
  bool cardFrame = true;   // the card's frame is drawn on it
};

// A backdrop tile of the card or of the options: a picture of
// "Decor/Fon2", the "Пергамент" tile, or null ("Прозорий": the background
// shows through) when the name gives neither.
QImage backdropTile(const std::string& name, const std::filesystem::path& programFolder,
                    const ArtworkList& artwork);

// A rounded panel filled from `top` down to `bottom`, outlined with the
// painter's pen.
void fillPanel(QPainter& p, QRect r, QColor top, QColor bottom, int radius);

// The program background of the window's size, with the card frame drawn
// on it.  A picture at least 800 pixels wide is stretched to the window, a
// smaller one tiled; `background.name` becomes the name drawn.
QImage buildProgramBackground(QSize windowSize, const ScreenScale& scale,
                              const ArtworkList& artwork, const FirstScreenLook& look,
                              ProgramBackground& background);

// Draws the decorative panels (menu strip, status strip, clock, score
// panel with an empty wheel) over the background.
void paintFirstScreen(QImage& screen, const ScreenScale& scale, const FirstScreenLook& look);

}  // namespace ispyt
