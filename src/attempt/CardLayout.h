#pragma once
// Where the parts of the registration card stand, in design pixels
// relative to the card area of the main screen (400x318).  A drop-down box
// is its display panel with the arrow taking the box's right end.

#include "platform/Geometry.h"

namespace ispyt::cardlayout {

inline constexpr Rect kFrame{0, 0, 400, 318};
inline constexpr int kFrameRadius = 12;
inline constexpr int kArrowWidth = 22;
inline constexpr int kPopupRows = 10;  // rows a list shows before it scrolls

inline constexpr Rect kDistrictLabel{20, 14, 300, 18};
inline constexpr Rect kDistrictBox{20, 32, 360, 24};
inline constexpr Rect kSchoolLabel{20, 72, 300, 18};
inline constexpr Rect kSchoolBox{20, 90, 360, 24};

inline constexpr Rect kClassLabel{20, 130, 150, 18};
inline constexpr Rect kClassNumberBox{20, 148, 64, 24};
inline constexpr Rect kClassLetterBox{96, 148, 56, 24};
inline constexpr Rect kLayoutBox{316, 148, 64, 24};

inline constexpr Rect kNameLabel{20, 188, 300, 18};
// The name field; with names picked by list the arrow takes its right end.
inline constexpr Rect kNameField{20, 206, 360, 26};

inline constexpr Rect kEmailLabel{20, 246, 150, 18};
inline constexpr Rect kEmailUser{20, 264, 176, 34};
inline constexpr Rect kEmailAt{196, 264, 22, 34};
inline constexpr Rect kEmailDomain{218, 264, 162, 34};

inline constexpr int kLabelFont = 9;  // points at the design scale
inline constexpr int kFieldFont = 10;

}  // namespace ispyt::cardlayout
