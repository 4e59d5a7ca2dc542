#pragma once
// Why a file could not be written, in the words the program shows
// (Windows-1251, Ukrainian).

#include <string>
#include <system_error>

namespace ispyt {

std::string fileErrorReason(const std::error_code& error);

}  // namespace ispyt
