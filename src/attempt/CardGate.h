#pragma once
// The gate that keeps an attempt of a personalised test from starting
// before the testee has touched the card: set when the card screen is
// shown, cleared by the first edit of the name or a name picked from a
// class list.

#include <string>

namespace ispyt {

// Drawn in the task area by the task-text renderer when the gate holds.
std::string cardPrompt();  // Windows-1251
inline constexpr const char* kCardPromptSound = "see";

class CardGate {
 public:
  enum class Press { Start, Prompt };

  void cardShown(bool personalise) { incomplete_ = personalise; }
  void nameTouched() { incomplete_ = false; }
  bool incomplete() const { return incomplete_; }

  // What a press of the main button does: start the attempt, or play
  // kCardPromptSound, draw cardPrompt() and go no further.
  Press press() const { return incomplete_ ? Press::Prompt : Press::Start; }

 private:
  bool incomplete_ = false;
};

}  // namespace ispyt
