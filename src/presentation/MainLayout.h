#pragma once
// Every design rectangle of the main window (800x600), in one place.
// Widgets are placed from here through ScreenScale; nothing else in the
// program states where a part of the main screen is.
//
// The screen reads left to right: the question card on the left with the
// options under it; the title arch, the status strip, the clock and the
// score panel with the task wheel on the right.

#include "platform/Geometry.h"

namespace ispyt::layout {

inline constexpr Rect kTopBar{0, 0, 800, 24};
inline constexpr Rect kMenuStrip{0, 0, 800, 24};
inline constexpr Rect kBottomBar{0, 580, 800, 20};
inline constexpr int kFirstMenuCaptionX = 12;
inline constexpr int kMenuCaptionY = 2;
inline constexpr Rect kKeyboardSelector{480, 0, 52, 21};

inline constexpr Rect kTestSetCaption{24, 28, 392, 22};
inline constexpr Rect kCardArea{16, 52, 400, 318};
inline constexpr Rect kOptionArea{16, 376, 768, 200};

inline constexpr Rect kTitleArea{430, 24, 354, 138};
inline constexpr Rect kStatusStrip{532, 164, 245, 30};
inline constexpr Rect kClockBox{424, 201, 100, 100};
inline constexpr Rect kScorePanel{532, 198, 245, 154};
inline constexpr Rect kNamePlate{532, 352, 245, 20};
inline constexpr Rect kMainButton{424, 306, 100, 64};
// On the score panel, left of the wheel: the mode sign (hint, give-up, the
// next task in review) and the score box.
inline constexpr Rect kModeSign{551, 210, 48, 48};
inline constexpr Rect kScoreBox{547, 268, 55, 35};
// During an attempt the card area is the task area; the result diagram and
// the grade picture stand in the middle of the option area.
inline constexpr Rect kResultPicture{210, 378, 380, 196};
inline constexpr Size kModeIconDesign{100, 78};

// The intro's side picture stands here, inside the card area.
inline constexpr Point kSidePicture{25, 100};

// The exit confirmation: the picture, the two thumbnails and the answers.
inline constexpr Point kExitPicture{75, 15};
inline constexpr Rect kExitWindowThumb{82, 20, 70, 54};     // to (152, 74)
inline constexpr Rect kExitDesktopThumb{190, 22, 67, 52};   // to (257, 74)
inline constexpr int kExitBand = 20;                        // top and bottom bands
inline constexpr Size kExitAnswerTile{60, 40};

}  // namespace ispyt::layout
