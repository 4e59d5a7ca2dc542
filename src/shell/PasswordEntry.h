#pragma once
// The numeric password prompt: at most five digits, shown as "=".  Any
// other character, a sixth digit or Backspace clears what was typed; the
// password is accepted the moment the typed number equals it, without
// Enter.  A wrong password gives no message.

#include <string>

namespace ispyt {

class PasswordEntry {
 public:
  enum class Key { Character, Backspace, Navigation };

  void clear() { digits_.clear(); }
  // Returns true when the typed number now equals `password`.
  bool type(Key key, char character, int password);

  const std::string& digits() const { return digits_; }
  std::string shown() const { return std::string(digits_.size(), '='); }

 private:
  std::string digits_;
};

}  // namespace ispyt
