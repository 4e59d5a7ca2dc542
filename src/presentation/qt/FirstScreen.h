#pragma once
// The main screen as an appearance makes it: the screen background with
// the card frame, the hatching and the border, and the pictures of the
// decorative panels (menu strip, status strip, clock face, score panel)
// and of the card and option backdrops, in the chosen scheme.  Everything
// is built once per appearance; the screens then only copy from it.

#include <QImage>
#include <QString>
#include <filesystem>
#include <functional>

#include "platform/Random.h"
#include "platform/qt/ArtworkList.h"
#include "presentation/AppearanceRules.h"
#include "presentation/ColourSchemes.h"
#include "presentation/DecorSettings.h"
#include "presentation/ScreenScale.h"

namespace ispyt {

// The publisher's line of the status strip and the surround window (UTF-8).
inline constexpr const char* kPublisherLine = "ispyt · комп'ютерне тестування";

struct FirstScreenLook {
  QColor windowColour{240, 216, 96};  // the "Гарбуз" scheme
  QColor frameColour{96, 96, 96};
  QColor secondHand{0, 0, 255};
  QString publisherLine;
  bool textured = true;      // the panels carry the scheme's fill
  bool clockFaceOn = false;  // "Фон годинника"
  bool lightTitle = false;   // the title arch's letters in pale blue-white
  // F3 and F4 turn the clock's and the wheel's colours round by these.
  int clockColourOffset = 0;
  int diagramColourOffset = 0;
  QImage clockFace;    // the clock panel without its hand and minutes
  QImage scoreFace;    // the score panel under its wheel
  QImage menuStrip;    // the top strip under the menu captions
  QImage statusStrip;  // with the publisher's line
  // One tile of the card's and of the options' backdrop; null: the
  // screen background shows ("Прозорий").
  QImage cardTile;
  QImage optionTile;
};

struct AppearanceSource {
  std::filesystem::path programFolder;
  QImage desktop;  // the desktop at start-up, for "Прозорий"
  ScreenScale scale;
  QSize windowSize;
  bool corsivaInstalled = false;
  QPoint windowAt;  // the window's top left on `desktop`
};

// Applies the appearance of `decor`: returns the screen background and
// fills `look`.  Names that gave nothing usable are rewritten in `decor`.
// The patterns' noise is drawn from `noise`.  `meanwhile` is given the
// finished background while the last panels are still being made on
// another core (a copy of it made then costs no time of its own).  A
// `canvas` of the window's size in 32-bit RGB is drawn into where the
// background is a picture, instead of new memory.
QImage ApplyAppearance(DecorSettings& decor, const AppearanceSource& source,
                       const ArtworkList& artwork, Random& noise, FirstScreenLook& look,
                       const std::function<void(const QImage&)>& meanwhile = {},
                       QImage canvas = {});

// The panels over the background: menu strip, status strip, the clock at
// rest and the score panel with an empty wheel.
void paintFirstScreen(QImage& screen, const ScreenScale& scale, const FirstScreenLook& look);

// Turns a colour's hue round by `degrees` (F3, F4).
QColor turned(QColor colour, int degrees);

}  // namespace ispyt
