#pragma once
// The built-in picture sheet: seven pictures of 320x160, and the pieces the
// screens cut out of them.  The pictures themselves are drawn by the Qt
// layer (platform/qt/ArtworkList); their places are fixed here.

#include "platform/Geometry.h"

namespace ispyt::artwork {

inline constexpr Size kPictureSize{320, 160};
inline constexpr int kPictureCount = 7;

struct Cut {
  int picture;
  Rect rect;
};

// Picture 0's bottom rows hold its textures and nothing else.
inline constexpr Rect kSheetTextures{0, 95, 320, 65};
inline constexpr Cut kRollerTile{0, {218, 95, 80, 65}};      // "Накат"
inline constexpr Cut kParchmentTile{0, {131, 95, 85, 65}};   // "Пергамент"
inline constexpr Cut kExitPicture{0, {131, 0, 190, 95}};     // drawn with transparency
inline constexpr Cut kAboutPicture{1, {0, 0, 80, 110}};
inline constexpr Cut kSidePicture{1, {90, 0, 230, 160}};
inline constexpr Cut kLogoStage{2, {0, 0, 160, 160}};
inline constexpr Cut kLogoMark{2, {160, 0, 160, 160}};

// Six letter tiles of 32x48 on picture 3, in two rows of two looks.
inline constexpr int kLetterTileCount = 6;
inline constexpr int kLetterTileX[kLetterTileCount] = {0, 41, 82, 123, 164, 205};
inline constexpr int kLetterTileRowY[2] = {10, 68};
inline constexpr Size kLetterTileSize{32, 48};
inline constexpr Cut letterTile(int index, int row) {
  return {3, {kLetterTileX[index], kLetterTileRowY[row], kLetterTileSize.width,
              kLetterTileSize.height}};
}

// The idle animation's two frames: a glint over the logo, off and on.
inline constexpr Cut kIdleFrame2{4, {0, 0, 160, 160}};
inline constexpr Cut kIdleFrame3{4, {160, 0, 160, 160}};

}  // namespace ispyt::artwork
