#pragma once
// The card's e-mail entry: a user part, a fixed "@" and a domain.  Neither
// part takes a blank, an at-sign or Enter.  The three parts share one font size,
// which shrinks when the user part wraps to a second line and grows back on
// backspace.

namespace ispyt {

inline constexpr int kEmailFontPoints = 10;  // at the design scale
inline constexpr int kEmailSmallestFont = 6;

bool emailKeyAccepted(char key);

// The full size, in points, for the screen's vertical scale factor.
int emailFullFont(double scaleY);

// The font after an edit of the user part: 2 points smaller when it now
// takes more than one line (never below kEmailSmallestFont); 1 point larger
// after a backspace that leaves it on one line (never above the full size).
int emailFontAfterEdit(int points, int userLines, bool backspace, double scaleY);

}  // namespace ispyt
