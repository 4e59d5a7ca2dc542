#pragma once
// What the task screen draws on: the main window's screen picture over its
// background, the text slots the renderer fills, and the backdrops of the
// question card and of the answer options.

#include <QImage>
#include <QRect>
#include <QString>
#include <functional>
#include <string>
#include <string_view>

#include "attempt/PresentationKeys.h"
#include "platform/Canvas.h"
#include "presentation/GapBoxes.h"
#include "presentation/ScreenScale.h"
#include "presentation/Transition.h"
#include "presentation/qt/QtTextSlots.h"

class QWidget;

namespace ispyt {


class TaskCanvas {
 public:
  struct Parts {
    QImage* screen = nullptr;
    const QImage* background = nullptr;
    QWidget* window = nullptr;     // parent of the answer widgets
    ScreenScale scale;
    QImage cardTile;               // one tile of the question backdrop; null: the background
    QImage optionTile;             // one tile of the option backdrop; null: the background
    std::function<void()> repaint; // the window shows the screen picture again
    Transition* transition = nullptr;  // the card area's; none: content shows at once
  };

  explicit TaskCanvas(Parts parts) : p_(std::move(parts)) {}

  const ScreenScale& scale() const { return p_.scale; }
  QWidget* window() const { return p_.window; }
  QImage& screen() { return *p_.screen; }
  const QImage* background() const { return p_.background; }
  // The screen rectangle of a design rectangle.
  QRect rect(const Rect& design) const;
  // How questions and answers look now; the presentation keys change it.
  TaskLook& look() { return look_; }
  Rgb questionColour() const;
  Rgb answerColour() const;
  bool answerBold() const { return look_.answerBold; }
  // The backdrop tiles of a new appearance.
  void setTiles(QImage cardTile, QImage optionTile) {
    p_.cardTile = std::move(cardTile);
    p_.optionTile = std::move(optionTile);
  }
  // The folder pictures named by task texts are looked up in (Windows-1251).
  void setFolder(std::string folder) { folder_ = std::move(folder); }

  // Puts the background back over `box`.
  void clear(QRect box);
  // The question backdrop with `text` on it, inside the card's frame, in
  // the question's colour and weight.
  // With `animated` it comes in by the transition, and `followUp` runs on
  // the tick after it; true when a transition runs.
  bool drawCard(std::string_view text, int maxSize, bool animated = false,
                std::function<void()> followUp = {});
  // The question backdrop with plain `text` on it (no task-text markup;
  // '\n' ends a line), wrapped at word ends, for the program's own
  // messages.
  void drawCardText(const QString& text, QColor colour, int pixelSize);
  // The largest font size (cell width) at which `text` fits `size`.
  int measure(std::string_view text, QSize size, bool bold);
  // Paints the option backdrop under `box` (the whole option, its letter
  // included).
  void fillOption(QRect box);
  // Renders `text` into slot `slot` on the option backdrop under `box` and
  // copies it there; returns the cell width drawn at (0: a picture).
  int drawOption(std::string_view text, QRect box, int slot, Rgb colour, int maxSize, bool bold);
  // `text` rendered through slot `slot` on `backdrop` (the picture's size),
  // for pictures shown off the screen picture; `cellWidth` gets the cell
  // width drawn at.
  QImage renderText(std::string_view text, const QImage& backdrop, int slot, Rgb colour,
                    int maxSize, bool bold, int* cellWidth = nullptr);
  // Where the gaps of the last text drawn stand, in slot pixels.
  const GapAnchors& gapAnchors() const { return anchors_; }
  GapBoxes& gapBoxes() { return boxes_; }
  void repaint() const {
    if (p_.repaint) p_.repaint();
  }

 private:
  QImage backdrop(const QImage& tile, bool plain, QRgb plainColour, QRect box) const;
  TextRenderTarget target(bool optionTile);

  Parts p_;
  TaskLook look_{.answerColour = 0, .questionColour = 1};
  std::string folder_;
  QtTextSlots slots_;
  GapBoxes boxes_{};
  GapAnchors anchors_{};
};

}  // namespace ispyt
