#pragma once
// The registration card as the attempt sees it: shown before the tasks when
// the test asks for it, and complete once the testee has entered a name.

namespace ispyt {

class AttemptCard {
 public:
  virtual ~AttemptCard() = default;
  // Shows the card screen; the card counts as incomplete until the name is
  // edited again.
  virtual void show() = 0;
  // The next press of the main button may start the attempt.
  virtual bool complete() const = 0;
  // The testee's name is known (the result may be sent under it).
  virtual bool nameKnown() const = 0;
};

}  // namespace ispyt
