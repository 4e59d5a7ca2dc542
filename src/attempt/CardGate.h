#pragma once
// The card gate's texts: what a press of the main button on an incomplete
// registration card draws in the task area (through the task-text
// renderer) and plays.  RegistrationCard tells when the card is complete.

#include <string>

namespace ispyt {

std::string cardPrompt();  // Windows-1251
inline constexpr const char* kCardPromptSound = "see";

}  // namespace ispyt
