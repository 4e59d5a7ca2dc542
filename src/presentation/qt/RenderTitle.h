#pragma once
// The test title, smoothed for the title area: rendered at three times the
// size into the title slot, then averaged down 3x3.

#include <QImage>
#include <string_view>

#include "presentation/RenderTaskText.h"
#include "presentation/qt/QtTextSlots.h"

namespace ispyt {

// `title` is Windows-1251 markup.  The title slot is released again.
QImage RenderTitle(QtTextSlots& textSlots, const SlotBackdrop& backdrop, std::string_view title,
                   int width, int height);

}  // namespace ispyt
