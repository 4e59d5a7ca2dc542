#pragma once
// Where the parts of the registration card stand, in design pixels
// relative to the option area of the main screen (768x200): the card's
// prompt stays readable in the card area above it.  Where the testee is
// from on the left, who the testee is on the right.  A drop-down box is its
// display panel with the arrow taking the box's right end.

#include "platform/Geometry.h"

namespace ispyt::cardlayout {

inline constexpr Rect kFrame{0, 0, 768, 200};
inline constexpr int kFrameRadius = 12;
inline constexpr int kArrowWidth = 22;
inline constexpr int kPopupRows = 10;  // rows a list shows before it scrolls

inline constexpr Rect kDistrictLabel{20, 12, 300, 18};
inline constexpr Rect kDistrictBox{20, 30, 350, 24};
inline constexpr Rect kSchoolLabel{20, 66, 300, 18};
inline constexpr Rect kSchoolBox{20, 84, 350, 24};

inline constexpr Rect kClassLabel{20, 120, 150, 18};
inline constexpr Rect kClassNumberBox{20, 138, 64, 24};
inline constexpr Rect kClassLetterBox{96, 138, 56, 24};
inline constexpr Rect kLayoutBox{684, 138, 64, 24};

inline constexpr Rect kNameLabel{398, 12, 300, 18};
// The name field; with names picked by list the arrow takes its right end.
inline constexpr Rect kNameField{398, 30, 350, 26};

inline constexpr Rect kEmailLabel{398, 66, 150, 18};
inline constexpr Rect kEmailUser{398, 84, 176, 34};
inline constexpr Rect kEmailAt{574, 84, 22, 34};
inline constexpr Rect kEmailDomain{596, 84, 152, 34};

inline constexpr int kLabelFont = 9;  // points at the design scale
inline constexpr int kFieldFont = 10;

}  // namespace ispyt::cardlayout
