#pragma once
// Where the settings dialog and its groups stand: the compact form of the
// 800x600 design, in the dialog's own design units (scaled like the main
// window), and where on the screen the dialog opens.

#include "platform/Geometry.h"
#include "presentation/MainLayout.h"
#include "presentation/ScreenScale.h"

namespace ispyt::settingsLayout {

inline constexpr Size kWindow{350, 285};
inline constexpr Rect kTabArea{5, 4, 340, 255};
// "Установки"
inline constexpr Rect kModeGroup{14, 40, 166, 148};
inline constexpr Rect kControlGroup{186, 40, 152, 148};
inline constexpr Rect kTimeGroup{16, 194, 190, 58};
inline constexpr Rect kOkButton{220, 205, 100, 30};
// "Оцінювання"
inline constexpr Rect kGradingGroup{14, 26, 324, 184};
inline constexpr Rect kPasswordPanel{10, 212, 320, 42};
inline constexpr int kNewPasswordX = 256;  // in the panel
// "Сортування"
inline constexpr Rect kSortingPanel{14, 33, 324, 222};
// The link strip's cells, in the strip: 20x20 every 35 units.
inline constexpr int kLinkCellSize = 20;
inline constexpr int kLinkCellStep = 35;
inline constexpr int kLinkCellX = 5;
inline constexpr int kLinkCellY = 5;
inline constexpr int kIntervalEndX = 28;  // right of a cell's left edge
// "Довідка"
inline constexpr Rect kHelpPage{10, 28, 330, 226};

// The dialog opens 120 units below the main window's top and centred on
// the card area (the main window's left picture), 45 units to the right.
inline Point openingPosition(const Rect& mainWindow, const ScreenScale& s, Size dialog) {
  return {mainWindow.x + s.x(45) + s.x(layout::kCardArea.width) / 2 - dialog.width / 2,
          mainWindow.y + s.y(120)};
}

}  // namespace ispyt::settingsLayout
