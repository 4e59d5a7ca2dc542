#pragma once
// The background of the side list for each colour scheme: a vertical
// gradient for the plain schemes, a computed pattern for "Весна",
// "Морська" and "Сланець", nothing for any other scheme.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/Random.h"

namespace ispyt {

// Pixels 0xRRGGBB, row by row; empty when the scheme paints nothing.
std::vector<std::uint32_t> sideListFill(const std::string& scheme, int width, int height,
                                        Random& random);

}  // namespace ispyt
