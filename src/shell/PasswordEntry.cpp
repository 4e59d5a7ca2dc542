#include "shell/PasswordEntry.h"

namespace ispyt {

bool PasswordEntry::type(Key key, char c, int password) {
  if (key == Key::Navigation) return false;
  if (key == Key::Character && c >= '0' && c <= '9' && digits_.size() < 5)
    digits_ += c;
  else
    digits_.clear();
  // An empty entry is no number and matches nothing.
  return !digits_.empty() && std::stoi(digits_) == password;
}

}  // namespace ispyt
