#pragma once
// Windows-1251 bytes to QString and back, for the widgets.

#include <QString>
#include <string>
#include <string_view>

namespace ispyt {

QString fromCp1251(std::string_view bytes);
std::string toCp1251(const QString& text);

// A UTF-8 source literal as the widgets show it.
inline QString ui(const char* utf8) { return QString::fromUtf8(utf8); }

}  // namespace ispyt
