#pragma once
// The card's name field: every typed or pasted character passes the name
// rules (NameInput) before it goes in, so the field never holds what the
// card would refuse.  Enter is refused.

#include <QLineEdit>

namespace ispyt {

class NameEdit : public QLineEdit {
  Q_OBJECT

 public:
  explicit NameEdit(QWidget* parent);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // Types `keys` at the cursor (over the selection) through the rules;
  // emits textEdited when anything went in.
  void typeKeys(const QString& keys);
};

}  // namespace ispyt
