#pragma once
// The score panel of the task screen: the task wheel with one petal per
// task, the task shown in its centre, the mode sign and the score box.

#include <QImage>
#include <QString>
#include <vector>

#include "presentation/ScreenScale.h"
#include "presentation/qt/FirstScreen.h"

namespace ispyt {

enum class PetalLook { Open, Done, Current, Late };

// What the mode sign beside the wheel offers.
enum class ModeSign { None, Hint, GiveUp, Review };

struct ScorePanelView {
  std::vector<PetalLook> petals;  // task 1..n at index 0..n-1; none: the empty wheel
  int centreNumber = 0;           // shown in the centre disc when above 0
  QString score;                  // the score box's text; empty: no box
  ModeSign sign = ModeSign::None;
};

// Draws the whole panel at `panel` of `screen` on the appearance's face.
void paintScorePanel(QImage& screen, QRect panel, const ScreenScale& scale,
                     const FirstScreenLook& look, const ScorePanelView& view);

}  // namespace ispyt
