#pragma once
// The program's colours as Qt draws them.

#include <QColor>
#include <optional>

#include "platform/Canvas.h"

namespace ispyt {

inline QColor qcolor(Rgb c) { return {c.r, c.g, c.b}; }
// `otherwise` when there is no colour.
inline QColor qcolor(const std::optional<Rgb>& c, QColor otherwise = {}) {
  return c ? qcolor(*c) : otherwise;
}

}  // namespace ispyt
