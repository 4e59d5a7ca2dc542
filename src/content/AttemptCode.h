#pragma once
// The attempt code names an attempt in every result file: a letter by mode
// and three digits, 100..998, unused in the test folder.

#include <filesystem>
#include <optional>
#include <string>

#include "platform/Random.h"

namespace ispyt {

// Drawn until no file of the folder has it as its base name: "X" in mode 0,
// "Y" in 1, "Z" in 3, a letter 'a'..'w' drawn with each code in mode 2, and
// the workstation's monitoring letter otherwise.  Nothing when every code
// the mode allows is taken.
std::optional<std::string> drawAttemptCode(int mode, char monitoringLetter,
                                           const std::filesystem::path& testFolder, Random& random);

// Shown when no code is left (Windows-1251).
std::string noFreeAttemptCodeText();

}  // namespace ispyt
